#!/usr/bin/env bash
# End-to-end run of the real program under Xvfb with openbox, driven by xdotool as a player
# would drive it: start-up and hand-over to the main menu, the menu button and its panel, the
# desktop launcher, Enter to the game chooser and back, closing; Esc on the loading screen; a
# missing settings file at start; the one-time warning, its "Fechar" button and its check box;
# the game chooser's banners and the round trip to each game's screen, the configuration and
# design screens with their saved files, the help and about screens; SIGINT, SIGTERM and SIGHUP
# ending the program.
#
#   run.sh <program> <game folder> <screenshot folder>
#
# Timings are real time on a real X server, hence the polling loops with bounded waits.

# shellcheck source=SCRIPTDIR/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"

# ---------------------------------------------------------------------------------------------
# 1. A normal start: loading screen, hand-over to the menu, the menu button and its panel, the
#    desktop launcher, Enter to the game chooser and back, closing the menu ends the program.
scenario1() {
    local s=normal loading menu chooser t ox oy w h n launcher
    note "scenario 1: normal start"
    new_game $s
    start_game $s

    if loading=$(xs_wait_window "$APP_PID" "$LOADING_TITLE" 3000); then
        ok "start: the loading screen appears ($(elapsed) ms after start)"
        check_title "start: the loading screen" "$loading" "$LOADING_TITLE"
        read -r w h < <(xs_size "$loading")
        check "start: the loading screen's client area is about 322x96 (${w}x${h})" \
            near2 "${w:-0}" "${h:-0}" 322 96 8
    else
        not_ok "start: the loading screen appears within 3 s"
        show_windows
    fi

    # Ten loading steps of 278 ms, plus the program's own start-up; on a loaded machine the
    # time the program waited for a CPU comes on top.
    if menu=$(app_wait_window "$MENU_TITLE" 4500); then
        t=$(elapsed)
        ok "start: the main menu appears within 4.5 s ($t ms after start, $(run_delay_ms "$APP_PID") ms of it waiting for a CPU)"
        check "start: the main menu does not appear before the ten loading steps (${t} ms >= 2500 ms)" [ "$t" -ge 2500 ]
    else
        not_ok "start: the main menu appears within 4.5 s of start (and the time it waited for a CPU)"
        show_windows
        stop_game
        return
    fi
    check "start: the loading screen is hidden once the menu is shown" xs_wait_gone "$APP_PID" "$LOADING_TITLE" 500
    check_title "menu" "$menu" "$MENU_TITLE"
    read -r w h < <(xs_size "$menu")
    check "menu: its client area is 800x528 (${w}x${h})" [ "${w:-0}x${h:-0}" = 800x528 ]
    read -r ox oy < <(xs_origin "$menu")
    ox=${ox:-0} oy=${oy:-0}
    check "menu: it is centred on the 1024x768 screen (client at $ox,$oy)" \
        near2 $((ox + 400)) $((oy + 264)) 512 384 40

    settle "$menu" 200
    shot menu

    # The menu button: moving onto it shows its highlight, pressing it opens the panel.
    xdotool mousemove $((ox + 300)) $((oy + 200))
    sleep 0.1
    xdotool mousemove $((ox + 70)) $((oy + 500))
    sleep 0.05
    xdotool mousemove $((ox + 80)) $((oy + 500))
    n=$(changed_shot "$SHOTS/menu.png" "$SHOTS/menu-hover.png" "$menu" 1 483 157 38 600)
    check "menu: the pointer on the menu button highlights it ($n of 5966 pixels changed)" [ "$n" -gt 600 ]
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
    n=$(changed_shot "$SHOTS/menu.png" "$SHOTS/menu-panel.png" "$menu" 4 331 153 154 7000)
    check "menu: pressing the menu button opens the panel ($n of 23562 pixels changed)" [ "$n" -gt 7000 ]

    # The desktop launcher written at start.
    launcher="$H/Desktop/Cassino ZOR.desktop"
    if [ -f "$launcher" ]; then
        ok "launcher: \"Cassino ZOR.desktop\" is written to the desktop folder"
        check "launcher: Exec is the program's own path, quoted" grep -qFx "Exec=\"$PROG\"" "$launcher"
        check "launcher: Path is the working directory" grep -qFx "Path=$G" "$launcher"
        grep -E '^(Exec|Path)=' "$launcher" | sed 's/^/#   /'
    else
        not_ok "launcher: \"Cassino ZOR.desktop\" is written to the desktop folder"
        find "$H/Desktop" | sed 's/^/#   /'
    fi

    # Enter on the menu starts the game chooser; closing the chooser brings the menu back.
    xs_key "$menu" Return
    if chooser=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
        ok "menu: Enter opens the game chooser"
        check_title "chooser" "$chooser" "$CHOOSER_TITLE"
        check "menu: it is hidden while the chooser is shown" xs_wait_gone "$APP_PID" "$MENU_TITLE" 1000
        settle "$chooser" 150
        shot chooser
        xs_close "$chooser"
        if menu=$(xs_wait_window "$APP_PID" "$MENU_TITLE" 3000); then
            ok "chooser: closing it shows the main menu again"
            check "chooser: it is hidden after closing" xs_wait_gone "$APP_PID" "$CHOOSER_TITLE" 1000
            check "chooser: closing it does not end the program" xs_alive "$APP_PID"
            settle "$menu" 150
            shot menu-again
        else
            not_ok "chooser: closing it shows the main menu again"
            show_windows
        fi
    else
        not_ok "menu: Enter opens the game chooser"
        show_windows
    fi

    end_game "menu"
}

