#!/usr/bin/env bash
# The program on a real desktop: Xvfb, then the openbox window manager and lxqt-panel's
# notification area (a real StatusNotifierWatcher and host), under a private session bus;
# then xfwm4 with xfce4-panel's notification area, and a host that opens the menu on a click.
# Checks that the window's frame stays where it was over starts and stops, without and with a
# window manager; that a first start puts the title bar on screen; the icon's menu as the
# notification area reads it over D-Bus (captions, Hide/Show); that two activations make a
# double click; that a right click on the icon in the panel opens the menu; that a message
# box opens above the window kept on top and takes the focus; that the tip goes on ticking
# after the close box; that a clock added through Setup is saved at once and at log-out; that
# the icon comes within 5 s of a panel started after the program, on both panels; the menu
# and Show/Hide on xfce4-panel; and that on a host that reports a double click as one
# activation and shows no tips, one activation hides the window and the menu shows the clocks.
# Usage: desktop_e2e_test.sh HORAVIA SNI_ACTIVATE SNI_WATCHER. Exits 77 (skipped) when a tool
# is missing.
# With HORAVIA_E2E_SHOTS=FOLDER the screenshots are kept there.
set -u
HORAVIA=$1
ACTIVATE=$2
WATCHER=$3

if [ "${4:-}" != "--inside" ]; then
  for tool in Xvfb openbox lxqt-panel xfwm4 xfce4-panel dbus-run-session dbus-send \
              dbus-update-activation-environment xdotool xwininfo xprop import convert; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  WORK=$(mktemp -d)
  trap 'kill "$XVFB" 2>/dev/null; wait "$XVFB" 2>/dev/null; rm -rf "$WORK"' EXIT
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  XVFB=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }
  export DISPLAY=":$(head -n1 "$WORK/display")"
  dbus-run-session -- bash "$0" "$HORAVIA" "$ACTIVATE" "$WATCHER" --inside "$WORK"
  exit $?
fi

WORK=$5
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
shot() {
  import -window root "$WORK/$1.png"
  if [ -n "${HORAVIA_E2E_SHOTS:-}" ]; then mkdir -p "$HORAVIA_E2E_SHOTS" && cp "$WORK/$1.png" "$HORAVIA_E2E_SHOTS/"; fi
}

mkdir -m 700 "$WORK/runtime" "$WORK/no-browser"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
export QT_QPA_PLATFORM=xcb  # the real display, whatever the test run set
# Services the bus starts (xfce4-panel's settings daemon) read the private folders too.
dbus-update-activation-environment XDG_RUNTIME_DIR XDG_CONFIG_HOME XDG_CACHE_HOME
unset BROWSER DEFAULT_BROWSER
SETTINGS="$XDG_CONFIG_HOME/Horavia"
INI="$SETTINGS/Horavia 2.0.ini"
PROGRAM="" OPENBOX="" XFWM="" PANEL="" HOST=""
trap 'kill $PROGRAM $PANEL $OPENBOX $XFWM $HOST 2>/dev/null; sleep 1
      kill -KILL $PROGRAM $PANEL $OPENBOX $XFWM $HOST 2>/dev/null; wait' EXIT

