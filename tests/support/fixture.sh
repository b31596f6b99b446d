# What the display fixtures (xvfb, sway, gnome, kwin) share, sourced by each.
# CTest runs "FIXTURE start STATE_DIR" before the tests, "FIXTURE run
# STATE_DIR CMD..." for each of them and "FIXTURE stop STATE_DIR" after them,
# pass or fail. The sourcing script sets $name (for messages) and defines
# start_once and run; each process group it starts is noted in $state/groups
# as "PID COMMAND", so that a reused pid is never taken for ours. Where the
# machine cannot run the display at all, its tests are skipped (exit status
# 77) with the display's own words.
set -euo pipefail
action=${1:?usage: $0 start|run|stop STATE_DIR [COMMAND...]}
state=${2:?usage: $0 start|run|stop STATE_DIR [COMMAND...]}
shift 2

# Prints the leaders of our groups that still run what they ran; one that
# has ended but is not reaped yet counts as gone.
groups() {
    local pid command comm status
    while read -r pid command; do
        read -r _ comm status _ 2>/dev/null <"/proc/$pid/stat" || continue
        [ "$comm" != "($command)" ] || [ "$status" = Z ] || echo "$pid"
    done < <(cat "$state/groups" 2>/dev/null)
}

# True while a process of the groups PID... lives.
living() {
    local pid
    for pid; do ps -o stat= -g "$pid" | grep -qv '^Z' && return 0; done
    return 1
}

# Ends our groups, every process in them: politely, then for good.
stop() {
    local ours signal pid tries
    ours=$(groups)
    for signal in TERM KILL; do
        for pid in $ours; do kill -"$signal" -- "-$pid" 2>/dev/null || true; done
        for tries in $(seq 20); do
            living $ours || break 2
            sleep 0.25
        done
    done
    rm -rf "$state"
}

unavailable() {
    { echo "$name cannot run on this machine; its tests are skipped:"; printf '%s\n' "$@"; } \
        | tee "$state/unavailable"
}

# Starts COMMAND... as a group of its own, its output in $state/log; NAME
# is what its first process runs in the end (its name in /proc).
launch() {
    local name=$1
    shift
    setsid "$@" </dev/null >>"$state/log" 2>&1 &
    local pid=$! tries comm
    echo "$pid $name" >>"$state/groups"
    # Right after the fork it is still this shell, then setsid and env: until
    # it has become NAME, it would be taken for gone.
    for tries in $(seq 100); do
        read -r _ comm _ 2>/dev/null <"/proc/$pid/stat" && [ "$comm" != "($name)" ] || break
        sleep 0.05
    done
}

# Waits for READY (a command) to succeed: 0 once it does, 0 with the tests
# marked unavailable if the display died, 1 if it was not ready within a
# minute. Should CTest itself be stopped before its cleanup step runs, the
# display goes with it instead of lingering.
await() {
    local deadline=$((SECONDS + 60)) ours
    while ((SECONDS < deadline)); do
        if "$@"; then
            ours=$(groups)
            (
                while kill -0 "$PPID"; do sleep 1; done
                for pid in $ours; do kill -- "-$pid" || kill "$pid"; done
            ) </dev/null >/dev/null 2>&1 &
            return 0
        fi
        if [ -z "$(groups)" ]; then
            unavailable "$(tail -n 5 "$state/log")"
            return 0
        fi
        sleep 0.1
    done
    echo "$name did not start:" >&2
    cat "$state/log" >&2
    return 1
}

start() {
    stop
    mkdir -p "$state"
    chmod 700 "$state"
    start_once && return 0
    # Rarely, a compositor started beside the other fixtures never answered.
    echo "$name is started once more." >&2
    stop
    mkdir -p "$state"
    chmod 700 "$state"
    start_once
}

# Xwayland's sockets: the folder must be open to all, as a desktop's is;
# no compositor here makes it or mends it.
prepare_x11_sockets() {
    mkdir -p /tmp/.X11-unix
    chmod 1777 /tmp/.X11-unix 2>/dev/null || true
}

# Starts COMMAND... in a session bus of its own with a clean environment
# plus the VARIABLE=VALUE words before it; the bus's address lands in
# $state/session-bus. Its Xwayland is to be noted in $state/xwayland as
# "DISPLAY XAUTHORITY".
launch_session() {
    local variables=()
    while [[ $1 == *=* ]]; do variables+=("$1"); shift; done
    printf '#!/bin/sh\necho "$DBUS_SESSION_BUS_ADDRESS" >"%s/session-bus"\nexec "$@"\n' \
        "$state" >"$state/in-session"
    chmod +x "$state/in-session"
    prepare_x11_sockets
    launch dbus-run-sessio env -i PATH=/usr/bin:/bin HOME="$state" XDG_RUNTIME_DIR="$state" \
        XDG_CONFIG_HOME="$state/config" XDG_DATA_HOME="$state/data" \
        XDG_CACHE_HOME="$state/cache" XDG_SESSION_TYPE=wayland "${variables[@]}" \
        dbus-run-session -- "$state/in-session" "$@"
}

# COMMAND... as a client of the session (VARIABLE=VALUE words first).
run_in_session() {
    local display authority
    read -r display authority <"$state/xwayland"
    exec env WAYLAND_DISPLAY="$state/$socket" DISPLAY="$display" XAUTHORITY="$authority" \
        DBUS_SESSION_BUS_ADDRESS="$(cat "$state/session-bus")" QT_QPA_PLATFORM=wayland "$@"
}

dispatch() {
    case $action in
    start | stop) "$action" ;;
    run)
        if [ -f "$state/unavailable" ]; then
            cat "$state/unavailable"
            exit 77
        elif [ -z "$(groups)" ]; then
            echo "No $name running for $state; run its start test first." >&2
            exit 1
        fi
        run "$@"
        ;;
    eval) evaluate "$1" ;; # KWin's
    *) echo "unknown action: $action" >&2; exit 2 ;;
    esac
}
