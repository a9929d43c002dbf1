#!/bin/bash
# NTS end to end against chronyd on 127.0.0.1, on free ports of its own (-x: it never touches
# the computer's clock), with self-signed certificates made by certtool and trusted through
# SSL_CERT_FILE:
# - `horavia --test-server nts:127.0.0.1:PORT` answers authenticated, within 10 ms of chronyd's
#   clock in step and with chronyd 2.5 s ahead under faketime;
# - a dozen queries in a row need one key exchange: the cookies are renewed;
# - an untrusted certificate, an expired one, one for another address and one for another
#   name are refused, and say so.
# Exit 77 (skipped) without root, chronyd, certtool or faketime.
set -u
horavia=$1
nts_probe=$2
time_probe=$3

. "$(dirname "$0")/time_services.sh"
chronyd_bin=$(find_daemon chronyd)
if [ "$(id -u)" -ne 0 ] || [ -z "$chronyd_bin" ] || ! command -v certtool >/dev/null ||
    [ -z "$faketime_lib" ]; then
    echo "needs root, chronyd, certtool and faketime: skipped"
    exit 77
fi

work=$(mktemp -d)
chmod 755 "$work"
chronyd_pid=""
stop_chronyd() {
    stop_group "$chronyd_pid"
    chronyd_pid=""
}
trap 'stop_chronyd; rm -rf "$work"' EXIT

certtool --generate-privkey --key-type=ed25519 --outfile "$work/key.pem" 2>/dev/null
# make_cert NAME IP ACTIVATION EXPIRATION
make_cert() {
    cat >"$work/$1.tmpl" <<TMPL
cn = "$2"
ip_address = "$2"
activation_date = "$3"
expiration_date = "$4"
signing_key
encryption_key
TMPL
    certtool --generate-self-signed --load-privkey "$work/key.pem" --template "$work/$1.tmpl" \
        --outfile "$work/$1.pem" 2>/dev/null
}
make_cert good 127.0.0.1 "2020-01-01 00:00:00" "2099-12-31 00:00:00"
make_cert expired 127.0.0.1 "2000-01-01 00:00:00" "2001-01-01 00:00:00"
make_cert other 127.0.0.2 "2020-01-01 00:00:00" "2099-12-31 00:00:00"

# Free ports for chronyd; picked again when another program takes one before chronyd binds it.
pick_ports() {
    ke_port=$("$time_probe" --free-port)
    ntp_port=$("$time_probe" --free-port)
    server="nts:127.0.0.1:$ke_port"
}
pick_ports

# start CERT [env with a faked clock]: chronyd serving NTS with that certificate.
start() {
    local attempt
    for attempt in 1 2 3; do
        start_once "$@" && return 0
        grep -q "Could not open" "$work/chronyd.out" || break
        pick_ports
    done
    echo "chronyd did not start" >&2
    cat "$work/chronyd.out" >&2
    return 1
}

start_once() {
    local cert=$1
    shift
    cat >"$work/chrony.conf" <<CONF
port $ntp_port
bindaddress 127.0.0.1
ntsport $ke_port
ntsserverkey $work/key.pem
ntsservercert $work/$cert.pem
ntsdumpdir $work
local stratum 1
allow 127.0.0.1
cmdport 0
bindcmdaddress /
pidfile $work/chronyd.pid
driftfile $work/chrony.drift
CONF
    rm -f "$work"/*.nts
    setsid "$@" "$chronyd_bin" -x -d -u root -f "$work/chrony.conf" >"$work/chronyd.out" 2>&1 &
    chronyd_pid=$!
    # Ready once its key-exchange port takes connections, unless the port was another program's:
    # chronyd logs a socket it could not open and carries on without it.
    local i
    for i in $(seq 1 50); do
        if (exec 3<>"/dev/tcp/127.0.0.1/$ke_port") 2>/dev/null; then
            sleep 0.2
            grep -q "Could not open" "$work/chronyd.out" && break
            return 0
        fi
        kill -0 "$chronyd_pid" 2>/dev/null || break
        sleep 0.1
    done
    stop_chronyd
    return 1
}

# offset WHAT SKEW_MS: the offset --test-server prints must be within 10 ms of the skew (asked
# again 4 s later, as public servers ask, when a loaded machine delayed one side).
offset() {
    local what=$1 skew_ms=$2 try ms
    for try in 1 2 3; do
        [ "$try" -gt 1 ] && sleep 4
        SSL_CERT_FILE="$work/good.pem" "$horavia" --test-server "$server" >"$work/out" 2>&1
        cat "$work/out"
        grep -qx "Authenticated: yes (NTS)" "$work/out" || { echo "$what: not authenticated" >&2; return 1; }
        ms=$(sed -n 's/^Difference with local time: -\{0,1\}[0-9]\{1,\} s (\(-\{0,1\}[0-9]\{1,\}\) ms)$/\1/p' \
            "$work/out")
        echo "$what: offset ${ms:-none} ms, expected $skew_ms ms"
        [ -n "$ms" ] && [ $((ms - skew_ms)) -ge -10 ] && [ $((ms - skew_ms)) -le 10 ] && return 0
    done
    echo "$what: more than 10 ms off" >&2
    return 1
}

# refused CERT REASON: --test-server fails and says why.
refused() {
    start "$1" || return 1
    SSL_CERT_FILE="$work/$1.pem" "$horavia" --test-server "$server" >"$work/out" 2>&1
    local status=$?
    stop_chronyd
    cat "$work/out"
    if [ $status -eq 0 ] || ! grep -qx "Connection failed!" "$work/out" ||
        ! grep -q "^NTS key exchange failed: the server's certificate was refused ($2)$" "$work/out"; then
        echo "$1 certificate: not refused with '$2'" >&2
        return 1
    fi
}

status=0
if start good; then
    offset "in step" 0 || status=1
    SSL_CERT_FILE="$work/good.pem" "$nts_probe" 127.0.0.1 "$ke_port" 12 || {
        echo "cookies not renewed" >&2
        status=1
    }
    # Not trusted: the system's store knows nothing of this certificate.
    SSL_CERT_FILE=/nonexistent SSL_CERT_DIR=/nonexistent "$horavia" --test-server "$server" \
        >"$work/out" 2>&1 && status=1
    cat "$work/out"
    grep -q "certificate was refused (self-signed certificate)" "$work/out" || status=1
    # Asked by a name the certificate does not hold.
    SSL_CERT_FILE="$work/good.pem" "$horavia" --test-server "nts:localhost:$ke_port" \
        >"$work/out" 2>&1 && status=1
    cat "$work/out"
    grep -q "certificate was refused (hostname mismatch)" "$work/out" || status=1
    stop_chronyd
else
    status=1
fi
if start good env LD_PRELOAD="$faketime_lib" FAKETIME=+2.5; then
    offset "chronyd 2.5 s ahead" 2500 || status=1
    stop_chronyd
else
    status=1
fi
refused expired "certificate has expired" || status=1
refused other "IP address mismatch" || status=1
exit $status