# ---------------------------------------------------------------------------------------------
# 2. Esc on the loading screen ends the program before the menu is ever shown.
scenario2() {
    local s=escape loading t_esc menu_seen=0 ended=0
    note "scenario 2: Esc on the loading screen"
    new_game $s
    start_game $s
    if ! loading=$(xs_wait_window "$APP_PID" "$LOADING_TITLE" 3000); then
        not_ok "escape: the loading screen appears"
        stop_game
        return
    fi
    xs_key "$loading" Escape
    t_esc=$(elapsed)
    note "Esc pressed $t_esc ms after start"
    while [ $(($(elapsed) - t_esc)) -lt 3000 ]; do
        xs_find "$APP_PID" "$MENU_TITLE" >/dev/null && menu_seen=1
        if ! xs_alive "$APP_PID"; then
            ended=1
            break
        fi
        sleep 0.05
    done
    if [ $ended = 1 ]; then
        ok "escape: Esc on the loading screen ends the program ($(($(elapsed) - t_esc)) ms after Esc)"
        xs_wait_exit "$APP_PID" 1000
        check "escape: the program ends with status 0 (status $XS_RC)" [ "$XS_RC" = 0 ]
        APP_PID=""
    else
        not_ok "escape: Esc on the loading screen ends the program within 3 s"
        show_windows
    fi
    check "escape: the main menu never appears" [ $menu_seen = 0 ]
    stop_game
}

