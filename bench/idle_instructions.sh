#!/usr/bin/env bash
# What an idle second costs, counted in instructions: the program (ten clocks) and the floor
# program (bench/floor_label.cpp) each run under callgrind on a virtual display with a
# notification area; counting starts once the window has settled and lasts IDLE seconds.
# Instruction counts do not move with the machine's load, as CPU times do; the kernel's share
# of a wake-up (system calls, scheduling) is not in them. Prints instructions per thread and
# per second, and the ratio program/floor. Build both in Release first:
#   cmake --build BUILD --target horavia bench_floor_label sni_watcher
# Usage: bench/idle_instructions.sh BUILD_DIR [IDLE_SECONDS]
set -euo pipefail
BUILD=$(cd "${1:?build directory}" && pwd)
IDLE=${2:-20}
. "$(dirname "$0")/virtual_desktop.sh"

if [ "${3:-}" != "--inside" ]; then
  for tool in valgrind callgrind_control; do
    command -v "$tool" >/dev/null || { echo "needs $tool"; exit 2; }
  done
  on_virtual_display "$0" "$BUILD" "$IDLE"
fi

WORK=$4
PROGRAM="$BUILD/app/horavia"
FLOOR="$BUILD/bench/bench_floor_label"
for binary in "$PROGRAM" "$FLOOR"; do [ -x "$binary" ] || { echo "not built: $binary"; exit 2; }; done
desktop_session "$WORK" "$BUILD"

# count NAME BINARY: callgrind's dump of IDLE seconds, one file per thread, in WORK/NAME.*
count() {
  local name=$1 binary=$2 pid
  valgrind --tool=callgrind --instr-atstart=no --separate-threads=yes \
    --callgrind-out-file="$WORK/$name.%p" "$binary" >/dev/null 2>"$WORK/$name.valgrind" &
  pid=$!
  sleep 25  # start-up under valgrind, then a few ticks to settle
  callgrind_control -i on "$pid" >/dev/null
  sleep "$IDLE"
  callgrind_control -d "$pid" >/dev/null
  kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
}
count floor "$FLOOR"
count program "$PROGRAM"

# The dump's files: NAME.PID.1-NN, one per thread, the thread's name not recorded.
total=()
for name in floor program; do
  sum=0
  for file in "$WORK/$name".*.1-*; do
    n=$(awk '/^summary:/ { print $2 }' "$file")
    [ "${n:-0}" -gt 0 ] || continue
    printf '%-8s thread %s: %11d instructions, %9d per second\n' \
      "$name" "${file##*-}" "$n" $((n / IDLE))
    sum=$((sum + n))
  done
  total+=("$sum")
done
awk -v f="${total[0]}" -v p="${total[1]}" -v s="$IDLE" 'BEGIN {
  printf "idle %d s: program %d, floor %d instructions per second: %.2fx\n", s, p / s, f / s, p / f
}'
