#!/usr/bin/env bash
# Builds Duvane (the default preset, as the tests use it) and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

duvane_install_missing "${duvane_build_packages[@]}"
duvane_build_preset default
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "No display here, so the window cannot open; the same example through duvane-calc:"
    exec "$DUVANE_BUILD/cli/duvane-calc" impedance 0.5 10
fi
exec "$DUVANE_BUILD/app/duvane"
