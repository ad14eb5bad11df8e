# Shared by the end-to-end scripts: sourced, never run. Gives the script a
# private home (settings, runtime folder) removed at exit, and helpers that
# wait for the real program's windows, log lines and exit.
# Expects: $exe set by the caller. Sets: $home, $pid after start and
# $xvfb_pid after private_display; a script that sets its own exit trap ends
# those itself.
home=$(mktemp -d)
pid=""
xvfb_pid=""
trap 'kill $pid $xvfb_pid 2>/dev/null; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/rt"
mkdir -m 700 "$XDG_RUNTIME_DIR"
fail() { echo "FAILED: $*"; echo "--- log:"; tail -n 30 "$home/log"; exit 1; }

# Starts the program with the given arguments, its output going to $home/log.
start() { "$exe" "$@" > "$home/log" 2>&1 & pid=$!; }
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

# ---- settings files (damaged, unwritable, shared) --------------------------
conf="$XDG_CONFIG_HOME/skyvale.org/skyvale.conf"
# Answers the welcome question No when it is showing.
no_welcome() {
    local w
    w=$(xdotool search --onlyvisible --name '^Welcome$' 2>/dev/null | head -n 1)
    [ -z "$w" ] || xdotool windowfocus --sync "$w" key Escape
}
# Peak resident memory of the running program, kB.
peak_kb() { awk '/^VmHWM/ { print $2 }' "/proc/$pid/status"; }
# Ctrl+W on the main window $main (the last window: the program ends), then
# the exit code must be 0. A welcome question mapped late blocks the keys:
# it is answered and the keys sent again.
close_main() {
    for _ in 1 2 3; do
        no_welcome
        xdotool windowfocus --sync "$main" key ctrl+w 2>/dev/null
        for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break 2; sleep 0.1; done
    done
    ended
}
# The stored value of $1 ("Window/CWinPlanets_0", "GApplication/app") as the
# node's bytes, written to stdout.
node_bytes() {
    awk -v g="[${1%%/*}]" -v k="${1#*/}=" '/^\[/ { in_g = ($0 == g) }
        in_g && index($0, k) == 1 { v = substr($0, length(k) + 1); gsub(/"/, "", v); print v }' "$conf" |
        base64 -d 2>/dev/null
}
# Sound: stamped with the program's version, and both nodes are node texts.
sound() {
    grep -qx "version=20028" "$conf" || return 1
    [ "$(node_bytes GApplication/app | head -c 4)" = GNOD ] || return 1
    [ "$(node_bytes Window/CWinPlanets_0 | head -c 4)" = GNOD ]
}

# ---- a display of the script's own -----------------------------------------
# Starts an Xvfb that picks a free display number itself (no race between
# scripts started together), points DISPLAY at it and ends it at exit, so
# that the script's focus and keys never meet another test's windows and it
# may run beside the rest of the suite.
private_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$home/display" 2> /dev/null &
    xvfb_pid=$!
    disown "$xvfb_pid"
    for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(cat "$home/display")"
}
