#!/usr/bin/env bash
# The real program as a user meets it, on the display of the test run (Xvfb)
# with a private home, driven from outside with xdotool:
#  1. first start: the welcome question appears; Escape answers "No";
#  2. hovering the globe from the top down reaches London, whose city line
#     the console log shows; Ctrl+A shows every city; Ctrl+W closes the last
#     the third button of the bottom row ("Choose Planet") opens the body
#     menu, where the fifth entry is Mars; Ctrl+W closes the last window and
#     the program ends with exit code 0;
#  3. second start: no welcome question, Mars again, every city still shown
#     (Ctrl+A now hides them: "sel:120"), and the log level comes from the
#     command line.
set -u
exe="$1"
home=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/rt"
mkdir -m 700 "$XDG_RUNTIME_DIR"
fail() { echo "FAILED: $*"; echo "--- log:"; tail -n 30 "$home/log"; exit 1; }

# A visible window whose title is exactly $1, within 20 s.
window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
# Waits up to 20 s for the log to contain $1.
logged() { for _ in $(seq 200); do grep -qF -- "$1" "$home/log" && return 0; sleep 0.1; done; return 1; }
# Waits for the program to end and checks its exit code.
ended() {
    for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    wait "$pid"; code=$?
    [ "$code" -eq 0 ] || fail "exit code $code"
}

"$exe" > "$home/log" 2>&1 &
pid=$!
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

"$exe" --__log_level 3 > "$home/log" 2>&1 &
pid=$!
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
