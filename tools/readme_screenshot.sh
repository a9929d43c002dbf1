#!/usr/bin/env bash
# Makes docs/screenshot.png for the README from the real program: a private virtual display
# with a window manager, a few clocks in a private settings folder, the clock window, and the
# setup dialog opened by a double click on it. The clock is set to a fixed moment, so that the
# picture only changes when the program does.
# Usage: tools/readme_screenshot.sh [HORAVIA] [OUT.png]
#   defaults: build/app/horavia and docs/screenshot.png. Needs Xvfb, openbox, xdotool, xwininfo, xprop,
#   faketime and ImageMagick (import, convert).
set -euo pipefail
cd "$(dirname "$0")/.."
HORAVIA=$(realpath "${1:-build/app/horavia}")
OUT=$(realpath -m "${2:-docs/screenshot.png}")
MOMENT="2026-06-21 14:30:00 UTC"

for tool in Xvfb openbox xdotool xwininfo xprop faketime import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
[ -x "$HORAVIA" ] || { echo "no program at $HORAVIA; build it first" >&2; exit 1; }

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
wait_for() {  # wait_for SECONDS COMMAND...
  local tries=$(($1 * 10)); shift
  for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "timed out: $*" >&2
  return 1
}

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
PIDS+=($!)
wait_for 10 test -s "$WORK/display"
export DISPLAY=":$(head -n1 "$WORK/display")"
mkdir -m 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
export HOME="$WORK" TZ=Europe/London LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
PIDS+=($!)
sleep 1

# The clocks: a label, a zone (a zone key of the database, or a special clock's number: 0 UTC,
# 6 Mars, 8 Swatch) and a format (empty: the default format).
mkdir -p "$XDG_CONFIG_HOME/Horavia"
{
  echo "[Settings]"
  n=0
  while IFS='|' read -r label zone format; do
    printf 'S%dDis="%s"\nS%dZon="%s"\nS%dFmt="%s"\nS%dEna="True"\n' \
      "$n" "$label" "$n" "$zone" "$n" "$format" "$n"
    n=$((n + 1))
  done <<'EOF'
London|GMT Standard Time|
New York|Eastern Standard Time|
Tokyo|Tokyo Standard Time|ddd hh:nn
Sydney|AUS Eastern Standard Time|ddd hh:nn
Zulu|0|
Mars|6|
Swatch|8|
EOF
  echo "SZoneNum=\"$n\""
  echo 'SVersion="2"'
  echo 'FontName="DejaVu Sans"'
  echo 'FontSize="11"'
} >"$XDG_CONFIG_HOME/Horavia/Horavia 2.0.ini"

faketime "$MOMENT" "$HORAVIA" >"$WORK/horavia.log" 2>&1 &
PIDS+=($!)
window() { xdotool search --onlyvisible --name "^$1\$" | head -n1; }
wait_for 20 window Horavia
MAIN=$(window Horavia)
xdotool windowmove --sync "$MAIN" 40 40
sleep 0.5
# A double click on the clock window opens the setup dialog.
xdotool mousemove --window "$MAIN" 20 10 click --repeat 2 --delay 80 1
wait_for 10 window "Horavia Timezones"
SETUP=$(window "Horavia Timezones")

# The frame (title bar and border included) of a window: "x y width height".
frame() {
  local info extents x y w h l r t b
  info=$(xwininfo -id "$1")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/.*Width: *//p' <<<"$info")
  h=$(sed -n 's/.*Height: *//p' <<<"$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ,)
  read -r l r t b <<<"${extents:-0 0 0 0}"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
read -r mx my mw mh < <(frame "$MAIN")
xdotool windowmove --sync "$SETUP" $((mx + mw + 24)) 40
sleep 1.5  # the next tick paints the clocks; the dialog settles
read -r mx my mw mh < <(frame "$MAIN")
read -r sx sy sw sh < <(frame "$SETUP")

import -window root "$WORK/root.png"
# Both windows on a plain background, with a margin around them.
margin=20
left=$((mx < sx ? mx : sx)); top=$((my < sy ? my : sy))
right=$((mx + mw > sx + sw ? mx + mw : sx + sw)); bottom=$((my + mh > sy + sh ? my + mh : sy + sh))
width=$((right - left + 2 * margin)); height=$((bottom - top + 2 * margin))
mkdir -p "$(dirname "$OUT")"
convert -size "${width}x${height}" xc:'#dde4ec' \
  \( "$WORK/root.png" -crop "${mw}x${mh}+${mx}+${my}" +repage \) \
  -geometry "+$((mx - left + margin))+$((my - top + margin))" -composite \
  \( "$WORK/root.png" -crop "${sw}x${sh}+${sx}+${sy}" +repage \) \
  -geometry "+$((sx - left + margin))+$((sy - top + margin))" -composite \
  -strip "PNG24:$OUT"
echo "wrote $OUT (${width}x${height})"
