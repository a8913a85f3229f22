#!/usr/bin/env bash
# Builds the archive fuzz target with clang and libFuzzer (AddressSanitizer,
# UndefinedBehaviorSanitizer) in fuzz-build/ and runs it.
#   scripts/fuzz.sh 60s         run for 60 seconds
#   scripts/fuzz.sh 10000000    run 10 million inputs
#   JOBS=3 scripts/fuzz.sh ...  spread over 3 worker processes
# Findings are written to fuzz-build/findings/; the corpus grows in
# fuzz-build/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

limit="${1:-60s}"
jobs="${JOBS:-1}"
dir=fuzz-build

cmake -S tests/fuzz -B "$dir" -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$dir" -j "$(nproc)"

# Seeds: the demo archive and a few small archives, well formed or not.
mkdir -p "$dir/seeds" "$dir/corpus" "$dir/findings"
"$dir/make_demo_archive" "$dir/seeds/vantrel.bfc"
"$dir/make_fuzz_seeds" "$dir/seeds"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Workers write their logs (fuzz-N.log) into the current folder.
cd "$dir"
args=(-max_len=65536 -artifact_prefix="$PWD/findings/" -print_final_stats=1)
if [[ "$limit" == *s ]]; then
  args+=(-max_total_time="${limit%s}")
else
  # -runs counts inputs per process: share them among the workers.
  args+=(-runs=$(( (limit + jobs - 1) / jobs )))
fi
if [ "$jobs" -gt 1 ]; then
  args+=(-jobs="$jobs" -workers="$jobs")
fi

exec ./fuzz_archive "${args[@]}" "$PWD/corpus" "$PWD/seeds"
