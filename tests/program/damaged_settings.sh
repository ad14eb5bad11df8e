#!/usr/bin/env bash
# The real program on a damaged settings file. A first run leaves a sound
# file (every city shown, so the cities' bytes "ba" are not all zero); then,
# for each damage below, a start on the damaged copy must show the main
# window, log what it refused, stay under 600 MB, end with exit code 0 on
# Ctrl+W and leave a sound file again. Where the window node survives, a
# further start must read that file with no ERR or WRN line at all.
set -u
exe="$1"
source "$(dirname "$0")/session.sh"
private_display

start
welcome=$(window Welcome) && [ -n "$welcome" ] || fail "no welcome question at the first start"
xdotool windowfocus --sync "$welcome" key Escape
main=$(window Skyvale) && [ -n "$main" ] || fail "no main window at the first start"
logged "CITIES:120" || fail "the view was not set up"
xdotool windowfocus --sync "$main" key ctrl+a
logged "Window::on_select_all, sel:0" || fail "Ctrl+A did not reach the window"
close_main
sound || fail "the first run left no sound file"
cp "$conf" "$home/good.conf"
size=$(stat -c %s "$home/good.conf")
# The window node starts with its attribute "ba": key at byte 10, type at 18,
# byte count at 23 (the damages below rely on that).
node_bytes Window/CWinPlanets_0 > "$home/node.bin"
[ "$(od -An -tx1 -j10 -N12 "$home/node.bin" | tr -d ' \n')" = 00000004006200610000000c ] ||
    fail "the window node does not start with 'ba'"

# The good file with the window node's value replaced by $1.
window_value() { sed "s|^CWinPlanets_0=.*|CWinPlanets_0=$1|" "$home/good.conf" > "$conf"; }
# The good window node with the bytes $2 (hex) written at byte $1.
patched_node() {
    cp "$home/node.bin" "$home/patched.bin"
    printf "$(sed 's/../\\x&/g' <<< "$2")" | dd of="$home/patched.bin" bs=1 seek="$1" conv=notrunc status=none
    window_value "\"$(base64 -w0 "$home/patched.bin")\""
}
# $1 random bytes over the good file at random places, from seed $2.
random_bytes() {
    cp "$home/good.conf" "$conf"
    RANDOM=$2
    for _ in $(seq "$1"); do
        printf "\\x$(printf %02x $((RANDOM % 256)))" |
            dd of="$conf" bs=1 seek=$(((RANDOM * 32768 + RANDOM) % size)) conv=notrunc status=none
    done
}

# One start on the damaged file: $1 names the damage, $2 is what the log must
# show (empty: any reaction, damage may hit bytes that still read), $3 "again"
# asks for the further clean start.
tried=0 refused=0
check() {
    tried=$((tried + 1))
    start
    main=$(window Skyvale) && [ -n "$main" ] || fail "$1: no main window"
    logged "CITIES:120" || fail "$1: the view was not set up"
    [ -z "$2" ] || grep -qF -- "$2" "$home/log" || fail "$1: '$2' not logged"
    grep -qE '\[(ERR|WRN)\]|current version:99' "$home/log" && refused=$((refused + 1))
    [ "$(peak_kb)" -lt 600000 ] || fail "$1: peak memory $(peak_kb) kB"
    close_main
    sound || fail "$1: no sound file after a clean quit"
    [ "${3:-}" = again ] || return 0
    start
    main=$(window Skyvale) && [ -n "$main" ] || fail "$1: no main window on the rewritten file"
    logged "CITIES:120" || fail "$1: the view was not set up on the rewritten file"
    ! grep -E "\[(ERR|WRN)\]" "$home/log" || fail "$1: the rewritten file was not read cleanly"
    close_main
}

for k in $(seq 0 15); do
    head -c $((size * k / 16)) "$home/good.conf" > "$conf"
    # The version is the file's last line: every cut loses it.
    check "cut at $k/16" "check_update_config, current version:99"
done
for seed in 1 2 3; do
    random_bytes 24 "$seed"
    check "random bytes, seed $seed" "" "$([ "$seed" = 1 ] && echo again)"
done
window_value 42
check "a number as window node" "from_qstring, failed to read magic" again
window_value '"R05PRAAB/////w=="'
check "a node text cut after its header" "key read error!, at index:0" again
window_value '@Rect(1 2 3 4)'
check "a rectangle as window node" "GSettings::get_node, 'Window/CWinPlanets_0' holds no node text" again
window_value "$(sed -n 's/^app=//p' "$home/good.conf")"
check "the application node as window node" ""
patched_node 23 7ffffff0
check "'ba' of 2 GB" "val read error!, at index:0" again
patched_node 23 80000000
check "'ba' of negative length" "val read error!, at index:0" again
patched_node 18 0000000a
check "'ba' as a text" "'ba' holds" again
echo "damaged settings passed: $tried damaged files, $refused with a refusal logged"
