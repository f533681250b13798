#!/usr/bin/env bash
# Replays the committed hostile files through the settings loader's fuzz
# target, then fuzzes for a bounded time from a copy of them.
#   run-fuzz.sh <fuzz binary> <corpus dir> <seconds>
set -euo pipefail
binary=$1
committed=$2
seconds=${3:-60}
work=$(dirname "$binary")/fuzz-work
mkdir -p "$work/corpus"
echo "Replaying $(ls "$committed" | wc -l) hostile files"
"$binary" -runs=0 "$committed"
cp -n "$committed/"* "$work/corpus/" 2>/dev/null || true
rc=0
(cd "$work" && "$binary" -max_total_time="$seconds" -max_len=1024 -print_final_stats=1 corpus) \
    >"$work/fuzz.log" 2>&1 || rc=$?
grep -E 'stat::number_of_executed_units|^Done|ERROR|SUMMARY|crash-' "$work/fuzz.log" || true
exit $rc
