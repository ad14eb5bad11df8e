#!/usr/bin/env bash
# The real program as a user meets it, on the display of the test run (Xvfb)
# with a private home, driven from outside with xdotool:
#  1. first start: the welcome question appears; Escape answers "No";
#  2. hovering the globe from the top down reaches London, whose city line
#     the console log shows; Ctrl+A shows every city;
#     the third button of the bottom row ("Choose Planet") opens the body
#     menu, where the fifth entry is Mars; Ctrl+W closes the last window and
#     the program ends with exit code 0;
#  3. second start: no welcome question, Mars again, every city still shown
#     (Ctrl+A now hides them: "sel:120"), and the log level comes from the
#     command line.
set -u
exe="$1"
source "$(dirname "$0")/session.sh"

start
welcome=$(window Welcome) && [ -n "$welcome" ] || fail "no welcome question"
xdotool windowfocus --sync "$welcome" key Escape
logged "NO" || fail "Escape did not answer No"
main=$(window Skyvale) && [ -n "$main" ] || fail "no main window"
logged "CITIES:120" || fail "the view was not set up"
eval "$(xdotool getwindowgeometry --shell "$main")"
for y in $(seq 40 3 $((HEIGHT / 2))); do
    xdotool mousemove --window "$main" $((WIDTH / 2)) "$y"
    sleep 0.03
    grep -qF "city:London, ID:2" "$home/log" && break
done
logged "city:London, ID:2, at lat:51.51, lon:-0.13, citizens:8900000" || fail "hovering did not find London"
xdotool windowfocus --sync "$main" key ctrl+a
logged "Window::on_select_all, sel:0" || fail "Ctrl+A did not reach the window"
xdotool mousemove --window "$main" 84 $((HEIGHT - 15)) click 1
sleep 0.5
xdotool key Down Down Down Down Down Return
logged "TEXTURE,':/wb/img/2k_mars.jpg'" || fail "Mars was not chosen"
xdotool windowfocus --sync "$main" key ctrl+w
ended

start --__log_level 3
main=$(window Skyvale) && [ -n "$main" ] || fail "no main window at the second start"
logged "CITIES:120" || fail "the view was not set up at the second start"
logged "TEXTURE,':/wb/img/2k_mars.jpg'" || fail "Mars was not kept"
[ -z "$(xdotool search --onlyvisible --name '^Welcome$' 2>/dev/null)" ] || fail "welcome question after No"
xdotool windowfocus --sync "$main" key ctrl+a
logged "Window::on_select_all, sel:120" || fail "the shown cities were not kept"
grep -q "\[TRA\]" "$home/log" && fail "trace lines despite --__log_level 3"
xdotool key ctrl+w
ended
echo "user session passed"