# ---------------------------------------------------------------------------------------------
# 3. A missing settings file: the error box at start, and the menu still comes up.
scenario3() {
    local s=missing w name box="" seen=" " deadline menu
    note "scenario 3: Config/musica.txt missing"
    new_game $s
    rm -f "$G/Config/musica.txt"
    start_game $s
    deadline=$((T0 + 4000))
    while [ -z "$box" ] && [ "$(xs_now_ms)" -lt "$deadline" ] && xs_alive "$APP_PID"; do
        while read -r w name; do
            [ -n "$w" ] || continue
            if [[ $seen != *" $w "* ]]; then
                note "  window $w \"$name\" at $(elapsed) ms"
                seen="$seen$w "
            fi
            if [ "$name" = "$APP_TITLE" ]; then
                box=$w
            elif [ -z "$box" ] && [[ $name != "$LOADING_TITLE"* && $name != "$MENU_TITLE"* ]]; then
                box=$w
            fi
        done < <(xs_windows "$APP_PID")
        [ -n "$box" ] || sleep 0.05
    done
    if [ -n "$box" ]; then
        ok "missing file: an error box appears at start ($(elapsed) ms)"
        check_title "missing file: the error box" "$box" "$APP_TITLE"
        settle "$box" 150
        shot missing-config-error
        name=$(timeout 5 xdotool getwindowname "$box" 2>/dev/null)
        xs_key "$box" Return
        check "missing file: Enter dismisses the error box" xs_wait_gone "$APP_PID" "${name:-?}" 2000
        # The start goes on as usual: the loading screen is on view until the hand-over.
        check "missing file: the loading screen is shown after the error box ($(elapsed) ms)" \
            appears "$APP_PID" "$LOADING_TITLE" 1000
    else
        not_ok "missing file: an error box appears at start"
        shot missing-config-no-error
    fi
    if menu=$(app_wait_window "$MENU_TITLE" 6000); then
        ok "missing file: the main menu still appears ($(elapsed) ms after start)"
        settle "$menu" 150
        shot missing-config-menu
    else
        not_ok "missing file: the main menu still appears within 6 s of start"
        show_windows
    fi
    if [ -n "$box" ]; then
        check "missing file: no launcher is written when loading the settings failed" \
            [ ! -e "$H/Desktop/Cassino ZOR.desktop" ]
    fi
    if [ -n "${menu:-}" ]; then end_game "missing file"; else stop_game; fi
}

# ---------------------------------------------------------------------------------------------
# 4. The one-time warning: "Aviso" about 9 s after the menu's creation; "Fechar" saves "s".
scenario4() {
    local s=warning aviso t file before w h ox oy n
    note "scenario 4: the one-time warning"
    new_game $s
    file=$G/Config/alerta.txt
    printf s >"$file"
    touch -d '2001-01-01 00:00:00' "$file"
    before=$(stat -c %Y "$file")
    start_game $s
    if ! app_wait_window "$MENU_TITLE" 4500 >/dev/null; then
        not_ok "warning: the main menu appears"
        show_windows
        stop_game
        return
    fi
    # 9032 ms after the menu's creation, which comes about 1.5 s into the loading steps; the time
    # the program waited for a CPU comes on top.
    if aviso=$(app_wait_window "$WARNING_TITLE" 15000); then
        t=$(elapsed)
        waited=$(run_delay_ms "$APP_PID")
        ok "warning: the \"Aviso\" dialog appears ($t ms after start)"
        check "warning: it appears 9 to 14 s after start ($t ms, $waited ms of it waiting for a CPU)" \
            between "$t" 9000 $((14000 + waited))
        check_title "warning: the dialog" "$aviso" "$WARNING_TITLE"
        read -r w h < <(xs_size "$aviso")
        check "warning: its client area is 420x159 (${w}x${h})" [ "${w:-0}x${h:-0}" = 420x159 ]
        settle "$aviso" 200
        shot warning
        # The unticked check box must show its square: compared with the same square of the
        # dialog's picture 22 pixels higher, where nothing lies, a drawn box changes most of
        # it (the check box lies at 12,124, 200x20, its box at the left).
        read -r ox oy < <(xs_origin "$aviso")
        n=$(region_pair_diff "$SHOTS/warning.png" $((ox + 12)) $((oy + 126)) $((ox + 12)) $((oy + 104)) 16 16)
        check "warning: the check box shows its square before it is ticked ($n of 256 pixels stand out)" \
            [ "$n" -ge 80 ]
        xs_key "$aviso" Return
        check "warning: Enter presses \"Fechar\" and closes the dialog" xs_wait_gone "$APP_PID" "$WARNING_TITLE" 2000
        wait_for 3000 [ "$(stat -c %Y "$file")" -gt "$before" ]
        check "warning: \"Fechar\" saves Config/alerta.txt again" [ "$(stat -c %Y "$file")" -gt "$before" ]
        check "warning: Config/alerta.txt then holds exactly \"s\" ($(od -An -c "$file" | tr -s ' '))" \
            file_holds "$file" s
    else
        not_ok "warning: the \"Aviso\" dialog appears within 15 s of start"
        show_windows
    fi
    end_game "warning"
}