# --- The program, its window and its settings ---
start_program() {
  "$@" "$HORAVIA" >>"$LOG" 2>&1 &
  PROGRAM=$!
  wait_for 20 program_window || fail "no window titled Horavia"
  WINDOW=$(program_window | head -n1)
}
# --all: xdotool's default would take any window of the program, or any window so named.
program_window() { xdotool search --all --onlyvisible --pid "$PROGRAM" --name '^Horavia$'; }
program_ended() { ! kill -0 "$PROGRAM" 2>/dev/null; }
stop_program() {
  kill -TERM "$PROGRAM"
  if ! wait_for 10 program_ended; then
    echo "threads of the program still running:"
    grep -H . /proc/"$PROGRAM"/task/*/wchan 2>/dev/null | sed 's/^/  /'
    fail "the program did not end within 10 s of SIGTERM"
  fi
  wait "$PROGRAM"
  local rc=$?
  PROGRAM=""
  [ "$rc" -eq 0 ] || fail "exit code $rc after SIGTERM"
}
stored() { sed -n "s/^$1=\"\\{0,1\\}\\(-\\{0,1\\}[0-9]*\\)\"\\{0,1\\}\$/\\1/p" "$INI"; }
store_place() {
  mkdir -p "$SETTINGS"
  printf '[Settings]\nWndLeft=%s\nWndTop=%s\n%s' "$1" "$2" "${3:-}" >"$INI"
}
# The frame's top-left corner: the inside's position less the frame the window manager drew.
frame_of() {
  local x y extents left top
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print $4 }')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $4 }')
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
  left=$(echo "${extents:-0,0,0,0}" | cut -d, -f1)
  top=$(echo "${extents:-0,0,0,0}" | cut -d, -f3)
  echo "$((x - left)) $((y - top))"
}
# The frame once it has stopped moving (the window manager frames, the program corrects): at
# the expected place if one is given, else unchanged for a second.
settled_frame() {
  local expected=${2:-} before="" now same=0
  for _ in $(seq 100); do
    sleep 0.1
    now=$(frame_of "$1")
    [ -n "$expected" ] && [ "$now" = "$expected" ] && break
    if [ "$now" = "$before" ]; then same=$((same + 1)); else same=0; fi
    [ -z "$expected" ] && [ "$same" -ge 10 ] && break
    before=$now
  done
  echo "$now"
}
near() { local d=$(($1 - $2)); [ "${d#-}" -le "$3" ]; }
# Starts and stops three times; the frame must come back within 1 pixel each time.
check_place_kept() {
  local host=$1 first="" frame
  for n in 1 2 3; do
    start_program
    frame=$(settled_frame "$WINDOW" "${first:-${2:-}}")
    echo "$host, start $n: frame at $frame"
    stop_program
    [ -z "$first" ] && first=$frame
    near "${frame% *}" "${first% *}" 1 && near "${frame#* }" "${first#* }" 1 ||
      fail "$host: the frame moved from $first to $frame"
  done
  FRAME=$first
}

# --- Without a window manager ---
store_place 6000 4500
check_place_kept "no window manager" "400 300"
[ "$FRAME" = "400 300" ] || fail "the frame opened at $FRAME, not at 6000/4500 twips"
[ "$(stored WndLeft) $(stored WndTop)" = "6000 4500" ] || fail "the place was stored as $(stored WndLeft)/$(stored WndTop)"

# --- The icon as the notification area sees it ---
# The icon's service and path, as the panel's watcher lists it for this program.
program_item() {
  local entry service pid
  for entry in $(dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher \
      /StatusNotifierWatcher org.freedesktop.DBus.Properties.Get \
      string:org.kde.StatusNotifierWatcher string:RegisteredStatusNotifierItems |
      grep -o '"[^"]*"' | tr -d '"'); do
    service=${entry%%/*}
    pid=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.GetConnectionUnixProcessID "string:$service" 2>/dev/null |
      awk '/uint32/ { print $2 }')
    # A watcher lists "service/path", or the service alone for the usual path.
    [ "$entry" = "$service" ] && entry="$service/StatusNotifierItem"
    [ "$pid" = "$PROGRAM" ] && { echo "$service /${entry#*/}"; return 0; }
  done
  return 1
}
# Starts a panel (PANEL) while the program runs: its icon must be listed within 5 s.
start_panel_after_program() {
  local started took
  started=$(date +%s%N)
  "$@" >"$WORK/panel.log" 2>&1 &
  PANEL=$!
  wait_for 5 program_item || { cat "$WORK/panel.log"; fail "$1: the icon was not registered within 5 s of the panel's start"; }
  took=$((($(date +%s%N) - started) / 1000000))
  echo "$1 started after the program: icon registered after $took ms"
}

# --- openbox and lxqt-panel's notification area ---
mkdir -p "$XDG_CONFIG_HOME/lxqt"
cat >"$XDG_CONFIG_HOME/lxqt/panel.conf" <<'EOF'
panels=panel1

[panel1]
plugins=statusnotifier
position=Top
desktop=0
panelSize=32
iconSize=22

[statusnotifier]
alignment=Right
type=statusnotifier
EOF
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
OPENBOX=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_for 20 wm_ready || { cat "$WORK/openbox.log"; fail "openbox did not take the screen"; }
# The program first, as at a log-in that starts it before the panel.
store_place 6000 4500
start_program
start_panel_after_program lxqt-panel
stop_program

store_place 6000 4500
check_place_kept "openbox" "400 300"
[ "$FRAME" = "400 300" ] || fail "openbox: the frame opened at $FRAME, not at 6000/4500 twips"
[ "$(stored WndLeft) $(stored WndTop)" = "6000 4500" ] || fail "openbox: the place was stored as $(stored WndLeft)/$(stored WndTop)"

