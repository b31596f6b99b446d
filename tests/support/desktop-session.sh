# What the fixtures of whole desktops (GNOME Shell, KWin) share, sourced by
# each: a compositor in a session bus of its own, started and stopped as a
# process group, its Xwayland noted in $state/xwayland as "DISPLAY
# XAUTHORITY", and the tests skipped (exit status 77) with the desktop's own
# words where the machine cannot run it. The sourcing script sets $state,
# $desktop (its name in messages) and $socket.

stop_session() {
    [ -d "$state" ] || return 0
    local pid signal
    for signal in TERM KILL; do
        for pid in $(cat "$state/session.pgid" "$state/system-bus.pid" 2>/dev/null); do
            kill -"$signal" -- "-$pid" 2>/dev/null || kill -"$signal" "$pid" 2>/dev/null || true
        done
        [ "$signal" = KILL ] || sleep 0.5
    done
    rm -rf "$state"
}

unavailable() {
    {
        echo "$desktop cannot run on this machine; its tests are skipped:"
        printf '%s\n' "$@"
    } | tee "$state/unavailable"
}

# Xwayland's sockets: the folder must be open to all, as a desktop's is;
# neither compositor makes it or mends it.
prepare_x11_sockets() {
    mkdir -p /tmp/.X11-unix
    chmod 1777 /tmp/.X11-unix 2>/dev/null || true
}

# Starts COMMAND... in a new session bus with a clean environment plus
# VARIABLE=VALUE words given before "--"; the bus's address lands in
# $state/session-bus, the compositor's output in $state/compositor.log.
launch_session() {
    local variables=()
    while [ "$1" != -- ]; do variables+=("$1"); shift; done
    shift
    printf '#!/bin/sh\necho "$DBUS_SESSION_BUS_ADDRESS" >"%s/session-bus"\nexec "$@"\n' \
        "$state" >"$state/in-session"
    chmod +x "$state/in-session"
    setsid env -i PATH=/usr/bin:/bin HOME="$state" XDG_RUNTIME_DIR="$state" \
        XDG_CONFIG_HOME="$state/config" XDG_DATA_HOME="$state/data" \
        XDG_CACHE_HOME="$state/cache" XDG_SESSION_TYPE=wayland "${variables[@]}" \
        dbus-run-session -- "$state/in-session" "$@" </dev/null >"$state/compositor.log" 2>&1 &
    echo $! >"$state/session.pgid"
}

# Waits for READY (a command) to succeed: 0 once it does, 0 with the tests
# marked unavailable if the compositor died, 1 if it was not ready within a
# minute.
await_session() {
    local launcher deadline=$((SECONDS + 60))
    launcher=$(cat "$state/session.pgid")
    while ((SECONDS < deadline)); do
        if "$@"; then
            watch_ctest "$PPID" "$launcher"
            return 0
        fi
        if ! kill -0 "$launcher" 2>/dev/null; then
            unavailable "$(tail -n 5 "$state/compositor.log")"
            return 0
        fi
        sleep 0.1
    done
    echo "$desktop did not start:" >&2
    cat "$state/compositor.log" >&2
    return 1
}

# Runs START (the desktop's start), and once more should the compositor not
# become ready: rarely, one started beside the other fixtures never answered.
start_twice() {
    "$1" && return 0
    echo "$desktop is started once more." >&2
    "$1"
}

# Should CTest itself be stopped before its cleanup step runs, the session
# goes with it instead of lingering.
watch_ctest() {
    local ctest=$1 pgid=$2
    (
        while kill -0 "$ctest" 2>/dev/null; do sleep 1; done
        kill -- "-$pgid" 2>/dev/null || true
    ) </dev/null >/dev/null 2>&1 &
}

# COMMAND... as a client of the session, with VARIABLE=VALUE words given
# before "--" added to its environment.
run_in_session() {
    if [ -f "$state/unavailable" ]; then
        cat "$state/unavailable"
        exit 77
    fi
    if [ ! -s "$state/xwayland" ]; then
        echo "No $desktop running for $state; run its start test first." >&2
        return 1
    fi
    local display authority variables=()
    read -r display authority <"$state/xwayland"
    while [ "$1" != -- ]; do variables+=("$1"); shift; done
    shift
    exec env WAYLAND_DISPLAY="$state/$socket" DISPLAY="$display" XAUTHORITY="$authority" \
        DBUS_SESSION_BUS_ADDRESS="$(cat "$state/session-bus")" QT_QPA_PLATFORM=wayland \
        "${variables[@]}" "$@"
}