# ---------------------------------------------------------------------------------------------
# 5. Ticking "Não exibir avisos e alertas" before "Fechar" switches the warnings off for good.
scenario5() {
    local s=warning-off aviso ox oy file
    note "scenario 5: the warning switched off"
    new_game $s
    file=$G/Config/alerta.txt
    printf s >"$file"
    start_game $s
    if ! aviso=$(app_wait_window "$WARNING_TITLE" 15000); then
        not_ok "warning off: the \"Aviso\" dialog appears within 15 s of start"
        show_windows
        stop_game
        return
    fi
    read -r ox oy < <(xs_origin "$aviso")
    # The check box lies at 12,124 (200x20); its caption takes the click as well as its box.
    mark "$aviso" 12 124 200 20
    xdotool mousemove $((ox + 60)) $((oy + 134)) click 1
    wait_change 10 3000 >/dev/null
    shot warning-ticked
    xs_key "$aviso" Return
    check "warning off: \"Fechar\" closes the dialog" xs_wait_gone "$APP_PID" "$WARNING_TITLE" 2000
    wait_for 3000 file_holds "$file" n
    check "warning off: with the box ticked Config/alerta.txt holds exactly \"n\" ($(od -An -c "$file" | tr -s ' '))" \
        file_holds "$file" n
    end_game "warning off"
}

# ---------------------------------------------------------------------------------------------
# 6. The shell and settings screens: the game chooser's banners and the round trip to each
#    game's screen, the configuration screen's sound switch and Save, the design screen's
#    swatches and Save, the help and about screens. Warnings are off, so no confirmation box
#    comes between the steps.

