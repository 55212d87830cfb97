#!/usr/bin/env bash
# Builds the fuzz entries with clang 14 and libFuzzer into ./build-fuzz and
# runs each for a number of seconds over a scratch copy of its corpus
# (fuzz/corpus/<reader>/ itself is never written).
#
#   scripts/fuzz.sh [seconds per entry, default 60] [reader...]
#
# Prints one line per entry. What an entry finds (crash, sanitizer report,
# leak, time-out, memory blow-up) stays in build-fuzz/fuzz-runs/<reader>/
# with its log; the script then exits non-zero. A finding is mended in the
# reader and its input added to fuzz/corpus/<reader>/ (see fuzz/README.md).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
jobs="${JOBS:-4}"

# clang and its libFuzzer runtime: only this script needs them.
./scripts/deps.sh clang-14 libclang-rt-14-dev

if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
        -DBC_FUZZ=ON -DBC_BUILD_TESTS=OFF -DBC_BUILD_BENCH=OFF >/dev/null
else
  cmake -S . -B build-fuzz >/dev/null
fi
cmake --build build-fuzz --target fuzz_all --parallel "$jobs"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  for bin in build-fuzz/fuzz/fuzz_*; do
    [ -f "$bin" ] && [ -x "$bin" ] && readers+=("${bin##*/fuzz_}")
  done
fi

runs=build-fuzz/fuzz-runs
found=0
printf '%-18s %10s %8s %8s  %s\n' entry execs corpus+ seconds result
for r in "${readers[@]}"; do
  bin=build-fuzz/fuzz/fuzz_$r
  [ -f "$bin" ] && [ -x "$bin" ] || { echo "no entry $r" >&2; exit 2; }
  work=$runs/$r
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/findings"
  cp -R "fuzz/corpus/$r/." "$work/corpus/"
  seeds=$(find "$work/corpus" -type f | wc -l)
  start=$(date +%s)
  status=0
  "$bin" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
         -artifact_prefix="$work/findings/" "$work/corpus" >"$work/log" 2>&1 || status=$?
  took=$(( $(date +%s) - start ))
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  grown=$(( $(find "$work/corpus" -type f | wc -l) - seeds ))
  findings=$(find "$work/findings" -type f | wc -l)
  if [ "$status" -eq 0 ] && [ "$findings" -eq 0 ]; then
    result=clean
  else
    found=1
    result="FINDING (exit $status): $(find "$work/findings" -type f | head -3 | tr '\n' ' ')see $work/log"
  fi
  printf '%-18s %10s %8s %8s  %s\n' "$r" "${execs:-?}" "$grown" "$took" "$result"
done
exit $found
