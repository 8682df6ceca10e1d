#!/usr/bin/env bash
# The game on dense screens: the real program under Xvfb at QT_SCALE_FACTOR=1 (the reference),
# 2 and 1.5. Windows keep their client sizes in device-independent pixels (twice or one and a
# half times as many device pixels), and the pictures drawn at twice the size are the ones shown.
#
# Every game screen is photographed at each factor: the coin value and side screens, the coin
# table and its mode dialog, the slot machine, the Blackjack table and its bet dialog. Each
# picture area of a dense screenshot is compared with the same area of the 1x screenshot scaled
# up to the dense size: the same composition, only sharper. A picture drawn at half its size, cut
# to a corner or shifted fails; the run first proves that on a picture it cuts up itself. The
# screenshots stay in <screenshot folder>/dense/.
#
#   dense.sh <program> <game folder> <screenshot folder>
XS_SCREEN=2048x1536x24
# shellcheck source=SCRIPTDIR/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$@"

DENSE=$SHOTS/dense
mkdir -p "$DENSE"
MODE_TITLE="Cassino ZOR - Modos de Jogo"
BET_TITLE="Faça sua aposta"
# The largest difference (root mean square, 0 to 1) a picture area may show against the 1x
# screenshot scaled up; a half-size or cut picture is several times further off.
LIMIT=0.12

# sharpness <png>: the mean difference between horizontally neighbouring pixels, in 1/100000
# of the full range; a picture scaled up from half its size is clearly softer.
sharpness() {
    convert "$1" -colorspace Gray \( +clone -roll +1+0 \) -compose difference -composite \
        -format '%[fx:int(mean*100000)]' info: 2>/dev/null
}

# sc <n>: a device-independent length in device pixels at the current factor.
sc() { awk -v f="$F" -v n="$1" 'BEGIN {printf "%d", n * f + 0.5}'; }

size_near() { near "$1" "$3" 2 && near "$2" "$4" 2; }

# fpoint / fclick <window> <x> <y>: point and click_at in device-independent client coordinates.
fpoint() { point "$1" "$(sc "$2")" "$(sc "$3")"; }
fclick() { click_at "$1" "$(sc "$2")" "$(sc "$3")"; }

# grab <window> <name>: the window's client area into $DENSE/<name>-<factor>x.png, once it has
# been still for 250 ms (at most 5 s): a window photographed half painted would differ from its
# 1x twin however sound its pictures, and how long painting takes depends on the machine's load.
grab() {
    local w h ox oy
    settle "$1" 250
    read -r w h < <(xs_size "$1")
    read -r ox oy < <(xs_origin "$1")
    import -window root -crop "${w}x${h}+${ox}+${oy}" +repage "${PNG_FAST[@]}" "$DENSE/$2-${F}x.png" 2>/dev/null
}

# coin_window <w> <h> <ms>: the visible coin window of that client size (device-independent).
coin_window() {
    local deadline=$(($(xs_now_ms) + $3)) w name cw ch
    while [ "$(xs_now_ms)" -lt "$deadline" ]; do
        while read -r w name; do
            [ "$name" = "$COIN_TITLE" ] || continue
            read -r cw ch < <(xs_size "$w")
            if near "${cw:-0}" "$(sc "$1")" 2 && near "${ch:-0}" "$(sc "$2")" 2; then
                echo "$w"
                return 0
            fi
        done < <(xs_windows "$APP_PID")
        sleep 0.05
    done
    return 1
}

# banner <top>: from the chooser, onto a game's banner and a click on its highlighted twin.
banner() {
    fpoint "$CHOOSER" 273 4
    fpoint "$CHOOSER" 273 "$1"
    xdotool click 1
}

# back_to_chooser <window>: closes a game window; sets CHOOSER again.
back_to_chooser() {
    xs_close "$1"
    CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000)
}

