#!/usr/bin/env bash
# The full tier: builds Duvane with warnings as errors and runs every test,
# then every test again under the sanitizers, each fuzz target for a while,
# and the install check. The daily loop is `cmake --workflow --preset fast`.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

duvane_install_missing "${duvane_build_packages[@]}" "${duvane_oracle_packages[@]}"
duvane_ensure_comma_locale
# Benchmarks are built (not run) so that they keep compiling.
duvane_build_preset default
(cd "$DUVANE_ROOT" && ctest --preset full)

# Every test again under the address and undefined-behaviour sanitizers.
bash "$DUVANE_ROOT/tools/sanitize.sh"

# Each fuzz target for a short while on a copy of its seeds; tools/fuzz.sh
# alone runs the long campaigns. A failure leaves the folder for a look.
fuzz_work=$(mktemp -d)
DUVANE_FUZZ_WORK=$fuzz_work bash "$DUVANE_ROOT/tools/fuzz.sh" all 10
rm -rf "$fuzz_work"

# The installed files, validated, and the installed duvane-calc run.
bash "$DUVANE_ROOT/tools/check-install.sh" "$DUVANE_BUILD"
