# Sourced by the scripts that run 109 on a screen of its own: starts Xvfb
# (1280 x 800, or the WIDTHxHEIGHTxDEPTH in XSESSION_SCREEN) on a free display
# and openbox on it, exports DISPLAY, and stops both when the script exits.
# Add the PIDs of what you start on it to xsession_pids.
xsession_pids=()
xsession_runtime=
xsession_stop() { # the last started first, the X server last
    local i
    for ((i = ${#xsession_pids[@]} - 1; i >= 0; i--)); do
        kill "${xsession_pids[i]}" 2>/dev/null || true
    done
    [ -z "$xsession_runtime" ] || rm -rf "$xsession_runtime"
}
trap xsession_stop EXIT

xsession_start() {
    local number_file
    number_file=$(mktemp)
    # Xvfb picks a display no other server holds and writes its number when it is ready.
    Xvfb -displayfd 3 -screen 0 "${XSESSION_SCREEN:-1280x800x24}" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    xsession_pids+=($!)
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
    [ -s "$number_file" ] || { echo "xsession: Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$(tr -d '[:space:]' <"$number_file")
    rm -f "$number_file"
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        xsession_runtime=$(mktemp -d)
        export XDG_RUNTIME_DIR=$xsession_runtime
    fi
    openbox >/dev/null 2>&1 &
    xsession_pids+=($!)
    # Windows mapped before the window manager runs would stay unframed.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        sleep 0.1
    done
    echo "xsession: openbox did not start" >&2
    return 1
}
