# What the display fixtures (xvfb, sway, gnome, kwin) share, sourced by each.
# CTest runs "FIXTURE start STATE_DIR" before the tests, "FIXTURE run
# STATE_DIR CMD..." for each of them and "FIXTURE stop STATE_DIR" after them,
# pass or fail. The script sets $program and defines start_once, and run or,
# for a compositor in a session of its own, $socket, $desktop and ready.
# Where the display cannot run at all, its tests are skipped (exit status 77).
set -euo pipefail
action=${1:?usage: $0 start|run|stop STATE_DIR [COMMAND...]}
state=${2:?usage: $0 start|run|stop STATE_DIR [COMMAND...]}
shift 2

# Each group started is noted in $state/groups as "PID START_TIME", so that a
# later process given the same pid is never taken for ours. Prints the
# leaders that still run (one ended but not reaped is gone).
groups() {
    local pid started stat
    while read -r pid started; do
        read -ra stat 2>/dev/null <"/proc/$pid/stat" || continue
        [ "${stat[21]}" != "$started" ] || [ "${stat[2]}" = Z ] || echo "$pid"
    done < <(cat "$state/groups" 2>/dev/null)
}

note() {
    local stat=()
    read -ra stat 2>/dev/null <"/proc/$1/stat" || true
    echo "$1 ${stat[21]:-gone}" >>"$state/groups"
}

# Starts COMMAND... as a group of its own, its output in $state/log.
launch() {
    setsid "$@" </dev/null >>"$state/log" 2>&1 &
    note $!
}

# Ends our groups, every process in them: politely, then for good.
stop() {
    local ours signal pid tries
    ours=$(groups | paste -sd ,)
    for signal in TERM KILL; do
        for pid in ${ours//,/ }; do kill -"$signal" -- "-$pid" 2>/dev/null || true; done
        for tries in $(seq 20); do
            [ -n "$ours" ] && ps -o stat= -g "$ours" | grep -qv '^Z' || break 2
            sleep 0.25
        done
    done
    rm -rf "$state"
}

unavailable() {
    { echo "$program cannot run on this machine; its tests are skipped:"; printf '%s\n' "$@"; } \
        | tee "$state/unavailable"
}

# Waits for READY (a command) to succeed: 0 once it does, 0 with the tests
# marked unavailable if the display died, 1 if it was not ready within a
# minute. Should CTest itself be stopped before its cleanup step runs, the
# display goes with it instead of lingering.
await() {
    local deadline=$((SECONDS + 60)) ours
    until "$@"; do
        if [ -z "$(groups)" ]; then
            unavailable "$(tail -n 5 "$state/log")"
            return 0
        elif ((SECONDS >= deadline)); then
            echo "$program did not start:" >&2
            cat "$state/log" >&2
            return 1
        fi
        sleep 0.1
    done
    ours=$(groups)
    (
        while kill -0 "$PPID"; do sleep 1; done
        for pid in $ours; do kill -- "-$pid" || kill "$pid"; done
    ) </dev/null >/dev/null 2>&1 &
}

# Once more if need be: rarely, a compositor started beside the others never answered.
start() {
    for _ in 1 2; do
        stop
        mkdir -m 700 "$state"
        if ! command -v "$program" >/dev/null; then
            unavailable "$program is not installed"
            return 0
        fi
        start_once && return 0
    done
    return 1
}

# Starts COMMAND... in a session bus of its own with a clean environment plus
# the VARIABLE=VALUE words before it, and waits until it is ready, the bus's
# address in $state/session-bus and its Xwayland's "DISPLAY XAUTHORITY" in
# $state/xwayland. Xwayland's sockets' folder must be open to all, as a
# desktop's is; no compositor here makes it or mends it.
launch_session() {
    local variables=()
    while [[ $1 == *=* ]]; do variables+=("$1"); shift; done
    mkdir -p /tmp/.X11-unix
    chmod 1777 /tmp/.X11-unix 2>/dev/null || true
    launch env -i PATH=/usr/bin:/bin HOME="$state" XDG_RUNTIME_DIR="$state" \
        XDG_CONFIG_HOME="$state/config" XDG_DATA_HOME="$state/data" \
        XDG_CACHE_HOME="$state/cache" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP="$desktop" \
        "${variables[@]}" dbus-run-session -- \
        sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0/session-bus"; exec "$@"' "$state" "$@"
    await eval '[ -S "$state/$socket" ] && [ -s "$state/session-bus" ] && ready &&
        [ -s "$state/xwayland" ]'
}

# gdbus call DESTINATION OBJECT METHOD ARGUMENT... on the session's bus.
call() {
    DBUS_SESSION_BUS_ADDRESS=$(cat "$state/session-bus") gdbus call --session --timeout 5 \
        --dest "$1" --object-path "$2" --method "$3" "${@:4}" 2>/dev/null
}

# COMMAND... as a client of the session.
run() {
    local display authority
    read -r display authority <"$state/xwayland"
    exec env WAYLAND_DISPLAY="$state/$socket" DISPLAY="$display" XAUTHORITY="$authority" \
        DBUS_SESSION_BUS_ADDRESS="$(cat "$state/session-bus")" QT_QPA_PLATFORM=wayland \
        XDG_CURRENT_DESKTOP="$desktop" "$@"
}

dispatch() {
    case $action in
    start | stop) "$action" ;;
    run)
        if [ -f "$state/unavailable" ]; then
            cat "$state/unavailable"
            exit 77
        elif [ -z "$(groups)" ]; then
            echo "No $program running for $state; run its start test first." >&2
            exit 1
        fi
        run "$@"
        ;;
    eval) evaluate "$1" ;; # KWin's
    *) echo "unknown action: $action" >&2; exit 2 ;;
    esac
}
