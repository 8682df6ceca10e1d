#!/usr/bin/env bash
# Shared by every end-to-end script: argument checks, the X session, result lines and the
# helpers that start, drive, photograph and end the program. Source it with the script's own
# arguments:
#
#   source "$(dirname "${BASH_SOURCE[0]}")/common.sh" <program> <game folder> <screenshot folder>
#
# Every scenario runs the program (by its own path, never a copy) from a fresh temporary copy
# of the game folder with its own HOME and desktop folder, so nothing of the caller's is read
# or written. Each check prints one "ok - ..." / "not ok - ..." line; finish prints
# "N passed, M failed" and exits non-zero if any check failed.

set -u

if [ $# -ne 3 ]; then
    echo "usage: $0 <program> <game folder> <screenshot folder>" >&2
    exit 2
fi

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=SCRIPTDIR/xsession.sh
source "$HERE/xsession.sh"

PROG=$(realpath -e "$1" 2>/dev/null) || { echo "not ok - program $1 exists"; echo "0 passed, 1 failed"; exit 1; }
GAME=$(realpath -e "$2" 2>/dev/null) || { echo "not ok - game folder $2 exists"; echo "0 passed, 1 failed"; exit 1; }
SHOTS=$3
mkdir -p "$SHOTS"
SHOTS=$(realpath "$SHOTS")

LOADING_TITLE="Carregando Cassino ZOR..."
MENU_TITLE="Cassino ZOR - Menu Principal"
CHOOSER_TITLE="Cassino ZOR - Jogos"
APP_TITLE="·!¦[ Cassino ZOR ]¦!·"
WARNING_TITLE="Aviso"
COIN_TITLE='Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—'
# shellcheck disable=SC2016  # the backquotes are letters of the title
SLOT_TITLE='Cassino ZOR   -   ,.-~*´¨¯¨`*·~-.¸-(_Cåçå - ÑïQüèL_)-,.-~*´¨¯¨`*·~-.¸'
BLACKJACK_TITLE='Cassino ZOR   -    (¯`·._.·[ßlå¢kJå¢k]·._.·´¯)'
CONFIG_TITLE="Configurações"
DESIGN_TITLE="Tela de Design"
HELP_TITLE="Ajuda"
CASINO_TITLE="O Cassino ZOR"
DEVELOPERS_TITLE="Desenvolvedores"

# shellcheck source=SCRIPTDIR/results.sh
source "$HERE/results.sh"

WORK=""
APP_PID=""
cleanup() {
    if [ -n "$XW_IN" ]; then
        exec {XW_IN}>&- {XW_OUT}<&-
        XW_IN=""
    fi
    xs_kill "$XW_PID"
    xs_kill "$APP_PID"
    xs_stop
    [ -n "$WORK" ] && rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

for tool in Xvfb openbox xdotool xprop xwininfo import convert compare; do
    if ! command -v "$tool" >/dev/null; then
        not_ok "tool $tool is installed (scripts/install-deps)"
        echo "$PASSED passed, $FAILED failed"
        exit 1
    fi
done

WORK=$(mktemp -d /tmp/zor-e2e.XXXXXX)
if ! xs_start; then
    not_ok "Xvfb and openbox start"
    echo "$PASSED passed, $FAILED failed"
    exit 1
fi
note "X server $DISPLAY, program $PROG"

# ---------------------------------------------------------------------------------------------
# Helpers

# new_game <name>: a fresh game folder $G (data files and Config, never the program itself)
# with its own home $H and desktop folder $H/Desktop; warnings off.
new_game() {
    local f
    G=$WORK/$1/game
    H=$WORK/$1/home
    rm -rf "${WORK:?}/$1"
    mkdir -p "$G" "$H/Desktop" "$WORK/$1/runtime"
    chmod 700 "$WORK/$1/runtime"
    for f in "$GAME"/* "$GAME"/.[!.]*; do
        [ -e "$f" ] || continue
        [ "$(basename "$f")" = Config ] && continue
        [ "$f" -ef "$PROG" ] && continue
        cp -r "$f" "$G/"
    done
    rm -rf "$G/Config"
    cp -r "$GAME/Config" "$G/Config"
    printf n >"$G/Config/alerta.txt"
    G=$(realpath "$G")
}

# start_game <name>: runs the program from $G; sets APP_PID and T0 (ms).
start_game() {
    T0=$(xs_now_ms)
    (
        cd "$G" || exit 127
        exec env -u LC_ALL -u LC_MESSAGES -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
            HOME="$H" XDG_DESKTOP_DIR="$H/Desktop" XDG_RUNTIME_DIR="$WORK/$1/runtime" \
            SDL_AUDIODRIVER=dummy LANG=pt_BR.UTF-8 QT_QPA_PLATFORM=xcb \
            "$PROG"
    ) >"$WORK/$1/program.log" 2>&1 &
    APP_PID=$!
}

elapsed() { echo $(($(xs_now_ms) - T0)); }

# stop_game: ends the program of the current scenario if it still runs.
stop_game() {
    xs_kill "$APP_PID"
    APP_PID=""
}

# end_game <what>: closes the menu window as the player would and checks a clean exit.
end_game() {
    local menu
    if menu=$(xs_find "$APP_PID" "$MENU_TITLE"); then
        xs_close "$menu"
        if xs_wait_exit "$APP_PID" 5000; then
            check "$1: closing the menu window ends the program with status 0 (status $XS_RC)" [ "$XS_RC" = 0 ]
            APP_PID=""
        else
            not_ok "$1: closing the menu window ends the program within 5 s"
        fi
    else
        not_ok "$1: the menu window is there to be closed"
    fi
    stop_game
}

# Screenshots are written with zlib's quickest level: the default level takes several times as
# long on a full screen, which the many screenshots of a run would pay on the critical path.
PNG_FAST=(-define png:compression-level=1)

shot() {
    import -window root "${PNG_FAST[@]}" "$SHOTS/$1.png" 2>/dev/null
}

# grab_root <file.png>: a screenshot of the whole screen, for comparisons.
grab_root() {
    import -window root "${PNG_FAST[@]}" "$1" 2>/dev/null
}

# grab_client <window> <x> <y> <w> <h> <file.png>: one client rectangle of the window, cut out by
# the screenshot program itself.
grab_client() {
    local x y w h
    read -r x y w h < <(client_rect "$1" "$2" "$3" "$4" "$5")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "${PNG_FAST[@]}" "$6" 2>/dev/null
}

# ---------------------------------------------------------------------------------------------
# Waiting for what a step expects, instead of sleeping: each wait polls cheaply (every 50 ms, the
# screen through xwait.py's XGetImage rather than a screenshot program), returns as soon as its
# condition holds, and gives up after its time limit, so a loaded machine makes a run slower,
# never wrong. Every wait looks at least once, however short its time.
XWAIT=$HERE/xwait.py
XW_PID=""
XW_IN=""
XW_OUT=""

# xw <xwait.py command>...: runs the command in the run's one xwait.py server (started below),
# or in a process of its own for a timed watch (XWAIT_STAMP set) or without the server.
xw() {
    local rc out
    if [ -n "$XW_IN" ] && [ -z "${XWAIT_STAMP:-}" ]; then
        echo "$*" >&"$XW_IN"
        if ! read -r rc out <&"$XW_OUT"; then
            echo -1
            return 1
        fi
        [ -n "$out" ] && echo "$out"
        return "$rc"
    fi
    python3 -S "$XWAIT" "$@"
}

xw_start() {
    mkfifo "$WORK/xw.req" "$WORK/xw.resp" || return 1
    python3 -S "$XWAIT" serve <"$WORK/xw.req" >"$WORK/xw.resp" 2>"$WORK/xw.log" &
    XW_PID=$!
    exec {XW_IN}>"$WORK/xw.req" {XW_OUT}<"$WORK/xw.resp"
}
xw_start || note "xwait.py server did not start: each wait starts its own"

# xs_windows <pid>: as xsession.sh's, through the server: one request instead of an xdotool
# search and a title look-up a window, at every poll of every window wait.
if [ -n "$XW_IN" ]; then
    xs_windows() {
        local out
        out=$(xw windows "$1") || return 0
        [ -n "$out" ] && printf '%s\n' "${out//$'\x1f'/$'\n'}"
    }
fi

# wait_for <ms> <command>...: runs the command every 50 ms until it succeeds, or ms have passed.
wait_for() {
    local deadline=$(($(xs_now_ms) + $1))
    shift
    while :; do
        "$@" && return 0
        [ "$(xs_now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# client_rect <window> <x> <y> <w> <h>: the client rectangle in root coordinates, "X Y W H".
client_rect() {
    local ox oy
    read -r ox oy < <(xs_origin "$1")
    echo "$((${ox:-0} + $2)) $((${oy:-0} + $3)) $4 $5"
}

# wait_differs <ref.png> <window> <x> <y> <w> <h> <min> <ms>: waits until more than min pixels of
# the client rectangle differ (8% fuzz, as region_diff counts) from the same rectangle of the
# screenshot ref.png; prints the count it saw last.
wait_differs() {
    local x y w h ref=$WORK/wait-ref.rgb
    read -r x y w h < <(client_rect "$2" "$3" "$4" "$5" "$6")
    convert "$1" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 "rgb:$ref" 2>/dev/null || { echo -1; return 1; }
    xw differs "$x" "$y" "$w" "$h" "$ref" 8 "$7" "$8"
}

# wait_matches <ref.png> <window> <x> <y> <w> <h> <max> <ms>: waits until at most max pixels of
# the client rectangle differ (8% fuzz) from the same rectangle of ref.png.
wait_matches() {
    local x y w h ref=$WORK/wait-ref.rgb
    read -r x y w h < <(client_rect "$2" "$3" "$4" "$5" "$6")
    convert "$1" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 "rgb:$ref" 2>/dev/null || { echo -1; return 1; }
    xw matches "$x" "$y" "$w" "$h" "$ref" 8 "$7" "$8"
}

# wait_unlike <crop.png> <window> <x> <y> <w> <h> <min> <ms>: waits until more than min pixels of
# the client rectangle differ (8% fuzz) from crop.png, a picture of that rectangle (grab_client).
wait_unlike() {
    local x y w h ref=$WORK/wait-ref.rgb
    read -r x y w h < <(client_rect "$2" "$3" "$4" "$5" "$6")
    convert "$1" -depth 8 "rgb:$ref" 2>/dev/null || { echo -1; return 1; }
    xw differs "$x" "$y" "$w" "$h" "$ref" 8 "$7" "$8"
}

# wait_like <crop.png> <window> <x> <y> <w> <h> <max> <ms>: waits until at most max pixels of the
# client rectangle differ (8% fuzz) from crop.png, a picture of that rectangle (grab_client).
wait_like() {
    local x y w h ref=$WORK/wait-ref.rgb
    read -r x y w h < <(client_rect "$2" "$3" "$4" "$5" "$6")
    convert "$1" -depth 8 "rgb:$ref" 2>/dev/null || { echo -1; return 1; }
    xw matches "$x" "$y" "$w" "$h" "$ref" 8 "$7" "$8"
}

# run_delay_ms <pid>: how long the process's main thread has waited for a CPU so far (the
# kernel's scheduler statistics), in ms; 0 where the kernel keeps none.
run_delay_ms() {
    local a b
    read -r a b _ <"/proc/$1/schedstat" 2>/dev/null || { echo 0; return; }
    echo $((${b:-0} / 1000000))
}

# wait_still <window> <x> <y> <w> <h> <quiet ms> <ms>: waits until the client rectangle has not
# changed for quiet ms.
wait_still() {
    local x y w h
    read -r x y w h < <(client_rect "$1" "$2" "$3" "$4" "$5")
    xw still "$x" "$y" "$w" "$h" "$6" "$7" >/dev/null
}

# mark <window> <x> <y> <w> <h>: remembers the client rectangle as it looks now, for wait_change.
MARK=""
mark() {
    MARK=$(client_rect "$@")
    # shellcheck disable=SC2086  # the four numbers of the rectangle
    xw grab $MARK "$WORK/mark.rgb"
}

# wait_change <min> [ms]: waits (at most ms, 5000) until more than min pixels of the marked
# rectangle differ from the mark, then until it has been still for 100 ms; prints the count.
wait_change() {
    # shellcheck disable=SC2086
    xw differs $MARK "$WORK/mark.rgb" 8 "$1" "${2:-5000}" 100
}

# settle <window> [quiet ms]: the window's whole client area has not changed for quiet ms (200),
# at most 5 s: the program has painted what the last step asked of it.
settle() {
    local w h
    read -r w h < <(xs_size "$1")
    [ -n "${w:-}" ] || return 1
    wait_still "$1" 0 0 "$w" "$h" "${2:-200}" 5000
}

# region_diff <a.png> <b.png> <x> <y> <w> <h>: number of pixels that differ (8% fuzz) between
# the same rectangle of two screenshots.
region_diff() {
    local a=$WORK/crop-a.png b=$WORK/crop-b.png geo="$5x$6+$3+$4"
    if ! convert "$1" -crop "$geo" +repage "$a" || ! convert "$2" -crop "$geo" +repage "$b"; then
        echo -1
        return
    fi
    compare -metric AE -fuzz 8% "$a" "$b" null: 2>&1 | awk '{printf "%d\n", $1}'
}

# region_pair_diff <image> <x1> <y1> <x2> <y2> <w> <h>: pixels that differ (6% fuzz) between
# two rectangles of the same screenshot.
region_pair_diff() {
    local a=$WORK/crop-a.png b=$WORK/crop-b.png
    if ! convert "$1" -crop "$6x$7+$2+$3" +repage "$a" || ! convert "$1" -crop "$6x$7+$4+$5" +repage "$b"; then
        echo -1
        return
    fi
    compare -metric AE -fuzz 6% "$a" "$b" null: 2>&1 | awk '{printf "%d\n", $1}'
}

# check_title <what> <window> <title>: the window's title is exactly the given text (the
# window manager shows what the program sets, so nothing may be added to it).
check_title() {
    local got
    got=$(timeout 5 xdotool getwindowname "$2" 2>/dev/null)
    if [ "$got" = "$3" ]; then
        ok "$1: its title is exactly \"$3\""
    else
        not_ok "$1: its title is exactly \"$3\" (it is \"$got\")"
    fi
}

# size_is <window> <w> <h>
size_is() { [ "$(xs_size "$1")" = "$2 $3" ]; }

# appears <pid> <title prefix> <ms>: xs_wait_window without printing the window.
appears() { xs_wait_window "$@" >/dev/null; }

# near <value> <target> <tolerance>
near() { [ "$1" -ge $(($2 - $3)) ] && [ "$1" -le $(($2 + $3)) ]; }

# near2 <x> <y> <target x> <target y> <tolerance>
near2() { near "$1" "$3" "$5" && near "$2" "$4" "$5"; }

between() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]; }

# file_holds <file> <text>: the file's bytes are exactly the text, nothing after it.
file_holds() { [ "$(stat -c %s "$1")" = "${#2}" ] && [ "$(cat "$1")" = "$2" ]; }

show_windows() {
    local line
    while read -r line; do note "  window $line"; done < <(xs_windows "$APP_PID")
}

# point <window> <x> <y>: moves the pointer onto client point x,y of the window in two short
# steps, so that the program sees the pointer move over the control and not only land on it.
# The program handles the X server's events in order, so a click or key sent next reaches it
# after the moves; a step that looks at what the pointer changed waits for that change itself.
point() {
    local ox oy
    read -r ox oy < <(xs_origin "$1")
    xdotool mousemove $((${ox:-0} + $2 - 6)) $((${oy:-0} + $3))
    sleep 0.05
    xdotool mousemove $((${ox:-0} + $2)) $((${oy:-0} + $3))
}

# click_at <window> <x> <y>: points at client point x,y of the window and clicks there.
click_at() {
    point "$@"
    xdotool click 1
}

# client_diff <a.png> <b.png> <window> <x> <y> <w> <h>: region_diff of a rectangle given in the
# window's client coordinates.
client_diff() {
    local ox oy
    read -r ox oy < <(xs_origin "$3")
    region_diff "$1" "$2" $((${ox:-0} + $4)) $((${oy:-0} + $5)) "$6" "$7"
}

# changed_shot <before.png> <after.png> <window> <x> <y> <w> <h> <min> [ms]: waits until more
# than min pixels of the client rectangle differ from before.png, or ms (5000) have passed (a
# busy machine may repaint late), then takes the screenshot after.png and prints its count.
changed_shot() {
    local n deadline=$(($(xs_now_ms) + ${9:-5000})) left
    while :; do
        left=$((deadline - $(xs_now_ms)))
        wait_differs "$1" "$3" "$4" "$5" "$6" "$7" "$8" $((left > 0 ? left : 0)) >/dev/null
        import -window root "$2" 2>/dev/null
        n=$(client_diff "$1" "$2" "$3" "$4" "$5" "$6" "$7")
        if [ "$n" -gt "$8" ] || [ "$(xs_now_ms)" -ge "$deadline" ]; then
            echo "$n"
            return
        fi
        sleep 0.1
    done
}

# holds_all <file> <text> ...: every file holds exactly its text.
holds_all() {
    while [ $# -ge 2 ]; do
        file_holds "$1" "$2" || return 1
        shift 2
    done
}

# contents <file>...: the files' bytes, for the result lines.
contents() {
    local f out=""
    for f in "$@"; do out="$out $(basename "$f")=\"$(cat "$f")\""; done
    echo "${out# }"
}


# game_round_trip <game> <banner top> <title> <w> <h> <shot>: from the chooser $CHOOSER, moves
# onto the game's banner, clicks its highlighted twin, checks the game's window, closes it and
# checks that the chooser comes back (its new window id goes to $CHOOSER). Its comparison
# screenshots go to the calling scenario's folder $WORK/$s.
game_round_trip() {
    local what=$1 top=$2 title=$3 gw=$4 gh=$5 name=$6 plain=$WORK/$s/chooser-plain.png
    local hovered=$WORK/$s/chooser-hovered.png game n w h
    # First onto the background above the banners, which clears any highlight.
    point "$CHOOSER" 273 4
    wait_still "$CHOOSER" 8 10 530 320 150 3000
    grab_root "$plain"
    point "$CHOOSER" 273 $((top + 45))
    n=$(changed_shot "$plain" "$hovered" "$CHOOSER" 8 "$top" 530 91 4000)
    check "chooser: the pointer on the $what banner highlights it ($n of 48230 pixels changed)" [ "$n" -gt 4000 ]
    if [ "$what" = "coin" ]; then
        cp "$hovered" "$SHOTS/chooser-banner.png"
        n=$(client_diff "$plain" "$hovered" "$CHOOSER" 11 400 240 112)
        check "chooser: the $what banner shows its description ($n of 26880 pixels changed)" [ "$n" -gt 800 ]
        n=$(client_diff "$plain" "$hovered" "$CHOOSER" 260 392 272 235)
        check "chooser: the $what banner shows its game picture ($n of 63920 pixels changed)" [ "$n" -gt 15000 ]
    fi
    xdotool click 1
    if ! game=$(xs_wait_window "$APP_PID" "$title" 3000); then
        not_ok "chooser: clicking the highlighted $what banner opens the $what screen"
        show_windows
        return 1
    fi
    ok "chooser: clicking the highlighted $what banner opens the $what screen"
    check_title "$what screen" "$game" "$title"
    read -r w h < <(xs_size "$game")
    check "$what screen: its client area is ${gw}x${gh} (${w}x${h})" [ "${w:-0}x${h:-0}" = "${gw}x${gh}" ]
    check "chooser: it is hidden while the $what screen is shown" xs_wait_gone "$APP_PID" "$CHOOSER_TITLE" 1000
    settle "$game" 150
    shot "$name"
    xs_close "$game"
    if ! CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
        not_ok "$what screen: closing it shows the game chooser again"
        show_windows
        return 1
    fi
    ok "$what screen: closing it shows the game chooser again"
    check "$what screen: it is hidden after closing" xs_wait_gone "$APP_PID" "$title" 1000
}

# open_from_menu <what> <x> <y> <title>: moves onto the menu bar's button at client x,y (which
# shows its highlighted twin), clicks it and waits for the window; prints its id.
open_from_menu() {
    point "$MENU" 300 200
    point "$MENU" "$2" "$3"
    xdotool click 1
    xs_wait_window "$APP_PID" "$4" 3000
}

# open_from_panel <y> <title>: opens the menu's drop-up panel with the menu button, clicks the
# panel row at client row y and waits for the window; prints its id.
open_from_panel() {
    point "$MENU" 300 200
    point "$MENU" 80 500
    mark "$MENU" 4 331 153 154
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
    wait_change 7000 >/dev/null
    point "$MENU" 40 "$1"
    xdotool click 1
    xs_wait_window "$APP_PID" "$2" 3000
}

# screen_opens <what> <window or ""> <title> <w> <h>: the window appeared with its exact title
# and client size; fails (after a result line) if it did not appear.
screen_opens() {
    local w h
    if [ -z "$2" ]; then
        not_ok "$1 opens \"$3\""
        show_windows
        return 1
    fi
    ok "$1 opens \"$3\""
    check_title "$3" "$2" "$3"
    read -r w h < <(xs_size "$2")
    check "$3: its client area is $4x$5 (${w}x${h})" [ "${w:-0}x${h:-0}" = "$4x$5" ]
    settle "$2" 150
}

# app_wait_window <title prefix> <ms>: waits for a window of the current program whose title starts
# with the prefix and prints its id; the time limit counts from the program's start and grows by
# the time the program has waited for a CPU (run_delay_ms): on a loaded machine the program's
# own timers run late by that much. Fails early if the program ends.
app_wait_window() {
    local w
    while :; do
        w=$(xs_find "$APP_PID" "$1") && { echo "$w"; return 0; }
        xs_alive "$APP_PID" || return 1
        [ "$(elapsed)" -lt $(($2 + $(run_delay_ms "$APP_PID"))) ] || return 1
        sleep 0.05
    done
}

# reach_chooser <scenario>: starts the program from $G (new_game first), waits for the main
# menu ($MENU) and opens the game chooser with Enter ($CHOOSER). Fails after a result line.
reach_chooser() {
    start_game "$1"
    if ! MENU=$(app_wait_window "$MENU_TITLE" 4500); then
        not_ok "$1: the main menu appears within 4.5 s of start (and the time it waited for a CPU)"
        show_windows
        return 1
    fi
    xs_key "$MENU" Return
    if ! CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
        not_ok "$1: Enter on the menu opens \"$CHOOSER_TITLE\""
        show_windows
        return 1
    fi
}
