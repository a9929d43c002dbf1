#!/bin/bash
# One running program per user, and nothing another user can take from it. As root, a second
# user (created when missing, removed again afterwards) lays the traps: a listening socket at
# the name under the temporary folder that a run without a runtime folder could have picked,
# with that runtime folder taken first, and a session bus of its own on which its program holds
# the name. The program must start each time and answer none of it; a second start of the same
# user on the same bus hands over and ends. Skipped (77) when not root or without the tools.
#   single_instance_test.sh HORAVIA
set -uo pipefail
horavia=$1
other=horavia-other
for tool in useradd userdel setpriv dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
# The system's own, which every user may run.
python=/usr/bin/python3
[ -x "$python" ] || { echo "$python is not installed: skipped"; exit 77; }
if [ "$(id -u)" != 0 ]; then
    echo "needs root to run as a second user: skipped"
    exit 77
fi

work=$(mktemp -d)
chmod 755 "$work"
created=no
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
    [ "$created" = yes ] && userdel "$other" 2>/dev/null
}
trap cleanup EXIT
if ! id "$other" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$other" || exit 1
    created=yes
fi
uid=$(id -u "$other")
as_other=(setpriv --reuid="$uid" --regid="$(id -g "$other")" --clear-groups --)

fail() { echo "FAIL: $1"; exit 1; }
# What the other user writes.
mine="$work/other"
mkdir "$mine"
chown "$other" "$mine"
export QT_QPA_PLATFORM=offscreen TZ=UTC
unset DISPLAY WAYLAND_DISPLAY XDG_RUNTIME_DIR

# Starts the program in the background with these settings; true when it still runs 3 s later.
started=
start_program() {
    XDG_CONFIG_HOME=$1 "$horavia" >"$work/out.$2" 2>&1 &
    started=$!
    pids+=("$started")
    sleep 3
    kill -0 "$started" 2>/dev/null
}
stop_program() {
    kill "$1" 2>/dev/null
    wait "$1"
}

# 1. The other user sits on the temporary folder: the runtime folder this user would fall back
# to, and a socket at the predictable name beside it that greets whoever connects.
shared="$work/shared"
mkdir -m 1777 "$shared"
config="$work/root-config"
mkdir -p "$config"
hash=$(printf '%s' "$config/Horavia" | sha1sum | cut -c1-16)
"${as_other[@]}" mkdir -m 700 "$shared/runtime-root"
cat >"$work/trap.py" <<'PY'
import os, socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.bind(sys.argv[1]); os.chmod(sys.argv[1], 0o777); s.listen(8)
open(sys.argv[2], "w").close()
while True:
    c, _ = s.accept()
    data = c.recv(64)
    with open(sys.argv[2], "a") as log:
        log.write(repr(data) + "\n")
    c.close()
PY
"${as_other[@]}" "$python" "$work/trap.py" "$shared/horavia-$hash" "$mine/trap.log" &
pids+=($!)
for _ in $(seq 50); do [ -e "$mine/trap.log" ] && break; sleep 0.1; done
[ -S "$shared/horavia-$hash" ] || fail "the other user's socket was not set up"

# Without any session bus the program runs alone.
TMPDIR="$shared" start_program "$config" nobus || fail "without a session bus the program did not start: $(cat "$work/out.nobus")"
env | grep -q '^DBUS_SESSION_BUS_ADDRESS=' && fail "the test itself runs on a session bus"
stop_program "$started"
# With the user's own session bus it holds the name there; a second start hands over and ends.
cat >"$work/own-bus.sh" <<SH
set -u
export TMPDIR="$shared"
XDG_CONFIG_HOME="$config" "$horavia" >"$work/out.first" 2>&1 &
first=\$!
sleep 3
kill -0 \$first || { echo "FAIL: on its own bus the program did not start"; cat "$work/out.first"; exit 1; }
dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.ListNames \
    | grep -q '"org.horavia.horavia.Settings_' || { echo "FAIL: the program holds no name"; exit 1; }
timeout 10 env XDG_CONFIG_HOME="$config" "$horavia" >"$work/out.second" 2>&1
code=\$?
[ \$code = 0 ] || { echo "FAIL: the second start ended with \$code instead of handing over"; exit 1; }
kill -0 \$first || { echo "FAIL: the first run ended"; exit 1; }
kill \$first
wait \$first
SH
TMPDIR="$shared" dbus-run-session -- bash "$work/own-bus.sh" || exit 1
[ ! -s "$mine/trap.log" ] || fail "the program spoke to the other user's socket: $(cat "$mine/trap.log")"

# 2. The other user's session bus, on which the other user's program holds the very name this
# user's program would take: that program is not asked, and this one starts.
otherconfig="$mine/config"
cat >"$work/other-bus.sh" <<SH
echo \$\$ >"$mine/pid"
echo "\$DBUS_SESSION_BUS_ADDRESS" >"$mine/bus.address"
XDG_CONFIG_HOME="$otherconfig" HOME="$otherconfig" QT_QPA_PLATFORM=offscreen exec "$horavia" >"$mine/out" 2>&1
SH
"${as_other[@]}" env -u TMPDIR dbus-run-session -- bash "$work/other-bus.sh" &
for _ in $(seq 50); do [ -s "$mine/bus.address" ] && break; sleep 0.1; done
pids+=("$(cat "$mine/pid")")  # the other user's program: its end ends its bus
sleep 2
address=$(cat "$mine/bus.address")
[ -n "$address" ] || fail "the other user's bus did not start"
# Coming forward shows the clock window once more.
shown() { grep -c "raise()" "$mine/out"; }
before=$(shown)
DBUS_SESSION_BUS_ADDRESS=$address start_program "$otherconfig" otherbus \
    || fail "on the other user's bus the program did not start: $(cat "$work/out.otherbus")"
stop_program "$started"
[ "$(shown)" = "$before" ] || fail "the other user's program was asked to come forward"
echo "the program started each time"
