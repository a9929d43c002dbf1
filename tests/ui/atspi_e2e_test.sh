#!/usr/bin/env bash
# The program as a screen reader reads it: over AT-SPI, on a virtual display with a private
# session bus and accessibility bus. Opens Setup and Convert from the icon's menu, then walks
# the accessible tree (tests/ui/atspi_walk.py): every focusable control of the clock window,
# the setup dialog, the clock editor and the converter is named; the clock window reads one
# text per enabled clock; the world map, the swap button and the enabled column read as what
# they are.
# Usage: atspi_e2e_test.sh HORAVIA SNI_WATCHER. Exits 77 (skipped) when a tool is missing.
set -u
HORAVIA=$1
WATCHER=$2
HERE=$(cd "$(dirname "$0")" && pwd)
BUS_LAUNCHER=/usr/libexec/at-spi-bus-launcher
# Debian's python3 has pyatspi; a python3 earlier in PATH (pyenv, a virtualenv) may not.
python_with_pyatspi() {
  local python
  for python in /usr/bin/python3 python3; do
    "$python" -c 'import pyatspi' 2>/dev/null && { echo "$python"; return 0; }
  done
  return 1
}

if [ "${3:-}" != "--inside" ]; then
  for tool in Xvfb dbus-run-session dbus-send xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  [ -x "$BUS_LAUNCHER" ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
  python_with_pyatspi >/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
  WORK=$(mktemp -d)
  trap 'kill "$XVFB" 2>/dev/null; wait "$XVFB" 2>/dev/null; rm -rf "$WORK"' EXIT
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  XVFB=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }
  export DISPLAY=":$(head -n1 "$WORK/display")"
  dbus-run-session -- bash "$0" "$HORAVIA" "$WATCHER" --inside "$WORK"
  exit $?
fi

WORK=$4
LOG="$WORK/horavia.log"
fail() {
  echo "FAIL: $*"
  [ -f "$LOG" ] && tail -n 20 "$LOG"
  exit 1
}
# wait_for SECONDS COMMAND...: true once the command succeeds.
wait_for() {
  local tries=$(($1 * 10)); shift
  for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

mkdir -m 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
export QT_QPA_PLATFORM=xcb  # the real display, whatever the test run set
mkdir -p "$XDG_CONFIG_HOME/Horavia"
# Three clocks shown, one off (which the walk turns on through its check box).
cat >"$XDG_CONFIG_HOME/Horavia/Horavia 2.0.ini" <<'EOF'
[Settings]
WndLeft=1500
WndTop=1500
SVersion=2
SZoneNum=4
S0Dis=Zulu
S0Zon=0
S0Ena=True
S1Dis=Tokyo office
S1Zon=Tokyo Standard Time
S1Ena=True
S2Dis=Paused
S2Zon=W. Europe Standard Time
S2Ena=False
S3Dis=New York
S3Zon=Eastern Standard Time
S3Ena=True
EOF

PIDS=()
trap 'kill "${PIDS[@]}" 2>/dev/null; wait' EXIT
# The accessibility bus and its registry, as a desktop session starts them.
"$BUS_LAUNCHER" --launch-immediately >"$WORK/a11y.log" 2>&1 &
PIDS+=($!)
# Asked without starting it: a call to org.a11y.Bus would have the session bus start another.
a11y_bus() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true'
}
wait_for 10 a11y_bus || { cat "$WORK/a11y.log"; fail "the accessibility bus did not start"; }

"$WATCHER" >"$WORK/watcher.out" 2>&1 &
PIDS+=($!)
wait_for 10 grep -q ready "$WORK/watcher.out" || fail "the notification area did not start"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$HORAVIA" >"$LOG" 2>&1 &
PROGRAM=$!
PIDS+=("$PROGRAM")

# Setup and Convert from the icon's menu, as the notification area would trigger them.
wait_for 10 grep -q '^item ' "$WORK/watcher.out" || fail "the tray icon was not registered"
SERVICE=$(sed -n 's/^item //p' "$WORK/watcher.out" | head -n1)
MENU=$(dbus-send --session --print-reply --dest="$SERVICE" /StatusNotifierItem \
  org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:Menu |
  sed -n 's/.*object path "\(.*\)"/\1/p')
[ -n "$MENU" ] && [ "$MENU" != "/NO_DBUSMENU" ] || fail "the icon exports no menu"
# The id of the menu item with this caption.
item_id() {
  dbus-send --session --print-reply --dest="$SERVICE" "$MENU" com.canonical.dbusmenu.GetLayout \
    int32:0 int32:-1 array:string: | awk -v want="$1" '
    /^ +int32 [0-9]+$/ { id = $2; next }
    /string "label"/ { getline; sub(/^[^"]*"/, ""); sub(/"$/, ""); if ($0 == want) print id }'
}
click_item() {
  local id
  id=$(item_id "$1")
  [ -n "$id" ] || fail "the menu has no $1"
  dbus-send --session --print-reply --dest="$SERVICE" "$MENU" com.canonical.dbusmenu.Event \
    "int32:$id" string:clicked variant:int32:0 uint32:0 >/dev/null
}
click_item "_Setup"
click_item "_Convert"

timeout 60 "$(python_with_pyatspi)" "$HERE/atspi_walk.py" "$PROGRAM" "Zulu" "Tokyo office" "New York" || fail "the accessible tree"
echo "passed"
