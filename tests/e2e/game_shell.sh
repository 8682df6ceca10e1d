#!/usr/bin/env bash
# End-to-end run of the shell screens from the keyboard, under Xvfb with openbox, as a player
# without a mouse would play them: Tab and Space along the main menu's bar, the configuration
# screen opening on its first box with a top-to-bottom Tab order, the game chooser's banners by
# Tab and the arrow keys, Space opening a game; windows coming back where they were; the window
# manager hints of the fixed-size windows; a message box wide enough for its title.
#
#   game_shell.sh <program> <game folder> <screenshot folder>

# shellcheck source=SCRIPTDIR/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"

# key <window> <key>...: types keys into the window. The program handles them in order; each
# step then waits for the change it looks at, or for the window to come to rest.
key() { xs_key "$@"; }

# hints_fixed <what> <window> <minimise allowed 0|1>: the window manager hints of a fixed-size
# window: the same minimum and maximum size, no maximise function or decoration in the Motif
# hints (minimise only where the screen names it), and no maximise among the actions openbox
# allows.
same_size() { [ -n "$1" ] && [ "$1" = "$2" ]; }
# no_bits <value> <mask>: none of the mask's bits is set in the value.
no_bits() { [ -n "$1" ] && [ $(($1 & $2)) -eq 0 ]; }
lacks() { ! grep -q "$2" <<<"$1"; }

