#!/usr/bin/env bash
# Heads or tails end to end, driven as a player would: from the chooser pick "10 CENTAVOS", then
# "Coroa", Enter into the table, confirm the mode with Enter, toss with Enter and wait for the
# settlement, open "Opções do Jogo", "Salvar jogo", type a name into the name dialog, check the
# eight saved files; restart the program, go back to the table and "Carregar último jogo": the
# same money, counts, side and name show; minimise and restore the table: money unchanged.
# Screenshots of every screen go to the screenshot folder.
#
#   game_coin.sh <program> <game folder> <screenshot folder>

# shellcheck source=SCRIPTDIR/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"

MODE_TITLE="Cassino ZOR - Modos de Jogo"
NAME_TITLE="Digite seu Nome"

# coin_window <w> <h> <ms>: waits for the visible coin window of that client size; prints its id.
coin_window() {
    local deadline=$(($(xs_now_ms) + $3)) w name size
    while [ "$(xs_now_ms)" -lt "$deadline" ]; do
        while read -r w name; do
            [ "$name" = "$COIN_TITLE" ] || continue
            size=$(xs_size "$w")
            if [ "$size" = "$1 $2" ]; then
                echo "$w"
                return 0
            fi
        done < <(xs_windows "$APP_PID")
        sleep 0.05
    done
    return 1
}

# coin_opens <what> <w> <h>: waits for the coin window and checks it; sets WIN.
coin_opens() {
    if WIN=$(coin_window "$2" "$3" 3000); then
        ok "$1 opens (${2}x${3})"
        check_title "$1" "$WIN" "$COIN_TITLE"
        settle "$WIN" 150
        return 0
    fi
    not_ok "$1 opens (${2}x${3})"
    show_windows
    return 1
}

# crop <window> <x> <y> <w> <h> <file>: a client rectangle of the window, from a fresh screenshot.
crop() { grab_client "$@"; }

# shellcheck disable=SC2317  # called through check
differs() { ! same_picture "$@"; }
same_picture() { [ "$(compare -metric AE -fuzz 6% "$1" "$2" null: 2>&1 | awk '{printf "%d", $1}')" -le "${3:-20}" ]; }

# From the chooser to the table with the given coin (client point on the value screen) and side
# (client point on the side screen). Sets TABLE.
to_table() {
    game_banner
    coin_opens "$1: the chooser's \"Cara ou Coroa\" banner" 888 616 || return 1
    local value=$WIN
    [ -n "${2:-}" ] && shot coin-value
    click_at "$value" "$3" "$4"
    coin_opens "$1: the pressed coin" 889 616 || return 1
    local side=$WIN
    click_at "$side" "$5" "$6"
    if [ -n "${2:-}" ]; then
        settle "$side" 150
        shot coin-side
    fi
    xs_key "$side" Return
    coin_opens "$1: Enter on the side screen" 886 613 || return 1
    TABLE=$WIN
}

game_banner() {
    point "$CHOOSER" 273 4
    point "$CHOOSER" 273 55
    xdotool click 1
}

# tab <x>: clicks the tab whose header lies at client x, and waits until its page shows.
tab() {
    mark "$TABLE" 0 320 886 293
    click_at "$TABLE" "$1" 307
    wait_change 200 >/dev/null
}
TAB_MONEY=35 TAB_BETS=104 TAB_OPTIONS=193 TAB_DESIGN=279 TAB_HELP=338

# ---------------------------------------------------------------------------------------------
started=$(xs_now_ms)
s=coin
new_game $s
cfg=$G/Config/Jogos/coc
reach_chooser $s || finish

