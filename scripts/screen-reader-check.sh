#!/usr/bin/env bash
# Reads a running hangman turn as a screen reader does, through AT-SPI: the
# game under Xvfb with its own session and accessibility buses, a player
# and a turn typed with xdotool, the display's name read from the
# accessibility tree, and the description changes of "Gissa" (what a screen
# reader speaks there) heard as events, up to the result of giving up.
# Needs a normal build and: xvfb at-spi2-core python3-pyatspi
# gir1.2-atspi-2.0 xdotool dbus.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
for program in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$program" > /dev/null || { echo "$program is missing" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/ordkamp" "$work/"
printf 'ekorre\r\n' > "$work/ordkamp.se"
printf '[Settings]\r\nGameType=0\r\n' > "$work/ordkamp.ini"

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
work=$1
export DISPLAY=:67 HOME=$work QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 QT_ACCESSIBILITY=1
Xvfb :67 -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
launcher=$!
sleep 1.5
"$work/ordkamp" > "$work/game.log" 2>&1 &
game=$!
sleep 2.5
status=0
/usr/bin/python3 - <<'PY' || status=$?
import subprocess, sys
import pyatspi
from gi.repository import GLib

heard = []
def told(event):
    heard.append(event.source.description)
pyatspi.Registry.registerEventListener(told, "object:property-change:accessible-description")

def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if test(node):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), test, depth + 1)
            if found:
                return found
    except Exception:
        return None
    return None

def display():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app and "ordkamp" in (app.name or "").lower():
            return find(app, lambda n: n.description == "Spelplan")
    return None

def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)

steps = [
    lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Ordkamp", "windowfocus", "--sync"], check=True),
    lambda: subprocess.run(["xdotool", "type", "--delay", "60", "Anna"], check=True),
    lambda: key("Return"), lambda: key("Return"),  # the player added; on to "Gissa"
    lambda: key("a"),                              # the turn starts
    lambda: key("k"),                              # a letter
    lambda: shown.update(letter=display().name),   # the display as the tree has it
    lambda: key("F6"),                             # giving up shows the answer
]
shown = {}
def step():
    if steps:
        try:
            steps.pop(0)()
        except subprocess.CalledProcessError as error:
            print("could not drive the game:", error)
            steps.clear()
        return True
    GLib.timeout_add(1500, lambda: pyatspi.Registry.stop())
    return False
GLib.timeout_add(700, step)
pyatspi.Registry.start()

print("display read after the letter:", repr(shown.get("letter")))
print("heard in Gissa:")
for text in heard:
    print("  ", repr(text))
ok = ("streck" in shown.get("letter", "") and any("streck" in text for text in heard)
      and any(text.startswith("Tyvärr! Rätt svar: ekorre") for text in heard))
print("screen reader check:", "passed" if ok else "FAILED")
sys.exit(0 if ok else 1)
PY
kill "$game" "$launcher" "$xvfb" 2> /dev/null || true
exit $status
INNER
dbus-run-session -- bash "$work/inner.sh" "$work"
