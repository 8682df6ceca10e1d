#!/usr/bin/env bash
# The installed game: `cmake --install` into a temporary DESTDIR, the installed files checked
# (desktop entry, AppStream metainfo, every icon size, the manual page, the data folder), then
# the installed program started from an unrelated folder under Xvfb with its own HOME: it
# prepares the player's folder, a setting saved on the configuration screen lands there and
# survives a second start, and the installed tree is never written to. Where dpkg-deb is
# present, the .deb that `cpack -G DEB` builds is checked too, and lintian must report no error
# and no warning on it.
#
#   install.sh <build folder> <screenshot folder>
set -u
BUILD=$(realpath -e "$1") || { echo "not ok - build folder $1 exists"; echo "0 passed, 1 failed"; exit 1; }
SHOT_DIR=$2
APP_ID=br.com.cassinozor.CassinoZOR
STAGE=$(mktemp -d /tmp/zor-install.XXXXXX)
DEST=$STAGE/root
PREFIX=/usr
trap 'rm -rf "$STAGE"' EXIT

DESTDIR=$DEST cmake --install "$BUILD" --prefix "$PREFIX" >"$STAGE/install.log" 2>&1
INSTALL_RC=$?
INSTALLED=$DEST$PREFIX

# shellcheck source=SCRIPTDIR/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh" "$INSTALLED/games/cassino-zor" "$BUILD/game" "$SHOT_DIR"
# common.sh set its own exit trap; remove the staging folder as well.
trap 'cleanup; rm -rf "$STAGE"' EXIT

check "install: cmake --install into a DESTDIR succeeds (status $INSTALL_RC)" [ "$INSTALL_RC" = 0 ] ||
    sed 's/^/#   /' "$STAGE/install.log" | tail -n 20
DATA=$INSTALLED/share/cassino-zor
check "install: the program is in games" [ -x "$INSTALLED/games/cassino-zor" ]
check "install: nothing is in bin" [ ! -e "$INSTALLED/bin" ]
# files_exist <file>...: every one is a regular file (one check over all of them).
files_exist() {
    local f
    for f in "$@"; do [ -f "$f" ] || return 1; done
}
check "install: the data files are in share/cassino-zor" \
    files_exist "$DATA/casino.mid" "$DATA/graconf.jpg" "$DATA/mouse.wav"
check "install: the initial Config tree is beside them" \
    files_exist "$DATA/Config/cor.txt" "$DATA/Config/Jogos/coc/dinheiro.txt" "$DATA/Config/Jogos/cn/nome.txt"
check "install: the program itself is not in the data folder" [ ! -e "$DATA/cassino-zor" ]

desktop=$INSTALLED/share/applications/$APP_ID.desktop
metainfo=$INSTALLED/share/metainfo/$APP_ID.metainfo.xml
check "install: desktop-file-validate passes on the desktop entry" desktop-file-validate "$desktop"
check "install: appstreamcli validate --no-net passes on the metainfo" \
    appstreamcli validate --no-net "$metainfo"
for size in 16 22 24 32 48 64 128 256 512; do
    icon=$INSTALLED/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
    check "install: the ${size}x${size} icon exists and decodes at that size" \
        [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ]
