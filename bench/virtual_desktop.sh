# Shell helpers for the benchmarks that run the program on a virtual display; sourced, not run.

# on_virtual_display SCRIPT ARGS...: runs SCRIPT again as `SCRIPT ARGS... --inside WORK` on a
# display of its own (Xvfb, XVFB_PID) under a private session bus, WORK a temporary folder
# removed afterwards; exits with the script's status.
on_virtual_display() {
  local script=$1
  shift
  command -v Xvfb >/dev/null && command -v dbus-run-session >/dev/null ||
    { echo "needs Xvfb and dbus-run-session"; exit 2; }
  WORK=$(mktemp -d)
  trap 'kill "$XVFB_PID" 2>/dev/null; rm -rf "$WORK"' EXIT
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$WORK/display")" XVFB_PID
  dbus-run-session -- bash "$script" "$@" --inside "$WORK" 2>/dev/null
  exit $?
}

# desktop_session WORK BUILD: inside the display, a session as the program finds on a desktop:
# private runtime and configuration folders with ten clocks, and a notification area
# (tests/ui's sni_watcher, where built; WATCHER_PID, ended as the script exits).
desktop_session() {
  local work=$1 watcher="$2/tests/ui/sni_watcher"
  mkdir -m 700 "$work/runtime"
  export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
  export QT_QPA_PLATFORM=xcb  # the virtual display, whatever the test run set
  . "$(dirname "${BASH_SOURCE[0]}")/ten_clocks.sh"
  write_ten_clocks "$XDG_CONFIG_HOME"
  if [ -x "$watcher" ]; then
    "$watcher" >"$work/watcher.out" &
    WATCHER_PID=$!
    trap 'kill "$WATCHER_PID" 2>/dev/null' EXIT  # it outlives the session bus otherwise
    for _ in $(seq 50); do grep -q ready "$work/watcher.out" 2>/dev/null && break; sleep 0.1; done
  fi
}
