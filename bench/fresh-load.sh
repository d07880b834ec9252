#!/usr/bin/env bash
# Whole-process figures of loading a word list, as a player's start pays
# them: a fresh `wordlist_load` per run against a fresh `LC_ALL=C sort -u`
# on the same file, run alternately. Prints medians of CPU time (user +
# system, from wait4) and the load's peak memory for the list of all words
# as installed (sorted by length, as the game saves a list) and shuffled,
# and for two million synthetic words. Needs a normal build and python3.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
[ -x "$build/wordlist_load" ] || { echo "build first: $build/wordlist_load is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/ordkamp-alla.se" "$work/installed.se"
shuf --random-source=<(yes) "$build/ordkamp-alla.se" > "$work/all.se"
# The warm benchmarks' two million words, moved into the work folder.
mv "$("$build/wordlist_load" --write-synthetic 2000000)" "$work/synthetic.se"
exec python3 - "$build/wordlist_load" "$work" "${1:-21}" <<'PY'
import os, statistics, subprocess, sys

loader, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])

def measure(command):
    child = subprocess.Popen(command, stdout=subprocess.PIPE, env=dict(os.environ, LC_ALL="C"))
    output = child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    assert status == 0, command
    return (usage.ru_utime + usage.ru_stime) * 1000, output

print(f"| figure (median of {runs} fresh processes, load {os.getloadavg()[0]:.2f}) | value |")
print("|---|---|")
lists = (("all words as installed", f"{work}/installed.se"), ("all words, shuffled", f"{work}/all.se"),
         ("2 000 000 synthetic words", f"{work}/synthetic.se"))
for name, path in lists:
    load, sort = [], []
    for _ in range(runs):
        load.append(measure([loader, path]))
        sort.append(measure(["sort", "-u", path]))
    load_ms, sort_ms = (statistics.median(m[0] for m in ms) for ms in (load, sort))
    peak_kib = statistics.median(int(m[1].split()[1]) for m in load)
    file_kib = os.path.getsize(path) / 1024
    lines = sum(1 for _ in open(path, "rb"))
    print(f"| {name} ({lines} lines): load, CPU | {load_ms:.1f} ms |")
    print(f"| … `LC_ALL=C sort -u`, CPU | {sort_ms:.1f} ms |")
    print(f"| … ratio load / sort | {load_ms / sort_ms:.2f} |")
    print(f"| … peak memory of the load | {peak_kib:.0f} KiB, {peak_kib / file_kib:.2f} × the file |")
PY
