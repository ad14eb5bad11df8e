#!/usr/bin/env bash
# Soak run, not a test: the real program on a display of its own with the
# orbital flight on for MINUTES (10) minutes, and every few seconds a hover
# across the globe and a switch to another body (the body menu). Resident
# memory (VmRSS) is sampled every 10 s; the growth after the first minute
# should stay under 1 MB. Prints the samples and the summary.
# Usage: tools/soak/long_run.sh <skyvale> (nice it: it keeps a core busy).
set -u
exe="$1"
minutes=${MINUTES:-10}
source "$(dirname "$0")/../../tests/program/session.sh"
private_display

rss() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"; }
start --__log_level 2
welcome=$(window Welcome) && [ -n "$welcome" ] || fail "no welcome question"
xdotool windowfocus --sync "$welcome" key Escape
main=$(window Skyvale) && [ -n "$main" ] || fail "no main window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
# The bottom row: the flight button is the seventh, the body menu the third.
xdotool mousemove --window "$main" 239 $((HEIGHT - 15)) click 1
t0=$(date +%s) next=0 step=0 samples=()
while [ $(($(date +%s) - t0)) -lt $((minutes * 60)) ]; do
    kill -0 "$pid" 2> /dev/null || fail "the program ended"
    now=$(($(date +%s) - t0))
    if [ "$now" -ge "$next" ]; then
        samples+=("$now $(rss)")
        echo "t=${now}s rss=$(rss) kB"
        next=$((next + 10))
    fi
    step=$((step + 1))
    for x in $(seq 150 40 650); do xdotool mousemove --window "$main" "$x" $((HEIGHT / 3)); sleep 0.02; done
    xdotool mousemove --window "$main" 84 $((HEIGHT - 15)) click 1
    sleep 0.3
    downs=$(for _ in $(seq $((step % 12))); do printf 'Down '; done)
    xdotool key $downs Return
    # The first round visits every body quickly, so that the one-minute mark
    # already holds the biggest texture and what follows shows growth only.
    sleep $([ "$step" -le 12 ] && echo 1 || echo 3)
done
first=$(printf '%s\n' "${samples[@]}" | awk '$1 >= 60 { print $2; exit }')
last=$(printf '%s\n' "${samples[@]}" | tail -n 1 | cut -d' ' -f2)
echo "start ${samples[0]#* } kB, at 1 min $first kB, end $last kB"
# The resident size swings by the size of whichever map is on the sphere, so
# growth compares the lowest and the highest sample of the second minute
# with those of the last one.
printf '%s\n' "${samples[@]}" | awk -v end=$((minutes * 60 - 60)) '
    $1 >= 60 && $1 < 120 { lo1 = (lo1 == "" || $2 < lo1) ? $2 : lo1; hi1 = ($2 > hi1) ? $2 : hi1 }
    $1 >= end { lo2 = (lo2 == "" || $2 < lo2) ? $2 : lo2; hi2 = ($2 > hi2) ? $2 : hi2 }
    END { printf "growth after the first minute: lowest %+d kB, highest %+d kB\n", lo2 - lo1, hi2 - hi1 }'
grep -c "TEXTURE" "$home/log" | sed 's/^/bodies loaded: /'
grep -q "\[ERR\]" "$home/log" && grep "\[ERR\]" "$home/log" | sort | uniq -c | head
exit 0
