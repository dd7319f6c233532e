#!/usr/bin/env bash
# Fuzzes the input handlers with libFuzzer: tools/fuzz.sh [TARGET|all] [SECONDS]
# (default: every target, 600 seconds each, one after the other).
#
# Builds the targets with clang into build-fuzz/ (the fuzz preset). Each
# target works on its own corpus folder outside the repository,
# ~/.cache/duvane-fuzz/TARGET (DUVANE_FUZZ_WORK to move the parent): the
# seeds of fuzz/corpus/TARGET are copied in and everything the campaign finds
# stays there, so that the next campaign goes on from it. An input that
# crashes or breaks an invariant is kept beside it as TARGET-crash-* (a hang
# as TARGET-timeout-*, a leak as TARGET-leak-*); add it to fuzz/corpus/TARGET
# once the fault is fixed. The run fails when any target failed.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

duvane_fuzz_targets=(fuzz_number_text fuzz_integer_text fuzz_impedances fuzz_converged fuzz_inverse
                     fuzz_cli_args fuzz_batch_line)

duvane_fuzz_build() {
    duvane_install_missing "${duvane_build_packages[@]}" "${duvane_fuzz_packages[@]}"
    duvane_build_preset fuzz
    DUVANE_FUZZ_BIN=$DUVANE_ROOT/build-fuzz/fuzz
}

# Runs one target for the given seconds on its work corpus; prints one line
# when it passes, the end of the fuzzer's log (its report) when it fails.
duvane_fuzz_run() {
    local target=$1 seconds=$2 work=$3
    local corpus=$work/$target dict=$DUVANE_ROOT/fuzz/dict/$target.dict
    mkdir -p "$corpus"
    cp -rn "$DUVANE_ROOT/fuzz/corpus/$target/." "$corpus/"
    local options=(-max_total_time="$seconds" -timeout=60 -artifact_prefix="$work/$target-")
    [[ -f $dict ]] && options+=(-dict="$dict")
    local log=$work/$target.log status=0
    "$DUVANE_FUZZ_BIN/$target" "${options[@]}" "$corpus" >"$log" 2>&1 || status=$?
    if ((status)); then
        tail -n 80 "$log"
        echo "$target: failed (exit $status); the input is kept as $work/$target-*-*" >&2
        return 1
    fi
    echo "$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log"), corpus $(ls "$corpus" | wc -l) inputs, no fault"
}

# clang's runtime names the lines of a report only with a symbolizer at hand.
export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer

duvane_fuzz_main() {
    local which=${1:-all} seconds=${2:-600}
    local work=${DUVANE_FUZZ_WORK:-${XDG_CACHE_HOME:-$HOME/.cache}/duvane-fuzz}
    local targets=("${duvane_fuzz_targets[@]}")
    if [[ $which != all ]]; then
        [[ " ${duvane_fuzz_targets[*]} " == *" $which "* ]] || {
            echo "usage: tools/fuzz.sh [all|${duvane_fuzz_targets[*]// /|}] [SECONDS]" >&2
            return 2
        }
        targets=("$which")
    fi
    duvane_fuzz_build
    local failed=0
    for target in "${targets[@]}"; do
        duvane_fuzz_run "$target" "$seconds" "$work" || failed=1
    done
    return "$failed"
}

duvane_fuzz_main "$@"
