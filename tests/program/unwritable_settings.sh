#!/usr/bin/env bash
# The real program where its settings cannot be written:
#  1. a regular file where the settings folder should be: the program runs
#     (the view is set up, Ctrl+A reaches it), every write it tries gives its
#     ERROR line, and the file in the folder's place is untouched;
#  2. the settings folder read-only (chmod for a normal user; for root, which
#     chmod does not stop, a read-only bind mount in a private mount
#     namespace): same, and the sound file in it keeps every byte.
# Exit code 77 (skipped) only when neither way of making it read-only works.
set -u
exe="$1"
source "$(dirname "$0")/session.sh"
private_display

# One run: start with "$@" as the program's command, show Ctrl+A working,
# quit, and count the writes tried against their ERROR lines.
unwritable_run() {
    "$@" > "$home/log" 2>&1 &
    pid=$!
    main=$(window Skyvale) && [ -n "$main" ] || fail "$case: no main window"
    logged "CITIES:120" || fail "$case: the view was not set up"
    if [ "$case" = "file as folder" ]; then  # nothing read: the welcome question
        welcome=$(window Welcome) && [ -n "$welcome" ] || fail "$case: no welcome question"
        xdotool windowfocus --sync "$welcome" key Escape
    fi
    xdotool windowfocus --sync "$main" key ctrl+a
    logged "Window::on_select_all" || fail "$case: Ctrl+A did not reach the window"
    close_main
    # Every node written at the close (the window twice, the application
    # once) and every write of the version check must have failed aloud.
    tries=$(grep -cE "GMainWindow::sync_win_settings|GSettings::clear_config$|check_update_config - CLEAR" "$home/log")
    tries=$((tries + 1))  # the application node at quit
    failed=$(grep -cF "[ERR]" <(grep -F "GSettings::flush, write failed" "$home/log"))
    [ "$failed" -ge "$tries" ] || fail "$case: $tries writes, $failed ERROR lines"
}

case="file as folder"
mkdir -p "$XDG_CONFIG_HOME"
echo "not a folder" > "$XDG_CONFIG_HOME/skyvale.org"
unwritable_run "$exe"
[ "$(cat "$XDG_CONFIG_HOME/skyvale.org")" = "not a folder" ] || fail "$case: the file was changed"
rm "$XDG_CONFIG_HOME/skyvale.org"
echo "$case: $failed failed writes, all logged"

# A sound file first, then the folder read-only.
start
welcome=$(window Welcome) && [ -n "$welcome" ] || fail "no welcome question"
xdotool windowfocus --sync "$welcome" key Escape
main=$(window Skyvale) && [ -n "$main" ] || fail "no main window"
logged "CITIES:120" || fail "the view was not set up"
close_main
sound || fail "the first run left no sound file"
cp "$conf" "$home/good.conf"
folder="$XDG_CONFIG_HOME/skyvale.org"
case="read-only folder"
if [ "$(id -u)" != 0 ]; then
    chmod 555 "$folder"
    unwritable_run "$exe"
    chmod 755 "$folder"
elif unshare -m true 2>/dev/null; then
    unwritable_run unshare -m sh -c 'mount --bind -o ro "$0" "$0" && exec "$@"' "$folder" "$exe"
else
    echo "SKIPPED: root without mount namespaces: the folder cannot be made read-only"
    exit 77
fi
cmp -s "$conf" "$home/good.conf" || fail "$case: the stored file changed"
[ -z "$(ls -A "$folder" | grep -v '^skyvale.conf$')" ] || fail "$case: files left in the folder"
echo "$case: $failed failed writes, all logged; unwritable settings passed"