# photograph: every game screen at factor $F, reached from the chooser $CHOOSER.
photograph() {
    local value side table mode cn bj bet
    banner 55
    if value=$(coin_window 888 616 3000); then
        grab "$value" coin-value
        fclick "$value" 530 282 # "1 REAL"
        if side=$(coin_window 889 616 3000); then
            grab "$side" coin-side
            xs_key "$side" Return
            if table=$(coin_window 886 613 3000); then
                grab "$table" coin-table
                xs_key "$table" Return
                if mode=$(xs_wait_window "$APP_PID" "$MODE_TITLE" 3000); then
                    grab "$mode" coin-mode
                    xs_key "$mode" Escape
                    xs_wait_gone "$APP_PID" "$MODE_TITLE" 2000
                fi
                back_to_chooser "$table"
            fi
        fi
    fi
    [ -n "$CHOOSER" ] || return 1
    banner 167
    if cn=$(xs_wait_window "$APP_PID" "$SLOT_TITLE" 3000); then
        grab "$cn" slot-machine
        back_to_chooser "$cn"
    fi
    [ -n "$CHOOSER" ] || return 1
    banner 278
    if bj=$(xs_wait_window "$APP_PID" "$BLACKJACK_TITLE" 3000); then
        grab "$bj" blackjack-table
        xs_key "$bj" Return
        if bet=$(xs_wait_window "$APP_PID" "$BET_TITLE" 3000); then
            grab "$bet" blackjack-bet
        fi
    fi
}

# area_error <screen> <x> <y> <w> <h>: how far the area (device-independent client
# coordinates) of the dense screenshot is from the same area of the 1x screenshot scaled up.
# Windows with a menu bar may lay it out a pixel or two higher or lower at another factor, so
# the best of a few vertical offsets counts.
# The 1x screenshot scaled up and the dense one are kept decoded (ImageMagick's memory-mapped
# .mpc) for the several areas of a screen, and the cuts uncompressed (.miff).
area_error() {
    local dense=$DENSE/$1-${F}x.png plain=$DENSE/$1-1x.png w h ref=$WORK/ref.miff best=1 dy e
    local up=$WORK/$1-${F}x-up.mpc cut=$WORK/$1-${F}x.mpc
    [ -s "$dense" ] && [ -s "$plain" ] || { echo 1; return; }
    if [ ! -e "$up" ]; then
        read -r w h < <(identify -format '%w %h' "$dense")
        convert "$plain" -filter Triangle -resize "${w}x${h}!" "$up"
        convert "$dense" "$cut"
    fi
    convert "$up" -crop "$(sc "$4")x$(sc "$5")+$(sc "$2")+$(sc "$3")" +repage "$ref"
    for dy in 0 -2 2 -4 4 -6 6; do
        e=$(picture_error "$ref" "$cut" "$(sc "$2")" $(($(sc "$3") + dy)) "$(sc "$4")" "$(sc "$5")")
        best=$(awk -v a="$best" -v b="$e" 'BEGIN {print (b < a ? b : a)}')
        awk -v a="$best" -v l="$LIMIT" 'BEGIN {exit !(a < l / 2)}' && break
    done
    echo "$best"
}

# picture_error <ref.png> <image> <x> <y> <w> <h>: the normalised RMSE between ref.png and that
# rectangle of the image.
picture_error() {
    convert "$2" -crop "$5x$6+$3+$4" +repage "$WORK/cut.miff" 2>/dev/null
    compare -metric RMSE "$1" "$WORK/cut.miff" null: 2>&1 | sed -n 's/.*(\([0-9.e-]*\)).*/\1/p'
}

# same_picture <screen> <what> <x> <y> <w> <h>: one result line for an area.
same_picture() {
    local e
    e=$(area_error "$1" "$3" "$4" "$5" "$6")
    check "scale $F, $1: $2 looks as at 1x (difference ${e:-?} < $LIMIT)" \
        awk -v e="${e:-1}" -v l="$LIMIT" 'BEGIN {exit !(e < l)}'
}