scenario6() {
    local s=screens win conf design n cfg
    note "scenario 6: game chooser, configuration, design, help and about screens"
    new_game $s
    cfg=$G/Config
    start_game $s
    if ! MENU=$(app_wait_window "$MENU_TITLE" 4500); then
        not_ok "screens: the main menu appears within 4.5 s of start"
        show_windows
        stop_game
        return
    fi

    # The game chooser and a round trip to each game's screen.
    xs_key "$MENU" Return
    if CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
        ok "screens: Enter on the menu opens \"$CHOOSER_TITLE\""
        game_round_trip coin 10 "$COIN_TITLE" 888 616 game-coin &&
            game_round_trip "slot machine" 122 "$SLOT_TITLE" 852 537 game-slot-machine &&
            game_round_trip blackjack 233 "$BLACKJACK_TITLE" 797 571 game-blackjack
        if win=$(xs_find "$APP_PID" "$CHOOSER_TITLE"); then
            xs_close "$win"
            check "chooser: closing it after the games shows the main menu again" \
                appears "$APP_PID" "$MENU_TITLE" 3000
            check "chooser: it is hidden after closing" xs_wait_gone "$APP_PID" "$CHOOSER_TITLE" 1000
        fi
    else
        not_ok "screens: Enter on the menu opens \"$CHOOSER_TITLE\""
        show_windows
    fi
    if ! MENU=$(xs_wait_window "$APP_PID" "$MENU_TITLE" 1000); then
        not_ok "screens: the main menu is on view for the settings steps"
        show_windows
        stop_game
        return
    fi

    # The configuration screen from the menu's gear: untick the sound box, Save.
    conf=$(open_from_menu config 480 505 "$CONFIG_TITLE")
    if screen_opens "menu: the gear button" "$conf" "$CONFIG_TITLE" 238 285; then
        shot configuration
        click_at "$conf" 17 56
        n=$(changed_shot "$SHOTS/configuration.png" "$WORK/$s/config-unticked.png" "$conf" 208 48 28 13 15)
        check "configuration: unticking \"Efeitos de Som: \" turns its label from ON to OFF ($n pixels changed)" \
            [ "$n" -gt 15 ]
        check "configuration: unticking the box writes nothing before Save ($(contents "$cfg/som.txt"))" \
            file_holds "$cfg/som.txt" s
        click_at "$conf" 158 236
        check "configuration: \"Salvar !\" closes the screen" xs_wait_gone "$APP_PID" "$CONFIG_TITLE" 3000
        wait_for 3000 file_holds "$cfg/som.txt" n
        check "configuration: after Save Config/som.txt holds exactly \"n\" ($(od -An -c "$cfg/som.txt" | tr -s ' '))" \
            file_holds "$cfg/som.txt" n
        check "configuration: Save writes the other switches and the theme as they were ($(contents "$cfg/alerta.txt" "$cfg/musica.txt" "$cfg/animacao.txt" "$cfg/cor.txt"))" \
            holds_all "$cfg/alerta.txt" n "$cfg/musica.txt" s "$cfg/animacao.txt" s "$cfg/cor.txt" 1
    fi

    # The design screen from the configuration screen: the middle-left swatch is theme "5".
    conf=$(open_from_menu config 480 505 "$CONFIG_TITLE")
    if screen_opens "menu: the gear button, a second time," "$conf" "$CONFIG_TITLE" 238 285; then
        click_at "$conf" 78 236
        design=$(xs_wait_window "$APP_PID" "$DESIGN_TITLE" 3000)
        if screen_opens "configuration: \"Design\"" "$design" "$DESIGN_TITLE" 253 527; then
            import -window root "$WORK/$s/design-before.png" 2>/dev/null
            click_at "$design" 63 212
            # The strip of background between the two columns of swatches shows the preview.
            n=$(changed_shot "$WORK/$s/design-before.png" "$SHOTS/design.png" "$design" 118 36 12 360 1500)
            check "design: clicking the middle-left swatch previews its theme on the background ($n of 4320 pixels changed)" \
                [ "$n" -gt 1500 ]
            click_at "$design" 183 430
            check "design: \"&Salvar\" closes the screen" xs_wait_gone "$APP_PID" "$DESIGN_TITLE" 3000
            wait_for 3000 file_holds "$cfg/cor.txt" 5
            check "design: after Save Config/cor.txt holds exactly \"5\", the middle-left swatch's theme ($(od -An -c "$cfg/cor.txt" | tr -s ' '))" \
                file_holds "$cfg/cor.txt" 5
            if appears "$APP_PID" "$CONFIG_TITLE" 1000; then
                ok "design: the configuration screen is on view again after Save"
                n=$(changed_shot "$SHOTS/configuration.png" "$SHOTS/configuration-themed.png" "$conf" 2 1 233 13 1000)
                check "design: the configuration screen's background takes the saved theme ($n of 3029 pixels changed)" \
                    [ "$n" -gt 1000 ]
            else
                not_ok "design: the configuration screen is on view again after Save"
                show_windows
            fi
        fi
        if xs_find "$APP_PID" "$CONFIG_TITLE" >/dev/null; then
            click_at "$conf" 158 265
            check "configuration: \"Cancelar\" closes the screen" xs_wait_gone "$APP_PID" "$CONFIG_TITLE" 3000
            check "configuration: Cancel leaves the saved files as they were ($(contents "$cfg/som.txt" "$cfg/cor.txt"))" \
                holds_all "$cfg/som.txt" n "$cfg/cor.txt" 5
        fi
    fi

    # Help from the menu's "?" button, closed with "Fechar".
    win=$(open_from_menu help 572 504 "$HELP_TITLE")
    if screen_opens "menu: the \"?\" button" "$win" "$HELP_TITLE" 788 280; then
        shot help
        click_at "$win" 393 255
        check "help: \"Fechar\" closes it" xs_wait_gone "$APP_PID" "$HELP_TITLE" 2000
    fi

    # The about screens from the panel: the developers (closed with the close box), the casino
    # (closed with "Fechar").
    win=$(open_from_panel 409 "$DEVELOPERS_TITLE")
    if screen_opens "menu panel: the developers row" "$win" "$DEVELOPERS_TITLE" 688 460; then
        shot developers
        xs_close "$win"
        check "developers: the close box closes it" xs_wait_gone "$APP_PID" "$DEVELOPERS_TITLE" 2000
    fi
    win=$(open_from_panel 426 "$CASINO_TITLE")
    if screen_opens "menu panel: the casino row" "$win" "$CASINO_TITLE" 953 575; then
        shot about-casino
        click_at "$win" 476 546
        check "about: \"Fechar\" closes it" xs_wait_gone "$APP_PID" "$CASINO_TITLE" 2000
    fi

    end_game "screens"
}

