#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (AddressSanitizer,
# UndefinedBehaviorSanitizer) in fuzz-build/ and runs them one after the
# other:
#   fuzz_archive   arbitrary bytes as the resource archive
#   fuzz_stage     arbitrary bytes as a stage file
#
#   scripts/fuzz.sh 60s                        each target for 60 seconds
#   scripts/fuzz.sh 10000000                   each target for 10 million inputs
#   TARGET=fuzz_stage scripts/fuzz.sh ...      that target alone
#   JOBS=3 scripts/fuzz.sh ...                 each target over 3 worker processes
# Each target works in fuzz-build/runs/<target>/: seeds in seeds/, the
# corpus it grows in corpus/, findings in findings/, worker logs in
# fuzz-N.log. Every
# target runs even when an earlier one finds something; the script then
# fails.
set -euo pipefail
cd "$(dirname "$0")/.."

all=(fuzz_archive fuzz_stage)
targets=("${all[@]}")
if [ -n "${TARGET:-}" ]; then
  if [[ " ${all[*]} " != *" $TARGET "* ]]; then
    echo "fuzz.sh: unknown target $TARGET (targets: ${all[*]})" >&2
    exit 2
  fi
  targets=("$TARGET")
fi

bash scripts/setup.sh

limit="${1:-60s}"
jobs="${JOBS:-1}"
dir=fuzz-build

cmake -S tests/fuzz -B "$dir" -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$dir" -j "$(nproc)"
cd "$dir"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

args=(-max_len=65536 -print_final_stats=1)
if [[ "$limit" == *s ]]; then
  args+=(-max_total_time="${limit%s}")
else
  # -runs counts inputs per process: share them among the workers.
  args+=(-runs=$(( (limit + jobs - 1) / jobs )))
fi
if [ "$jobs" -gt 1 ]; then
  args+=(-jobs="$jobs" -workers="$jobs")
fi

build="$PWD"
status=0
for target in "${targets[@]}"; do
  work="$build/runs/$target"
  mkdir -p "$work/seeds" "$work/corpus" "$work/findings"
  rm -f "$work"/fuzz-*.log  # a run with fewer workers would leave older logs beside its own
  # Seeds: a few small inputs, well formed or not; the archive target also
  # starts from the demo archive.
  ./make_fuzz_seeds "$target" "$work/seeds"
  if [ "$target" = fuzz_archive ]; then
    ./make_demo_archive "$work/seeds/vantrel.bfc"
  fi
  echo "fuzz.sh: $target"
  # Workers write their logs into the current folder.
  if ! (cd "$work" && "$build/$target" "${args[@]}" -artifact_prefix="$work/findings/" \
          "$work/corpus" "$work/seeds"); then
    echo "fuzz.sh: $target failed; see $work/findings/" >&2
    status=1
  fi
done
exit "$status"
