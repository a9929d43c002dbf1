# Shell helpers for the tests that run real time servers; sourced, not run.

# The path of a daemon that may live outside PATH (/usr/sbin for a user), or nothing.
find_daemon() {
    command -v "$1" 2>/dev/null || { [ -x "/usr/sbin/$1" ] && echo "/usr/sbin/$1"; } || true
}

# The library behind faketime(1), or nothing. The tests preload it themselves
# (env LD_PRELOAD="$faketime_lib" FAKETIME=+2.5 COMMAND): the faketime wrapper names a semaphore
# after its process id and leaves it behind when a test stops the server, and a later wrapper
# that is given the same id refuses to start ("sem_open: File exists").
find_faketime_library() {
    local lib
    for lib in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1 \
        /usr/local/lib/faketime/libfaketime.so.1; do
        [ -e "$lib" ] && { echo "$lib"; return; }
    done
}
faketime_lib=$(find_faketime_library)

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

# Stops a server started with setsid (so a child it starts goes too) and waits for it.
stop_group() {
    [ -n "$1" ] || return 0
    kill -- -"$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
