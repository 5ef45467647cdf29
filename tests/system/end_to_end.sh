#!/usr/bin/env bash
# Drives the built program from outside, as a user would, in a private X server
# without a window manager, and checks what is on the screen after each step.
#   end_to_end.sh FRETLARK SCREEN_CHECK
# On failure the screenshots are kept in ./end_to_end-failure/.

source "$(dirname "$0")/xserver.sh"

FRETLARK=$1
CHECK=$2
# Slow builds (the sanitizer one) get more time before a check gives up.
PATIENCE=${PATIENCE:-10}

on_failure() {
    rm -rf end_to_end-failure && mkdir -p end_to_end-failure
    cp "$WORK"/*.png "$WORK"/fretlark.log end_to_end-failure/ 2>/dev/null
}

shoot() { import -window root "$WORK/$1.png"; }

# Takes screenshots until SCREEN_CHECK is content with one, as the program
# repaints when its event loop gets to it. Prints what the check counted.
#   expect_screen NAME CHECK-COMMAND ARGS... (the shot goes in as the first argument)
expect_screen() {
    local name=$1 command=$2 output
    shift 2
    for _ in $(seq $((PATIENCE * 10))); do
        shoot "$name"
        if output=$("$CHECK" "$command" "$WORK/$name.png" "$@" 2>&1); then
            echo "$name: $output"
            return 0
        fi
        sleep 0.1
    done
    echo "$output" >&2
    fail "the screen after \"$name\" is not as expected"
}

expect_counts() {
    [ "$1" = "$2" ] || fail "counted \"$1\", expected \"$2\""
}

# Positions below are in the main window's client area, which starts under the menu bar.
click() { xdotool mousemove --sync $((CX + $1)) $((CY + $2)) click 1; }
double_click() { xdotool mousemove --sync $((CX + $1)) $((CY + $2)) click --repeat 2 --delay 80 1; }

popups() { xdotool search --onlyvisible --class '^fretlark$' 2>/dev/null | wc -l; }
wait_for_popups() {
    for _ in $(seq $((PATIENCE * 20))); do
        [ "$(popups)" -eq "$1" ] && return 0
        sleep 0.05
    done
    fail "expected $1 windows of the program on the screen, found $(popups)"
}

# Opens a drop-down list with a click and picks an item by typing its start.
choose() {
    local x=$1 y=$2 text=$3
    click "$x" "$y"
    wait_for_popups 2
    xdotool type --delay 40 "$text"
    xdotool key Return
    wait_for_popups 1
}

# Xvfb's empty screen, to tell that the window is gone at the end.
start_xvfb
shoot before

"$FRETLARK" >"$WORK/fretlark.log" 2>&1 &
APP_PID=$!
MAIN_WINDOW=$(wait_for_window Fretlark "$PATIENCE")
eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
WIN_X=$X WIN_Y=$Y WIN_WIDTH=$WIDTH WIN_HEIGHT=$HEIGHT
# The client area is 434 high; the menu bar takes the rest of the window.
CX=$WIN_X
CY=$((WIN_Y + WIN_HEIGHT - 434))
echo "window $MAIN_WINDOW at $WIN_X,$WIN_Y, ${WIN_WIDTH}x$WIN_HEIGHT; client area at $CX,$CY"
xdotool mousemove 0 0
sleep 0.5
shoot blank
# Nothing lit: every marker shows the picture under it, which has to differ
# from the colours a lit one shows, or hidden and lit could not be told apart.
expect_screen start neck "$WORK/blank.png" "$CX" "$CY" 0 000000000000 0,0,0,0,0,0
expect_screen start-chords chords "$WORK/blank.png" "$CX" "$CY" 999999000099999900009999990000

# Pentatonic Minor, double-click the open low E string: E and its scale light up.
choose 238 45 "Pentatonic Minor"
double_click 29 153
pentatonic_minor=100101010010
counts=$(expect_screen scale neck "$WORK/blank.png" "$CX" "$CY" 7 $pentatonic_minor 0,0,0,0,0,0)
echo "$counts"
expect_counts "${counts#*: }" "lit 60 navy 12"

# C minor in the chord diagrams; the neck keeps its scale.
choose 135 252 "C"
choose 176 280 "minor"
click 130 310
c_minor=5101331234123311345611133189AB
counts=$(expect_screen chord chords "$WORK/blank.png" "$CX" "$CY" $c_minor)
echo "$counts"
expect_counts "${counts#*: }" "shown 18"
expect_screen chord-neck neck "$WORK/blank.png" "$CX" "$CY" 7 $pentatonic_minor 0,0,0,0,0,0

# Drop D through the retune dialog: "Alternate Tuning", low E entry "D", "Retune".
click 475 44
DIALOG=$(wait_for_window "Retune Guitar" "$PATIENCE")
eval "$(xdotool getwindowgeometry --shell "$DIALOG")"
xdotool windowfocus --sync "$DIALOG"
xdotool mousemove --sync $((X + 85)) $((Y + 146)) click 1
xdotool key ctrl+a
xdotool type "D"
xdotool mousemove --sync $((X + 201)) $((Y + 16)) click 1
for _ in $(seq $((PATIENCE * 20))); do
    xdotool search --onlyvisible --name '^Retune Guitar$' >/dev/null 2>&1 || break
    sleep 0.05
done
xdotool search --onlyvisible --name '^Retune Guitar$' >/dev/null 2>&1 && fail "the retune dialog stayed open"
# Retuning moves no marker; the next double-click on the open low E string,
# now D, lights D's scale for the new tuning.
expect_screen retuned neck "$WORK/blank.png" "$CX" "$CY" 7 $pentatonic_minor 0,0,0,0,0,0
double_click 29 153
counts=$(expect_screen drop-d neck "$WORK/blank.png" "$CX" "$CY" 5 $pentatonic_minor -2,0,0,0,0,0)
echo "$counts"
expect_counts "${counts#*: }" "lit 60 navy 12"
expect_screen drop-d-chord chords "$WORK/blank.png" "$CX" "$CY" $c_minor

# Widen the window by 100 pixels: the scale area follows, a teal seam at its right.
xdotool windowsize "$MAIN_WINDOW" $((WIN_WIDTH + 100)) "$WIN_HEIGHT"
expect_screen wide seam "$CX" "$CY" $((WIN_WIDTH + 100))

# Settings, Default Screen Size: back to the first size, the seam with it.
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key alt+t
wait_for_popups 2
xdotool key d
wait_for_popups 1
expect_screen default-size seam "$CX" "$CY" "$WIN_WIDTH"
eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
[ "$WIDTH" -eq "$WIN_WIDTH" ] && [ "$HEIGHT" -eq "$WIN_HEIGHT" ] \
    || fail "Default Screen Size left the window ${WIDTH}x$HEIGHT"

# File, Exit: the program ends by itself and its window is gone from the screen.
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key alt+f
wait_for_popups 2
xdotool key x
for _ in $(seq $((PATIENCE * 20))); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$APP_PID" 2>/dev/null && fail "the program is still running after File, Exit"
status=0
wait "$APP_PID" || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$WORK/fretlark.log")"
expect_screen gone same "$WORK/before.png" "$WIN_X" "$WIN_Y" "$WIN_WIDTH" "$WIN_HEIGHT"
echo "end-to-end run passed"
