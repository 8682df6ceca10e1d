#!/usr/bin/env bash
# The slot machine end to end, driven as a player would under Xvfb: from the chooser's banner to
# the machine, Space pressed and released, the spin and its result, Ctrl+S with a typed name and
# the nine files it writes, then a restart, Ctrl+O with its sliding notice, and a saved money of 0
# that makes the next pull warn. Screenshots of the machine at rest, mid-spin, after the result,
# and of the "Design" and "Ajuda" tabs go into the screenshot folder.
# shellcheck source=tests/e2e/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"

NAME_TITLE="Digite seu Nome"
PLAYER="Jogadora Teste"
# Client coordinates of the machine tab's sheet (below the menu bar and the tabs).
SX=2
SY=46

# open_machine <scenario>: from the chooser $CHOOSER, points at the slot machine's banner, clicks
# its highlighted twin and waits for the machine; sets CN.
open_machine() {
    point "$CHOOSER" 273 4
    point "$CHOOSER" 273 167
    xdotool click 1
    if ! CN=$(xs_wait_window "$APP_PID" "$SLOT_TITLE" 3000); then
        not_ok "$1: the slot machine's banner opens the machine"
        show_windows
        return 1
    fi
    ok "$1: the slot machine's banner opens the machine"
    settle "$CN" 150
}

# machine_shot <file>: a screenshot of the whole screen into the work folder.
machine_shot() { grab_root "$1"; }

# shown_change <before.png> <after.png> <x> <y> <w> <h> <min> <ms>: waits until more than min
# pixels of the machine's client rectangle differ from before.png, or ms have passed, then takes
# after.png; prints the ms waited and the count.
shown_change() {
    local start n
    start=$(xs_now_ms)
    n=$(changed_shot "$1" "$2" "$CN" "$3" "$4" "$5" "$6" "$7" "$8")
    echo "$(($(xs_now_ms) - start)) $n"
}

# label_gone <rest.png>: waits (at most 5 s) until the amount label under the lever has gone, as
# on the picture at rest.
label_gone() { wait_matches "$1" "$CN" $((SX + 600)) $((SY + 227)) 124 28 150 5000 >/dev/null; }

cn_file() { echo "$G/Config/Jogos/cn/$1.txt"; }

# reel_moved <rest.png> <shot.png> [ms]: the most pixels of the left reel that differ from the
# picture at rest, watched for ms (1500: the time a wrong spin has to show; a check that expects
# a spin gives it 4000, which a loaded machine may need and a passing run never waits out). A
# spinning reel shows the resting symbol one tick in four: each screenshot is taken once the
# reel is seen to differ, and the watch ends at the first that differs by more than 2000 pixels.
reel_moved() {
    local best=0 n deadline=$(($(xs_now_ms) + ${3:-1500})) left
    while :; do
        left=$((deadline - $(xs_now_ms)))
        wait_differs "$1" "$CN" $((SX + 30)) $((SY + 30)) 180 185 2000 $((left > 0 ? left : 0)) >/dev/null
        grab_root "$2"
        n=$(client_diff "$1" "$2" "$CN" $((SX + 30)) $((SY + 30)) 180 185)
        [ "$n" -gt "$best" ] && best=$n
        [ "$best" -gt 2000 ] || [ "$(xs_now_ms)" -ge "$deadline" ] && break
        sleep 0.05
    done
    echo "$best"
}

# ---------------------------------------------------------------------------------------------
# 1. A pull, its result and a save with a typed name.