# ---------------------------------------------------------------------------------------------
# 7. kill, Ctrl+C and a logout end the program within a second, with the (dummy) audio device
#    open: SIGINT during the loading steps, SIGTERM on the menu, SIGHUP with a modal dialog
#    open. Nothing is written into Config.
# ends_on_signal <what> <signal>: sends the signal to the program and checks that it ends
# within 1 s with status 0; the time it waited for a CPU meanwhile (a loaded machine) comes on
# top, as far as it was seen while the program still ran.
ends_on_signal() {
    local t took w0 waited=0 d
    w0=$(run_delay_ms "$APP_PID")
    t=$(xs_now_ms)
    kill -s "$2" "$APP_PID"
    while xs_alive "$APP_PID"; do
        d=$(($(run_delay_ms "$APP_PID") - w0))
        [ "$d" -gt "$waited" ] && waited=$d
        [ $(($(xs_now_ms) - t)) -lt $((1000 + waited)) ] || break
        sleep 0.02
    done
    took=$(($(xs_now_ms) - t))
    if xs_wait_exit "$APP_PID" 0; then
        ok "$1: SIG$2 ends the program within 1 s ($took ms, $waited ms of it waiting for a CPU)"
        check "$1: it ends with status 0 (status $XS_RC)" [ "$XS_RC" = 0 ]
        APP_PID=""
    else
        not_ok "$1: SIG$2 ends the program within 1 s (and the $waited ms it waited for a CPU)"
        stop_game
    fi
}

scenario7() {
    local s=signals before conf
    note "scenario 7: SIGINT, SIGTERM and SIGHUP end the program"
    new_game $s
    before=$(cd "$G" && find Config -type f -exec md5sum {} + | sort)

    start_game $s
    if appears "$APP_PID" "$LOADING_TITLE" 3000; then
        ends_on_signal "loading screen" INT
    else
        not_ok "signals: the loading screen appears"
        stop_game
    fi

    start_game $s
    if MENU=$(app_wait_window "$MENU_TITLE" 4500); then
        settle "$MENU" 150
        ends_on_signal "main menu" TERM
    else
        not_ok "signals: the main menu appears"
        stop_game
    fi

    start_game $s
    if MENU=$(app_wait_window "$MENU_TITLE" 4500); then
        if conf=$(open_from_menu config 480 505 "$CONFIG_TITLE"); then
            ok "signals: the configuration screen is open over the menu"
            ends_on_signal "modal configuration screen" HUP
        else
            not_ok "signals: the configuration screen opens from the menu"
            stop_game
        fi
    else
        not_ok "signals: the main menu appears"
        stop_game
    fi
    check "signals: no file of Config was written or removed" \
        [ "$(cd "$G" && find Config -type f -exec md5sum {} + | sort)" = "$before" ]
}

started=$(xs_now_ms)
scenario1
scenario2
scenario3
scenario4
scenario5
scenario6
scenario7
note "run took $(($(xs_now_ms) - started)) ms; screenshots in $SHOTS"

finish
