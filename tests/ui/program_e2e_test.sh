#!/usr/bin/env bash
# The program end to end on a virtual display with a private session bus and a notification
# area of our own: fresh settings show the window and the tip, the icon survives a restart of
# the notification area, Escape hides the window and stores it, a second start brings it
# back, SIGTERM saves the settings; SIGTERM while a start-up message box shows closes the box
# and saves what was stored, with the preferences read to the end.
# Usage: program_e2e_test.sh HORAVIA SNI_WATCHER. Exits 77 (skipped) without Xvfb or D-Bus.
set -u
HORAVIA=$1
WATCHER=$2

if [ "${3:-}" != "--inside" ]; then
  for tool in Xvfb dbus-run-session dbus-send xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  WORK=$(mktemp -d)
  trap 'kill "$XVFB" 2>/dev/null; wait "$XVFB" 2>/dev/null; rm -rf "$WORK"' EXIT
  # -displayfd picks a free display and writes its number once the server is ready.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  XVFB=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }
  export DISPLAY=":$(head -n1 "$WORK/display")"
  dbus-run-session -- bash "$0" "$HORAVIA" "$WATCHER" --inside "$WORK"
  exit $?
fi

WORK=$4
fail() { echo "FAIL: $*"; [ -f "$WORK/horavia.log" ] && cat "$WORK/horavia.log"; exit 1; }
# wait_for SECONDS COMMAND...: true once the command succeeds.
wait_for() {
  local tries=$(($1 * 10)); shift
  for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

mkdir -m 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
export QT_QPA_PLATFORM=xcb  # the real display, whatever the test run set
INI="$XDG_CONFIG_HOME/Horavia/Horavia 2.0.ini"

"$WATCHER" >"$WORK/watcher.out" 2>&1 &
WATCHER_PID=$!
trap 'kill "$WATCHER_PID" "${PROGRAM:-}" 2>/dev/null' EXIT
wait_for 10 grep -q ready "$WORK/watcher.out" || fail "the notification area did not start"

"$HORAVIA" >"$WORK/horavia.log" 2>&1 &
PROGRAM=$!

visible_window() { xdotool search --onlyvisible --name '^Horavia$'; }
wait_for 20 visible_window || fail "no window titled Horavia"
WINDOW=$(visible_window | head -n1)
echo "window $WINDOW"

wait_for 10 grep -q '^item ' "$WORK/watcher.out" || fail "the tray icon was not registered"
ITEM=$(sed -n 's/^item //p' "$WORK/watcher.out" | head -n1)
tooltip() {
  dbus-send --session --print-reply --dest="$ITEM" /StatusNotifierItem \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:ToolTip
}
tip_has_clocks() { tooltip | grep -q 'Zulu: ' && tooltip | grep -q 'Swatch: @'; }
wait_for 10 tip_has_clocks || { tooltip; fail "the tip does not show the clocks"; }
echo "tip: $(tooltip | grep -o 'Zulu: [^"]*' | head -n1)"

# The notification area restarts: the icon is registered with it again.
kill "$WATCHER_PID"
wait "$WATCHER_PID" 2>/dev/null
"$WATCHER" >"$WORK/watcher2.out" 2>&1 &
WATCHER_PID=$!
wait_for 10 grep -q '^item ' "$WORK/watcher2.out" || fail "the icon did not come back"

xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key Escape
window_gone() { ! visible_window; }
wait_for 5 window_gone || fail "Escape did not hide the window"
wait_for 5 grep -Eq '^ShowWnd="?False"?$' "$INI" || fail "ShowWnd was not stored as False"

# A second start hands over to the running program, which shows its window again.
timeout 10 "$HORAVIA" >>"$WORK/horavia.log" 2>&1 || fail "the second start did not end cleanly"
wait_for 5 visible_window || fail "the second start did not bring the window back"

kill -TERM "$PROGRAM"
wait_for 10 bash -c "! kill -0 $PROGRAM" || fail "SIGTERM did not end the program"
wait "$PROGRAM"
RC=$?
[ "$RC" -eq 0 ] || fail "exit code $RC after SIGTERM"
grep -Eq '^WndLeft="?-?[0-9]+"?$' "$INI" || fail "the window geometry was not saved"
grep -Eq '^DefaultFormat=' "$INI" || fail "the settings were not saved"

# A value that cannot be read shows a message box while the settings are read; the desktop
# asks the program to end meanwhile (a log-out).
printf '[Settings]\nAlwaysOnTop=maybe\nFontName="Test Serif"\n' >"$INI"
"$HORAVIA" >>"$WORK/horavia.log" 2>&1 &
PROGRAM=$!
start_up_box() { xdotool search --onlyvisible --pid "$PROGRAM"; }
wait_for 20 start_up_box || fail "no message box for AlwaysOnTop=maybe"
kill -TERM "$PROGRAM"
wait_for 5 bash -c "! kill -0 $PROGRAM" || fail "SIGTERM did not end the program in its start-up message box"
wait "$PROGRAM"
RC=$?
[ "$RC" -eq 0 ] || fail "exit code $RC after SIGTERM in the start-up message box"
grep -Eq '^DefaultFormat=' "$INI" || fail "the shut-down did not save the preferences"
grep -Eq '^FontName="?Test Serif"?$' "$INI" || fail "the stored font was not kept: $(grep FontName "$INI")"
echo "passed"
