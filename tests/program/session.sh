# Shared by the end-to-end scripts: sourced, never run. Gives the script a
# private home (settings, runtime folder) removed at exit, and helpers that
# wait for the real program's windows, log lines and exit.
# Expects: $exe set by the caller. Sets: $home, and $pid after start.
home=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$home"' EXIT
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
