#!/usr/bin/env bash
# The real program on a Wayland compositor: weston with its headless backend, started here on a
# socket of its own in a private XDG_RUNTIME_DIR. The program (QT_QPA_PLATFORM=wayland), run
# from a temporary copy of the game folder with its own HOME, shows the loading screen and then
# the main menu, names the installed desktop entry as its app id, writes a valid launcher with
# the game folder's icon, logs none of Qt's warnings, and ends within 2 s of SIGTERM with status
# 0. The window test program, when given, then runs under the same compositor: a maximised or
# full-screen fixed window comes back without the compositor ending the connection, and dialogs
# open with their opener as parent.
#
# Then the program plays in weston's X11 backend nested in a private Xvfb, driven by xdotool:
# the windows wear the program's own title bar, which a drag moves and a double click leaves at
# its size; Enter opens the game chooser, whose keys open the coin value screen, the slot machine
# and the Blackjack table (Enter there brings up the bet dialog), each closed by its title bar's
# close button back to the chooser, and the chooser goes back to the menu; the slot machine's
# minimise button minimises it; every window gives the compositor the same minimum and maximum
# size; SIGTERM ends the program with status 0 and it logs none of Qt's warnings.
#
# The protocol traffic (WAYLAND_DEBUG=client) tells what the program asked the compositor for;
# every other line it writes is checked for warnings.
#
#   wayland.sh <program> <game folder> [<window test program>]
set -u

# shellcheck source=SCRIPTDIR/results.sh
source "$(dirname "${BASH_SOURCE[0]}")/results.sh"
now_ms() { echo $(($(date +%s%N) / 1000000)); }

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 <program> <game folder> [<window test program>]" >&2
    exit 2
fi
PROG=$(realpath -e "$1" 2>/dev/null) || { not_ok "program $1 exists"; finish; }
GAME=$(realpath -e "$2" 2>/dev/null) || { not_ok "game folder $2 exists"; finish; }
WINDOWS_TEST=""
if [ -n "${3:-}" ]; then
    WINDOWS_TEST=$(realpath -e "$3" 2>/dev/null) || { not_ok "window test program $3 exists"; finish; }
fi
APP_ID=br.com.cassinozor.CassinoZOR
LOADING_TITLE="Carregando Cassino ZOR..."
MENU_TITLE="Cassino ZOR - Menu Principal"

for tool in weston desktop-file-validate; do
    command -v "$tool" >/dev/null || { not_ok "tool $tool is installed (scripts/install-deps)"; finish; }
done
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    not_ok "Qt's Wayland plugin is installed (qt6-wayland, scripts/install-deps)"
    finish
fi

WORK=$(mktemp -d /tmp/zor-wayland.XXXXXX)
RUNTIME=$WORK/runtime
mkdir -p "$RUNTIME"
chmod 700 "$RUNTIME"
SOCKET=zor-wayland-$$
WESTON_PID=""
APP_PID=""

