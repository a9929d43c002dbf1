#!/usr/bin/env bash
# Screenshots of every dialog at several font sizes and scales, for checking by eye that texts
# fit: a private virtual display with a window manager, one dialog at a time.
# Usage: tools/dialog_screenshots.sh [PREVIEW] [OUTDIR] [SIZES] [SCALES]
#   defaults: build/tests/ui/dialogs_preview, shots/, "default 12", "1 2".
#   Needs Xvfb, openbox and ImageMagick (import, convert). Build the preview first:
#   cmake --build build --target dialogs_preview
set -euo pipefail
cd "$(dirname "$0")/.."
PREVIEW=$(realpath "${1:-build/tests/ui/dialogs_preview}")
OUT=$(realpath -m "${2:-shots}")
SIZES=${3:-default 12}
SCALES=${4:-1 2}
DIALOGS=${DIALOGS:-"setup settings timesync format servertest editor convert"}

for tool in Xvfb openbox import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
[ -x "$PREVIEW" ] || { echo "no preview at $PREVIEW; build it first" >&2; exit 1; }

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 2400x1600x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
PIDS+=($!)
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$WORK/display")"
mkdir -m 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime" HOME="$WORK" LC_ALL=${SHOT_LOCALE:-C.UTF-8} QT_QPA_PLATFORM=xcb
# LANGUAGE=ar (or another translated language) shows the dialogs translated; SHOT_LOCALE=ar_EG.UTF-8
# gives them the matching locale (day names, digits).
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
PIDS+=($!)
sleep 1

mkdir -p "$OUT"
for scale in $SCALES; do
  for size in $SIZES; do
    for dialog in $DIALOGS; do
      points=$([ "$size" = default ] && echo "" || echo "$size")
      # shellcheck disable=SC2086 # no points: the desktop's own font size
      QT_SCALE_FACTOR=$scale "$PREVIEW" "$dialog" $points >"$WORK/preview.log" 2>&1 &
      pid=$!
      sleep 1.5
      shot="$OUT/${dialog}-${size}pt-${scale}x.png"
      import -window root "$WORK/root.png"
      # Only the part of the screen that holds something.
      convert "$WORK/root.png" -trim +repage "$shot"
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      echo "$shot $(identify -format '%wx%h' "$shot")"
    done
  done
done
