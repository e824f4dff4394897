#!/usr/bin/env bash
# Runs one libFuzzer target for a set time over its seeds and the corpus it
# grew on earlier runs, and prints one line: how many inputs it tried. On a
# failure it prints the log's end and where the failing input was kept.
#   run-fuzzer.sh NAME FUZZER SECONDS WORK_FOLDER SEED_FOLDER
set -euo pipefail
name="$1" fuzzer="$2" seconds="$3" work="$4" seeds="$5"

mkdir -p "$work/corpus" "$work/failures"
rm -f "$work/summary.txt"
status=0
# -timeout: an input that takes seconds is a fault too (a count driving a loop).
"$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$work/failures/" "$work/corpus" "$seeds" >"$work/log.txt" 2>&1 || status=$?

runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt" | tail -n1)"
corpus="$(find "$work/corpus" -type f | wc -l)"
if [ "$status" -eq 0 ] && [ -n "$runs" ]; then
  echo "fuzz $name: $runs inputs tried in ${seconds} s, corpus of $corpus, no failure" | tee "$work/summary.txt"
  exit 0
fi
tail -n 30 "$work/log.txt"
echo "fuzz $name: FAILED (exit $status); failing input in $work/failures/," \
  "keep it in tests/fuzz/regressions/$name/" | tee "$work/summary.txt"
exit 1
