#!/usr/bin/env bash
# Blackjack end to end under Xvfb, played as a player would: the table opened from the game
# chooser, Enter to deal, 50 typed into the bet dialog and Enter, Enter again and again until an
# outcome dialog or the five-card message comes up, the dialog closed; more hands until every
# outcome dialog has been seen (or the time for it is up); then leaving the table and coming
# back to a fresh one with the money at 0 and the counts kept. Screenshots go to the build's
# screenshot folder as blackjack-*.png.
# shellcheck source=tests/e2e/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"

BET_TITLE="Faça sua aposta"
declare -A OUTCOME_TITLES=(
    [ganhou]="Você ganhou !"
    [perdeu]="Você perdeu !"
    [empate]="Empate !"
    [estourou]="Que pena ! Você estourou !"
    [certo]="Black Jack - 21 na Mosca"
)
declare -A OUTCOME_SIZES=([ganhou]="264 213" [perdeu]="306 201" [empate]="249 208" [estourou]="271 208" [certo]="249 273")
declare -A SEEN=()

# The middle of the stand button, across; its row is found below the menu bar.
STAND_X=654
s=blackjack

# open_table <what>: from the chooser $CHOOSER, onto the Blackjack banner and a click on its
# highlighted twin; the table's window goes to $TABLE.
open_table() {
    local plain=$WORK/$s/chooser-plain.png hovered=$WORK/$s/chooser-hovered.png n
    point "$CHOOSER" 273 4
    wait_still "$CHOOSER" 8 10 530 320 150 3000
    grab_root "$plain"
    point "$CHOOSER" 273 278
    n=$(changed_shot "$plain" "$hovered" "$CHOOSER" 8 233 530 91 4000)
    check "$1: the pointer on the BlackJack banner highlights it ($n pixels changed)" [ "$n" -gt 4000 ]
    xdotool click 1
    TABLE=$(xs_wait_window "$APP_PID" "$BLACKJACK_TITLE" 3000)
    screen_opens "$1: the highlighted BlackJack banner" "$TABLE" "$BLACKJACK_TITLE" 797 571
}

