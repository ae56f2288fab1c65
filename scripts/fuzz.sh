#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 60) on a copy of its committed seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
build=build-fuzz
CXX=clang++-14 cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j "$(nproc)"
status=0
for target in amount_conversion chinese_numerals ini_reader apportion_number; do
  work="$build/corpus/$target"
  mkdir -p "$work" "$build/crashes/$target"
  cp -n fuzz/corpus/$target/* "$work/" 2>/dev/null || true
  echo "== $target: ${seconds}s"
  if ! "$build/${target}_fuzzer" -max_total_time="$seconds" -max_len=4096 \
       -artifact_prefix="$build/crashes/$target/" -print_final_stats=1 "$work" \
       > "$build/$target.log" 2>&1; then
    echo "FAILED: $target (see $build/$target.log and $build/crashes/$target/)"
    status=1
  fi
  grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$build/$target.log" | tail -1 || true
done
exit $status
