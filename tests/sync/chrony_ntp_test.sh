#!/bin/bash
# `horavia --test-server ntp:127.0.0.1` against chronyd serving on 127.0.0.1:123 from its own
# clock (local stratum 8, -x: it never touches the computer's clock), first in step, then with
# chronyd's clock skewed by faketime: the offset printed must be within 10 ms of the skew.
# Port 123 needs root; exit 77 (skipped) without root, chronyd or faketime.
set -u
horavia=$1

. "$(dirname "$0")/time_services.sh"
chronyd_bin=$(find_daemon chronyd)
if [ "$(id -u)" -ne 0 ] || [ -z "$chronyd_bin" ] || [ -z "$faketime_lib" ]; then
    echo "needs root, chronyd and faketime: skipped"
    exit 77
fi

work=$(mktemp -d)
chronyd_pid=""
stop_chronyd() {
    stop_group "$chronyd_pid"
    chronyd_pid=""
}
trap 'stop_chronyd; rm -rf "$work"' EXIT

cat >"$work/chrony.conf" <<CONF
port 123
bindaddress 127.0.0.1
allow 127.0.0.1
local stratum 8
cmdport 0
bindcmdaddress /
pidfile $work/chronyd.pid
driftfile $work/chrony.drift
CONF

# check WHAT SKEW_MS [env with a faked clock]: starts chronyd (skewed when asked), queries it.
check() {
    local what=$1 skew_ms=$2
    shift 2
    setsid "$@" "$chronyd_bin" -x -d -u root -f "$work/chrony.conf" >"$work/chronyd.out" 2>&1 &
    chronyd_pid=$!
    local i ok=""
    for i in $(seq 1 50); do
        if "$horavia" --test-server ntp:127.0.0.1 >"$work/out" 2>&1; then
            ok=1
            break
        fi
        kill -0 "$chronyd_pid" 2>/dev/null || break
        sleep 0.2
    done
    if [ -z "$ok" ]; then
        stop_chronyd
        echo "$what: chronyd did not answer" >&2
        cat "$work/out" "$work/chronyd.out" >&2
        return 1
    fi
    # A loaded machine can delay one side of a round trip; like any NTP client, ask again
    # (4 s later, as public servers ask) before calling the figure wrong.
    local try ms
    for try in 1 2 3; do
        [ "$try" -gt 1 ] && { sleep 4; "$horavia" --test-server ntp:127.0.0.1 >"$work/out" 2>&1; }
        cat "$work/out"
        ms=$(sed -n 's/^Difference with local time: -\{0,1\}[0-9]\{1,\} s (\(-\{0,1\}[0-9]\{1,\}\) ms)$/\1/p' \
            "$work/out")
        echo "$what: offset ${ms:-none} ms, expected $skew_ms ms"
        if [ -n "$ms" ] && [ $((ms - skew_ms)) -ge -10 ] && [ $((ms - skew_ms)) -le 10 ]; then
            stop_chronyd
            return 0
        fi
    done
    stop_chronyd
    echo "$what: more than 10 ms off" >&2
    return 1
}

status=0
check "in step" 0 || status=1
check "chronyd 2.5 s ahead" 2500 env LD_PRELOAD="$faketime_lib" FAKETIME=+2.5 || status=1
check "chronyd 1.25 s behind" -1250 env LD_PRELOAD="$faketime_lib" FAKETIME=-1.25 || status=1
exit $status
