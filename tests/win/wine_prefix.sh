#!/usr/bin/env bash
# The Wine prefix of a Windows build's tests.
#   wine_prefix.sh start PREFIX   creates the prefix when it is missing or unfinished and starts
#                                 its server, which stays up between the test programs
#   wine_prefix.sh stop PREFIX    ends that server and every Wine process of the prefix
set -euo pipefail
action=$1
prefix=$2
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
ready=$prefix/.horavia-ready

case $action in
  start)
    command -v wine >/dev/null || { echo "wine is not installed"; exit 1; }
    if [ ! -f "$ready" ]; then
      rm -rf "$prefix"
      mkdir -p "$(dirname "$prefix")"
      begin=$(date +%s%N)
      wineboot --init </dev/null >/dev/null 2>&1
      wineserver --wait
      touch "$ready"
      echo "Wine prefix created in $(( ($(date +%s%N) - begin) / 1000000 )) ms: $prefix"
    fi
    # A server left by an earlier run may be about to quit: replace it by one that stays up
    # for 120 s after its last client, so an interrupted run leaves nothing behind for long.
    wineserver --kill >/dev/null 2>&1 || true
    wineserver --persistent=120 </dev/null >/dev/null 2>&1
    # Start the prefix's own services now rather than in the first test.
    begin=$(date +%s%N)
    wine cmd /c exit </dev/null >/dev/null 2>&1
    echo "Wine started in $(( ($(date +%s%N) - begin) / 1000000 )) ms"
    ;;
  stop)
    [ -d "$prefix" ] && wineserver --kill || true
    ;;
  *)
    echo "usage: $0 start|stop PREFIX" >&2
    exit 2
    ;;
esac
