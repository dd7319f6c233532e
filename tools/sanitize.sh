#!/usr/bin/env bash
# Builds Duvane with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer in a folder of its own and runs every test there;
# any sanitizer report fails the run. tools/test.sh runs it after the normal
# build; it also runs on its own.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

duvane_install_missing "${duvane_build_packages[@]}"
duvane_ensure_comma_locale

sanitize_build=${DUVANE_SANITIZE_BUILD:-$DUVANE_ROOT/build-sanitize}
# -O1 keeps the instrumented converged solves quick without optimising away
# the accesses the sanitizers watch; -g names the lines in a report. With the
# instrumentation g++ 12 sees "maybe uninitialized" members inside
# libstdc++'s <regex>; the normal build keeps that warning, as an error.
sanitize_flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g"
sanitize_warnings="-Wno-maybe-uninitialized"
# The runtimes linked in statically: shared, libasan's report-path setter
# would stand in for libubsan's own, and UBSan reports would ignore log_path.
sanitize_runtimes="-static-libasan -static-libubsan"
DUVANE_BUILD=$sanitize_build duvane_build -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=ON -DDUVANE_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$sanitize_flags $sanitize_warnings" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize_flags $sanitize_runtimes"

# Reports go to files, not to the test's output: a test that runs duvane-calc
# and looks only at its exit status would miss a report from the child, and
# its exit status 1 is also the calculator's own failure.
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1:check_initialization_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1"

status=0
(cd "$sanitize_build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure) || status=$?
if compgen -G "$reports/*" >/dev/null; then
    for report in "$reports"/*; do
        echo "==== sanitizer report ${report##*/}"
        cat "$report"
    done
    echo "tools/sanitize.sh: the sanitizers reported the faults above" >&2
    status=1
fi
exit "$status"
