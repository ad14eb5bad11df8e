#!/usr/bin/env bash
# Many windows: 20 opened with Ctrl+N and closed with Ctrl+W, twice (the
# first round fills the caches). After the second round resident memory is
# within 5 MB of what it was before it, and every closed window and its log
# panel is gone (their debug lines counted). In the AddressSanitizer build
# the run must also end without any sanitizer report (LSAN_OPTIONS may name
# tests/program/lsan.supp for the libraries' own leaks).
set -u
exe="$1"
source "$(dirname "$0")/session.sh"
private_display

rss() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"; }
visible() { xdotool search --maxdepth 1 --onlyvisible --pid "$pid" 2> /dev/null | wc -l; }
until_visible() { for _ in $(seq 600); do [ "$(visible)" -eq "$1" ] && return 0; sleep 0.1; done; return 1; }
round() {
    local keys=()
    for _ in $(seq 20); do keys+=(ctrl+n); done
    xdotool windowfocus --sync "$main" key --delay 100 "${keys[@]}"
    until_visible 21 || fail "round $1: $(visible) windows, not 21"
    keys=()
    for w in $(xdotool search --maxdepth 1 --onlyvisible --pid "$pid"); do
        [ "$w" = "$main" ] || keys+=(windowfocus --sync "$w" key ctrl+w)
    done
    xdotool "${keys[@]}" 2> /dev/null
    until_visible 1 || fail "round $1: $(visible) windows left open"
    sleep 1
    for what in GMainWindow::~GMainWindow GLogView::~GLogView; do
        [ "$(grep -c "$what" "$home/log")" -eq $((20 * $1)) ] || fail "round $1: $what $(grep -c "$what" "$home/log") times"
    done
}

start
welcome=$(window Welcome) && [ -n "$welcome" ] || fail "no welcome question"
xdotool windowfocus --sync "$welcome" key Escape
main=$(window Skyvale) && [ -n "$main" ] || fail "no main window"
logged "CITIES:120" || fail "the view was not set up"
round 1
before=$(rss)
round 2
after=$(rss)
echo "resident memory before the second round $before kB, after $after kB"
# The AddressSanitizer build holds freed memory back on purpose: it sets this.
[ $((after - before)) -le "${MEMORY_SLACK_KB:-5120}" ] || fail "memory grew by $((after - before)) kB"
close_main
grep -q "Sanitizer\|runtime error" "$home/log" && fail "sanitizer report"
echo "many windows passed"
