#!/usr/bin/env bash
# Builds Duvane with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer in a folder of its own and runs every test there;
# any sanitizer report fails the run. tools/test.sh runs it after the normal
# build; it also runs on its own.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

duvane_install_missing "${duvane_build_packages[@]}"
duvane_ensure_comma_locale

# The sanitize preset of CMakePresets.json says how, and why so.
duvane_build_preset sanitize

# Reports go to files, not to the test's output: a test that runs duvane-calc
# and looks only at its exit status would miss a report from the child, and
# its exit status 1 is also the calculator's own failure.
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1:check_initialization_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1"

status=0
(cd "$DUVANE_ROOT" && ctest --preset sanitize) || status=$?
if compgen -G "$reports/*" >/dev/null; then
    for report in "$reports"/*; do
        echo "==== sanitizer report ${report##*/}"
        cat "$report"
    done
    echo "tools/sanitize.sh: the sanitizers reported the faults above" >&2
    status=1
fi
exit "$status"