# menu_height: the table's menu bar, found as the first row of the client area that is not the
# menu's plain colour (the table picture starts there).
menu_height() {
    local ox oy row=0 line rgb r g b
    read -r ox oy < <(xs_origin "$TABLE")
    while read -r line; do
        [[ $line == \#* ]] && continue
        rgb=${line#*(}
        rgb=${rgb%%)*}
        IFS=, read -r r g b _ <<<"$rgb"
        if [ $((${r%.*} + ${g%.*} + ${b%.*})) -lt 200 ]; then
            echo "$row"
            return
        fi
        row=$((row + 1))
    done < <(import -window root -crop "1x60+$((ox + 400))+$oy" +repage txt:- 2>/dev/null)
    echo 22
}

# outcome_up: prints the name of the outcome dialog on view ("five" for the five-card message),
# or nothing.
outcome_up() {
    local k w name five=""
    while read -r w name; do
        [ -n "$w" ] || continue
        for k in "${!OUTCOME_TITLES[@]}"; do
            if [[ $name == "${OUTCOME_TITLES[$k]}"* ]]; then
                echo "$k"
                return
            fi
        done
        [[ $name == "$APP_TITLE"* ]] && five=1
    done < <(xs_windows "$APP_PID")
    [ -n "$five" ] && echo five
}

# wait_outcome <ms>: waits for an outcome dialog or the five-card message; prints its name.
wait_outcome() {
    local deadline=$(($(xs_now_ms) + $1)) got
    while :; do
        got=$(outcome_up)
        [ -n "$got" ] && { echo "$got"; return 0; }
        [ "$(xs_now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# close_outcome <name>: closes the dialog as a player would: Enter, except for the exact 21,
# which takes no key and is closed by its close box.
close_outcome() {
    local w
    w=$(xs_find "$APP_PID" "${OUTCOME_TITLES[$1]}") || return 1
    if [ "$1" = certo ]; then
        xs_key "$w" Return
        sleep 0.4
        check "21 dialog: Enter does not close it" appears "$APP_PID" "${OUTCOME_TITLES[$1]}" 10
        xs_close "$w"
    else
        xs_key "$w" Return
    fi
    xs_wait_gone "$APP_PID" "${OUTCOME_TITLES[$1]}" 2000
}

# record_outcome <name>: the first time an outcome shows, its dialog is checked and photographed.
record_outcome() {
    local w size
    [ -n "${SEEN[$1]:-}" ] && return
    SEEN[$1]=1
    w=$(xs_find "$APP_PID" "${OUTCOME_TITLES[$1]}")
    read -r -a size <<<"${OUTCOME_SIZES[$1]}"
    screen_opens "a settled hand" "$w" "${OUTCOME_TITLES[$1]}" "${size[0]}" "${size[1]}"
    shot "blackjack-outcome-$1"
}

# bet_with_enter <amount>: the bet dialog is up: types the amount over the 5 shown and presses Enter.
bet_with_enter() {
    local bet
    if ! bet=$(xs_wait_window "$APP_PID" "$BET_TITLE" 3000); then
        not_ok "the deal brings up \"$BET_TITLE\""
        show_windows
        return 1
    fi
    xs_key "$bet" ctrl+a "$@"
    [ "${SHOT_BET:-}" = "" ] && { settle "$bet" 150; shot blackjack-bet; SHOT_BET=1; }
    xs_key "$bet" Return
    xs_wait_gone "$APP_PID" "$BET_TITLE" 2000
}

# cards_still: waits until the player's cards have not changed for 150 ms (at most 3 s).
cards_still() { wait_still "$TABLE" 300 $((MENU_H + 415)) 300 110 150 3000; }

# draw_card: Enter on the table draws a card; waits until it shows or a dialog comes up.
draw_card() {
    mark "$TABLE" 300 $((MENU_H + 415)) 300 110
    xs_key "$TABLE" Return
    wait_change 800 4000 >/dev/null
    # The settlement's dialog, if this card ended the hand, follows the card.
    wait_outcome 300 >/dev/null
}

# play_hand <stand after two cards: yes/no>: deals, bets 50 by Enter, then draws with Enter (or
# stands with the stand button) until the hand is settled; prints the outcome's name.
play_hand() {
    local got i
    mark "$TABLE" 300 $((MENU_H + 415)) 300 110
    xs_key "$TABLE" Return
    bet_with_enter 5 0 >/dev/null || return 1
    # The new hand's cards (a stand before them counts nothing).
    wait_change 800 4000 >/dev/null
    if [ "$1" = yes ]; then
        point "$TABLE" "$STAND_X" $((MENU_H + 498))
        xdotool click 1
        wait_outcome 3000
        return
    fi
    for ((i = 0; i < 5; i++)); do
        got=$(outcome_up)
        if [ -n "$got" ]; then echo "$got"; return; fi
        draw_card
    done
    wait_outcome 2000
}

new_game $s
if reach_chooser $s && open_table "chooser"; then
    MENU_H=$(menu_height)
    note "menu bar: $MENU_H pixels"
    shot blackjack-table
    cp "$SHOTS/blackjack-table.png" "$WORK/$s/table-first.png"

    # The first hand: Enter, 50 and Enter in the bet dialog, then Enter until it is settled.
    xs_key "$TABLE" Return
    if bet=$(xs_wait_window "$APP_PID" "$BET_TITLE" 3000); then
        screen_opens "Enter on the table" "$bet" "$BET_TITLE" 272 156
        xs_key "$bet" 5 0
        settle "$bet" 150
        shot blackjack-bet
        SHOT_BET=1
        xs_key "$bet" Return
        check "bet dialog: Enter closes it" xs_wait_gone "$APP_PID" "$BET_TITLE" 2000
        n=$(changed_shot "$WORK/$s/table-first.png" "$SHOTS/blackjack-hand.png" "$TABLE" 320 $((MENU_H + 425)) 89 89 2000)
        check "table: after the bet the player's first two cards are dealt ($n pixels changed)" [ "$n" -gt 2000 ]
        outcome=""
        for ((i = 0; i < 5; i++)); do
            outcome=$(outcome_up)
            [ -n "$outcome" ] && break
            draw_card
        done
        [ -z "$outcome" ] && outcome=$(wait_outcome 2000)
        if [ "$outcome" = five ]; then
            ok "table: the five-card message comes up"
            shot blackjack-five-cards
            xs_key "$(xs_find "$APP_PID" "$APP_TITLE")" Return
            xs_wait_gone "$APP_PID" "$APP_TITLE" 2000
            point "$TABLE" "$STAND_X" $((MENU_H + 498))
            xdotool click 1
            outcome=$(wait_outcome 3000)
        fi
        if [ -n "$outcome" ] && [ "$outcome" != five ]; then
            ok "table: pressing Enter draws until the hand is settled (\"${OUTCOME_TITLES[$outcome]}\")"
            record_outcome "$outcome"
            check "${OUTCOME_TITLES[$outcome]}: closing it as a player would" close_outcome "$outcome"
            settle "$TABLE" 150
            shot blackjack-settled
            # Money moves by the 50 typed (not by 0) on a win, a loss or a 21; a bust or a tie
            # leaves it.
            n=$(client_diff "$WORK/$s/table-first.png" "$SHOTS/blackjack-settled.png" "$TABLE" 2 553 146 16)
            case $outcome in
            ganhou | perdeu | certo) check "status bar: the money shows the hand's result ($n pixels changed)" [ "$n" -gt 20 ] ;;
            *) check "status bar: a $outcome leaves the money as it was ($n pixels changed)" [ "$n" -lt 20 ] ;;
            esac
            n=$(client_diff "$WORK/$s/table-first.png" "$SHOTS/blackjack-settled.png" "$TABLE" 152 553 640 16)
            check "status bar: the counts show the hand ($n pixels changed)" [ "$n" -gt 20 ]
            n=$(client_diff "$WORK/$s/table-first.png" "$SHOTS/blackjack-settled.png" "$TABLE" 331 $((MENU_H + 80)) 143 123)
            check "table: the house's cards are turned over ($n pixels changed)" [ "$n" -gt 3000 ]
        else
            not_ok "table: pressing Enter draws until the hand is settled"
            show_windows
        fi
    else
        not_ok "Enter on the table brings up \"$BET_TITLE\""
        show_windows
    fi

    # Keys held down as a player holds them (xdotool keydown, 2.5 s, keyup): the X server repeats
    # them (proved on the bet field, where a held digit types on), and the repeats act nowhere.
    # At rest a held Enter deals once: one bet dialog, still open when the key comes up.
    timeout 5 xdotool windowactivate --sync "$TABLE" >/dev/null 2>&1
    xdotool keydown Return
    sleep 2.5
    xdotool keyup Return
    if bet=$(xs_wait_window "$APP_PID" "$BET_TITLE" 2000); then
        ok "held Enter at rest: the bet dialog stays up through the repeats"
        check "held Enter at rest: no outcome dialog and no card message" [ -z "$(outcome_up)" ]
        # The X server repeats held keys: a held 7 types on in the amount field.
        xs_key "$bet" ctrl+a 7
        wait_still "$bet" 74 22 118 62 150 3000
        grab_root "$WORK/$s/bet-one.png"
        timeout 5 xdotool windowactivate --sync "$bet" >/dev/null 2>&1
        xdotool keydown 7
        sleep 1.5
        xdotool keyup 7
        n=$(changed_shot "$WORK/$s/bet-one.png" "$WORK/$s/bet-held.png" "$bet" 74 22 118 62 150)
        check "held 7 in the amount field types on: the server repeats held keys ($n pixels changed)" [ "$n" -gt 150 ]
        # The bet taken, the table deals two cards, no more.
        xs_key "$bet" ctrl+a 5 0
        grab_root "$WORK/$s/held-before.png"
        timeout 5 xdotool windowactivate --sync "$bet" >/dev/null 2>&1
        xdotool key Return
        check "bet dialog: Enter bets" xs_wait_gone "$APP_PID" "$BET_TITLE" 2000
        # The two cards, then time for a wrong third to show.
        changed_shot "$WORK/$s/held-before.png" "$WORK/$s/held-dealt.png" "$TABLE" 320 $((MENU_H + 425)) 60 89 2000 >/dev/null
        wait_still "$TABLE" 300 $((MENU_H + 415)) 300 110 300 3000
        grab_root "$WORK/$s/held-dealt.png"
        n=$(client_diff "$WORK/$s/held-before.png" "$WORK/$s/held-dealt.png" "$TABLE" 320 $((MENU_H + 425)) 60 89)
        check "held Enter at rest: the hand is dealt once the bet is taken ($n pixels changed)" [ "$n" -gt 2000 ]
        n=$(client_diff "$WORK/$s/held-before.png" "$WORK/$s/held-dealt.png" "$TABLE" 416 $((MENU_H + 440)) 60 60)
        check "held Enter at rest: no third card ($n pixels changed where it would lie)" [ "$n" -lt 200 ]

        # Mid-hand a held Space draws one card; a dialog it brings up stays up through the
        # repeats.
        timeout 5 xdotool windowactivate --sync "$TABLE" >/dev/null 2>&1
        xdotool keydown space
        sleep 2.5
        xdotool keyup space
        cards_still
        grab_root "$WORK/$s/held-mid.png"
        cp "$WORK/$s/held-mid.png" "$SHOTS/blackjack-held-space.png"
        outcome=$(outcome_up)
        if [ -n "$outcome" ]; then
            ok "held Space mid-hand: the third card ended the hand, and its dialog stays up (\"$outcome\")"
            case $outcome in
            certo | estourou | empate) ok "held Space mid-hand: the dialog is that of a third card's ending" ;;
            *) not_ok "held Space mid-hand: the dialog is that of a third card's ending (not \"$outcome\")" ;;
            esac
            record_outcome "$outcome"
            close_outcome "$outcome"
        else
            n=$(client_diff "$WORK/$s/held-dealt.png" "$WORK/$s/held-mid.png" "$TABLE" 412 $((MENU_H + 440)) 36 60)
            check "held Space mid-hand: the third card is drawn ($n pixels changed)" [ "$n" -gt 800 ]
            n=$(client_diff "$WORK/$s/held-dealt.png" "$WORK/$s/held-mid.png" "$TABLE" 450 $((MENU_H + 440)) 40 60)
            check "held Space mid-hand: no fourth card ($n pixels changed where it would lie)" [ "$n" -lt 200 ]
            point "$TABLE" "$STAND_X" $((MENU_H + 498))
            xdotool click 1
            outcome=$(wait_outcome 3000)
            if [ -n "$outcome" ]; then
                record_outcome "$outcome"
                close_outcome "$outcome"
            fi
        fi
        check "after the held keys the table is at rest, no dialog open" [ -z "$(outcome_up)" ]
    else
        not_ok "held Enter at rest: the bet dialog stays up through the repeats"
        show_windows
    fi

    # More hands, standing after two cards every other hand, until each outcome has been seen
    # or 90 s have passed.
    deadline=$(($(xs_now_ms) + 90000))
    hands=1
    while [ "${#SEEN[@]}" -lt 5 ] && [ "$(xs_now_ms)" -lt "$deadline" ]; do
        if [ $((hands % 2)) = 1 ]; then standing=yes; else standing=no; fi
        hands=$((hands + 1))
        outcome=$(play_hand "$standing")
        if [ "$outcome" = five ]; then
            xs_key "$(xs_find "$APP_PID" "$APP_TITLE")" Return
            xs_wait_gone "$APP_PID" "$APP_TITLE" 2000
            point "$TABLE" "$STAND_X" $((MENU_H + 498))
            xdotool click 1
            outcome=$(wait_outcome 3000)
        fi
        if [ -z "$outcome" ]; then
            not_ok "hand $hands: it is settled with an outcome dialog"
            show_windows
            break
        fi
        record_outcome "$outcome"
        close_outcome "$outcome" || { not_ok "hand $hands: its outcome dialog closes"; break; }
    done
    note "$hands hands; outcomes seen: ${!SEEN[*]}"
    check "every hand was settled and the table still deals (${#SEEN[@]} of 5 outcomes seen in $hands hands)" \
        [ "${#SEEN[@]}" -ge 3 ]
    shot blackjack-after-hands

    # Leaving and coming back: a fresh table, money 0, the counts kept.
    xs_close "$TABLE"
    if CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
        ok "table: closing it shows the game chooser again"
        if open_table "coming back"; then
            shot blackjack-table-again
            n=$(client_diff "$WORK/$s/table-first.png" "$SHOTS/blackjack-table-again.png" "$TABLE" 2 553 146 16)
            check "coming back: the money is 0 again ($n pixels differ from the first visit)" [ "$n" -lt 20 ]
            n=$(client_diff "$WORK/$s/table-first.png" "$SHOTS/blackjack-table-again.png" "$TABLE" 152 553 640 16)
            check "coming back: the counts are kept ($n pixels differ from the first visit)" [ "$n" -gt 20 ]
            n=$(client_diff "$WORK/$s/table-first.png" "$SHOTS/blackjack-table-again.png" "$TABLE" 20 0 760 520)
            check "coming back: the table is fresh ($n pixels differ from the first visit)" [ "$n" -lt 500 ]
            xs_close "$TABLE"
            CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000)
        fi
    else
        not_ok "table: closing it shows the game chooser again"
        show_windows
    fi
    if win=$(xs_find "$APP_PID" "$CHOOSER_TITLE"); then
        xs_close "$win"
        check "chooser: closing it shows the main menu" appears "$APP_PID" "$MENU_TITLE" 3000
    fi
    end_game "blackjack"
else
    stop_game
fi
finish
