#!/usr/bin/env bash
# The program (ten clocks) against the floor program (bench/floor_label.cpp: one label set
# every second), side by side in one run on one virtual display, runs interleaved:
#   start   from exec to the first window mapped on the display (median of RUNS starts each)
#   memory  resident set 5 s after the window came (median over the starts)
#   idle    CPU of the program and of the X server over IDLE seconds, and the program's
#           wake-ups (context switches of all its threads) over the same time
# Prints the figures and the ratios program/floor. Build both in Release first:
#   cmake --build BUILD --target horavia bench_floor_label sni_watcher
# Usage: bench/start_vs_floor.sh BUILD_DIR [RUNS] [IDLE_SECONDS]
set -euo pipefail
BUILD=$(cd "${1:?build directory}" && pwd)
RUNS=${2:-7}
IDLE=${3:-20}
. "$(dirname "$0")/virtual_desktop.sh"

if [ "${4:-}" != "--inside" ]; then
  for tool in xev stdbuf; do command -v "$tool" >/dev/null || { echo "needs $tool"; exit 2; }; done
  on_virtual_display "$0" "$BUILD" "$RUNS" "$IDLE"
fi

WORK=$5
PROGRAM="$BUILD/app/horavia"
FLOOR="$BUILD/bench/bench_floor_label"
for binary in "$PROGRAM" "$FLOOR"; do [ -x "$binary" ] || { echo "not built: $binary"; exit 2; }; done
desktop_session "$WORK" "$BUILD"

# Every window mapped on the display, stamped in milliseconds as it is seen.
MAPS="$WORK/maps"
: >"$MAPS"
stdbuf -oL xev -root -event substructure | while read -r line; do
  case $line in MapNotify*) date +%s%3N >>"$MAPS" ;; esac
done &
sleep 0.5

now_ms() { date +%s%3N; }
cpu_ns() {  # on-CPU time of all of a process's threads
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'
}
wakeups() {
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { s += $2 } END { printf "%d", s }'
}
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }

# start NAME BINARY: one start; appends "ms rss_kb" to WORK/NAME.
start_once() {
  local name=$1 binary=$2 before started shown pid
  before=$(wc -l <"$MAPS")
  started=$(now_ms)
  "$binary" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 200); do [ "$(wc -l <"$MAPS")" -gt "$before" ] && break; sleep 0.01; done
  shown=$(sed -n "$((before + 1))p" "$MAPS")
  [ -n "$shown" ] || { echo "$name: no window within 2 s"; kill "$pid"; exit 1; }
  sleep 5
  echo "$((shown - started)) $(rss_kb "$pid")" >>"$WORK/$name"
  if [ "$3" = idle ]; then
    local c0 x0 w0
    c0=$(cpu_ns "$pid"); x0=$(cpu_ns "$XVFB_PID"); w0=$(wakeups "$pid")
    sleep "$IDLE"
    echo "$(( ($(cpu_ns "$pid") - c0) / 1000000 )) $(( ($(cpu_ns "$XVFB_PID") - x0) / 1000000 ))" \
      "$(( $(wakeups "$pid") - w0 ))" >"$WORK/$name.idle"
  fi
  kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
  sleep 0.5
}

# One start of each first to warm the caches, not counted.
start_once warm "$FLOOR" no; start_once warm "$PROGRAM" no
for run in $(seq "$RUNS"); do
  idle=no; [ "$run" -eq "$RUNS" ] && idle=idle
  if [ $((run % 2)) -eq 1 ]; then
    start_once floor "$FLOOR" "$idle"; start_once program "$PROGRAM" "$idle"
  else
    start_once program "$PROGRAM" "$idle"; start_once floor "$FLOOR" "$idle"
  fi
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for name in floor program; do
  read -r cpu xcpu wake <"$WORK/$name.idle"
  printf '%-8s start %4d ms   memory %6d kB   idle %ds: CPU %4d ms, X server %4d ms, %d wake-ups\n' \
    "$name" "$(cut -d' ' -f1 "$WORK/$name" | median)" "$(cut -d' ' -f2 "$WORK/$name" | median)" \
    "$IDLE" "$cpu" "$xcpu" "$wake"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
P_START=$(cut -d' ' -f1 "$WORK/program" | median); F_START=$(cut -d' ' -f1 "$WORK/floor" | median)
P_RSS=$(cut -d' ' -f2 "$WORK/program" | median); F_RSS=$(cut -d' ' -f2 "$WORK/floor" | median)
read -r P_CPU _ P_WAKE <"$WORK/program.idle"; read -r F_CPU _ F_WAKE <"$WORK/floor.idle"
echo "ratios (program/floor, $RUNS starts each): start $(ratio "$P_START" "$F_START")x," \
  "memory $(ratio "$P_RSS" "$F_RSS")x; idle CPU $((P_CPU - F_CPU)) ms more over ${IDLE} s;" \
  "wake-ups $(ratio "$P_WAKE" "$IDLE")/s against $(ratio "$F_WAKE" "$IDLE")/s"