# Ends a process started here: TERM, then KILL after 2 s.
end_process() {
    local pid=$1 i
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null
    for ((i = 0; i < 20; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}
NESTED_PID=""
cleanup() {
    end_process "$APP_PID"
    end_process "$NESTED_PID"
    end_process "$WESTON_PID"
    declare -F xs_stop >/dev/null && xs_stop
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The compositor: no configuration file of the caller's, no screen blanking.
XDG_RUNTIME_DIR=$RUNTIME weston --no-config --backend=headless-backend.so --socket="$SOCKET" \
    --idle-time=0 --width=1024 --height=768 >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
for ((i = 0; i < 100; i++)); do
    [ -S "$RUNTIME/$SOCKET" ] && break
    kill -0 "$WESTON_PID" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$RUNTIME/$SOCKET" ]; then
    not_ok "weston starts with its headless backend"
    sed 's/^/#   /' "$WORK/weston.log" | tail -n 20
    finish
fi
ok "weston starts with its headless backend"

# A fresh game folder (data files and Config, never the program itself) and home; warnings off.
G=$WORK/game
H=$WORK/home
mkdir -p "$G" "$H/Desktop"
for f in "$GAME"/* "$GAME"/.[!.]*; do
    [ -e "$f" ] || continue
    [ "$(basename "$f")" = Config ] && continue
    [ "$f" -ef "$PROG" ] && continue
    cp -r "$f" "$G/"
done
cp -r "$GAME/Config" "$G/Config"
printf n >"$G/Config/alerta.txt"

LOG=$WORK/program.log
(
    cd "$G" || exit 127
    exec env -u DISPLAY -u LC_ALL -u LC_MESSAGES -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
        HOME="$H" XDG_DESKTOP_DIR="$H/Desktop" XDG_RUNTIME_DIR="$RUNTIME" WAYLAND_DISPLAY="$SOCKET" \
        QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client SDL_AUDIODRIVER=dummy LANG=pt_BR.UTF-8 \
        "$PROG"
) >"$LOG" 2>&1 &
APP_PID=$!
T0=$(now_ms)

# titled <title>: the program has given a toplevel that title (it shows that window).
titled() { grep -qF -- ".set_title(\"$1\")" "$LOG"; }
deadline=$((T0 + 8000))
while [ "$(now_ms)" -lt "$deadline" ] && kill -0 "$APP_PID" 2>/dev/null && ! titled "$MENU_TITLE"; do
    sleep 0.1
done
if titled "$MENU_TITLE"; then
    ok "the main menu is shown within 8 s of start ($(($(now_ms) - T0)) ms)"
else
    not_ok "the main menu is shown within 8 s of start"
fi
first=$(grep -m1 -oE 'set_title\("[^"]*"\)' "$LOG")
check "the loading screen is the first window shown ($first)" [ "$first" = "set_title(\"$LOADING_TITLE\")" ]
# The menu animates and plays on: the program is still there a second later.
sleep 1
check "the program still runs on the main menu a second later" kill -0 "$APP_PID"

app_ids=$(grep -oE 'set_app_id\("[^"]*"\)' "$LOG" | sort -u)
check "every window's app id is the installed desktop entry's name ($(echo $app_ids))" \
    [ "$app_ids" = "set_app_id(\"$APP_ID\")" ]

launcher="$H/Desktop/Cassino ZOR.desktop"
check "the launcher shows the game folder's icon picture" grep -qxF "Icon=$G/$APP_ID.png" "$launcher"
check "the launcher's comment is UTF-8 text" grep -qxF "Comment=Cara ou Coroa, Caça-Níquel e BlackJack" "$launcher"
check "desktop-file-validate passes on the launcher" desktop-file-validate "$launcher"

kill -TERM "$APP_PID" 2>/dev/null
t=$(now_ms)
while kill -0 "$APP_PID" 2>/dev/null && [ $(($(now_ms) - t)) -lt 2000 ]; do sleep 0.05; done
if kill -0 "$APP_PID" 2>/dev/null; then
    not_ok "SIGTERM ends the program within 2 s"
else
    wait "$APP_PID"
    rc=$?
    APP_PID=""
    check "SIGTERM ends the program within 2 s with status 0 (status $rc)" [ "$rc" = 0 ]
fi

# Everything the program wrote but the protocol traffic ("[time] ..." lines).
grep -vE '^\[ *[0-9]+\.[0-9]+\] ' "$LOG" >"$WORK/messages.log"
warnings=$(grep -iE 'qt\.qpa|wayland|qwidget|qwindow|protocol error|warning' "$WORK/messages.log")
check "the program logs no warning of Qt's" [ -z "$warnings" ]
sed 's/^/#   /' "$WORK/messages.log" | head -n 20

# ---------------------------------------------------------------------------------------------
# Played: weston's X11 backend in a private Xvfb takes the pointer and the keys xdotool sends
# and hands them to the Wayland window under the pointer or with the keyboard focus. The nested
# compositor runs with its debug protocol (--debug), whose scene graph tells which of the
# program's windows it shows and where: every step waits for the window it expects there.
#
# Weston draws no title bars (no server-side decorations), and the one Qt 6.4 would draw offers
# maximise on every window: the program draws its own, with only the buttons each window names.
# shellcheck source=SCRIPTDIR/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
CHOOSER_TITLE="Cassino ZOR - Jogos"
COIN_TITLE='Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—'
# shellcheck disable=SC2016  # the backquotes are letters of the title
SLOT_TITLE='Cassino ZOR   -   ,.-~*´¨¯¨`*·~-.¸-(_Cåçå - ÑïQüèL_)-,.-~*´¨¯¨`*·~-.¸'
BLACKJACK_TITLE='Cassino ZOR   -    (¯`·._.·[ßlå¢kJå¢k]·._.·´¯)'
BET_TITLE="Faça sua aposta"
OUTCOME_TITLES=("Você ganhou !" "Você perdeu !" "Empate !" "Que pena ! Você estourou !" "Black Jack - 21 na Mosca")
# The program's title bar is 30 px high over the client area, with no border; its buttons are
# 40 px wide, the close button at the right edge, minimise to its left.
BAR=30
CLOSE_DX=20
MINIMISE_DX=60
BUTTON_DY=15

# views: the program's windows that the nested compositor shows, one line each:
# "x1 y1 x2 y2<TAB>title", in the compositor's coordinates, title bar included.
views() {
    XDG_RUNTIME_DIR=$RUNTIME WAYLAND_DISPLAY=$NESTED timeout 5 weston-debug scene-graph 2>/dev/null |
        awk -v pid="$APP_PID" '
            /role xdg_toplevel, PID / {
                want = 0
                if (index($0, "PID " pid ",") == 0) next
                i = index($0, "top-level window \047")
                if (i == 0) next
                t = substr($0, i + 18)
                j = index(t, "\047 of ")
                if (j == 0) j = index(t, "\047,")
                title = substr(t, 1, j - 1)
                want = 1
                next
            }
            want && /position:/ {
                gsub(/[(),]/, " ")
                printf "%s %s %s %s\t%s\n", $2, $3, $5, $6, title
                want = 0
            }'
}
# view_of <title>: "x1 y1 x2 y2" of the window with exactly that title, if it is shown.
view_of() {
    local geo t
    while IFS=$'\t' read -r geo t; do
        [ "$t" = "$1" ] && { echo "$geo"; return 0; }
    done < <(views)
    return 1
}
# wait_view <title> <ms>: waits for the window to be shown; prints its place.
wait_view() {
    local deadline=$(($(now_ms) + $2))
    while :; do
        view_of "$1" && return 0
        kill -0 "$APP_PID" 2>/dev/null || return 1
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# wait_no_view <title> <ms>: waits until the window is no longer shown.
wait_no_view() {
    local deadline=$(($(now_ms) + $2))
    while :; do
        view_of "$1" >/dev/null || return 0
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# logged <extended regex> <ms>: waits until the program's output has a matching line.
logged() {
    local deadline=$(($(now_ms) + $2))
    while :; do
        grep -qE -- "$1" "$LOG" && return 0
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# logged_after <regex>... <ms>: waits until the program's output has lines matching the regexes
# in that order.
logged_after() {
    local regexes=("${@:1:$#-1}") deadline=$(($(now_ms) + ${*: -1}))
    while :; do
        awk -v list="$(printf '%s\n' "${regexes[@]}")" '
            BEGIN { n = split(list, r, "\n"); k = 1 }
            k <= n && $0 ~ r[k] { k++ }
            END { exit !(k > n) }' "$LOG" && return 0
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# press_at <x> <y>: a click at that point of the compositor's output. Weston's X11 backend moves
# its pointer by the X pointer's relative motion, clamped at the output's edges, and puts it
# where the X pointer is only when it comes into the output's window: so the pointer leaves the
# window first and comes back in at the point.
press_at() {
    xdotool mousemove 0 0 mousemove $((WX + $1)) $((WY + $2))
    sleep 0.1
    xdotool click 1
}
# close_box <title>: clicks the close button of the window's title bar.
close_box() {
    local x1 y1 x2 y2
    read -r x1 y1 x2 y2 < <(view_of "$1") || return 1
    press_at $((x2 - CLOSE_DX)) $((y1 + BUTTON_DY))
}
# colours <title>: the number of colours in the window's client area on the X screen (the title
# bar left out); a window mapped without its picture has a handful.
colours() {
    local x1 y1 x2 y2
    read -r x1 y1 x2 y2 < <(view_of "$1") || { echo 0; return; }
    import -window root png:- 2>/dev/null |
        convert - -crop "$((x2 - x1))x$((y2 - y1 - BAR))+$((WX + x1))+$((WY + y1 + BAR))" +repage \
            -format %k info: 2>/dev/null || echo 0
}
# painted <title> <colours>: waits up to 3 s for the window to show at least that many colours;
# prints the last count.
painted() {
    local n deadline=$(($(now_ms) + 3000))
    while :; do
        n=$(colours "$1")
        if [ "${n:-0}" -ge "$2" ] || [ "$(now_ms)" -ge "$deadline" ]; then
            echo "${n:-0}"
            return
        fi
        sleep 0.2
    done
}
# shown_others: the titles shown besides the one given, for the result lines.
shown_others() { views | cut -f2 | grep -vxF -- "$1" | paste -sd '|'; }
# sizes_fixed: every window the program showed gave the compositor the same minimum and maximum
# size when it was made, and has them again at the end; prints "<windows> <otherwise>".
sizes_fixed() {
    awk '
        match($0, /get_toplevel\(new id xdg_toplevel@[0-9]+\)/) {
            split(substr($0, RSTART, RLENGTH), a, /[@)]/)
            id = a[2]
            fresh[id] = 1
            n++
            next
        }
        match($0, /xdg_toplevel@[0-9]+\.set_(min|max)_size\([0-9]+, [0-9]+\)/) {
            s = substr($0, RSTART, RLENGTH)
            split(s, a, /[@.]/)
            id = a[2]
            v = substr(s, index(s, "("))
            if (s ~ /set_min_size/) { min[id] = v; next }
            max[id] = v
            if (fresh[id] && min[id] != v) bad++
            fresh[id] = 0
        }
        END {
            for (id in max) if (min[id] != max[id]) bad++
            print n + 0, bad + 0
        }' "$LOG"
}

# leave_game <title>: closes the game's window by its close button; a settled hand's dialog
# that comes up first is closed the same way. Waits for the chooser.
leave_game() {
    local i o
    for i in 1 2 3; do
        close_box "$1"
        wait_view "$CHOOSER_TITLE" 3000 >/dev/null && wait_no_view "$1" 2000 && return 0
        for o in "${OUTCOME_TITLES[@]}"; do
            view_of "$o" >/dev/null && { close_box "$o"; wait_no_view "$o" 2000; }
        done
    done
    return 1
}

# open_game <what> <title> <keys...>: the keys on the chooser open the game's first screen.
open_game() {
    local what=$1 title=$2 n
    shift 2
    xdotool key "$@"
    if wait_view "$title" 6000 >/dev/null && wait_no_view "$CHOOSER_TITLE" 2000; then
        ok "played: $* on the chooser open the $what, the chooser hidden"
        n=$(painted "$title" 1000)
        check "played: the $what shows its picture ($n colours)" [ "$n" -ge 1000 ]
        return 0
    fi
    not_ok "played: $* on the chooser open the $what, the chooser hidden (shown: $(shown_others ""))"
    return 1
}

played() {
    local geo x1 y1 x2 y2 back t n
    if ! geo=$(wait_view "$MENU_TITLE" 15000); then
        not_ok "played: the main menu is shown in the nested compositor"
        return
    fi
    ok "played: the main menu is shown in the nested compositor"
    n=$(painted "$MENU_TITLE" 1000)
    check "played: the menu shows its picture ($n colours)" [ "$n" -ge 1000 ]
    read -r x1 y1 x2 y2 <<<"$geo"
    # Qt's title bar would add its 33 px and a 3 px border on each side.
    check "played: the menu's window is its client area under the program's own title bar ($((x2 - x1))x$((y2 - y1)))" \
        [ "$((x2 - x1))x$((y2 - y1))" = "800x$((528 + BAR))" ]

    # A drag on the title bar's caption moves the window, by the compositor's hand.
    xdotool mousemove 0 0 mousemove $((WX + x1 + 200)) $((WY + y1 + BUTTON_DY))
    sleep 0.1
    xdotool mousedown 1
    sleep 0.2
    for _ in 1 2 3 4; do
        xdotool mousemove_relative -- 10 -8
        sleep 0.05
    done
    xdotool mouseup 1
    if logged 'xdg_toplevel@[0-9]+\.move\(' 3000; then
        t=$(now_ms)
        while [ $(($(now_ms) - t)) -lt 3000 ] && back=$(view_of "$MENU_TITLE") && [ "$back" = "$geo" ]; do
            sleep 0.1
        done
        back=$(view_of "$MENU_TITLE")
        read -r bx1 by1 bx2 by2 <<<"$back"
        check "played: a drag on the title bar moves the menu, at its size ($back, before $geo)" \
            [ "$back" != "$geo" -a "$((bx2 - bx1))x$((by2 - by1))" = "$((x2 - x1))x$((y2 - y1))" ]
        geo=$back
        read -r x1 y1 x2 y2 <<<"$geo"
    else
        not_ok "played: a drag on the title bar asks the compositor to move the menu"
    fi

    # A double click on the title bar, which maximises elsewhere, leaves the menu as it is.
    xdotool mousemove 0 0 mousemove $((WX + x1 + 200)) $((WY + y1 + BUTTON_DY))
    sleep 0.1
    xdotool click --repeat 2 --delay 80 1
    sleep 0.5
    check "played: a double click on the title bar asks for no maximise" \
        bash -c "! grep -qE 'xdg_toplevel@[0-9]+\.set_(maximized|fullscreen)\(' '$LOG'"
    back=$(view_of "$MENU_TITLE")
    check "played: the menu stays where it was, at its size ($back, before $geo)" [ "$back" = "$geo" ]

    xdotool key Return
    if wait_view "$CHOOSER_TITLE" 6000 >/dev/null && wait_no_view "$MENU_TITLE" 2000; then
        ok "played: Enter on the main menu opens the game chooser, the menu hidden"
    else
        not_ok "played: Enter on the main menu opens the game chooser, the menu hidden (shown: $(shown_others ""))"
        return
    fi

    # Tab frames the first banner (the chooser frames none when shown), Down the next ones.
    if open_game "coin value screen" "$COIN_TITLE" Tab space; then
        check "played: the coin value screen's close button shows the chooser again" leave_game "$COIN_TITLE"
    fi
    view_of "$CHOOSER_TITLE" >/dev/null || return
    if open_game "slot machine" "$SLOT_TITLE" Tab Down space; then
        check "played: the slot machine's close button shows the chooser again" leave_game "$SLOT_TITLE"
    fi
    view_of "$CHOOSER_TITLE" >/dev/null || return
    if open_game "Blackjack table" "$BLACKJACK_TITLE" Tab Down Down space; then
        # Enter deals: the bet dialog, over the table; Enter there bets the amount shown.
        xdotool key Return
        if wait_view "$BET_TITLE" 3000 >/dev/null; then
            ok "played: Enter on the table brings up \"$BET_TITLE\""
            n=$(painted "$BET_TITLE" 100)
            check "played: the bet dialog is painted ($n colours)" [ "$n" -ge 100 ]
            check "played: the table is still shown under it" view_of "$BLACKJACK_TITLE"
            xdotool key Return
            check "played: Enter bets and closes the bet dialog" wait_no_view "$BET_TITLE" 3000
        else
            not_ok "played: Enter on the table brings up \"$BET_TITLE\" (shown: $(shown_others ""))"
        fi
        check "played: the table's close button shows the chooser again" leave_game "$BLACKJACK_TITLE"
    fi
    view_of "$CHOOSER_TITLE" >/dev/null || return
    # Past the three banners to "Voltar para o Menu Principal".
    xdotool key Tab Tab Tab Tab space
    if wait_view "$MENU_TITLE" 4000 >/dev/null && wait_no_view "$CHOOSER_TITLE" 2000; then
        ok "played: \"Voltar para o Menu Principal\" by keyboard shows the main menu again"
    else
        not_ok "played: \"Voltar para o Menu Principal\" by keyboard shows the main menu again (shown: $(shown_others ""))"
        return
    fi

    # Last, as weston has no task bar to bring a window back from: the slot machine's title bar
    # has a minimise button (the menu's and the chooser's have close only).
    xdotool key Return
    wait_view "$CHOOSER_TITLE" 6000 >/dev/null || return
    open_game "slot machine" "$SLOT_TITLE" Tab Down space || return
    read -r x1 y1 x2 y2 < <(view_of "$SLOT_TITLE")
    press_at $((x2 - MINIMISE_DX)) $((y1 + BUTTON_DY))
    check "played: the slot machine's minimise button asks the compositor to minimise it" \
        logged 'xdg_toplevel@[0-9]+\.set_minimized\(\)' 3000
    check "played: the program still runs with the slot machine minimised" kill -0 "$APP_PID"
}

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v weston-debug >/dev/null && xs_start; then
    NESTED=zor-wayland-x11-$$
    XDG_RUNTIME_DIR=$RUNTIME weston --no-config --debug --backend=x11-backend.so --socket="$NESTED" \
        --idle-time=0 --width=1000 --height=740 >"$WORK/weston-x11.log" 2>&1 &
    NESTED_PID=$!
    for ((i = 0; i < 100; i++)); do
        [ -S "$RUNTIME/$NESTED" ] && break
        kill -0 "$NESTED_PID" 2>/dev/null || break
        sleep 0.1
    done
    WX="" WY=""
    # The nested compositor's output, on the X screen: its window (weston names no process on it).
    t=$(now_ms)
    while [ -S "$RUNTIME/$NESTED" ] && [ $(($(now_ms) - t)) -lt 5000 ]; do
        wid=$(timeout 5 xdotool search --onlyvisible --class '^Weston Compositor$' 2>/dev/null | head -n 1)
        [ -n "$wid" ] && { read -r WX WY < <(xs_origin "$wid"); break; }
        sleep 0.1
    done
    if [ -n "$WX" ]; then
        rm -f "$H/Desktop/Cassino ZOR.desktop"
        LOG=$WORK/played.log
        (
            cd "$G" || exit 127
            exec env -u DISPLAY -u LC_ALL -u LC_MESSAGES -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
                HOME="$H" XDG_DESKTOP_DIR="$H/Desktop" XDG_RUNTIME_DIR="$RUNTIME" WAYLAND_DISPLAY="$NESTED" \
                QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client SDL_AUDIODRIVER=dummy LANG=pt_BR.UTF-8 \
                "$PROG"
        ) >"$LOG" 2>&1 &
        APP_PID=$!
        started=$(now_ms)
        played
        note "played for $(($(now_ms) - started)) ms"
        read -r n bad < <(sizes_fixed)
        check "played: every window the program showed gave the compositor the same minimum and maximum size ($n windows, $bad otherwise)" \
            [ "${n:-0}" -gt 0 -a "${bad:-1}" = 0 ]
        check "played: the compositor never ended the connection" \
            bash -c "! grep -qE 'Protocol error|xdg_wm_base@[0-9]+: error|experienced a fatal error' '$LOG'"
        kill -TERM "$APP_PID" 2>/dev/null
        t=$(now_ms)
        while kill -0 "$APP_PID" 2>/dev/null && [ $(($(now_ms) - t)) -lt 2000 ]; do sleep 0.05; done
        if kill -0 "$APP_PID" 2>/dev/null; then
            not_ok "played: SIGTERM ends the program within 2 s"
        else
            wait "$APP_PID"
            rc=$?
            APP_PID=""
            check "played: SIGTERM ends the program within 2 s with status 0 (status $rc)" [ "$rc" = 0 ]
        fi
        grep -vE '^\[ *[0-9]+\.[0-9]+\] ' "$LOG" >"$WORK/played-messages.log"
        check "played: the program logs no warning of Qt's" \
            bash -c "! grep -qiE 'qt\.qpa|wayland|qwidget|qwindow|protocol error|warning|corrupt' '$WORK/played-messages.log'"
        sed 's/^/#   /' "$WORK/played-messages.log" | head -n 20
    else
        not_ok "weston starts with its X11 backend in Xvfb"
        sed 's/^/#   /' "$WORK/weston-x11.log" | tail -n 20
    fi
    end_process "$NESTED_PID"
    NESTED_PID=""
    xs_stop
else
    not_ok "Xvfb, openbox and weston-debug are there for the nested compositor"
fi

# ---------------------------------------------------------------------------------------------
# The window test program under the headless compositor.
if [ -n "$WINDOWS_TEST" ]; then
    WLOG=$WORK/windows.log
    (
        cd "$WORK" || exit 127
        exec env -u DISPLAY HOME="$H" XDG_RUNTIME_DIR="$RUNTIME" WAYLAND_DISPLAY="$SOCKET" \
            QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client SDL_AUDIODRIVER=dummy LANG=pt_BR.UTF-8 LC_ALL= \
            timeout 120 "$WINDOWS_TEST"
    ) >"$WLOG" 2>&1
    rc=$?
    check "windows: the window test passes on Wayland (status $rc)" [ "$rc" = 0 ]
    check "windows: the compositor never ended the connection" \
        bash -c "! grep -qE 'Protocol error|error [0-9]+: xdg_surface|experienced a fatal error' '$WLOG'"
    check "windows: a maximised window was asked back to normal" grep -q 'unset_maximized()' "$WLOG"
    check "windows: dialogs open with a parent window" grep -qE 'xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@' "$WLOG"
    grep -E '^(FAIL|PASS|Totals)' "$WLOG" | sed 's/^/#   /'
    grep -E 'Protocol error|xdg_wm_base@[0-9]+: error' "$WLOG" | head -n 5 | sed 's/^/#   /'
fi

finish
