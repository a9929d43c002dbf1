#!/bin/bash
# Queries xinetd's internal RFC 868 time service, started on 127.0.0.1 with a private
# configuration and a free port: first on time, then under faketime with a known skew.
# Exit 77 (skipped) when xinetd is not installed.
set -u
probe=$1
skew=3725  # seconds the faked server runs ahead

. "$(dirname "$0")/time_services.sh"
xinetd_bin=$(find_daemon xinetd)
if [ -z "$xinetd_bin" ]; then
    echo "xinetd is not installed: skipped"
    exit 77
fi
if [ -z "$faketime_lib" ]; then
    echo "faketime is not installed" >&2
    exit 1
fi

work=$(mktemp -d)
xinetd_pid=""
stop_xinetd() {
    stop_group "$xinetd_pid"
    xinetd_pid=""
}
cleanup() {
    stop_xinetd
    rm -rf "$work"
}
trap cleanup EXIT

# Starts the service (optionally under faketime) and waits until it answers; sets port.
start_service() {
    local attempt
    for attempt in 1 2 3 4 5; do
        port=$("$probe" --free-port) || return 1
        [ "$port" = 2024 ] && continue
        write_xinetd_time_conf "$work/xinetd.conf" "$port" "$work/xinetd.log"
        setsid "$@" "$xinetd_bin" -dontfork -f "$work/xinetd.conf" >"$work/xinetd.out" 2>&1 &
        xinetd_pid=$!
        local i
        for i in $(seq 1 50); do
            if "$probe" 127.0.0.1 "$port" >"$work/probe.out" 2>&1; then
                return 0
            fi
            kill -0 "$xinetd_pid" 2>/dev/null || break
            sleep 0.1
        done
        stop_xinetd
    done
    echo "xinetd's time service did not start" >&2
    cat "$work/xinetd.out" "$work/xinetd.log" >&2 2>/dev/null
    return 1
}

difference_of() {
    sed -n 's/^Difference with local time: \(-\{0,1\}[0-9]\{1,\}\) s$/\1/p' "$1"
}

check_difference() {
    local what=$1 expected=$2
    "$probe" 127.0.0.1 "$port" >"$work/probe.out" 2>&1 || {
        echo "$what: query failed" >&2
        cat "$work/probe.out" >&2
        return 1
    }
    cat "$work/probe.out"
    grep -qx "Name: 127.0.0.1" "$work/probe.out" || { echo "$what: no name line" >&2; return 1; }
    grep -Eqx "Respons time: [0-9]+ ms" "$work/probe.out" ||
        { echo "$what: no response time line" >&2; return 1; }
    local diff
    diff=$(difference_of "$work/probe.out")
    if [ -z "$diff" ] || [ $((diff - expected)) -lt -1 ] || [ $((diff - expected)) -gt 1 ]; then
        echo "$what: difference '$diff' s, expected $expected +- 1 s" >&2
        return 1
    fi
    echo "$what: ok"
}

start_service || exit 1
check_difference "on time" 0 || exit 1
stop_xinetd

start_service env LD_PRELOAD="$faketime_lib" FAKETIME="+$skew" || exit 1
check_difference "server ${skew} s ahead" "$skew" || exit 1
stop_xinetd

exit 0
