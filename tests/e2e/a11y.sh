#!/usr/bin/env bash
# The program as a screen reader finds it, end to end: the real program under Xvfb with a
# private D-Bus session bus and the accessibility bus (AT-SPI) on it, accessibility on. Played
# from the keyboard alone: the main menu, the game chooser, one toss (the coin value and side
# screens, the table and its mode dialog), one pull and one hand of Blackjack (its bet dialog),
# each screen's accessible tree walked for a control a player can act on that has no name, and
# each result read back over the bus.
#
#   a11y.sh <program> <game folder> <screenshot folder>
# shellcheck source=tests/e2e/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"

PY=/usr/bin/python3
A11Y="$HERE/a11y.py"
MODE_TITLE="Cassino ZOR - Modos de Jogo"
BET_TITLE="Faça sua aposta"
BUS_PID=""
LAUNCHER_PID=""

if ! "$PY" -c 'import pyatspi' 2>/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
    not_ok "python3-pyatspi and at-spi2-core are installed (scripts/install-deps)"
    finish
fi

# The private session bus and the accessibility bus on it; both end with the run.
a11y_stop() {
    local p
    for p in "$LAUNCHER_PID" "$BUS_PID"; do
        [ -n "$p" ] && kill "$p" 2>/dev/null
    done
    cleanup
}
trap a11y_stop EXIT
bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1) || {
    not_ok "a private session bus starts"
    finish
}
export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
BUS_PID=${bus##*$'\n'}
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/launcher.log" 2>&1 &
LAUNCHER_PID=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

# all_named <nameless> <count> <at least>
all_named() { [ -z "$1" ] && [ "$2" -ge "$3" ]; }

# walk <what> <window title> <at least>: every control a player can act on has a name, and at
# least that many are found.
walk() {
    local out nameless n
    out=$("$PY" "$A11Y" walk "$APP_PID" "$2" "$3" 2>&1)
    n=$(grep -c '^ok' <<<"$out")
    nameless=$(grep '^nameless' <<<"$out" | tr '\t\n' ' ;')
    check "$1: every control a player can act on has a name over AT-SPI (${nameless:-$n named})" \
        all_named "$nameless" "$n" "$3"
}

# next_window <title> <old window>: waits (3 s) for a window of the program with that title other
# than the old one (the coin screens share one title); prints its id.
next_window() {
    local deadline=$(($(xs_now_ms) + 3000)) w name
    while :; do
        while read -r w name; do
            if [ -n "$w" ] && [ "$w" != "$2" ] && [ "$name" = "$1" ]; then
                echo "$w"
                return 0
            fi
        done < <(xs_windows "$APP_PID")
        [ "$(xs_now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# xs_wait_gone_id <window>: waits (3 s) until that window is no longer on view.
off_view() { ! timeout 5 xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -qx "$1"; }
xs_wait_gone_id() { wait_for 3000 off_view "$1"; }

# heard <what> <window title> <text> [seconds]: a showing object of the window is named with the
# text within the time (5 s).
heard() {
    local name
    if name=$("$PY" "$A11Y" find "$APP_PID" "$2" "$3" "${4:-5}" 2>&1); then
        ok "$1 reads \"$name\" over AT-SPI"
    else
        not_ok "$1 reads \"$3...\" over AT-SPI"
    fi
}

started=$(xs_now_ms)
s=a11y
new_game $s
start_game $s
if ! MENU=$(app_wait_window "$MENU_TITLE" 6000); then
    not_ok "the main menu appears"
    show_windows
    finish
fi
walk "main menu" "$MENU_TITLE" 6
xs_key "$MENU" Return
CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000) || { not_ok "Enter opens the chooser"; finish; }
walk "game chooser" "$CHOOSER_TITLE" 5

# ---- One toss by keyboard -------------------------------------------------------------------
xs_key "$CHOOSER" Tab Return
if VALUE=$(xs_wait_window "$APP_PID" "$COIN_TITLE" 3000); then
    ok "Tab and Enter on the chooser open the coin value screen"
    walk "coin value screen" "$COIN_TITLE" 10
    # The third coin (10 centavos), picked with Space.
    xs_key "$VALUE" Down Right Right space
    SIDE=$(next_window "$COIN_TITLE" "$VALUE")
    xs_wait_gone_id "$VALUE"
    walk "coin side screen" "$COIN_TITLE" 9
    xs_key "$SIDE" Right Return
    TABLE=$(next_window "$COIN_TITLE" "$SIDE")
    xs_wait_gone_id "$SIDE"
    walk "coin table" "$COIN_TITLE" 10
    xs_key "$TABLE" Return
    if mode=$(xs_wait_window "$APP_PID" "$MODE_TITLE" 3000); then
        walk "mode dialog" "$MODE_TITLE" 4
        xs_key "$mode" Return
        xs_wait_gone "$APP_PID" "$MODE_TITLE" 2000
        xs_key "$TABLE" Return
        # The toss takes about 1.5 s.
        heard "the end of a toss" "$COIN_TITLE" "R\$ 0,10. Dinheiro: R\$ " 8
    else
        not_ok "Enter on the table opens the mode dialog"
    fi
    xs_close "$TABLE"
    CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000) || { not_ok "closing the table shows the chooser"; finish; }
else
    not_ok "Tab and Enter on the chooser open the coin value screen"
fi

# ---- One pull by keyboard -------------------------------------------------------------------
xs_key "$CHOOSER" Tab Tab Return
if CN=$(xs_wait_window "$APP_PID" "$SLOT_TITLE" 3000); then
    ok "Tab, Tab and Enter on the chooser open the slot machine"
    walk "slot machine" "$SLOT_TITLE" 12
    xs_key "$CN" space
    heard "the end of a pull" "$SLOT_TITLE" "Sua quantia disponível: US\$" 15
    xs_close "$CN"
    CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000) || { not_ok "closing the machine shows the chooser"; finish; }
else
    not_ok "Tab, Tab and Enter on the chooser open the slot machine"
fi

# ---- One hand by keyboard -------------------------------------------------------------------
xs_key "$CHOOSER" Tab Tab Tab Return
if BJ=$(xs_wait_window "$APP_PID" "$BLACKJACK_TITLE" 3000); then
    ok "Tab three times and Enter on the chooser open the Blackjack table"
    walk "Blackjack table" "$BLACKJACK_TITLE" 2
    xs_key "$BJ" Return
    if bet=$(xs_wait_window "$APP_PID" "$BET_TITLE" 3000); then
        walk "bet dialog" "$BET_TITLE" 2
        xs_key "$bet" 5 0 Return
        xs_wait_gone "$APP_PID" "$BET_TITLE" 2000
        # The hand may already be settled (an exact 21 or a bust): P then does nothing.
        xs_key "$BJ" p
        heard "the end of a hand" "$BLACKJACK_TITLE" " da casa. "
        heard "the house's cards, turned over," "$BLACKJACK_TITLE" "Casa: "
    else
        not_ok "Enter on the table brings up the bet dialog"
    fi
else
    not_ok "Tab three times and Enter on the chooser open the Blackjack table"
fi

stop_game
note "a11y run: $(($(xs_now_ms) - started)) ms"
finish