s=slots
mkdir -p "$WORK/$s"
new_game $s
if reach_chooser $s && open_machine $s; then
    check_title "slot machine" "$CN" "$SLOT_TITLE"
    check "slot machine: its client area is 852x537" size_is "$CN" 852 537
    rest=$WORK/$s/rest.png
    machine_shot "$rest"
    cp "$rest" "$SHOTS/slots-rest.png"

    # Space down pulls the lever, Space up starts the spin.
    timeout 5 xdotool windowactivate --sync "$CN" >/dev/null 2>&1
    xdotool keydown space
    read -r _ n < <(shown_change "$rest" "$WORK/$s/pulled.png" $((SX + 680)) $((SY + 37)) 42 156 400 4000)
    check "slot machine: Space down shows the pulled lever ($n pixels changed)" [ "$n" -gt 400 ]
    xdotool keyup space
    released=$(xs_now_ms)
    waited0=$(run_delay_ms "$APP_PID")
    # The left reel spins for about 3.2 s after the release.
    n=$(reel_moved "$rest" "$WORK/$s/spin.png" 4000)
    cp "$WORK/$s/spin.png" "$SHOTS/slots-spin.png"
    check "slot machine: mid-spin the left reel shows another symbol ($n pixels changed)" [ "$n" -gt 2000 ]

    # The amount label appears with the result, in its display under the lever.
    # (Seen within 50 ms; the time the program waited for a CPU meanwhile on a loaded machine,
    # the scheduler's statistics, may lengthen it.)
    wait_differs "$rest" "$CN" $((SX + 600)) $((SY + 227)) 124 28 150 9000 >/dev/null
    took=$(($(xs_now_ms) - released))
    waited=$(($(run_delay_ms "$APP_PID") - waited0))
    read -r _ n < <(shown_change "$rest" "$WORK/$s/result.png" $((SX + 600)) $((SY + 227)) 124 28 150 2000)
    cp "$WORK/$s/result.png" "$SHOTS/slots-result.png"
    check "slot machine: the result shows about 5.4 s after the release (${took} ms, $waited ms of it waiting for a CPU)" \
        between "$took" 4500 $((7500 + waited))

    # Space held down at rest (2.5 s) is one pull, started by the real release: the lever stays
    # down through the repeats and the reels rest until the key comes up.
    label_gone "$rest"
    machine_shot "$WORK/$s/rest2.png"
    timeout 5 xdotool windowactivate --sync "$CN" >/dev/null 2>&1
    xdotool keydown space
    sleep 2.5
    n=$(reel_moved "$WORK/$s/rest2.png" "$WORK/$s/held.png")
    check "held Space at rest: no spin while the key is down ($n pixels changed)" [ "$n" -lt 2000 ]
    xdotool keyup space
    n=$(reel_moved "$WORK/$s/rest2.png" "$WORK/$s/held-spin.png" 4000)
    check "held Space at rest: its release starts the spin ($n pixels changed)" [ "$n" -gt 2000 ]
    # Held again mid-spin and let go mid-spin: nothing; held again mid-spin and let go after the
    # result: nothing either.
    xdotool keydown space
    sleep 2
    xdotool keyup space
    sleep 0.5
    xdotool keydown space
    read -r _ n < <(shown_change "$WORK/$s/rest2.png" "$WORK/$s/held-result.png" $((SX + 600)) $((SY + 227)) 124 28 150 7000)
    check "held Space mid-spin: the spin ends with its result ($n pixels changed)" [ "$n" -gt 150 ]
    sleep 0.5
    xdotool keyup space
    n=$(reel_moved "$WORK/$s/held-result.png" "$WORK/$s/after-held.png")
    check "held Space mid-spin, let go after the result: no new spin ($n pixels changed)" [ "$n" -lt 2000 ]

    # The mouse pressed on the lever during a spin and let go after the result: no new pull and
    # no jam; the next pull spins to a result as usual.
    label_gone "$rest"
    machine_shot "$WORK/$s/rest3.png"
    xs_key "$CN" space
    reel_moved "$WORK/$s/rest3.png" "$WORK/$s/spinning.png" 4000 >/dev/null
    point "$CN" $((SX + 700)) $((SY + 100))
    xdotool mousedown 1
    read -r _ n < <(shown_change "$WORK/$s/rest3.png" "$WORK/$s/press-result.png" $((SX + 600)) $((SY + 227)) 124 28 150 6000)
    check "lever held mid-spin: the spin ends with its result ($n pixels changed)" [ "$n" -gt 150 ]
    sleep 0.5
    xdotool mouseup 1
    n=$(reel_moved "$WORK/$s/press-result.png" "$WORK/$s/after-press.png")
    check "lever held mid-spin, let go after the result: no new spin ($n pixels changed)" [ "$n" -lt 2000 ]
    label_gone "$rest"
    machine_shot "$WORK/$s/rest4.png"
    xs_key "$CN" space
    n=$(reel_moved "$WORK/$s/rest4.png" "$WORK/$s/unjammed.png" 4000)
    check "after that the next pull spins ($n pixels changed)" [ "$n" -gt 2000 ]
    read -r _ n < <(shown_change "$WORK/$s/rest4.png" "$WORK/$s/unjammed-result.png" $((SX + 600)) $((SY + 227)) 124 28 150 7000)
    check "and ends with a result: the machine did not jam ($n pixels changed)" [ "$n" -gt 150 ]

    # Ctrl+S asks for a name first, then writes the nine files.
    xs_key "$CN" ctrl+s
    if name=$(xs_wait_window "$APP_PID" "$NAME_TITLE" 3000); then
        ok "slot machine: Ctrl+S asks for the player's name"
        timeout 5 xdotool windowactivate --sync "$name" >/dev/null 2>&1
        xdotool type --delay 30 "$PLAYER"
        # The X server repeats a held key: a held "a" types on in the name field.
        xdotool keydown a
        sleep 1.2
        xdotool keyup a
        xdotool key Return
        check "name dialog: Enter closes it" xs_wait_gone "$APP_PID" "$NAME_TITLE" 2000
        n=$(changed_shot "$WORK/$s/result.png" "$WORK/$s/saved.png" "$CN" $((SX + 488)) $((SY + 288)) 360 20 150)
        check "slot machine: the save notice slides in ($n pixels changed)" [ "$n" -gt 150 ]
    else
        not_ok "slot machine: Ctrl+S asks for the player's name"
        show_windows
    fi
    wait_for 3000 grep -q "^$PLAYER" "$(cn_file nome)"
    two=$(cat "$(cn_file duasiguais)") three=$(cat "$(cn_file tresiguais)") none=$(cat "$(cn_file nenhuma)")
    money=$(cat "$(cn_file dinheiro)") won=$(cat "$(cn_file ganhou)") lost=$(cat "$(cn_file perdeu)")
    note "saved: $(contents "$G"/Config/Jogos/cn/*.txt)"
    # The tap, the held Space, and the two taps around the held lever: four pulls, no more.
    check "save: four pulls are stored, the held keys and the held lever made one" file_holds "$(cn_file apostas)" 4
    check "save: four results counted ($two + $three + $none)" [ "$((two + three + none))" = 4 ]
    check "save: money = 100 + won - lost ($money = 100 + $won - $lost)" [ "$((100 + won - lost))" = "$money" ]
    check "save: the four stakes and the results are in the totals" [ "$lost" -ge 40 ]
    check "save: the symbol set is stored as \"Tema do Cassino ZOR\"" file_holds "$(cn_file design)" "Tema do Cassino ZOR"
    stored=$(cat "$(cn_file nome)")
    note "stored name: $stored"
    repeated_name() { [ "${stored#"$PLAYER"}" != "$stored" ] && [ "${#stored}" -ge $((${#PLAYER} + 4)) ]; }
    check "save: the typed name is stored, with the held key's repeats (the server repeats)" repeated_name
    check "save: nothing but the value, no line break" [ "$(stat -c %s "$(cn_file dinheiro)")" = "${#money}" ]

    # The two other tabs.
    mark "$CN" 0 $((SY + 40)) 852 300
    click_at "$CN" 128 34
    wait_change 2000 >/dev/null
    shot slots-design
    mark "$CN" 0 $((SY + 40)) 852 300
    click_at "$CN" 188 34
    wait_change 2000 >/dev/null
    shot slots-help
    machine_shot "$WORK/$s/help.png"
    n=$(client_diff "$rest" "$WORK/$s/help.png" "$CN" 0 $((SY + 40)) 852 300)
    check "slot machine: the \"Ajuda\" tab shows its page ($n pixels changed)" [ "$n" -gt 20000 ]
    click_at "$CN" 50 34

    # Ctrl+Alt+W ends the program.
    xs_key "$CN" ctrl+alt+w
    if xs_wait_exit "$APP_PID" 5000; then
        check "slot machine: Ctrl+Alt+W ends the program with status 0 (status $XS_RC)" [ "$XS_RC" = 0 ]
        APP_PID=""
    else
        not_ok "slot machine: Ctrl+Alt+W ends the program within 5 s"
    fi
    stop_game
fi

# ---------------------------------------------------------------------------------------------
# 2. After a restart: Ctrl+O brings the game back with its notice; a saved money of 0 refuses
#    the next pull with the out-of-money warning.

if reach_chooser $s && open_machine "$s restart"; then
    before=$WORK/$s/before-load.png
    machine_shot "$before"
    xs_key "$CN" ctrl+o
    read -r _ n < <(shown_change "$before" "$WORK/$s/loaded.png" $((SX + 488)) $((SY + 288)) 360 20 150 4000)
    cp "$WORK/$s/loaded.png" "$SHOTS/slots-loaded.png"
    check "slot machine: after a restart Ctrl+O slides the load notice in ($n pixels changed)" [ "$n" -gt 150 ]
    n=$(client_diff "$before" "$WORK/$s/loaded.png" "$CN" $((SX + 2)) $((SY + 2)) 300 22)
    check "slot machine: the loaded name shows instead of the name prompt ($n pixels changed)" [ "$n" -gt 100 ]

    # The lever with the mouse: press and release on it start a spin just as Space does. First
    # the notice comes to rest.
    wait_still "$CN" $((SX + 488)) $((SY + 288)) 360 20 300 4000
    point "$CN" $((SX + 700)) $((SY + 100))
    machine_shot "$WORK/$s/before-mouse.png"
    xdotool mousedown 1
    sleep 0.2
    xdotool mouseup 1
    n=$(reel_moved "$WORK/$s/before-mouse.png" "$WORK/$s/mouse-spin.png" 4000)
    check "slot machine: a click on the lever starts a spin ($n pixels changed)" [ "$n" -gt 2000 ]
    read -r _ n < <(shown_change "$WORK/$s/before-mouse.png" "$WORK/$s/mouse-result.png" \
        $((SX + 600)) $((SY + 227)) 124 28 150 7000)
    check "slot machine: that spin ends with its result ($n pixels changed)" [ "$n" -gt 150 ]

    printf 0 >"$(cn_file dinheiro)"
    xs_key "$CN" ctrl+o
    # Space held down for 3 s with no money: one warning, at the real release.
    timeout 5 xdotool windowactivate --sync "$CN" >/dev/null 2>&1
    xdotool keydown space
    sleep 3
    check "slot machine: no warning while Space is held" [ -z "$(xs_find "$APP_PID" "$APP_TITLE")" ]
    xdotool keyup space
    if box=$(xs_wait_window "$APP_PID" "$APP_TITLE" 3000); then
        ok "slot machine: with a saved money of 0 the next pull shows the out-of-money warning"
        settle "$box" 150
        shot slots-out-of-money
        xs_key "$box" Return
        check "warning: Enter closes it" xs_wait_gone "$APP_PID" "$APP_TITLE" 2000
        # Time for a second warning to come up.
        sleep 1
        check "slot machine: the held Space warned once" [ -z "$(xs_find "$APP_PID" "$APP_TITLE")" ]
    else
        not_ok "slot machine: with a saved money of 0 the next pull shows the out-of-money warning"
        show_windows
    fi
    check "slot machine: the refused pull is not counted" file_holds "$(cn_file apostas)" 4

    # The close box goes back to the chooser, and the chooser's to the menu.
    xs_close "$CN"
    if CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
        ok "slot machine: closing it shows the game chooser"
        xs_close "$CHOOSER"
        appears "$APP_PID" "$MENU_TITLE" 3000
        end_game "slot machine"
    else
        not_ok "slot machine: closing it shows the game chooser"
        show_windows
    fi
    stop_game
fi

finish
