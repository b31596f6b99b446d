# Shared by the display fixtures (usage below). Each sets $program and defines start_once, and run
# or, in a session of its own, $socket, $desktop and ready. Displays that can't run skip tests (77).
set -euo pipefail
action=${1:?usage: $0 start|run|stop STATE_DIR [COMMAND...]}
state=${2:?usage: $0 start|run|stop STATE_DIR [COMMAND...]}
shift 2

# Our groups' leaders still running, noted as "PID START_TIME" so a reused pid is not ours.
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

launch() { setsid "$@" </dev/null >>"$state/log" 2>&1 & note $!; }

stop() {
    local ours signal pid
    ours=$(groups | paste -sd ,)
    for signal in TERM KILL; do
        for pid in ${ours//,/ }; do kill -"$signal" -- "-$pid" 2>/dev/null || true; done
        for _ in $(seq 20); do
            [ -n "$ours" ] && ps -o stat= -g "$ours" | grep -qv '^Z' || break 2
            sleep 0.25
        done
    done
    rm -rf "$state"
}

unavailable() {
    printf '%s\n' "$program cannot run on this machine; its tests are skipped:" "$@" |
        tee "$state/unavailable"
}

# Waits a minute for COMMAND; a dead display marks tests unavailable, a live one ends with CTest.
await() {
    local deadline=$((SECONDS + 60)) ours
    until "$@"; do
        [ -n "$(groups)" ] || { unavailable "$(tail -n 5 "$state/log")" && return 0; }
        ((SECONDS < deadline)) || { echo "$program did not start:"; cat "$state/log"; return 1; } \
            >&2
        sleep 0.1
    done
    ours=$(groups)
    (
        while kill -0 "$PPID"; do sleep 1; done
        for pid in $ours; do kill -- "-$pid" || kill "$pid"; done
    ) </dev/null >/dev/null 2>&1 &
}

# Twice if need be: rarely, a compositor started beside the others never answered.
start() {
    for _ in 1 2; do
        stop
        mkdir -m 700 "$state"
        command -v "$program" >/dev/null || { unavailable "$program is not installed" && return 0; }
        start_once && return 0
    done
    return 1
}

# [VARIABLE=VALUE...] COMMAND... on its own bus, in a clean environment; "DISPLAY XAUTHORITY" of its
# Xwayland in $state/xwayland. It needs /tmp/.X11-unix open to all; no compositor here makes it so.
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

call() {
    DBUS_SESSION_BUS_ADDRESS=$(cat "$state/session-bus") gdbus call --session --timeout 5 \
        --dest "$1" --object-path "$2" --method "$3" "${@:4}" 2>/dev/null
}

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
    eval) evaluate "$1" ;; # KWin's
    run)
        [ ! -f "$state/unavailable" ] || { cat "$state/unavailable" && exit 77; }
        [ -n "$(groups)" ] || { echo "No $program running in $state: start it first." >&2; exit 1; }
        run "$@"
        ;;
    *) echo "unknown action: $action" >&2; exit 2 ;;
    esac
}
