#!/usr/bin/env bash
# Two instances of the real program on one settings file at once. Both
# number their first window 0, so both keep it under "CWinPlanets_0": the
# instance that writes last wins that key, while a key only one of them
# writes survives the other's writes (QSettings merges on every write).
#  A: shows every city (Ctrl+A), quits last;
#  B: opens a second window (Ctrl+N, "CWinPlanets_1"), quits first.
# Afterwards the file is sound, holds B's second window and A's first.
set -u
exe="$1"
source "$(dirname "$0")/session.sh"
private_display
trap 'kill ${pid_A:-} ${pid_B:-} $xvfb_pid 2>/dev/null; rm -rf "$home"' EXIT

# Starts instance $1 with its log in $home/log.$1; sets pid_$1.
start_as() { "$exe" > "$home/log.$1" 2>&1 & eval "pid_$1=$!"; }
# The visible top-level windows of process $1 (ids, one a line; the views'
# GL windows are their children), waiting for $2 of them.
windows_of() {
    local found=""
    for _ in $(seq 100); do
        found=$(xdotool search --maxdepth 1 --onlyvisible --pid "$1" 2>/dev/null)
        [ "$(grep -c . <<< "$found")" -ge "$2" ] && break
        sleep 0.2
    done
    echo "$found"
}
log_has() { for _ in $(seq 200); do grep -qF -- "$2" "$home/log.$1" && return 0; sleep 0.1; done; return 1; }
# Ctrl+W on every window of instance $1, the newest first; then exit code 0
# (a failure shows that instance's log).
quit_all() {
    eval "pid=\$pid_$1"
    for w in $(xdotool search --maxdepth 1 --onlyvisible --pid "$pid" 2>/dev/null | tac); do
        xdotool windowfocus --sync "$w" key ctrl+w
        sleep 0.3
    done
    ln -sf "log.$1" "$home/log"
    ended
}

start_as A
welcome=$(window Welcome) && [ -n "$welcome" ] || fail "A: no welcome question"
xdotool windowfocus --sync "$welcome" key Escape
log_has A "CITIES:120" || fail "A: the view was not set up"
start_as B
log_has B "CITIES:120" || fail "B: the view was not set up"
# A has not written yet: B asks too.
welcome=$(window Welcome) && [ -n "$welcome" ] || fail "B: no welcome question"
xdotool windowfocus --sync "$welcome" key Escape

main_A=$(windows_of "$pid_A" 1 | head -n 1)
xdotool windowfocus --sync "$main_A" key ctrl+a
log_has A "Window::on_select_all, sel:0" || fail "A: Ctrl+A did not reach the window"
main_B=$(windows_of "$pid_B" 1 | head -n 1)
xdotool windowfocus --sync "$main_B" key ctrl+n
[ "$(windows_of "$pid_B" 2 | grep -c .)" -eq 2 ] || fail "B: Ctrl+N opened no second window"

quit_all B
grep -q "^CWinPlanets_1=" "$conf" || fail "B's second window was not stored"
quit_all A
sound || fail "the file is not sound after both quit"
grep -q "^CWinPlanets_1=" "$conf" || fail "A's write lost B's second window"
# A's first window won "CWinPlanets_0": its cities' bytes are not all zero.
[ "$(node_bytes Window/CWinPlanets_0 | od -An -tx1 -j27 -N1000 | tr -d ' 0\n')" != "" ] ||
    fail "CWinPlanets_0 is not A's window"
echo "two instances passed"