# A first start: the title bar inside the work area (below the panel at the top), and the
# same place next time.
rm -rf "$SETTINGS"
check_place_kept "openbox, first start"
FIRST=$FRAME
WORK_TOP=$(xprop -root _NET_WORKAREA | sed -n 's/.*= //p' | cut -d, -f2 | tr -d ' ')
echo "first start: frame at $FIRST, work area from y=$WORK_TOP"
[ "${FIRST#* }" -ge "${WORK_TOP:-0}" ] && [ "${FIRST% *}" -ge 0 ] || fail "the title bar is off screen at $FIRST"
start_program

item_property() {
  dbus-send --session --print-reply --dest="$SERVICE" "$ITEM_PATH" \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem "string:$1" |
    sed -n '2,$p' | sed -n 's/.*\(object path\|string\) "\(.*\)"/\2/p'
}
# The running program's icon and menu, once the panel lists them.
find_icon() {
  wait_for 10 program_item || fail "the icon was not registered with the panel"
  read -r SERVICE ITEM_PATH < <(program_item)
  MENU=$(item_property Menu)
}
find_icon
[ -n "$MENU" ] && [ "$MENU" != "/NO_DBUSMENU" ] || fail "the icon exports no menu ($MENU)"
[ "$(item_property Id)" = "Horavia" ] && [ "$(item_property Title)" = "Horavia" ] ||
  fail "the icon is not named Horavia: $(item_property Id) / $(item_property Title)"
xprop -id "$WINDOW" WM_CLASS | grep -q '"horavia", "Horavia"' || fail "window class: $(xprop -id "$WINDOW" WM_CLASS)"

