#!/usr/bin/env bash
# Builds the platform-neutral code natively with clang, runs its unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then runs every fuzzer for a fixed budget.
# Fails on any test failure, sanitizer report or crash.
#   scripts/native-checks.sh <build-dir> [seconds per fuzzer, default 5]
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <build-dir> [seconds-per-fuzzer]" >&2
    exit 2
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "$1" && cd "$1" && pwd)
budget=${2:-5}
fuzzers=(ini list_file message_format reg_file reg_file_reader lookup_url help_request)

cmake -S "$repo/tests/native" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure

failed=()
for name in "${fuzzers[@]}"; do
    # The fuzzer adds what it finds to its corpus: work on a copy so the repository stays clean.
    corpus="$build/fuzz-corpus/$name"
    artifacts="$build/fuzz-artifacts/$name"
    rm -rf "$corpus"
    mkdir -p "$corpus" "$artifacts"
    cp "$repo/tests/fuzz/corpus/$name/"* "$corpus/"
    echo "== fuzz_$name (${budget}s)"
    if ! "$build/fuzz_$name" -max_total_time="$budget" -print_final_stats=1 \
            -artifact_prefix="$artifacts/" "$corpus" >"$build/fuzz_$name.log" 2>&1; then
        tail -n 40 "$build/fuzz_$name.log"
        failed+=("$name")
    else
        grep -E '^(stat::number_of_executed_units|Done )' "$build/fuzz_$name.log" || true
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzzers that failed: ${failed[*]} (inputs in $build/fuzz-artifacts/)" >&2
    exit 1
fi
echo "native checks passed: unit tests and ${#fuzzers[@]} fuzzers"