if to_table "first run" shots 130 412 542 237; then
    shot coin-table
    xs_key "$TABLE" Return
    if mode=$(xs_wait_window "$APP_PID" "$MODE_TITLE" 3000); then
        ok "table: Enter on \"Escolher Modo\" opens \"$MODE_TITLE\""
        check "mode dialog: its client area is 302x289" size_is "$mode" 302 289
        settle "$mode" 150
        shot coin-mode
        xs_key "$mode" Return
        check "mode dialog: Enter confirms and closes it" xs_wait_gone "$APP_PID" "$MODE_TITLE" 2000
    else
        not_ok "table: Enter on \"Escolher Modo\" opens \"$MODE_TITLE\""
        show_windows
    fi
    settle "$TABLE" 150
    crop "$TABLE" 0 0 886 295 "$WORK/$s/before-toss.png"
    crop "$TABLE" 62 420 300 56 "$WORK/$s/money-zero.png"

    # The toss: the panel hides while the coin turns, and comes back about 1.5 s later (150
    # countdown ticks of 10 ms). It is timed from the program's own start (the panel hides) to
    # its own end (the panel shows again), both seen on the screen within 50 ms, so the delivery
    # of the key and the screenshots do not count. A loaded machine only lengthens it: the time
    # the program's thread waited for a CPU meanwhile (the kernel's scheduler statistics) is
    # taken off before the upper bound is checked.
    # The watch for the hidden panel looks once before the key goes.
    rm -f "$WORK/watching"
    XWAIT_STAMP=1 XWAIT_READY=$WORK/watching \
        wait_unlike "$WORK/$s/money-zero.png" "$TABLE" 62 420 300 56 200 5000 >"$WORK/hidden.txt" &
    watch=$!
    wait_for 3000 [ -e "$WORK/watching" ]
    t0=$(xs_now_ms)
    xs_key "$TABLE" Return
    wait "$watch"
    if read -r _ started <"$WORK/hidden.txt" && [ -n "$started" ]; then
        waited0=$(run_delay_ms "$APP_PID")
        shot coin-toss
        crop "$TABLE" 62 420 300 56 "$WORK/$s/during.png"
        note "the panel hid $((started - t0)) ms after Enter"
    else
        started=""
        not_ok "table: Enter starts a toss, which hides the tab panel, within 3 s"
        crop "$TABLE" 62 420 300 56 "$WORK/$s/during.png"
    fi
    check "table: the tab panel is hidden while the coin turns" differs "$WORK/$s/money-zero.png" "$WORK/$s/during.png" 200
    settled=""
    if [ -n "$started" ] &&
        read -r _ ended < <(XWAIT_STAMP=1 wait_unlike "$WORK/$s/during.png" "$TABLE" 62 420 300 56 100 6000); then
        waited=$(($(run_delay_ms "$APP_PID") - waited0))
        settled=$((ended - started))
    fi
    if [ -n "$settled" ]; then
        wait_still "$TABLE" 62 420 300 56 100 2000
        crop "$TABLE" 62 420 300 56 "$WORK/$s/money-after.png"
        crop "$TABLE" 0 340 300 20 "$WORK/$s/tabs.png"
        ok "table: the random stop settles by itself ($settled ms after the toss began)"
        check "table: the tab panel is back after the toss (it differs from the hidden panel)" \
            differs "$WORK/$s/during.png" "$WORK/$s/money-after.png" 100
        check "table: the panel shows money other than R\$ 0" \
            differs "$WORK/$s/money-zero.png" "$WORK/$s/money-after.png" 100
        check "table: the toss lasts about 1.5 s ($settled ms, $waited ms of it waiting for a CPU)" \
            between "$settled" 1200 $((4500 + waited))
    else
        not_ok "table: the random stop settles by itself within 6 s"
    fi
    settle "$TABLE" 150
    shot coin-settled
    crop "$TABLE" 62 420 400 56 "$WORK/$s/money-1.png"
    tab $TAB_BETS
    crop "$TABLE" 30 340 500 180 "$WORK/$s/bets-1.png"
    shot coin-bets

    tab $TAB_DESIGN
    shot coin-design
    tab $TAB_HELP
    shot coin-help

    # Save: the name dialog comes first.
    tab $TAB_OPTIONS
    shot coin-options
    click_at "$TABLE" 363 384
    if name=$(xs_wait_window "$APP_PID" "$NAME_TITLE" 3000); then
        ok "table: the first \"Salvar jogo\" asks for a name"
        xs_key "$name" ctrl+a
        timeout 5 xdotool type --delay 40 "Ana"
        shot coin-name
        xs_key "$name" Return
        check "name dialog: Enter closes it" xs_wait_gone "$APP_PID" "$NAME_TITLE" 2000
    else
        not_ok "table: the first \"Salvar jogo\" asks for a name"
        show_windows
    fi
    # The save writes the files and shows the name at the table's top left.
    wait_for 3000 file_holds "$cfg/nome.txt" Ana
    wait_still "$TABLE" 0 0 260 28 150 3000
    shot coin-saved
    crop "$TABLE" 0 0 260 28 "$WORK/$s/name-1.png"
    check "save: mode, side, coin and bets ($(contents "$cfg/modo.txt" "$cfg/coc.txt" "$cfg/valor.txt" "$cfg/apostas.txt" "$cfg/nome.txt"))" \
        holds_all "$cfg/modo.txt" 1 "$cfg/coc.txt" Coroa "$cfg/valor.txt" 10 "$cfg/apostas.txt" 1 "$cfg/nome.txt" Ana
    if file_holds "$cfg/ganhou.txt" 1; then
        check "save: one win, no loss, money 0,1 ($(contents "$cfg/ganhou.txt" "$cfg/perdeu.txt" "$cfg/dinheiro.txt"))" \
            holds_all "$cfg/perdeu.txt" 0 "$cfg/dinheiro.txt" "0,1"
    else
        check "save: one loss, no win, money -0,1 ($(contents "$cfg/ganhou.txt" "$cfg/perdeu.txt" "$cfg/dinheiro.txt"))" \
            holds_all "$cfg/ganhou.txt" 0 "$cfg/perdeu.txt" 1 "$cfg/dinheiro.txt" "-0,1"
    fi

    # Back to the menu with "Sair para o menu principal", then end the program.
    click_at "$TABLE" 134 348
    check "table: \"Sair para o menu principal\" shows the main menu" appears "$APP_PID" "$MENU_TITLE" 3000
    check "table: it is hidden afterwards" xs_wait_gone "$APP_PID" "$COIN_TITLE" 2000
    end_game "first run"
