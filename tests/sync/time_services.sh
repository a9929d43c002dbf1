# Shell helpers for the tests that run real time servers; sourced, not run.

# The path of a daemon that may live outside PATH (/usr/sbin for a user), or nothing.
find_daemon() {
    command -v "$1" 2>/dev/null || { [ -x "/usr/sbin/$1" ] && echo "/usr/sbin/$1"; } || true
}

# write_xinetd_time_conf FILE PORT LOG: xinetd's internal RFC 868 time service (TCP) on
# 127.0.0.1:PORT, logging to LOG.
write_xinetd_time_conf() {
    cat >"$1" <<CONF
defaults
{
    log_type = FILE $3
}
service time
{
    type        = INTERNAL UNLISTED
    id          = time-stream
    socket_type = stream
    protocol    = tcp
    user        = root
    wait        = no
    bind        = 127.0.0.1
    port        = $2
}
CONF
}

# Stops a server started with setsid (so faketime's child goes too) and waits for it.
stop_group() {
    [ -n "$1" ] || return 0
    kill -- -"$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
