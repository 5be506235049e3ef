#!/usr/bin/env bash
# Builds the "fuzz" preset and runs every libFuzzer target in turn, one job each,
# for the given number of seconds (default 60), then prints per target its
# executions per second and the size of its corpus. The seeds under
# tests/fuzz/corpus/<target>/ are read only; what a run finds goes to
# <build>/corpus/<target>/, and crashing inputs to <build>/artifacts/<target>/.
# A file tests/fuzz/<target>.dict is handed to the target as its dictionary.
#
#   tests/fuzz/run-fuzzers.sh [seconds] [target...]
#   QUARN_FUZZ_BUILD_DIR=/tmp/build-fuzz tests/fuzz/run-fuzzers.sh 600 fuzz_assemble
set -euo pipefail

seconds=${1:-60}
shift || true
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${QUARN_FUZZ_BUILD_DIR:-$repo/build/fuzz}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_line_reader fuzz_table_entry fuzz_evaluate fuzz_ferra_stream fuzz_writers fuzz_assemble)
fi

cmake --preset fuzz -S "$repo" -B "$build" >/dev/null
cmake --build "$build" -j2

failed=0
summary=()
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  artifacts=$build/artifacts/$target
  logs=$build/logs/$target
  mkdir -p "$corpus" "$artifacts" "$logs"
  dictionary=()
  if [ -f "$repo/tests/fuzz/$target.dict" ]; then
    dictionary=(-dict="$repo/tests/fuzz/$target.dict")
  fi
  echo "== $target: ${seconds}s"
  # libFuzzer writes the job's log as fuzz-0.log in the current directory.
  if ! (cd "$logs" && "$build/tests/fuzz/$target" "$corpus" "$repo/tests/fuzz/corpus/$target" \
        -jobs=1 -workers=1 -max_total_time="$seconds" -close_fd_mask=1 -print_final_stats=1 \
        -rss_limit_mb=2048 -timeout=20 -artifact_prefix="$artifacts/" "${dictionary[@]}" >/dev/null 2>&1); then
    failed=1
    echo "   FAILED: see $logs/fuzz-0.log and $artifacts/"
  fi
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$logs/fuzz-0.log" | tail -1)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/fuzz-0.log" | tail -1)
  files=$(find "$corpus" -type f | wc -l)
  bytes=$(du -sb "$corpus" | cut -f1)
  summary+=("$(printf '%-18s %8s exec/s %10s runs   corpus %5d files %9d bytes' \
    "$target" "${rate:-?}" "${runs:-?}" "$files" "$bytes")")
done

echo
printf '%s\n' "${summary[@]}"
exit $failed
