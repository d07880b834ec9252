#!/usr/bin/env bash
# Runs every benchmark and prints one Markdown table of the figures, all
# measured in this run. Needs a normal build (cmake --build build).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
for program in wordlist_bench window_bench profile_bench ordkamp; do
  [ -x "$build/$program" ] || { echo "build first: $build/$program is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shuf --random-source=<(yes) "$build/ordkamp-alla.se" > "$work/shuffled.se"

median() { # benchmark name prefix, CSV file -> median real time in ms
  awk -F, -v name="$1" 'index($1, "\"" name) == 1 && $1 ~ /_median"$/ { print $3 }' "$2"
}
counter() { # benchmark name prefix, CSV file -> median of its last column (a counter)
  awk -F, -v name="$1" 'index($1, "\"" name) == 1 && $1 ~ /_median"$/ { printf "%.2f", $NF }' "$2"
}
run() { # program, filter[, CSV name] -> CSV file
  ORDKAMP_BENCH_WORDLIST="$work/shuffled.se" "$build/$1" --benchmark_filter="$2" --benchmark_format=csv \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null > "$work/${3:-$1}.csv"
}

run wordlist_bench 'BM_Load'
run window_bench '.'
run profile_bench 'BM_SaveAtExit'
# A CSV file takes the counters of its first benchmark only: one of its own.
run profile_bench 'BM_LoadForeignSettingsFile' foreign_settings
for shape in 0 1 2; do
  run profile_bench "BM_LoadSettingsFileShape/$shape/" "shape_$shape"
done

runs=21
sort_ms=$(for i in $(seq $runs); do
  start=$(date +%s%N)
  LC_ALL=C sort -u "$work/shuffled.se" > /dev/null
  echo $(( $(date +%s%N) - start ))
done | sort -n | awk -v runs=$runs 'NR == int(runs / 2) + 1 { printf "%.3f", $1 / 1e6 }')

# Peak memory of the game with the default list: started offscreen in a
# folder of its own, measured once the list is loaded, then stopped.
mkdir "$work/game"
cp "$build/ordkamp" "$build/ordkamp.se" "$work/game/"
QT_QPA_PLATFORM=offscreen "$work/game/ordkamp" > /dev/null 2>&1 &
game=$!
sleep 3
peak_kb=$(awk '/VmHWM/ { print $2 }' "/proc/$game/status")
kill -KILL "$game"
wait "$game" 2>/dev/null || true

load=$(median BM_LoadWordList "$work/wordlist_bench.csv")
small=$(median BM_LoadSynthetic/121000/ "$work/wordlist_bench.csv")
large=$(median BM_LoadSynthetic/2000000/ "$work/wordlist_bench.csv")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
row() { printf '| %s | %s |\n' "$1" "$2"; }

echo "| figure | value |"
echo "|---|---|"
row "load all words, shuffled ($(wc -l < "$work/shuffled.se") lines), into a warm engine" "$load ms"
row "\`LC_ALL=C sort -u\` on the same file" "$sort_ms ms"
row "ratio load / sort" "$(ratio "$load" "$sort_ms")"
row "load 121 000 synthetic words" "$small ms"
row "load 2 000 000 synthetic words" "$large ms"
row "ratio 2 000 000 / 121 000 (goal < 20)" "$(ratio "$large" "$small")"
row "game window: start to painted, loaded window" "$(median BM_StartGameWindow "$work/window_bench.csv") ms"
editor=("all words" "2 000 000 words")
for list in 0 1; do
  row "editor, ${editor[$list]}: open" "$(median "BM_OpenEditor/${list}_" "$work/window_bench.csv") ms"
  row "editor, ${editor[$list]}: re-sort (by length and alphabetically in turn)" \
      "$(median "BM_ResortEditor/${list}_" "$work/window_bench.csv") ms"
  row "editor, ${editor[$list]}: add one word (goal at 2 M < 50 ms)" \
      "$(median "BM_AddOneWord/${list}_" "$work/window_bench.csv") ms"
  row "editor, ${editor[$list]}: OK after an alphabetical sort (goal at 2 M < 200 ms)" \
      "$(median "BM_EditorOK/${list}_" "$work/window_bench.csv") ms"
done
row "word-list menu, first opening: the Swedish vocabulary files" "$(median "BM_OpenWordListMenu/0_" "$work/window_bench.csv") ms"
row "word-list menu, first opening: every language's, and the system's word lists (goal < 100 ms)" \
    "$(median "BM_OpenWordListMenu/1_" "$work/window_bench.csv") ms"
row "editor: delete 1 000 selected words" "$(median BM_DeleteSelection "$work/window_bench.csv") ms"
row "editor: delete all words" "$(median BM_DeleteAll "$work/window_bench.csv") ms"
row "save at exit: settings and three full highscore tables" "$(median BM_SaveAtExit "$work/profile_bench.csv") ms"
for mb in 2 20; do
  row "load a settings file of $mb MB of foreign lines (goal for 20 MB < 500 ms)" \
      "$(median "BM_LoadForeignSettingsFile/${mb}_" "$work/foreign_settings.csv") ms"
  row "… peak memory while loading it, × the file (goal ≤ 3)" \
      "$(counter "BM_LoadForeignSettingsFile/${mb}_" "$work/foreign_settings.csv")"
done
shapes=("50 000 sections of ten keys" "1.2 M sections of one key" "one section of 1 M keys")
for shape in 0 1 2; do
  row "load a 20 MB settings file, ${shapes[$shape]} (goal < 500 ms)" \
      "$(median "BM_LoadSettingsFileShape/$shape/" "$work/shape_$shape.csv") ms"
  row "… peak memory while loading it, × the file (goal ≤ 3)" \
      "$(counter "BM_LoadSettingsFileShape/$shape/" "$work/shape_$shape.csv")"
done
row "peak memory of the running game with the default list" "$((peak_kb / 1024)) MiB"
# Whole processes, as a player's start pays them.
"$top/bench/fresh-load.sh" 11 | tail -n +3
