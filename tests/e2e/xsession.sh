# shellcheck shell=bash
# A private X session for driving the real program: Xvfb on a free display with openbox as its
# window manager, plus small helpers to find, wait for and poke the program's windows.
# Sourced by tests/e2e/run.sh and scripts/bench; both call xs_start once and xs_stop from
# their exit trap.
#
# Windows are found by the process that owns them (_NET_WM_PID, which Qt sets) and compared
# by title in bash, so titles with brackets or non-ASCII letters need no regex escaping.
# Safe under `set -e`: commands that may fail on a process already gone are guarded.

XS_TMP=""
XS_XVFB_PID=""
XS_WM_PID=""

# (Bash's own clock where it has one: the waits read it at every poll.)
if [ -n "${EPOCHREALTIME:-}" ]; then
    xs_now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }
else
    xs_now_ms() { echo $(($(date +%s%N) / 1000000)); }
fi

# Starts Xvfb (1024x768x24, or $XS_SCREEN) on a display it picks itself (-displayfd) and openbox on it;
# exports DISPLAY. Returns non-zero if either does not come up within 10 s.
xs_start() {
    XS_TMP=$(mktemp -d /tmp/zor-xsession.XXXXXX)
    local fdfile=$XS_TMP/display n="" i
    : >"$fdfile"
    Xvfb -displayfd 9 -screen 0 "${XS_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
        9>"$fdfile" >"$XS_TMP/xvfb.log" 2>&1 &
    XS_XVFB_PID=$!
    for ((i = 0; i < 200; i++)); do
        n=$(tr -dc '0-9' 2>/dev/null <"$fdfile")
        [ -n "$n" ] && [ "$(wc -l <"$fdfile")" -ge 1 ] && break
        kill -0 "$XS_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    if [ -z "$n" ]; then
        echo "# Xvfb did not start:" >&2
        sed 's/^/#   /' "$XS_TMP/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$n"
    # openbox keeps its own settings and caches in the session folder, not in the caller's home.
    mkdir -p "$XS_TMP/wm"
    XDG_CONFIG_HOME=$XS_TMP/wm XDG_CACHE_HOME=$XS_TMP/wm XDG_DATA_HOME=$XS_TMP/wm \
        openbox --sm-disable >"$XS_TMP/openbox.log" 2>&1 &
    XS_WM_PID=$!
    for ((i = 0; i < 200; i++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$XS_WM_PID" 2>/dev/null || break
        sleep 0.05
    done
    echo "# openbox did not start:" >&2
    sed 's/^/#   /' "$XS_TMP/openbox.log" >&2
    return 1
}

# Stops openbox and Xvfb (only the processes xs_start started) and removes the session folder.
xs_stop() {
    local p
    for p in "$XS_WM_PID" "$XS_XVFB_PID"; do
        [ -n "$p" ] || continue
        kill "$p" 2>/dev/null || true
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "$p" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    XS_WM_PID="" XS_XVFB_PID=""
    [ -n "$XS_TMP" ] && rm -rf "$XS_TMP"
    XS_TMP=""
}

# True while the process runs (a zombie counts as ended).
xs_alive() {
    local stat state
    [ -n "$1" ] && read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    # The state follows the command name, which is in parentheses and may hold blanks.
    state=${stat##*) }
    state=${state%% *}
    [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

# Ends a process we started: TERM, then KILL after 2 s. Reaps it if it is our child.
xs_kill() {
    local pid=$1 i
    [ -n "$pid" ] || return 0
    if xs_alive "$pid"; then
        kill "$pid" 2>/dev/null || true
        for ((i = 0; i < 20; i++)); do
            xs_alive "$pid" || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
    return 0
}

# Prints "<window id> <title>" for every viewable window of process $1.
xs_windows() {
    local w
    for w in $(timeout 5 xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        printf '%s %s\n' "$w" "$(timeout 5 xdotool getwindowname "$w" 2>/dev/null)"
    done
}

# Prints the id of the first viewable window of process $1 whose title starts with $2.
xs_find() {
    local w name
    while read -r w name; do
        [ -n "$w" ] || continue
        if [[ $name == "$2"* ]]; then
            echo "$w"
            return 0
        fi
    done < <(xs_windows "$1")
    return 1
}

# Waits up to $3 milliseconds for a viewable window of process $1 whose title starts with $2 and
# prints its id. Fails early if the process ends.
xs_wait_window() {
    local pid=$1 prefix=$2 deadline w
    deadline=$(($(xs_now_ms) + $3))
    # Looks once at least, however short the wait: on a busy machine the clock may pass the
    # deadline before the first look.
    while :; do
        w=$(xs_find "$pid" "$prefix") && { echo "$w"; return 0; }
        xs_alive "$pid" || return 1
        [ "$(xs_now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Waits up to $3 milliseconds until process $1 has no viewable window whose title starts with $2.
xs_wait_gone() {
    local pid=$1 prefix=$2 deadline
    deadline=$(($(xs_now_ms) + $3))
    while :; do
        xs_find "$pid" "$prefix" >/dev/null || return 0
        [ "$(xs_now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Waits up to $2 milliseconds for process $1 (our child) to end; its exit status goes to XS_RC.
# Not for use inside $(...): only the shell that started the process can collect its status.
# shellcheck disable=SC2034  # read by the scripts that source this file
XS_RC=""
xs_wait_exit() {
    local pid=$1 deadline
    XS_RC=""
    deadline=$(($(xs_now_ms) + $2))
    while xs_alive "$pid"; do
        [ "$(xs_now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
    # shellcheck disable=SC2034
    wait "$pid" 2>/dev/null && XS_RC=0 || XS_RC=$?
    return 0
}

# Prints "X Y" of the client area's top-left corner of window $1 on the root window.
xs_origin() {
    timeout 5 xwininfo -id "$1" 2>/dev/null |
        awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {if (x != "") print x, y}'
}

# Prints "W H" of window $1's client area.
xs_size() {
    timeout 5 xwininfo -id "$1" 2>/dev/null |
        awk '/^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {if (w != "") print w, h}'
}

# Gives window $1 the keyboard focus through the window manager, then types the keys $2...
xs_key() {
    local w=$1
    shift
    timeout 5 xdotool windowactivate --sync "$w" >/dev/null 2>&1 ||
        timeout 5 xdotool windowfocus --sync "$w" >/dev/null 2>&1
    timeout 5 xdotool key --clearmodifiers "$@"
}

# Asks the window manager to close window $1 as the player would, with Alt+F4.
xs_close() {
    xs_key "$1" alt+F4
}
