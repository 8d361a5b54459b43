# Sourced by the scripts that run 109 on a screen of its own: starts Xvfb
# (1280 x 800) and openbox, exports DISPLAY, and stops both when the script
# exits. Add the PIDs of what you start on it to xsession_pids.
xsession_pids=()
xsession_stop() { # the last started first, the X server last
    local i
    for ((i = ${#xsession_pids[@]} - 1; i >= 0; i--)); do
        kill "${xsession_pids[i]}" 2>/dev/null || true
    done
}
trap xsession_stop EXIT

xsession_start() {
    local display=:$((90 + RANDOM % 9)) tries
    # A display number taken by another run is tried again elsewhere.
    for tries in 1 2 3 4 5; do
        [ -e "/tmp/.X11-unix/X${display#:}" ] || break
        display=:$((100 + RANDOM % 900))
    done
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xsession_pids+=($!)
    export DISPLAY=$display
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    xsession_pids+=($!)
}