fi

# ---------------------------------------------------------------------------------------------
# The second run: the saved game comes back.
reach_chooser "$s" || finish
if to_table "second run" "" 530 282 340 254; then
    tab $TAB_OPTIONS
    # "Carregar último jogo": the saved name shows at the table's top left.
    mark "$TABLE" 0 0 260 28
    click_at "$TABLE" 363 420
    wait_change 30 >/dev/null
    shot coin-loaded
    tab $TAB_MONEY
    crop "$TABLE" 62 420 400 56 "$WORK/$s/money-2.png"
    check "load: the money shows as it was saved" same_picture "$WORK/$s/money-1.png" "$WORK/$s/money-2.png"
    tab $TAB_BETS
    crop "$TABLE" 30 340 500 180 "$WORK/$s/bets-2.png"
    check "load: the counts and the side show as they were saved" same_picture "$WORK/$s/bets-1.png" "$WORK/$s/bets-2.png"
    crop "$TABLE" 0 0 260 28 "$WORK/$s/name-2.png"
    check "load: the player's name shows as it was saved" same_picture "$WORK/$s/name-1.png" "$WORK/$s/name-2.png"

    # Minimise and restore: the show handler does not run again, the money stays.
    tab $TAB_MONEY
    timeout 5 xdotool windowminimize "$TABLE"
    check "table: it can be minimised" xs_wait_gone "$APP_PID" "$COIN_TITLE" 2000
    timeout 5 xdotool windowactivate "$TABLE" >/dev/null 2>&1 || timeout 5 xdotool windowmap "$TABLE"
    if appears "$APP_PID" "$COIN_TITLE" 3000; then
        # Repainted as it was (a changed money fails the check below, after 3 s).
        wait_like "$WORK/$s/money-1.png" "$TABLE" 62 420 400 56 20 3000 >/dev/null
        crop "$TABLE" 62 420 400 56 "$WORK/$s/money-3.png"
        check "table: after minimise and restore the money is unchanged" same_picture "$WORK/$s/money-1.png" "$WORK/$s/money-3.png"
    else
        not_ok "table: it comes back from the taskbar"
    fi
    xs_close "$TABLE"
    check "table: closing it shows the chooser" appears "$APP_PID" "$CHOOSER_TITLE" 3000
    if win=$(xs_find "$APP_PID" "$CHOOSER_TITLE"); then
        xs_close "$win"
        appears "$APP_PID" "$MENU_TITLE" 3000
    fi
    end_game "second run"
fi
# ---------------------------------------------------------------------------------------------
# Keys held down as a player holds them: the X server repeats them while they are down.

# hold <window> <key> <seconds>: the key down for that long, then up.
hold() {
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1
    timeout 5 xdotool keydown "$2"
    sleep "$3"
    timeout 5 xdotool keyup "$2"
}

# boxes: how many message boxes of the program are on view.
boxes() { xs_windows "$APP_PID" | awk -v t="$APP_TITLE" '{ $1 = ""; sub(/^ /, ""); if ($0 == t) n++ } END { print n + 0 }'; }

