#!/usr/bin/env bash
# Start-up beside the desktop's word games, as a player meets it: each
# program started with a fresh HOME under its own Xvfb, alternately, RUNS
# times (default 11). Prints medians of the time from exec to the window's
# first painted frame (polled every 2 ms through X: the first frame with
# more than a few colours) and of the proportional memory (PSS) of the
# process and its children 3 s after that paint; then the packages each
# needs, recommends off. Needs a normal build, Xvfb, python3-xlib, and the
# peers installed: apt-get install khangman kanagram.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
runs=${1:-11}
[ -x "$build/ordkamp" ] || { echo "build first: $build/ordkamp is missing" >&2; exit 1; }
for program in Xvfb khangman kanagram dbus-run-session; do
  command -v "$program" > /dev/null || { echo "$program is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/ordkamp"
cp "$build/ordkamp" "$build/ordkamp.se" "$build/ordkamp-sound.so" "$work/ordkamp/"

/usr/bin/python3 - "$work" "$runs" <<'PY'
import os, signal, statistics, subprocess, sys, tempfile, time
from Xlib import X, display as xdisplay

work, runs = sys.argv[1], int(sys.argv[2])
number = 70
server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1366x768x24", "-br", "-nolisten", "tcp"],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1.5)
screen = xdisplay.Display(f":{number}")
root = screen.screen().root

def painted_window():
    for window in root.query_tree().children:
        try:
            attributes = window.get_attributes()
            geometry = window.get_geometry()
            if attributes.map_state != X.IsViewable or geometry.width < 200 or geometry.height < 150:
                continue
            image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
            data = image.data
            colours = {data[i:i + 4] for i in range(0, len(data), 4 * 97)}
            if len(colours) > 4:
                return True
        except Exception:
            pass
    return False

def tree_pss(pid):
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except OSError:
                pass
    total, todo = 0, [pid]
    while todo:
        current = todo.pop()
        todo += children.get(current, [])
        try:
            with open(f"/proc/{current}/smaps_rollup") as rollup:
                total += next(int(line.split()[1]) for line in rollup if line.startswith("Pss:"))
        except (OSError, StopIteration):
            pass
    return total

programs = {"ordkamp": [f"{work}/ordkamp/ordkamp"], "khangman": ["khangman"], "kanagram": ["kanagram"]}
results = {name: [] for name in programs}
for _ in range(runs):
    for name, command in programs.items():
        home = tempfile.mkdtemp(dir=work)
        env = dict(os.environ, HOME=home, DISPLAY=f":{number}", XDG_CONFIG_HOME=f"{home}/.config",
                   XDG_DATA_HOME=f"{home}/.local/share", XDG_CACHE_HOME=f"{home}/.cache")
        env.pop("QT_QPA_PLATFORM", None)
        start = time.monotonic()
        child = subprocess.Popen(["dbus-run-session", "--"] + command, env=env, cwd=home,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        paint = None
        while time.monotonic() - start < 30:
            if painted_window():
                paint = time.monotonic() - start
                break
            time.sleep(0.002)
        time.sleep(3)
        pss = tree_pss(child.pid)
        os.killpg(child.pid, signal.SIGKILL)
        child.wait()
        time.sleep(0.5)
        if paint is not None:
            results[name].append((paint * 1000, pss))

load = os.getloadavg()[0]
print(f"| program (median of {runs} starts, load {load:.2f}) | first paint | PSS 3 s after |")
print("|---|---|---|")
medians = {}
for name, values in results.items():
    paint = statistics.median(v[0] for v in values)
    pss = statistics.median(v[1] for v in values)
    medians[name] = (paint, pss)
    print(f"| {name} | {paint:.0f} ms | {pss / 1024:.1f} MiB |")
for peer in ("khangman", "kanagram"):
    print(f"| ordkamp ÷ {peer} | {medians['ordkamp'][0] / medians[peer][0]:.3f} | "
          f"{medians['ordkamp'][1] / medians[peer][1]:.3f} |")
server.terminate()
PY

# Packages: the program and everything its dependencies pull in, recommends off.
closure() {
  apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
    --no-enhances "$@" 2>/dev/null | grep -E '^[a-z0-9]' | sort -u | wc -l
}
depends=$(grep -A1 '^set(CPACK_DEBIAN_PACKAGE_DEPENDS' "$top/CMakeLists.txt" | tail -1 \
          | tr -d '"()' | tr ',' '\n' | awk '{ print $1 }' | sort -u)
ours=$(( $(closure $depends) + 1 ))
for peer in khangman kanagram; do
  theirs=$(closure "$peer")
  awk -v a="$ours" -v b="$theirs" -v p="$peer" \
    'BEGIN { printf "packages: ordkamp %d, %s %d, ratio %.2f\n", a, p, b, a / b }'
done