for F in 1 2 1.5; do
    s=dense-$F
    note "the program at QT_SCALE_FACTOR=$F"
    new_game "$s"
    export QT_SCALE_FACTOR=$F
    start_game "$s"
    unset QT_SCALE_FACTOR
    if ! MENU=$(app_wait_window "$MENU_TITLE" 6000); then
        not_ok "scale $F: the main menu appears"
        show_windows
        stop_game
        continue
    fi
    ok "scale $F: the main menu appears"
    read -r w h < <(xs_size "$MENU")
    check "scale $F: the menu's client area is 800x528 device-independent pixels (${w}x${h} device pixels)" \
        size_near "${w:-0}" "${h:-0}" "$(sc 800)" "$(sc 528)"
    grab "$MENU" menu
    cp "$DENSE/menu-${F}x.png" "$SHOTS/menu-${F}x.png"
    if [ "$F" = 2 ]; then
        # The same scene drawn at 1x and blown up to this size is what a 2x picture replaces.
        convert "$DENSE/menu-2x.png" -resize 50% -resize 200% "$WORK/$s/menu-soft.png"
        sharp=$(sharpness "$DENSE/menu-2x.png") soft=$(sharpness "$WORK/$s/menu-soft.png")
        check "scale 2: the menu is drawn at twice the detail, not blown up (edge strength $sharp against $soft)" \
            [ "${sharp:-0}" -gt $((${soft:-0} * 115 / 100)) ]
    fi
    xs_key "$MENU" Return
    if CHOOSER=$(xs_wait_window "$APP_PID" "$CHOOSER_TITLE" 3000); then
        ok "scale $F: Enter opens the game chooser"
        grab "$CHOOSER" chooser
        photograph
    else
        not_ok "scale $F: Enter opens the game chooser"
    fi
    stop_game
    [ "$F" = 1 ] && continue

    same_picture menu "the scene" 0 0 800 528
    same_picture chooser "the banners" 0 0 546 330
    same_picture coin-value "the six coins" 20 100 700 420
    same_picture coin-value "the whole screen" 0 0 888 616
    same_picture coin-side "the left coin" 259 180 148 148
    same_picture coin-side "the right coin" 470 180 147 147
    same_picture coin-side "the whole screen" 0 0 889 616
    same_picture coin-table "the coin" 91 54 146 146
    same_picture coin-table "the table" 0 0 886 290
    same_picture coin-table "the tab panel" 0 320 886 293
    same_picture coin-mode "the dialog" 0 0 302 289
    same_picture slot-machine "the machine" 0 30 852 470
    same_picture blackjack-table "the table" 0 30 797 500
    same_picture blackjack-bet "the bet dialog" 0 0 272 156
done

# The comparison must tell a broken picture from a sound one: the coin of the 2x side screen
# drawn at half size in its top-left corner on white (what a picture loaded at the wrong pixel
# ratio looks like), and the same coin cut to its top-left part and stretched, both fail.
F=2
if [ -s "$DENSE/coin-side-2x.png" ]; then
    cp "$DENSE/coin-side-2x.png" "$WORK/good.png"
    x=$(sc 259) y=$(sc 180) n=$(sc 148)
    convert "$WORK/good.png" -crop "${n}x${n}+${x}+${y}" +repage "$WORK/coin.png"
    convert "$WORK/good.png" \( -size "${n}x${n}" xc:white \( "$WORK/coin.png" -resize 50% \) -composite \) \
        -geometry "+${x}+${y}" -composite "$DENSE/coin-side-broken-2x.png"
    convert "$WORK/good.png" \( "$WORK/coin.png" -crop "$((n * 3 / 4))x$((n * 3 / 4))+0+0" +repage -resize "${n}x${n}!" \) \
        -geometry "+${x}+${y}" -composite "$DENSE/coin-side-cropped-2x.png"
    cp "$DENSE/coin-side-1x.png" "$DENSE/coin-side-broken-1x.png"
    cp "$DENSE/coin-side-1x.png" "$DENSE/coin-side-cropped-1x.png"
    for bad in broken cropped; do
        e=$(area_error "coin-side-$bad" 259 180 148 148)
        check "the comparison fails a $bad coin (difference $e >= $LIMIT)" \
            awk -v e="${e:-0}" -v l="$LIMIT" 'BEGIN {exit !(e >= l)}'
    done
else
    not_ok "the 2x side screen was photographed"
fi
note "screenshots in $DENSE"
finish