s=coin-held
new_game $s
cfg=$G/Config/Jogos/coc
xset r on
check "the X server repeats held keys" sh -c "xset q | grep -q 'auto repeat:  on'"
if reach_chooser $s && to_table "held keys" "" 530 282 340 254; then
    # The money page of the tab panel at rest. While a toss runs the panel is hidden, which
    # changes all of its 16800 pixels; a changed money changes a few hundred.
    crop "$TABLE" 62 420 300 56 "$WORK/$s/panel.png"
    tossing() { wait_unlike "$WORK/$s/panel.png" "$TABLE" 62 420 300 56 4000 3000 >/dev/null; }
    at_rest() { wait_like "$WORK/$s/panel.png" "$TABLE" 62 420 300 56 4000 6000 >/dev/null; }

    # Enter held on "Escolher Modo": the mode dialog opens and stays, its repeats confirm nothing.
    hold "$TABLE" Return 2.5
    if mode=$(xs_wait_window "$APP_PID" "$MODE_TITLE" 2000); then
        ok "held Enter: the mode dialog opens and waits for the player"
        xs_key "$mode" Return
        xs_wait_gone "$APP_PID" "$MODE_TITLE" 2000
    else
        not_ok "held Enter: the mode dialog opens and waits for the player"
        show_windows
    fi
    # Held at rest through a whole random-stop toss: one toss. Then a toss started with one
    # press and Enter held while it turns: nothing more.
    hold "$TABLE" Return 2.5
    at_rest || note "the toss of the held Enter did not end within 6 s"
    xs_key "$TABLE" Return
    tossing || note "Enter did not start a toss"
    hold "$TABLE" Return 2.5
    at_rest || note "the toss of the second Enter did not end within 6 s"
    # Player stop: reset, choose "Parada pelo Jogador", then Space held in the middle of a toss
    # stops it once; held at rest it warns once.
    tab $TAB_OPTIONS
    click_at "$TABLE" 363 348 # "Zerar Cara ou Coroa"
    tab $TAB_MONEY
    xs_key "$TABLE" Return
    if mode=$(xs_wait_window "$APP_PID" "$MODE_TITLE" 3000); then
        click_at "$mode" 20 147
        xs_key "$mode" Return
        xs_wait_gone "$APP_PID" "$MODE_TITLE" 2000
    fi
    xs_key "$TABLE" Return
    tossing || note "Enter did not start a player-stop toss"
    hold "$TABLE" space 2.5
    # Time for a wrong warning to come up.
    sleep 0.5
    check "held Space mid-toss: no warning (found $(boxes))" [ "$(boxes)" = 0 ]
    hold "$TABLE" space 2.5
    sleep 0.5
    # The warning's own OK button may take the held key's later repeats and close it; never
    # more than the one warning shows.
    check "held Space at rest: at most one warning (found $(boxes))" [ "$(boxes)" -le 1 ]
    if box=$(xs_find "$APP_PID" "$APP_TITLE"); then
        xs_key "$box" Return
        xs_wait_gone "$APP_PID" "$APP_TITLE" 2000
    fi
    shot coin-held
    tab $TAB_BETS
    shot coin-held-bets
    # The counts, through a save.
    tab $TAB_OPTIONS
    click_at "$TABLE" 363 384
    if name=$(xs_wait_window "$APP_PID" "$NAME_TITLE" 3000); then
        xs_key "$name" ctrl+a
        timeout 5 xdotool type --delay 40 "Rui"
        xs_key "$name" Return
        xs_wait_gone "$APP_PID" "$NAME_TITLE" 2000
    fi
    wait_for 3000 file_holds "$cfg/nome.txt" Rui
    won=$(cat "$cfg/ganhou.txt" 2>/dev/null) lost=$(cat "$cfg/perdeu.txt" 2>/dev/null)
    check "held keys: three tosses in all, one since the reset ($(contents "$cfg/apostas.txt" "$cfg/ganhou.txt" "$cfg/perdeu.txt" "$cfg/dinheiro.txt" "$cfg/modo.txt"))" \
        [ "$(cat "$cfg/apostas.txt")/$((${won:-0} + ${lost:-0}))" = 1/3 ]
    check "held keys: the money since the reset is one toss of 1 real ($(contents "$cfg/dinheiro.txt"))" \
        grep -qxE -- '-?1' "$cfg/dinheiro.txt"
    check "held keys: the mode is player stop" file_holds "$cfg/modo.txt" 2
    stop_game
fi
note "run took $(($(xs_now_ms) - started)) ms; screenshots in $SHOTS"
finish
