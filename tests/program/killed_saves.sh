#!/usr/bin/env bash
# The program SIGKILLed while it writes its settings, 100 times (a logout
# that does not wait). Each run starts on the file the run before left,
# opens three more windows with Ctrl+N, gives each a new size and closes
# all four with Ctrl+W: every close writes the file twice. At a random moment
# soon after the first close begins the program is killed. Afterwards the
# file must read back sound (settings_check: version, every node whole, 1000
# city bytes per window, no key of the earlier file lost) and the next start
# must not hang on a lock the dead process left. After a last clean run
# nothing but the file and the temporaries of killed writes may be left.
# Two workers run side by side, each on a display of its own, so that focus
# and keys belong to one program only; RUNS and SEED may be set from outside.
set -u
exe="$1"
check="$2"
runs=${RUNS:-100}
seed=${SEED:-$$}

if [ "${3:-}" != worker ]; then
    out=$(mktemp -d)
    trap 'rm -rf "$out"' EXIT
    for w in 1 2; do
        bash "$0" "$exe" "$check" worker $((seed + w)) $((runs / 2)) > "$out/$w" 2>&1 &
    done
    wait
    cat "$out"/*
    grep -q "^FAILED" "$out"/* && exit 1
    awk '/^killed/ { k += $2; i += $4; c += $8; t += $12 }
         END { printf "killed saves passed: %d kills, %d inside a write, %d changed the file, %d temporaries left\n", k, i, c, t }' "$out"/*
    exit 0
fi

RANDOM=$4
source "$(dirname "$0")/session.sh"
private_display

dir="$XDG_CONFIG_HOME/skyvale.org"
# A first clean run writes the file the kills start from (the welcome
# question answered "No").
start
welcome=$(window Welcome) && [ -n "$welcome" ] || fail "no welcome question"
xdotool windowfocus --sync "$welcome" key Escape
main=$(window Skyvale) && [ -n "$main" ] || fail "no main window"
xdotool windowfocus --sync "$main" key ctrl+w
ended
"$check" "$conf" > /dev/null || fail "the clean run left no sound file"

kills=0 inside=0 changed=0
for run in $(seq "$5"); do
    cp "$conf" "$home/before"
    start
    main=$(window Skyvale) && [ -n "$main" ] || fail "run $run (seed $4): no window"
    xdotool windowfocus --sync "$main" key ctrl+n ctrl+n ctrl+n
    for _ in $(seq 100); do
        wins=$(xdotool search --maxdepth 1 --onlyvisible --pid "$pid" 2> /dev/null)
        [ "$(echo "$wins" | wc -l)" -ge 4 ] && break
        sleep 0.05
    done
    keys=()
    # A new size for each window, so that each save changes the file.
    for w in $wins; do
        keys+=(windowsize "$w" $((500 + RANDOM % 300)) $((400 + RANDOM % 200)) windowfocus --sync "$w" key ctrl+w)
    done
    xdotool "${keys[@]}" 2> /dev/null &
    keyer=$!
    for _ in $(seq 2000); do grep -q closeEvent "$home/log" && break; sleep 0.002; done
    sleep "$(printf '0.%03d' $((RANDOM % 60)))"
    kill -9 "$pid" 2> /dev/null
    wait "$pid" 2> /dev/null
    code=$?
    [ $code -eq 137 ] && kills=$((kills + 1))
    [ $code -eq 137 ] || [ $code -eq 0 ] || fail "run $run (seed $4): exit code $code"
    grep -q "Sanitizer\|runtime error" "$home/log" && fail "run $run: sanitizer report"
    [ -e "$conf.lock" ] && inside=$((inside + 1))
    kill "$keyer" 2> /dev/null
    cmp -s "$conf" "$home/before" || changed=$((changed + 1))
    "$check" "$conf" "$home/before" > "$home/check" || fail "run $run (seed $4): $(cat "$home/check")"
done
start
main=$(window Skyvale) && [ -n "$main" ] || fail "no window after the kills"
xdotool windowfocus --sync "$main" key ctrl+w
ended
# Qt's save file leaves its named temporary behind when killed between
# creating and renaming it; nothing else may stay, and not more of them than
# kills inside a write.
ls -A "$dir" | grep -v '^skyvale\.conf\(\.[A-Za-z0-9]\{6\}\)\?$' && fail "left beside the file"
temps=$(($(ls -A "$dir" | wc -l) - 1))
[ "$temps" -le "$inside" ] || fail "$temps temporaries after $inside kills inside a write"
[ "$inside" -gt 0 ] && [ "$changed" -gt 0 ] || fail "no kill inside a write ($inside) or no save ($changed)"
echo "killed $kills times, $inside inside a write, $changed changed the file, $temps temporaries left"