done
cp "$INSTALLED/share/icons/hicolor/256x256/apps/$APP_ID.png" "$SHOTS/icon-256.png" 2>/dev/null
page=$INSTALLED/share/man/man6/cassino-zor.6.gz
check "install: the manual page is compressed with gzip -9n (no name, no time stamp)" \
    bash -c "gzip -t '$page' && [ \"\$(od -An -tu4 -j4 -N4 '$page' | tr -d ' ')\" = 0 ] &&
             [ \"\$(od -An -tu1 -j3 -N1 '$page' | tr -d ' ')\" = 0 ] &&
             [ \"\$(od -An -tu1 -j8 -N1 '$page' | tr -d ' ')\" = 2 ]"
check "install: man -l renders the manual page" \
    bash -c "MANWIDTH=80 man -l '$page' 2>/dev/null | grep -qE 'cassino-zor +- +desktop casino'"
doc=$INSTALLED/share/doc/cassino-zor
check "install: the copyright file is in machine-readable form and states the metainfo's licence" \
    bash -c "head -n 1 '$doc/copyright' | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' &&
             licence=\$(sed -n 's|.*<project_license>\\(.*\\)</project_license>.*|\\1|p' '$metainfo') &&
             [ -n \"\$licence\" ] && grep -qx \"License: \$licence\" '$doc/copyright'"
check "install: the changelog is compressed and opens with an entry of cassino-zor" \
    bash -c "zcat '$doc/changelog.gz' | head -n 1 | grep -qE '^cassino-zor \([0-9.]+\) [a-z]+; urgency='"

# ---------------------------------------------------------------------------------------------
# The installed program, started from an unrelated folder with its own HOME.
# no_maximise <window>: the window manager offers closing the window, and no maximising.
no_maximise() {
    local actions
    actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null)
    [[ $actions == *_NET_WM_ACTION_CLOSE* ]] && [[ $actions != *MAXIMIZE* ]]
}
tree_sum() { (cd "$INSTALLED" && find . -type f -exec md5sum {} + | sort | md5sum); }
before=$(tree_sum)
chmod -R a-w "$INSTALLED"

s=installed
G=$WORK/$s/elsewhere
H=$WORK/$s/home
mkdir -p "$G" "$H/Desktop" "$WORK/$s/runtime"
chmod 700 "$WORK/$s/runtime"
PLAYER=$H/.local/share/cassino-zor

start_game $s
if MENU=$(app_wait_window "$MENU_TITLE" 6000); then
    ok "installed: started from an unrelated folder, the main menu appears"
    check "installed: the player's folder holds a Config tree" [ -f "$PLAYER/Config/som.txt" ]
    check "installed: the player's folder reaches the data files" files_exist "$PLAYER/casino.mid" "$PLAYER/graconf.jpg"
    check "installed: nothing was made in the starting folder" [ -z "$(ls -A "$G")" ]
    launcher="$H/Desktop/Cassino ZOR.desktop"
    check "installed: the launcher's Path is the player's folder" grep -qx "Path=$PLAYER" "$launcher"
    check "installed: the launcher shows the installed icon" grep -qx "Icon=$APP_ID" "$launcher"
    check "installed: desktop-file-validate passes on the launcher" desktop-file-validate "$launcher"
    settle "$MENU" 150
    shot installed-menu
    check "installed: the window manager offers close but no maximise on the main menu" no_maximise "$MENU"
    wm_class=$(xprop -id "$MENU" WM_CLASS 2>/dev/null | sed -n 's/^WM_CLASS.* = ".*", "\(.*\)"$/\1/p')
    check "installed: the desktop entry's StartupWMClass is the windows' class ($wm_class)" \
        grep -qxF "StartupWMClass=${wm_class:-none}" "$desktop"
    conf=$(open_from_menu config 480 505 "$CONFIG_TITLE")
    if screen_opens "installed: the gear button" "$conf" "$CONFIG_TITLE" 238 285; then
        check "installed: the configuration screen offers no maximise either" no_maximise "$conf"
        parent=$(xprop -id "$conf" WM_TRANSIENT_FOR 2>/dev/null | grep -oE '0x[0-9a-f]+')
        check "installed: the configuration screen is transient for the main menu ($parent)" \
            [ "$((${parent:-0}))" = "$MENU" ]
        click_at "$conf" 17 56
        click_at "$conf" 158 236
        # Warnings are on in the initial tree: the confirmation comes up and is closed.
        if box=$(xs_wait_window "$APP_PID" "$APP_TITLE" 3000); then
            xs_key "$box" Return
        fi
        wait_for 3000 file_holds "$PLAYER/Config/som.txt" n
        check "installed: the saved setting lands in the player's folder ($(contents "$PLAYER/Config/som.txt"))" \
            file_holds "$PLAYER/Config/som.txt" n
    fi
    end_game "installed: first start"
else
    not_ok "installed: started from an unrelated folder, the main menu appears"
    show_windows
    stop_game
fi

start_game $s
if MENU=$(app_wait_window "$MENU_TITLE" 6000); then
    ok "installed: a second start comes up too"
    check "installed: the second start keeps the saved setting ($(contents "$PLAYER/Config/som.txt"))" \
        file_holds "$PLAYER/Config/som.txt" n
    end_game "installed: second start"
else
    not_ok "installed: a second start comes up too"
    stop_game
fi
chmod -R u+w "$INSTALLED"
check "installed: the installed tree was never written to" [ "$(tree_sum)" = "$before" ]

# A player's folder that cannot be made: one error box, and the program ends.
s=blocked
G=$WORK/$s/elsewhere
H=$WORK/$s/home
mkdir -p "$G" "$H/.local/share" "$WORK/$s/runtime"
chmod 700 "$WORK/$s/runtime"
printf 'a file where the folder should be' >"$H/.local/share/cassino-zor"
start_game $s
# The box comes before any screen, under the application's first title.
if box=$(xs_wait_window "$APP_PID" "..:: Cassino ZOR ::.." 5000); then
    ok "blocked: a player's folder that cannot be made is reported in an error box"
    shot installed-blocked
    xs_key "$box" Return
    if xs_wait_exit "$APP_PID" 3000; then
        check "blocked: closing the box ends the program (status $XS_RC)" [ "$XS_RC" != 0 ]
        APP_PID=""
    else
        not_ok "blocked: closing the box ends the program"
    fi
else
    not_ok "blocked: a player's folder that cannot be made is reported in an error box"
    show_windows
fi
stop_game

# ---------------------------------------------------------------------------------------------
# The Debian package.
if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
    if (cd "$BUILD" && cpack -G DEB -B "$STAGE/deb" >"$STAGE/cpack.log" 2>&1); then
        deb=$(ls "$STAGE"/deb/cassino-zor_*_*.deb 2>/dev/null | head -n 1)
        check "deb: cpack builds cassino-zor_VERSION_ARCH.deb ($(basename "${deb:-none}"))" [ -n "$deb" ]
        if [ -n "$deb" ]; then
            info=$(dpkg-deb --info "$deb")
            depends=$(sed -n 's/^ Depends: //p' <<<"$info")
            version=$(sed -n 's/^ Version: //p' <<<"$info")
            latest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/cassino-zor/changelog.gz | zcat | head -n 1)
            check "deb: the changelog's latest entry is the package's version $version ($latest)" \
                [ "${latest%%)*}" = "cassino-zor (${version:-none}" ]
            for dep in libqt6widgets6 libsdl2-mixer-2.0-0 libfluidsynth3 timgm6mb-soundfont fonts-bebas-neue fonts-comic-neue fonts-dejavu-core; do
                check "deb: Depends names $dep" grep -q "$dep" <<<"$depends"
            done
            files=$(dpkg-deb --contents "$deb")
            for f in ./usr/games/cassino-zor ./usr/share/cassino-zor/casino.mid ./usr/share/cassino-zor/Config/cor.txt \
                "./usr/share/applications/$APP_ID.desktop" "./usr/share/metainfo/$APP_ID.metainfo.xml" \
                "./usr/share/icons/hicolor/512x512/apps/$APP_ID.png" ./usr/share/man/man6/cassino-zor.6.gz \
                ./usr/share/doc/cassino-zor/copyright ./usr/share/doc/cassino-zor/changelog.gz; do
                check "deb: holds $f" grep -q " $f\$" <<<"$files"
            done
            # The packaged program is stripped; the build folder's keeps its debug information.
            mkdir -p "$STAGE/unpacked"
            dpkg-deb -x "$deb" "$STAGE/unpacked"
            check "deb: the packaged program carries no debug information" \
                bash -c "! readelf -S '$STAGE/unpacked/usr/games/cassino-zor' | grep -qE '\.debug_|\.symtab'"
            check "deb: the build folder's program keeps its debug information" \
                bash -c "readelf -S '$BUILD/game/cassino-zor' | grep -q '\.debug_info'"
            if command -v lintian >/dev/null; then
                lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$STAGE/lintian.log" 2>&1
                LINTIAN_RC=$?
                grep -v '^running with root privileges' "$STAGE/lintian.log" | grep -E '^[EW]: ' | sed 's/^/#   /'
                check "deb: lintian reports no error and no warning (status $LINTIAN_RC)" [ "$LINTIAN_RC" = 0 ]
            else
                not_ok "deb: lintian is installed (scripts/install-deps)"
            fi
        fi
    else
        not_ok "deb: cpack -G DEB builds the package"
        sed 's/^/#   /' "$STAGE/cpack.log" | tail -n 20
    fi
else
    note "dpkg-deb or dpkg-shlibdeps missing: the package is not built here"
fi

finish
