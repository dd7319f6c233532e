#!/usr/bin/env bash
# Installs what building and testing Duvane needs on Debian 12, and only what
# is missing. Sourced by run.sh and test.sh.
set -euo pipefail

DUVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
DUVANE_BUILD=$DUVANE_ROOT/build  # the default preset's folder

duvane_install_missing() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [[ $(id -u) -eq 0 ]] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Qt Charts needs Qt's OpenGL module, which qt6-charts-dev does not pull in.
duvane_build_packages=(g++ cmake make qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libgtest-dev libbenchmark-dev
                       fonts-ipafont-gothic fonts-dejavu-core locales python3
                       desktop-file-utils appstream groff-base)  # the last three for check-install.sh
# The oracle checks of the line models (tests/oracles): scikit-rf reads the
# Touchstone files, ngspice runs the subcircuits.
duvane_oracle_packages=(python3-scikit-rf ngspice)
# The fuzz targets only (tools/fuzz.sh, and so tools/test.sh): libFuzzer comes
# with clang's runtime, and llvm-14 names the lines of a report.
duvane_fuzz_packages=(clang-14 libclang-rt-14-dev llvm-14)

# The tests prove that a comma locale changes no number in or out.
duvane_ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    local sudo=
    [[ $(id -u) -eq 0 ]] || sudo=sudo
    $sudo sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
}

# Configures and builds one of CMakePresets.json's presets (default, sanitize
# or fuzz), each in a folder of its own.
duvane_build_preset() {
    (cd "$DUVANE_ROOT" && cmake --preset "$1" && cmake --build --preset "$1")
}
