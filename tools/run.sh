#!/usr/bin/env bash
# Builds Duvane and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

duvane_install_missing "${duvane_build_packages[@]}"
duvane_build -DBUILD_TESTING=OFF -DDUVANE_BUILD_BENCH=OFF
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "No display here, so the window cannot open; the same example through duvane-calc:"
    exec "$DUVANE_BUILD/cli/duvane-calc" impedance 0.5 10
fi
exec "$DUVANE_BUILD/app/duvane"