# The menu as the host reads it: one line per item, "id kind label".
menu_items() {
  dbus-send --session --print-reply --dest="$SERVICE" "$MENU" com.canonical.dbusmenu.GetLayout \
    int32:0 int32:-1 array:string: | awk '
    /^ +int32 [0-9]+$/ { if (id != "" && id != 0) print id, kind, label; id = $2; kind = "item"; label = ""; next }
    /string "label"/ { getline; sub(/^[^"]*"/, ""); sub(/"$/, ""); label = $0; next }
    /string "type"/ { getline; if ($0 ~ /separator/) kind = "separator"; next }
    END { if (id != "" && id != 0) print id, kind, label }'
}
captions() { menu_items | awk '{ $1 = ""; sub(/^ item /, ""); sub(/^ separator$/, "-"); print }' | paste -sd '|'; }
item_id() { menu_items | awk -v want="$1" '{ id = $1; $1 = $2 = ""; sub(/^  /, ""); if ($0 == want) print id }'; }
click_item() {
  dbus-send --session --print-reply --dest="$SERVICE" "$MENU" com.canonical.dbusmenu.Event \
    "int32:$(item_id "$1")" string:clicked variant:int32:0 uint32:0 >/dev/null
}
EXPECTED="_Setup|_Convert|Find a _meeting time|_Hide|Sync Now!|-|_Help|-|E_xit"
[ "$(captions)" = "$EXPECTED" ] || fail "menu over D-Bus: $(captions), expected $EXPECTED"
echo "menu over D-Bus: $(captions)"

window_hidden() { ! program_window; }
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
xdotool key Escape
wait_for 5 window_hidden || fail "Escape did not hide the window"
has_caption() { captions | grep -q "|$1|"; }
wait_for 5 has_caption "S_how" || fail "after Escape the menu reads $(captions)"
click_item "S_how"
wait_for 5 program_window || fail "the menu's S_how did not show the window"
wait_for 5 has_caption "_Hide" || fail "after showing the menu reads $(captions)"

# Two activations 80 ms apart are a double click: hide, then show again.
"$ACTIVATE" "$SERVICE" "$ITEM_PATH" 80 || fail "the icon could not be activated"
wait_for 5 window_hidden || fail "two activations did not hide the window"
sleep 1  # longer than any double-click interval
"$ACTIVATE" "$SERVICE" "$ITEM_PATH" 80 || fail "the icon could not be activated"
wait_for 5 program_window || fail "two activations did not show the window again"
WINDOW=$(program_window | head -n1)
AFTER=$(settled_frame "$WINDOW" "$FIRST")
near "${AFTER% *}" "${FIRST% *}" 1 && near "${AFTER#* }" "${FIRST#* }" 1 ||
  fail "hiding and showing moved the frame from $FIRST to $AFTER"
stop_program
echo "stored after hiding and showing: $(stored WndLeft)/$(stored WndTop)"

# --- A right click on the icon in the panel opens the menu ---
store_place 6000 4500
start_program
wait_for 10 program_item || fail "the icon was not registered again"
sleep 1
shot panel-before
PANEL_GEOMETRY=$(xwininfo -id "$(xdotool search --name '^LXQt Panel$' | head -n1)" |
  awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h "+" x "+" y }')
# The icon is what is drawn on the otherwise empty panel.
ICON=$(convert "$WORK/panel-before.png" -crop "$PANEL_GEOMETRY" +repage -trim -format '%w %h %X %Y' info:)
read -r IW IH IX IY <<<"$ICON"
PANEL_X=$(echo "$PANEL_GEOMETRY" | cut -d+ -f2)
PANEL_Y=$(echo "$PANEL_GEOMETRY" | cut -d+ -f3)
CLICK_X=$((PANEL_X + ${IX#+} + IW / 2))
CLICK_Y=$((PANEL_Y + ${IY#+} + IH / 2))
echo "icon in the panel at $CLICK_X,$CLICK_Y"
panel_menu() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$PANEL" 2>/dev/null); do
    xwininfo -id "$w" | grep -q '"LXQt Panel"' && continue
    xwininfo -id "$w" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { exit !(h > 60) }' && { echo "$w"; return 0; }
  done
  return 1
}
xdotool mousemove "$CLICK_X" "$CLICK_Y" click 3
wait_for 10 panel_menu || { shot panel-menu-missing; fail "a right click on the icon opened no menu"; }
sleep 0.5
shot panel-menu
MENU_GEOMETRY=$(xwininfo -id "$(panel_menu)" |
  awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h "+" x "+" y }')
brightness() { convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:mean]' info:; }
BEFORE=$(brightness "$WORK/panel-before.png" "$MENU_GEOMETRY")
OPEN=$(brightness "$WORK/panel-menu.png" "$MENU_GEOMETRY")
echo "menu at $MENU_GEOMETRY: brightness $BEFORE before, $OPEN open"
awk -v b="$BEFORE" -v o="$OPEN" 'BEGIN { exit !(o > 0.5 && o - b > 0.3) }' ||
  fail "the screenshot shows no menu at $MENU_GEOMETRY"
xdotool key Escape
stop_program

# --- A message box above the window kept on top ---
store_place 6000 4500 'AlwaysOnTop="True"'
start_program env PATH="$WORK/no-browser"  # Help finds no browser and says so
xprop -id "$WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the window is not kept on top"
ON_TOP=$(settled_frame "$WINDOW" "400 300")
[ "$ON_TOP" = "400 300" ] || fail "kept on top, the frame opened at $ON_TOP"
find_icon
click_item "_Help"
message_box() { program_window | grep -v "^$WINDOW\$"; }
wait_for 10 message_box || fail "no message box for the help"
BOX=$(message_box | head -n1)
sleep 0.5
shot message-box
printf -v BOX_HEX '0x%x' "$BOX"
printf -v WINDOW_HEX '0x%x' "$WINDOW"
xprop -id "$BOX" WM_TRANSIENT_FOR | grep -q "$WINDOW_HEX" || fail "the box does not belong to the clock window"
xprop -id "$BOX" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the box is not kept on top"
box_has_focus() { xprop -root _NET_ACTIVE_WINDOW | grep -q "$BOX_HEX"; }
wait_for 5 box_has_focus || fail "the box does not have the focus"
box_above() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//' | tr ',' '\n' | tr -d ' ' |
    awk -v box="$BOX_HEX" -v win="$WINDOW_HEX" '$0 == win { w = NR } $0 == box { b = NR } END { exit !(b > w) }'
}
wait_for 5 box_above || fail "the box is stacked below the clock window"
xdotool key Return  # the box has the focus
box_gone() { ! message_box; }
wait_for 5 box_gone || fail "the box did not close"
stop_program

# --- The close box, and a clock added through the menu ---
store_place 6000 4500 $'SVersion=2\nSZoneNum=1\nS0Dis=Unix\nS0Zon=7\nS0Ena=True\n'
start_program
find_icon
tip_shows() { TIP=$(item_property ToolTip); [[ "$TIP" == *"$1: "* ]]; }
wait_for 3 tip_shows Unix || fail "the tip shows no Unix clock: $TIP"
xdotool windowactivate --sync "$WINDOW" 2>/dev/null
xdotool key alt+F4  # openbox's Close, as its close box does
window_destroyed() { ! xwininfo -id "$WINDOW"; }
wait_for 5 window_destroyed || fail "the close box did not close the window"
wait_for 5 has_caption "S_how" || fail "after the close box the menu reads $(captions)"
# Without the window the tip still follows the clock: the Unix time changes twice.
tip_changed() { local now; now=$(item_property ToolTip); [ "$now" != "$TIP" ] && TIP=$now; }
wait_for 2 tip_changed && wait_for 2 tip_changed || fail "the tip stopped at $TIP after the close box"

# Setup, New, a label and the last zone of the list, OK: keys into the focused dialog.
click_item "_Setup"
setup_dialog() { xdotool search --all --onlyvisible --pid "$PROGRAM" --name '^Horavia Timezones$'; }
wait_for 5 setup_dialog || fail "the menu's _Setup opened no dialog"
xdotool windowactivate --sync "$(setup_dialog | head -n1)" 2>/dev/null
xdotool key alt+n
clock_editor() { program_window; }  # titled Horavia, like the clock window, which is closed
wait_for 5 clock_editor || fail "New opened no clock editor"
xdotool windowactivate --sync "$(clock_editor | head -n1)" 2>/dev/null
xdotool key alt+l ctrl+a && xdotool type "Office clock"
xdotool key Tab Tab Tab Tab End  # past the place search: the last zone of the list
shot clock-editor
xdotool key alt+o
editor_closed() { ! clock_editor; }
wait_for 5 editor_closed || fail "OK did not close the clock editor"
wait_for 5 grep -Eq '^S1Dis="?Office clock"?$' "$INI" || fail "the new clock was not saved at once"
setup_dialog >/dev/null || fail "the setup dialog closed with the editor"
stop_program  # the log-out, with the setup dialog open
grep -Eq '^SZoneNum="?2"?$' "$INI" && grep -Eq '^S1Dis="?Office clock"?$' "$INI" ||
  fail "the shut-down lost the new clock: $(grep '^S' "$INI" | paste -sd ' ')"
"$HORAVIA" >>"$LOG" 2>&1 &
PROGRAM=$!
find_icon
wait_for 5 tip_shows "Office clock" || fail "after a restart the tip reads $TIP"
stop_program
kill "$PANEL" "$OPENBOX"
timeout 10 tail --pid="$PANEL" -f /dev/null; timeout 10 tail --pid="$OPENBOX" -f /dev/null
kill -KILL "$PANEL" "$OPENBOX" 2>/dev/null
wait "$PANEL" "$OPENBOX" 2>/dev/null
PANEL="" OPENBOX=""

# --- xfwm4 and xfce4-panel's notification area, the panel started after the program ---
XFCONF="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
mkdir -p "$XFCONF"
cat >"$XFCONF/xfce4-panel.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="30"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
EOF
xfwm4 --compositor=off --sm-client-disable >"$WORK/xfwm4.log" 2>&1 &
XFWM=$!
xfwm4_ready() {
  xprop -id "$(xprop -root _NET_SUPPORTING_WM_CHECK | awk '{ print $NF }')" _NET_WM_NAME | grep -qi xfwm4
}
wait_for 20 xfwm4_ready || { cat "$WORK/xfwm4.log"; fail "xfwm4 did not take the screen"; }
store_place 6000 4500
start_program
start_panel_after_program xfce4-panel
find_icon
[ "$(captions)" = "$EXPECTED" ] || fail "xfce4-panel, menu over D-Bus: $(captions), expected $EXPECTED"
click_item "_Hide"
wait_for 5 window_hidden || fail "xfce4-panel: the menu's _Hide did not hide the window"
wait_for 5 has_caption "S_how" || fail "xfce4-panel: after hiding the menu reads $(captions)"
click_item "S_how"
wait_for 5 program_window || fail "xfce4-panel: the menu's S_how did not show the window"
stop_program
kill "$PANEL"
timeout 10 tail --pid="$PANEL" -f /dev/null
kill -KILL "$PANEL" 2>/dev/null
wait "$PANEL" 2>/dev/null
PANEL=""

# --- A host that opens the menu on a click, reports a double click as one activation and
# shows no tips; it is known by its process's name ---
cp "$WATCHER" "$WORK/gnome-shell"
"$WORK/gnome-shell" >"$WORK/host.log" 2>&1 &
HOST=$!
wait_for 5 grep -q ready "$WORK/host.log" || fail "the test's host did not start"
store_place 6000 4500
start_program
find_icon
activate_once() {
  dbus-send --session --print-reply --dest="$SERVICE" "$ITEM_PATH" \
    org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
}
activate_once
wait_for 5 window_hidden || fail "one activation did not hide the window"
sleep 0.6  # no second activation within the double-click interval
window_hidden || fail "the window came back without a second activation"
activate_once
wait_for 5 program_window || fail "the next activation did not show the window"
echo "menu on a host without tips: $(captions)"
[[ "$(captions)" =~ ^[^|]+:\ [^|]+\|[^|]+:\ [^|]+\|-\|_Setup\| ]] ||
  fail "the menu does not begin with the two clocks: $(captions)"
stop_program
echo "passed"
