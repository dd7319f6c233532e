#!/usr/bin/env bash
# Builds Duvane and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

duvane_install_missing "${duvane_build_packages[@]}"
duvane_ensure_comma_locale
# Benchmarks are built (not run) so that they keep compiling.
duvane_build -DBUILD_TESTING=ON -DDUVANE_BUILD_BENCH=ON -DDUVANE_WERROR=ON
(cd "$DUVANE_BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)

# Every test again under the address and undefined-behaviour sanitizers.
bash "$DUVANE_ROOT/tools/sanitize.sh"

# Each fuzz target for a short while on a copy of its seeds; tools/fuzz.sh
# alone runs the long campaigns. A failure leaves the folder for a look.
fuzz_work=$(mktemp -d)
DUVANE_FUZZ_WORK=$fuzz_work bash "$DUVANE_ROOT/tools/fuzz.sh" all 10
rm -rf "$fuzz_work"

# The installed files, validated, and the installed duvane-calc run.
bash "$DUVANE_ROOT/tools/check-install.sh" "$DUVANE_BUILD"
