#!/usr/bin/env bash
# Measures the running program on a virtual display with ten clocks: time from start to the
# first painted window, resident memory, CPU over 30 s idle, and how late after each second
# boundary the tick runs (median and 99th percentile).
# Usage: bench/measure_program.sh BUILD_DIR [IDLE_SECONDS]
# Needs Xvfb and dbus-run-session; the notification area is tests/ui's sni_watcher.
set -euo pipefail
BUILD=$(cd "${1:?build directory}" && pwd)
IDLE=${2:-30}
HORAVIA="$BUILD/app/horavia"
. "$(dirname "$0")/virtual_desktop.sh"

[ "${3:-}" = "--inside" ] || on_virtual_display "$0" "$BUILD" "$IDLE"

WORK=$4
desktop_session "$WORK" "$BUILD"

export HORAVIA_TICK_LOG="$WORK/ticks.log"
START_MS=$(date +%s%3N)
"$HORAVIA" &
PID=$!
trap 'kill "$PID" ${WATCHER_PID:-} 2>/dev/null' EXIT
for _ in $(seq 100); do grep -q first-paint "$HORAVIA_TICK_LOG" 2>/dev/null && break; sleep 0.1; done
PAINT_MS=$(sed -n 's/^first-paint //p' "$HORAVIA_TICK_LOG" | head -n1)

sleep 3  # settle
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$PID/stat"; }
TICKS_PER_S=$(getconf CLK_TCK)
: >"$HORAVIA_TICK_LOG"
CPU0=$(cpu_ticks)
sleep "$IDLE"
CPU1=$(cpu_ticks)
RSS_KB=$(awk '/^VmRSS/ { print $2 }' "/proc/$PID/status")
kill -TERM "$PID"
wait "$PID" || true

echo "start to first painted window: $((PAINT_MS - START_MS)) ms"
echo "resident memory: $((RSS_KB / 1024)) MiB ($RSS_KB kB)"
awk -v t="$((CPU1 - CPU0))" -v hz="$TICKS_PER_S" -v s="$IDLE" \
  'BEGIN { printf "CPU over %d s idle: %.2f s (%.3f %%)\n", s, t / hz, 100 * t / hz / s }'
sed -n 's/^tick //p' "$HORAVIA_TICK_LOG" | sort -n | awk '
  { v[NR] = $1 }
  END {
    if (NR == 0) { print "no ticks logged"; exit }
    p99 = int(0.99 * NR + 0.999); if (p99 < 1) p99 = 1
    printf "tick lateness after the second boundary over %d ticks: median %d ms, p99 %d ms, max %d ms\n",
      NR, v[int((NR + 1) / 2)], v[p99], v[NR]
  }'