hints_fixed() {
    local props min max fn dec
    props=$(timeout 5 xprop -id "$2" 2>/dev/null)
    min=$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$props")
    max=$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$props")
    check "$1: its minimum and maximum sizes are the same ($min, $max)" same_size "$min" "$max"
    read -r fn dec < <(sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x[0-9a-f]*, \(0x[0-9a-f]*\), \(0x[0-9a-f]*\).*/\1 \2/p' <<<"$props")
    # Functions: 0x01 all, 0x08 minimise, 0x10 maximise. Decorations: 0x01 all, 0x20 minimise,
    # 0x40 maximise.
    check "$1: the Motif hints name no maximise function (functions $fn)" no_bits "$fn" 0x11
    check "$1: the Motif hints name no maximise button (decorations $dec)" no_bits "$dec" 0x41
    if [ "$3" = 0 ]; then
        check "$1: the Motif hints name no minimise function or button" no_bits "$((fn & 0x08 | dec & 0x20))" 0x28
    fi
    check "$1: openbox allows neither maximising nor resizing it" lacks "$props" "_NET_WM_ACTION_MAXIMIZE\|_NET_WM_ACTION_RESIZE"
}

scenario_keyboard() {
    local s=keyboard menu conf design help win ox oy mx my cx cy n h cfg before
    note "scenario: the shell from the keyboard"
    new_game $s
    cfg=$G/Config
    printf 6 >"$cfg/cor.txt"
    start_game $s
    if ! menu=$(app_wait_window "$MENU_TITLE" 4500); then
        not_ok "keyboard: the main menu appears within 4.5 s of start"
        show_windows
        stop_game
        return
    fi
    settle "$menu" 200
    read -r mx my < <(xs_origin "$menu")
    hints_fixed "menu" "$menu" 0
    grab_root "$WORK/$s/menu.png"

    # Tab reaches the menu button: highlighted and framed.
    key "$menu" Tab
    n=$(changed_shot "$WORK/$s/menu.png" "$SHOTS/shell-menu-tab.png" "$menu" 0 478 162 48 1500)
    check "menu: Tab reaches the menu button, highlighted and framed ($n pixels changed)" [ "$n" -gt 1500 ]
    # Space opens the panel, Space again closes it.
    key "$menu" space
    n=$(changed_shot "$WORK/$s/menu.png" "$WORK/$s/menu-panel.png" "$menu" 4 331 153 150 7000)
    check "menu: Space on the menu button opens the panel ($n pixels changed)" [ "$n" -gt 7000 ]
    key "$menu" space
    # Back to the plain scene (a panel that stays open fails the check after 3 s).
    wait_matches "$WORK/$s/menu.png" "$menu" 4 331 153 140 800 3000 >/dev/null
    grab_root "$WORK/$s/menu-closed.png"
    n=$(client_diff "$WORK/$s/menu.png" "$WORK/$s/menu-closed.png" "$menu" 4 331 153 140)
    check "menu: Space again closes the panel ($n pixels differ from the plain scene)" [ "$n" -lt 800 ]

    # Tab twice more reaches the gear; Space opens the configuration screen.
    key "$menu" Tab Tab
    n=$(changed_shot "$WORK/$s/menu.png" "$SHOTS/shell-menu-gear.png" "$menu" 455 480 50 48 300)
    check "menu: two more Tabs reach the gear, highlighted and framed ($n pixels changed)" [ "$n" -gt 300 ]
    key "$menu" space
    conf=$(xs_wait_window "$APP_PID" "$CONFIG_TITLE" 3000)
    if screen_opens "menu: Space on the gear" "$conf" "$CONFIG_TITLE" 238 285; then
        shot shell-config-focus
        hints_fixed "configuration" "$conf" 0
        # The focus is on the first box: Space unticks "Música de Fundo: " and its label says OFF.
        key "$conf" space
        n=$(changed_shot "$SHOTS/shell-config-focus.png" "$WORK/$s/config-music.png" "$conf" 208 17 28 13 15)
        check "configuration: it opens with the focus on \"Música de Fundo: \", which Space unticks ($n pixels changed)" \
            [ "$n" -gt 15 ]
        # Down the screen: the three other boxes, then "Design".
        key "$conf" Tab Tab Tab Tab space
        design=$(xs_wait_window "$APP_PID" "$DESIGN_TITLE" 3000)
        if screen_opens "configuration: four Tabs and Space" "$design" "$DESIGN_TITLE" 253 527; then
            shot shell-design-theme6
            key "$design" Escape
            check "design: Esc cancels it" xs_wait_gone "$APP_PID" "$DESIGN_TITLE" 2000
        fi
        # On to "Salvar !", "Ajuda" and "Cancelar"; Space there cancels.
        key "$conf" Tab Tab Tab space
        check "configuration: three more Tabs reach \"Cancelar\", which Space presses" \
            xs_wait_gone "$APP_PID" "$CONFIG_TITLE" 2000
        check "configuration: Cancel left the music switch as saved ($(contents "$cfg/musica.txt"))" \
            file_holds "$cfg/musica.txt" s
    fi

    # Tab on to "?" and Space: the help; Space again presses its "Fechar".
    key "$menu" Tab space
    help=$(xs_wait_window "$APP_PID" "$HELP_TITLE" 3000)
    if screen_opens "menu: Tab to \"?\" and Space" "$help" "$HELP_TITLE" 788 280; then
        shot shell-help-theme6
        key "$help" space
        check "help: Space presses \"Fechar\"" xs_wait_gone "$APP_PID" "$HELP_TITLE" 2000
    fi

    # Shift+Tab back to the menu button, Space opens the panel; Up three times from its bottom reaches
    # "O Cassino ZOR", which Space opens.
    key "$menu" shift+Tab shift+Tab shift+Tab space Up Up Up
    settle "$menu" 150
    shot shell-menu-panel-keyboard
    key "$menu" space
    win=$(xs_wait_window "$APP_PID" "$CASINO_TITLE" 3000)
    if screen_opens "menu panel: Up three times and Space" "$win" "$CASINO_TITLE" 953 575; then
        key "$win" Return
        check "about: Enter presses its \"Fechar\"" xs_wait_gone "$APP_PID" "$CASINO_TITLE" 2000
    fi

    # Tab on to the start button; Space opens the game chooser.
    key "$menu" Tab space
    if ! CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
        not_ok "menu: Tab on to \"Escolher Jogo\" and Space open the game chooser"
        show_windows
        stop_game
        return
    fi
    ok "menu: Tab on to \"Escolher Jogo\" and Space open the game chooser"
    settle "$CHOOSER" 200
    read -r cx cy < <(xs_origin "$CHOOSER")
    hints_fixed "chooser" "$CHOOSER" 0
    grab_root "$WORK/$s/chooser.png"
    key "$CHOOSER" Tab
    # The highlight, then the whole screen at rest (the description comes with it).
    wait_differs "$WORK/$s/chooser.png" "$CHOOSER" 8 10 530 91 4000 5000 >/dev/null
    settle "$CHOOSER" 150
    shot shell-chooser-tab
    n=$(client_diff "$WORK/$s/chooser.png" "$SHOTS/shell-chooser-tab.png" "$CHOOSER" 8 10 530 91)
    check "chooser: Tab reaches the first banner and highlights it ($n of 48230 pixels changed)" [ "$n" -gt 4000 ]
    n=$(client_diff "$WORK/$s/chooser.png" "$SHOTS/shell-chooser-tab.png" "$CHOOSER" 11 400 240 112)
    check "chooser: with it its description shows ($n pixels changed)" [ "$n" -gt 800 ]
    key "$CHOOSER" Down Down Up
    wait_differs "$WORK/$s/chooser.png" "$CHOOSER" 8 122 530 91 4000 5000 >/dev/null
    settle "$CHOOSER" 150
    grab_root "$WORK/$s/chooser-slot.png"
    n=$(client_diff "$WORK/$s/chooser.png" "$WORK/$s/chooser-slot.png" "$CHOOSER" 8 122 530 91)
    check "chooser: Down, Down and Up reach the slot machine's banner ($n pixels changed)" [ "$n" -gt 4000 ]
    n=$(client_diff "$WORK/$s/chooser.png" "$WORK/$s/chooser-slot.png" "$CHOOSER" 8 10 530 91)
    check "chooser: the first banner is plain again ($n pixels differ)" [ "$n" -lt 1500 ]
    key "$CHOOSER" space
    if win=$(xs_wait_window "$APP_PID" "$SLOT_TITLE" 3000); then
        ok "chooser: Space opens the slot machine"
        settle "$win" 150
        xs_close "$win"
        if CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
            settle "$CHOOSER" 150
            read -r ox oy < <(xs_origin "$CHOOSER")
            check "chooser: it comes back where it was ($ox,$oy, first $cx,$cy)" [ "$ox,$oy" = "$cx,$cy" ]
            # Tab past the three banners to "Voltar para o Menu Principal"; Space goes back.
            key "$CHOOSER" Tab Tab Tab Tab space
            if menu=$(xs_wait_window "$APP_PID" "$MENU_TITLE" 3000); then
                ok "chooser: four Tabs reach \"Voltar para o Menu Principal\", which Space presses"
                settle "$menu" 150
                read -r ox oy < <(xs_origin "$menu")
                check "menu: it comes back where it was ($ox,$oy, first $mx,$my)" [ "$ox,$oy" = "$mx,$my" ]
                # And again: a second return lands on the same spot.
                key "$menu" Return
                if CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
                    settle "$CHOOSER" 150
                    read -r ox oy < <(xs_origin "$CHOOSER")
                    check "chooser: shown a third time it is still where it was ($ox,$oy)" [ "$ox,$oy" = "$cx,$cy" ]
                    xs_close "$CHOOSER"
                    menu=$(xs_wait_window "$APP_PID" "$MENU_TITLE" 3000)
                    settle "$menu" 150
                    read -r ox oy < <(xs_origin "$menu")
                    check "menu: shown a third time it is still where it was ($ox,$oy)" [ "$ox,$oy" = "$mx,$my" ]
                fi
            else
                not_ok "chooser: four Tabs reach \"Voltar para o Menu Principal\", which Space presses"
                show_windows
            fi
        else
            not_ok "slot machine: closing it shows the chooser again"
            show_windows
        fi
    else
        not_ok "chooser: Space opens the slot machine"
        show_windows
    fi

    # A message box: warnings on, the configuration screen's Cancel confirms in one. The
    # one-time warning is long past (it comes 9 s after start, while warnings were off).
    if menu=$(xs_find "$APP_PID" "$MENU_TITLE"); then
        printf s >"$cfg/alerta.txt"
        before=$(xs_now_ms)
        while [ "$(elapsed)" -lt 11500 ]; do sleep 0.2; done
        key "$menu" Tab Tab Tab space
        if conf=$(xs_wait_window "$APP_PID" "$CONFIG_TITLE" 3000); then
            # Enter cancels: the files are read again, warnings now on, so the box says so.
            key "$conf" Return
            if win=$(xs_wait_window "$APP_PID" "$APP_TITLE" 3000); then
                ok "configuration: Cancel with warnings on shows its message box"
                settle "$win" 150
                read -r ox oy < <(xs_origin "$win")
                read -r n h < <(xs_size "$win")
                import -window root "$WORK/$s/screen.png" 2>/dev/null
                # The box with its title bar.
                convert "$WORK/$s/screen.png" -crop "$((n + 2))x$((h + 24))+$((ox - 1))+$((oy - 23))" +repage \
                    "$SHOTS/shell-message-box.png" 2>/dev/null
                check "message box: its client area is wide enough for the title and the title bar's buttons (${n} px)" \
                    [ "${n:-0}" -ge 280 ]
                key "$win" Return
                check "message box: Enter closes it" xs_wait_gone "$APP_PID" "$APP_TITLE" 2000
            else
                not_ok "configuration: Cancel with warnings on shows its message box"
                show_windows
            fi
        fi
        note "message box step took $(($(xs_now_ms) - before)) ms"
    fi
    end_game "keyboard"
}

started=$(xs_now_ms)
scenario_keyboard
note "run took $(($(xs_now_ms) - started)) ms; screenshots in $SHOTS"

finish
