#!/usr/bin/env bash
# Start-up beside the desktop's word games, as a player meets it: each
# program started with a fresh HOME under its own Xvfb, alternately, RUNS
# times (default 11). Prints medians of the time from exec to the window's
# first painted frame and of the proportional memory (PSS) of the
# process and its children 3 s after that paint, alone and with the
# session bus each start is given; then the packages each needs,
# recommends off. A bare Qt window of the game's size (built as
# bare_qt_window) is measured alike, as the floor Qt Widgets itself sets.
# Needs a normal build, Xvfb, python3-xlib, and the peers installed:
# apt-get install khangman kanagram.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
runs=${1:-11}
for program in ordkamp bare_qt_window; do
  [ -x "$build/$program" ] || { echo "build first: $build/$program is missing" >&2; exit 1; }
done
for program in Xvfb khangman kanagram dbus-run-session; do
  command -v "$program" > /dev/null || { echo "$program is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/ordkamp"
cp "$build/ordkamp" "$build/ordkamp.se" "$build/ordkamp-sound.so" "$work/ordkamp/"
cp "$build/bare_qt_window" "$work/"

/usr/bin/python3 - "$work" "$runs" <<'PY'
import os, select, signal, statistics, subprocess, sys, tempfile, time
from Xlib import X, display as xdisplay
from Xlib.ext import damage

work, runs = sys.argv[1], int(sys.argv[2])
number = 70
server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1366x768x24", "-br", "-nolisten", "tcp"],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1.5)
screen = xdisplay.Display(f":{number}")
screen.set_error_handler(lambda *_: None) # windows that vanish before they are watched
root = screen.screen().root
screen.damage_query_version()
root.change_attributes(event_mask=X.SubstructureNotifyMask)
screen.sync()

# The first frame is told by the X server, not looked for: every new
# top-level window is watched through the DAMAGE extension, and at each
# drawing into it the window is read once. Painted: mapped, of a main
# window's size, and more than a few colours. (Polling every window's
# image instead took a core from the programs measured and added up to a
# poll's length to each start.)
def painted(window_id):
    window = screen.create_resource_object("window", window_id)
    try:
        attributes = window.get_attributes()
        geometry = window.get_geometry()
        if attributes.map_state != X.IsViewable or geometry.width < 200 or geometry.height < 150:
            return False
        data = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF).data
        return len({data[i:i + 4] for i in range(0, len(data), 4 * 97)}) > 4
    except Exception:
        return False

def first_paint(start, timeout):
    watched = set()
    while time.monotonic() - start < timeout:
        select.select([screen.fileno()], [], [], 0.05)
        while screen.pending_events():
            event = screen.next_event()
            if event.type == X.CreateNotify and event.window.id not in watched:
                watched.add(event.window.id)
                event.window.damage_create(damage.DamageReportNonEmpty) # once until subtracted
            elif type(event).__name__ == "DamageNotify":
                now = time.monotonic()
                if painted(event.drawable.id):
                    return now - start
                screen.damage_subtract(event.damage)
        screen.flush()
    return None

def process_children():
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except OSError:
                pass
    return children

def tree_pss(pid, children):
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

# The program's own tree: dbus-run-session's child that is not its bus.
# The bus stands in for the desktop's, which runs before any program and
# serves them all, so it is reported apart from the program.
def program_pid(wrapper, children):
    for pid in children.get(wrapper, []):
        try:
            with open(f"/proc/{pid}/comm") as comm:
                if comm.read().strip() != "dbus-daemon":
                    return pid
        except OSError:
            pass
    return None

programs = {"ordkamp": [f"{work}/ordkamp/ordkamp"], "bare Qt window": [f"{work}/bare_qt_window"],
            "khangman": ["khangman"], "kanagram": ["kanagram"]}
results = {name: [] for name in programs}
for _ in range(runs):
    for name, command in programs.items():
        home = tempfile.mkdtemp(dir=work)
        env = dict(os.environ, HOME=home, DISPLAY=f":{number}", XDG_CONFIG_HOME=f"{home}/.config",
                   XDG_DATA_HOME=f"{home}/.local/share", XDG_CACHE_HOME=f"{home}/.cache")
        env.pop("QT_QPA_PLATFORM", None)
        while screen.pending_events(): # the last program's
            screen.next_event()
        start = time.monotonic()
        child = subprocess.Popen(["dbus-run-session", "--"] + command, env=env, cwd=home,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        paint = first_paint(start, 30)
        time.sleep(3)
        children = process_children()
        own = program_pid(child.pid, children)
        own_pss = tree_pss(own, children) if own else 0
        whole_pss = tree_pss(child.pid, children)
        os.killpg(child.pid, signal.SIGKILL)
        child.wait()
        time.sleep(0.5)
        if paint is not None:
            results[name].append((paint * 1000, own_pss, whole_pss))

load = os.getloadavg()[0]
print(f"| program (median of {runs} starts, load {load:.2f}) | first paint | PSS 3 s after | with the bus |")
print("|---|---|---|---|")
medians = {}
for name, values in results.items():
    medians[name] = [statistics.median(v[column] for v in values) for column in range(3)]
    paint, own, whole = medians[name]
    print(f"| {name} | {paint:.0f} ms | {own / 1024:.1f} MiB | {whole / 1024:.1f} MiB |")
for name in ("ordkamp", "bare Qt window"):
    for peer in ("khangman", "kanagram"):
        ratios = [medians[name][column] / medians[peer][column] for column in range(3)]
        print(f"| {name} ÷ {peer} | " + " | ".join(f"{ratio:.3f}" for ratio in ratios) + " |")
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
