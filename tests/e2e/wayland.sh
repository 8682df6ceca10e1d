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
# Then the program plays in weston's X11 backend nested in a private Xvfb, driven by xdotool.
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
# Played: weston's X11 backend in a private Xvfb takes the keys xdotool sends and hands them to
# the focused window. Enter on the main menu opens the game chooser; SIGTERM then ends the
# program with status 0 (windows left over as Qt closed its Wayland connection once corrupted
# the heap at exit).
# shellcheck source=SCRIPTDIR/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && xs_start; then
    NESTED=zor-wayland-x11-$$
    XDG_RUNTIME_DIR=$RUNTIME weston --no-config --backend=x11-backend.so --socket="$NESTED" \
        --idle-time=0 --width=1000 --height=740 >"$WORK/weston-x11.log" 2>&1 &
    NESTED_PID=$!
    for ((i = 0; i < 100; i++)); do
        [ -S "$RUNTIME/$NESTED" ] && break
        kill -0 "$NESTED_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ -S "$RUNTIME/$NESTED" ]; then
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
        deadline=$(($(now_ms) + 8000))
        while [ "$(now_ms)" -lt "$deadline" ] && kill -0 "$APP_PID" 2>/dev/null && ! titled "$MENU_TITLE"; do
            sleep 0.1
        done
        check "played: the main menu is shown in the nested compositor" titled "$MENU_TITLE"
        sleep 0.5
        xdotool key Return
        deadline=$(($(now_ms) + 4000))
        while [ "$(now_ms)" -lt "$deadline" ] && ! titled "Cassino ZOR - Jogos"; do sleep 0.1; done
        check "played: Enter on the main menu opens the game chooser" titled "Cassino ZOR - Jogos"
        sleep 0.5
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
    xs_stop
else
    not_ok "Xvfb and openbox start for the nested compositor"
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
