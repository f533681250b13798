#!/usr/bin/env bash
# Builds the settings loader's fuzz target with clang and libFuzzer, replays
# the committed corpus of hostile files, then fuzzes for a bounded time.
#   run-fuzz.sh <source dir> <build dir> <seconds>
set -euo pipefail
src=$1
out=$2/fuzz
seconds=${3:-60}
mkdir -p "$out/corpus"
binary=$out/settings_fuzz
sources=("$src/src/settings/TGameSettings.cpp" "$src/src/settings/SettingsFile.cpp"
         "$src/src/settings/IoError.cpp" "$src/tests/fuzz/settings_fuzz.cpp")
newest=$(ls -t "${sources[@]}" "$src/src/settings/"*.h | head -n 1)
if [ ! -x "$binary" ] || [ "$newest" -nt "$binary" ]; then
    # shellcheck disable=SC2046
    clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
        -I"$src/src" $(pkg-config --cflags Qt6Core) "${sources[@]}" $(pkg-config --libs Qt6Core) -o "$binary"
fi
echo "Replaying $(ls "$src/tests/fuzz/corpus" | wc -l) hostile files"
"$binary" -runs=0 "$src/tests/fuzz/corpus"
cp -n "$src/tests/fuzz/corpus/"* "$out/corpus/" 2>/dev/null || true
rc=0
(cd "$out" && "$binary" -max_total_time="$seconds" -max_len=1024 -print_final_stats=1 corpus) \
    >"$out/fuzz.log" 2>&1 || rc=$?
grep -E 'stat::number_of_executed_units|^Done|ERROR|SUMMARY|crash-' "$out/fuzz.log" || true
exit $rc
