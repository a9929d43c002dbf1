#!/bin/bash
# A name server that never answers must not keep `horavia --test-server` alive past the query's
# 2-second budget. Runs in private user, mount and network namespaces whose resolver asks a
# silent server on 127.0.0.1; skipped (77) where such namespaces are not allowed.
#   hanging_resolver_test.sh HORAVIA SILENT_NAME_SERVER
set -euo pipefail
if [ "${1:-}" != "--inside" ]; then
    if ! unshare --user --map-root-user --mount --net true 2>/dev/null; then
        echo "private namespaces are not available here: skipped"
        exit 77
    fi
    exec unshare --user --map-root-user --mount --net bash "$0" --inside "$@"
fi
shift
horavia=$1
silent=$2
work=$(mktemp -d)
server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

printf 'nameserver 127.0.0.1\noptions timeout:5 attempts:2\n' >"$work/resolv.conf"
printf 'hosts: files dns\n' >"$work/nsswitch.conf"
mount --bind "$work/resolv.conf" /etc/resolv.conf
mount --bind "$work/nsswitch.conf" /etc/nsswitch.conf
"$silent" >"$work/server.out" &
server_pid=$!
for _ in $(seq 100); do
    grep -q ready "$work/server.out" 2>/dev/null && break
    sleep 0.05
done
grep -q ready "$work/server.out" || { echo "the silent name server did not start"; exit 1; }

now_ms() { echo $(($(date +%s%N) / 1000000)); }
host=time.hang.test

# The resolver itself hangs well past the budget (it would give up after 10 s)...
start=$(now_ms)
set +e
timeout 3 getent ahosts "$host" >/dev/null
resolver=$?
set -e
resolver_ms=$(($(now_ms) - start))
echo "getent: exit $resolver after ${resolver_ms} ms"
if [ "$resolver" != 124 ]; then
    echo "the resolver did not hang"
    exit 1
fi

# ...while the query gives up at 2 s and the program ends with it, over either protocol.
for asked in "$host" "ntp:$host"; do
    start=$(now_ms)
    set +e
    out=$(env HOME="$work" XDG_CONFIG_HOME="$work/config" "$horavia" --test-server "$asked")
    status=$?
    set -e
    elapsed_ms=$(($(now_ms) - start))
    echo "horavia --test-server $asked: exit $status after ${elapsed_ms} ms: $out"
    [ "$status" = 1 ] || { echo "expected exit status 1"; exit 1; }
    [ "$out" = "Connection failed!" ] || { echo "expected \"Connection failed!\""; exit 1; }
    [ "$elapsed_ms" -ge 1900 ] || { echo "ended before the 2-second wait"; exit 1; }
    [ "$elapsed_ms" -lt 2500 ] || { echo "lingered past 2.5 s"; exit 1; }
done
