#!/bin/bash
# `horavia --test-server 127.0.0.1` with the computer's clock moved past the 2036 wrap of the
# Time Protocol's count, against xinetd's internal time service on 127.0.0.1:37 whose clock is
# moved too: the difference shown must be the skew between the two, not 136 years.
# Both clocks are offsets from the real one (faketime "+N"), so the skew is exact.
# Port 37 needs root; exit 77 (skipped) without root, xinetd or faketime.
set -u
horavia=$1

. "$(dirname "$0")/time_services.sh"
xinetd_bin=$(find_daemon xinetd)
if [ "$(id -u)" -ne 0 ] || [ -z "$xinetd_bin" ] || [ -z "$faketime_lib" ]; then
    echo "needs root, xinetd and faketime: skipped"
    exit 77
fi

work=$(mktemp -d)
xinetd_pid=""
stop_xinetd() {
    stop_group "$xinetd_pid"
    xinetd_pid=""
}
trap 'stop_xinetd; rm -rf "$work"' EXIT

write_xinetd_time_conf "$work/xinetd.conf" 37 "$work/xinetd.log"

# Seconds from now to a UTC date, for faketime's relative offset.
offset_to() { echo $(($(date -u -d "$1" +%s) - $(date -u +%s))); }

# probe COMPUTER_UTC SERVER_SKEW_SECONDS: the computer's clock at that date, the server's that
# many seconds ahead of it.
probe() {
    local computer=$1 skew=$2 offset
    offset=$(offset_to "$computer")
    setsid env LD_PRELOAD="$faketime_lib" FAKETIME="+$((offset + skew))" \
        "$xinetd_bin" -dontfork -f "$work/xinetd.conf" \
        >"$work/xinetd.out" 2>&1 &
    xinetd_pid=$!
    local i ok=""
    for i in $(seq 1 50); do
        if env LD_PRELOAD="$faketime_lib" FAKETIME="+$offset" \
            "$horavia" --test-server 127.0.0.1 >"$work/out" 2>&1; then
            ok=1
            break
        fi
        kill -0 "$xinetd_pid" 2>/dev/null || break
        sleep 0.1
    done
    stop_xinetd
    if [ -z "$ok" ]; then
        echo "computer at $computer: no answer from the time service" >&2
        cat "$work/out" "$work/xinetd.out" "$work/xinetd.log" >&2 2>/dev/null
        return 1
    fi
    local diff
    diff=$(sed -n 's/^Difference with local time: \(-\{0,1\}[0-9]\{1,\}\) s$/\1/p' "$work/out")
    echo "computer $computer UTC, server at computer + $skew s: difference shown '$diff' s"
    if [ -z "$diff" ] || [ $((diff - skew)) -lt -1 ] || [ $((diff - skew)) -gt 1 ]; then
        echo "expected $skew +- 1 s" >&2
        cat "$work/out" >&2
        return 1
    fi
}

status=0
probe "2036-03-01 00:00:05" -5 || status=1   # both past the wrap
probe "2036-02-07 06:28:10" 8 || status=1    # computer before the wrap, server after it
probe "2036-02-07 06:28:20" -7 || status=1   # computer after the wrap, server before it
probe "2050-01-01 12:00:00" 42 || status=1   # far into the second era
exit $status
