#!/usr/bin/env bash
# The program under a Wayland compositor (weston's headless backend), with a notification area
# of our own on a private session bus: it paints its window, its tip lists the clocks, its menu
# is exported, and since a Wayland client can neither read nor set its window's position, the
# stored place is never replaced by a made-up one.
# Usage: wayland_e2e_test.sh HORAVIA SNI_WATCHER. Exits 77 (skipped) when a tool is missing.
set -u
HORAVIA=$1
WATCHER=$2

if [ "${3:-}" != "--inside" ]; then
  for tool in weston dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  WORK=$(mktemp -d)
  mkdir -m 700 "$WORK/runtime"
  export XDG_RUNTIME_DIR="$WORK/runtime"
  SOCKET="horavia-test-$$"
  weston --backend=headless-backend.so --socket="$SOCKET" --idle-time=0 >"$WORK/weston.log" 2>&1 &
  WESTON=$!
  trap 'kill "$WESTON" 2>/dev/null; wait "$WESTON" 2>/dev/null; rm -rf "$WORK"' EXIT
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$SOCKET" ] && break; sleep 0.1; done
  [ -S "$XDG_RUNTIME_DIR/$SOCKET" ] || { echo "weston did not start"; cat "$WORK/weston.log"; exit 1; }
  export WAYLAND_DISPLAY="$SOCKET"
  unset DISPLAY
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
wait_for() {
  local tries=$(($1 * 10)); shift
  for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

export XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
export QT_QPA_PLATFORM=wayland
export HORAVIA_TICK_LOG="$WORK/ticks.log"
SETTINGS="$XDG_CONFIG_HOME/Horavia"
INI="$SETTINGS/Horavia 2.0.ini"
PROGRAM=""
HORAVIA_ARGS=()

"$WATCHER" >"$WORK/watcher.out" 2>&1 &
WATCHER_PID=$!
trap 'kill "$WATCHER_PID" $PROGRAM 2>/dev/null; wait' EXIT
wait_for 10 grep -q ready "$WORK/watcher.out" || fail "the notification area did not start"

# One run: start, wait for the painted window and the clocks in the tip, run the checks given
# (with the item's bus name in $item), end with SIGTERM.
run_once() {
  : >"$HORAVIA_TICK_LOG"
  local items_before entry
  items_before=$(grep -c "^item " "$WORK/watcher.out")
  "$HORAVIA" "${HORAVIA_ARGS[@]}" >>"$LOG" 2>&1 &
  PROGRAM=$!
  if ! wait_for 20 grep -q first-paint "$HORAVIA_TICK_LOG"; then
    if grep -q 'Could not find the Qt platform plugin "wayland"' "$LOG"; then
      echo "skipped: Qt's Wayland platform plugin is not installed"
      exit 77
    fi
    fail "the window was never painted"
  fi
  new_item() { [ "$(grep -c "^item " "$WORK/watcher.out")" -gt "$items_before" ]; }
  wait_for 10 new_item || fail "the tray icon was not registered"
  entry=$(sed -n 's/^item //p' "$WORK/watcher.out" | tail -n1)
  item=${entry%%/*}
  tooltip() {
    dbus-send --session --print-reply --dest="$item" /StatusNotifierItem \
      org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:ToolTip
  }
  tip_has_clocks() { tooltip | grep -q 'Zulu: ' && tooltip | grep -q 'Swatch: @'; }
  wait_for 10 tip_has_clocks || { tooltip; fail "the tip does not list the clocks"; }
  echo "tip: $(tooltip | grep -o 'Zulu: [^"]*' | head -n1)"
  dbus-send --session --print-reply --dest="$item" /MenuBar com.canonical.dbusmenu.GetLayout \
    int32:0 int32:-1 array:string: | grep -q '"_Hide"' || fail "the menu is not exported"
  "$@"
  kill -TERM "$PROGRAM"
  wait "$PROGRAM"
  local rc=$?
  PROGRAM=""
  [ "$rc" -eq 0 ] || fail "exit code $rc after SIGTERM"
  grep -Eq '^DefaultFormat=' "$INI" || fail "the settings were not saved"
}

# A stored place stays as it was.
mkdir -p "$SETTINGS"
printf '[Settings]\nWndLeft=6000\nWndTop=4500\n' >"$INI"
run_once
grep -Eq '^WndLeft="?6000"?$' "$INI" && grep -Eq '^WndTop="?4500"?$' "$INI" ||
  fail "the stored place changed: $(grep -E '^Wnd(Left|Top)' "$INI" | tr '\n' ' ')"
grep -Eq '^WndWidth="?[0-9]+"?$' "$INI" || fail "the window's size was not saved"

# Fresh settings: no place is made up at all.
rm -rf "$SETTINGS"
run_once
if grep -Eq '^Wnd(Left|Top)=' "$INI"; then
  fail "a made-up place was stored: $(grep -E '^Wnd(Left|Top)' "$INI" | tr '\n' ' ')"
fi
# Qt's own options are taken as in any Qt program.
HORAVIA_ARGS=(-style Fusion -reverse)
run_once
HORAVIA_ARGS=()

# Opening the setup dialog leaves the clock window where the compositor put it. No Wayland
# client can move its window, but one shown afresh (hidden and shown again, as a change of the
# stays-on-top hint does) is a new toplevel that the compositor places anew; so the clock window
# is to stay the one toplevel it was. WAYLAND_DEBUG lists every request the program makes.
click_item() {
  local id
  id=$(dbus-send --session --print-reply --dest="$item" /MenuBar com.canonical.dbusmenu.GetLayout \
    int32:0 int32:-1 array:string: |
    awk -v want="\"$1\"" '/^ +int32 [0-9]+$/ { id = $2 } /string "label"/ { getline; if ($NF == want) print id }')
  [ -n "$id" ] || fail "no menu item $1"
  dbus-send --session --print-reply --dest="$item" /MenuBar com.canonical.dbusmenu.Event \
    "int32:$id" string:clicked variant:int32:0 uint32:0 >/dev/null
}
toplevels_titled() { grep -c "set_title(\"$1\")" "$LOG"; }
open_setup() {
  [ "$(toplevels_titled Horavia)" -eq 1 ] || fail "the clock window was shown $(toplevels_titled Horavia) times at start"
  click_item _Setup
  wait_for 10 grep -q 'set_title("Horavia Timezones")' "$LOG" || fail "the setup dialog did not open"
  sleep 1
  [ "$(toplevels_titled Horavia)" -eq 1 ] ||
    fail "opening Setup showed the clock window afresh ($(toplevels_titled Horavia) toplevels)"
  echo "setup open, the clock window still its first toplevel"
}
printf '[Settings]\nAlwaysOnTop=True\n' >"$INI"
: >"$LOG"
WAYLAND_DEBUG=1 run_once open_setup
echo "passed"
