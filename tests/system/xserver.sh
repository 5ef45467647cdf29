# Shared by the system tests: a scratch folder and a private X server, both
# gone when the script ends, however it ends. Source it, then call start_xvfb.

set -euo pipefail

WORK=$(mktemp -d)
XVFB_PID=
APP_PID=
on_failure() { :; }
cleanup() {
    local status=$?
    set +e
    [ "$status" -eq 0 ] || on_failure
    if [ -n "$APP_PID" ]; then kill "$APP_PID" && wait "$APP_PID"; fi 2>/dev/null
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" && wait "$XVFB_PID"; fi 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# No window manager: windows appear exactly where the program puts them.
# No reset either: an X server resets when its last client leaves, and
# refuses connections meanwhile, so a screenshot taken before the program
# starts could make the program's own connection fail.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" \
        2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 200); do
        [ -s "$WORK/display" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
        sleep 0.05
    done
    [ -s "$WORK/display" ] || fail "Xvfb gave no display number"
    export DISPLAY=":$(head -n1 "$WORK/display")"
    # Wait until it answers.
    for _ in $(seq 200); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.05
    done
    xdpyinfo >/dev/null 2>&1 || fail "Xvfb on $DISPLAY does not answer: $(cat "$WORK/xvfb.log")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
}

# Prints the id of the visible top-level window with exactly this title,
# waiting up to $2 seconds for it.
wait_for_window() {
    local title=$1 seconds=${2:-20} id
    for _ in $(seq $((seconds * 20))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        [ -z "$APP_PID" ] || kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before \"$title\" appeared"
        sleep 0.05
    done
    fail "no window \"$title\" within $seconds s"
}
