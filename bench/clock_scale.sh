#!/usr/bin/env bash
# How the program's cost grows with the number of clocks. For each size, a settings file is
# written as earlier versions of the program wrote it (every value quoted), then the script
# times `horavia --print` and `horavia --tip` (median of three) and runs
# bench_clock_scale for the window's start, a tick (its own work, and with its repaint), the
# setup dialog's Close and Exit.
# A version-1 file (numeric zones, no "SVersion") is timed too: its first --print migrates.
# Every run is capped at CAP seconds (default 120); a capped run prints ">CAP".
#   bench/clock_scale.sh BUILD_DIR [SIZES...]     (default sizes: 100 1000 10000)
set -euo pipefail
BUILD=$(cd "${1:?build directory}" && pwd)
shift
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(100 1000 10000)
CAP=${CAP:-120}
HORAVIA="$BUILD/app/horavia"
MEASURE="$BUILD/bench/bench_clock_scale"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# write_settings FILE COUNT VERSION: clocks over pseudo-zones and a few registry zones.
write_settings() {
  awk -v n="$2" -v version="$3" 'BEGIN {
    split("0|2|7|8|W. Europe Standard Time|Eastern Standard Time|Tokyo Standard Time|AUS Eastern Standard Time", zones, "|")
    split("0|2|7|8|45|60|80|20", numeric, "|")
    print "[Settings]"
    if (version == 2) print "SVersion=\"2\""
    print "SZoneNum=\"" n "\""
    for (i = 0; i < n; i++) {
      z = (version == 2) ? zones[i % 8 + 1] : numeric[i % 8 + 1]
      printf "S%dDis=\"Clock %d\"\nS%dFmt=\"%s\"\nS%dZon=\"%s\"\nS%dEna=\"True\"\n",
             i, i, i, (i % 3 == 0) ? "ddd hh:nn:ss" : "", i, z, i
    }
  }' >"$1"
}

# seconds COMMAND...: "wall/cpu" seconds of one run (cpu = user + system), or ">CAP".
seconds() {
  local out status=0
  out=$( { TIMEFORMAT='%R %U %S'; time timeout "$CAP" "$@" >/dev/null 2>&1; } 2>&1 ) || status=$?
  [ "$status" -eq 124 ] && { echo ">$CAP"; return; }
  awk '{ printf "%.2f/%.2f", $1, $2 + $3 }' <<<"$out"
}

# The run with the median wall-clock time of three (one when the first was capped).
median3() {
  local runs=() r
  for _ in 1 2 3; do
    r=$(seconds "$@")
    runs+=("$r")
    [ "${r#>}" = "$r" ] || { echo "$r"; return; }
  done
  printf '%s\n' "${runs[@]}" | sort -t/ -g | sed -n 2p
}

echo "Wall-clock/CPU: seconds for the command line, milliseconds for the window."
printf '%-7s %11s %11s %11s %15s %13s %13s %13s %13s\n' clocks print_s tip_s migrate_s \
  start_ms work_ms tick_ms close_ms exit_ms
for n in "${SIZES[@]}"; do
  export XDG_CONFIG_HOME="$WORK/config-$n" QT_QPA_PLATFORM=offscreen
  mkdir -m 700 -p "$WORK/runtime" && export XDG_RUNTIME_DIR="$WORK/runtime"
  file="$XDG_CONFIG_HOME/Horavia/Horavia 2.0.ini"
  mkdir -p "$(dirname "$file")"
  write_settings "$file" "$n" 2
  print_s=$(median3 "$HORAVIA" --print)
  tip_s=$(median3 "$HORAVIA" --tip)
  write_settings "$file" "$n" 1
  migrate_s=$(seconds "$HORAVIA" --print)

  write_settings "$file" "$n" 2
  declare -A m=([start]=">$CAP" [work]=">$CAP" [tick]=">$CAP" [close]=">$CAP" [exit]=">$CAP")
  while read -r name wall cpu; do
    m[$name]=$(printf '%.1f/%.1f' "$wall" "$cpu")
  done < <(timeout "$CAP" "$MEASURE" "$XDG_CONFIG_HOME/Horavia" 2>/dev/null || true)
  printf '%-7s %11s %11s %11s %15s %13s %13s %13s %13s\n' "$n" "$print_s" "$tip_s" \
    "$migrate_s" "${m[start]}" "${m[work]}" "${m[tick]}" "${m[close]}" "${m[exit]}"
done
