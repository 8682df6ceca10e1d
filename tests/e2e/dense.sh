#!/usr/bin/env bash
# The game on dense screens: the real program under Xvfb at QT_SCALE_FACTOR=2 and 1.5. Windows
# keep their client sizes in device-independent pixels (twice or one and a half times as many
# device pixels), and the pictures drawn at twice the size are the ones shown: the screenshots
# menu-2x, chooser-2x and menu-1.5x go beside the 1x ones.
#
#   dense.sh <program> <game folder> <screenshot folder>
XS_SCREEN=2048x1536x24
# shellcheck source=SCRIPTDIR/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"

# sharpness <png>: the mean difference between horizontally neighbouring pixels, in 1/100000
# of the full range; a picture scaled up from half its size is clearly softer.
sharpness() {
    convert "$1" -colorspace Gray \( +clone -roll +1+0 \) -compose difference -composite \
        -format '%[fx:int(mean*100000)]' info: 2>/dev/null
}

for factor in 2 1.5; do
    s=dense-$factor
    note "the program at QT_SCALE_FACTOR=$factor"
    new_game "$s"
    export QT_SCALE_FACTOR=$factor
    start_game "$s"
    unset QT_SCALE_FACTOR
    if ! MENU=$(xs_wait_window "$APP_PID" "$MENU_TITLE" 6000); then
        not_ok "scale $factor: the main menu appears"
        show_windows
        stop_game
        continue
    fi
    ok "scale $factor: the main menu appears"
    read -r w h < <(xs_size "$MENU")
    ew=$(awk -v f="$factor" 'BEGIN {print int(800 * f + 0.5)}') eh=$(awk -v f="$factor" 'BEGIN {print int(528 * f + 0.5)}')
    check "scale $factor: the menu's client area is 800x528 device-independent pixels (${w}x${h} device pixels)" \
        near "${w:-0}" "$ew" 2 && near "${h:-0}" "$eh" 2
    sleep 0.5
    read -r ox oy < <(xs_origin "$MENU")
    import -window root -crop "${w}x${h}+${ox}+${oy}" "$SHOTS/menu-${factor}x.png" 2>/dev/null
    if [ "$factor" = 2 ]; then
        # The same scene drawn at 1x and blown up to this size is what a 2x picture replaces.
        convert "$SHOTS/menu-${factor}x.png" -resize 50% -resize 200% "$WORK/$s/menu-soft.png"
        sharp=$(sharpness "$SHOTS/menu-${factor}x.png") soft=$(sharpness "$WORK/$s/menu-soft.png")
        check "scale 2: the menu is drawn at twice the detail, not blown up (edge strength $sharp against $soft)" \
            [ "${sharp:-0}" -gt $((${soft:-0} * 115 / 100)) ]
        xs_key "$MENU" Return
        if CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
            ok "scale 2: Enter opens the game chooser"
            sleep 0.5
            read -r w h < <(xs_size "$CHOOSER")
            read -r ox oy < <(xs_origin "$CHOOSER")
            import -window root -crop "${w}x${h}+${ox}+${oy}" "$SHOTS/chooser-2x.png" 2>/dev/null
            check "scale 2: the chooser's screenshot is taken" [ -s "$SHOTS/chooser-2x.png" ]
            xs_close "$CHOOSER"
            appears "$APP_PID" "$MENU_TITLE" 3000
        else
            not_ok "scale 2: Enter opens the game chooser"
        fi
    fi
    end_game "scale $factor"
done

finish
