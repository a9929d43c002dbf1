#!/usr/bin/env bash
# Place search from a fresh process: wall time (median of RUNS) and peak resident memory of
# "horavia --find TEXT" for a few texts, beside "horavia --print", which loads the zone
# catalogue the same way but never reads the place table; then "--find zurich" in a few
# languages, which read their place names too.
# Usage: bench/place_search_fresh.sh BUILD_DIR [RUNS]
set -euo pipefail
HORAVIA="$(cd "${1:?build directory}" && pwd)/app/horavia"
RUNS=${2:-21}
CONFIG=$(mktemp -d)
trap 'rm -rf "$CONFIG"' EXIT
export XDG_CONFIG_HOME="$CONFIG" TZ=UTC LANGUAGE=en
unset DISPLAY WAYLAND_DISPLAY

measure() {
  local times=() kb=0
  for _ in $(seq "$RUNS"); do
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$CONFIG/rss" "$HORAVIA" "$@" >/dev/null || true
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
    kb=$(tail -n1 "$CONFIG/rss")
  done
  local median
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((RUNS + 1) / 2))p")
  local label="$*"
  [ "$LANGUAGE" = en ] || label="[$LANGUAGE] $label"
  printf '%-28s %8.1f ms %8d KB\n' "$label" "$(echo "$median / 1000" | bc -l)" "$kb"
}

printf '%-28s %11s %11s\n' "command" "median" "peak RSS"
measure --print
measure --find zurich
measure --find a
measure --find "united states"
measure --find qxzqxz
# The same with a language's place names read beside the table.
for language in de ru ja; do
  LANGUAGE=$language measure --find zurich
done
