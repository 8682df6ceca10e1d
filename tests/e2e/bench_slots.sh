# shellcheck shell=bash
# The slot machine's figures, sourced by scripts/bench on its X server and temporary game folder:
#   - the machine at rest, CPU over 20 s (target under 0.3 % of one core) and wake-ups per
#     second (target <= 10);
#   - CPU over 20 s of pulls one after the other (target under 3 %);
#   - the time from the lever's release (Space up) to the result on screen, expected about 5.4 s
#     (60 ticks of the 90 ms reel timers), median of three pulls.
# The result is seen as the amount label appearing in its display under the lever: a small
# screenshot of that spot is taken every few tens of milliseconds from 4.6 s after the release.

# shellcheck disable=SC2016  # the backquotes are letters of the title
SLOTS_TITLE='Cassino ZOR   -   ,.-~*´¨¯¨`*·~-.¸-(_Cåçå - ÑïQüèL_)-,.-~*´¨¯¨`*·~-.¸'
# The amount display in the machine's client coordinates (sheet origin 2,46 plus 600,227).
SLOTS_DIM_GEOMETRY="124x28+602+273"

# slots_spot <window>: a fingerprint of the amount display's pixels.
slots_spot() {
    import -window "$1" -crop "$SLOTS_DIM_GEOMETRY" +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# slots_pull <window>: Space down and up on the machine.
slots_pull() {
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    xdotool keydown space
    sleep 0.15
    xdotool keyup space
}

# Pulls every 6 s (a spin and its result take about 5.4 s) for IDLE_SECONDS.
slots_spinning() {
    local end=$(($(date +%s) + IDLE_SECONDS))
    while [ "$(date +%s)" -lt "$end" ]; do
        slots_pull "$SLOTS_WIN"
        sleep 5.85
    done
}

slots_bench() {
    local menu chooser ox oy rest now released t results=()
    launch "$PROG"
    mapped_ms 'Cassino ZOR - Menu Principal' 8000 >/dev/null || { echo "bench: the main menu did not appear" >&2; return 1; }
    menu=$(xs_wait_window "$PID" 'Cassino ZOR - Menu Principal' 3000) || return 1
    sleep 0.5
    xs_key "$menu" Return
    chooser=$(xs_wait_window "$PID" 'Cassino ZOR - Jogos' 3000) || { echo "bench: no game chooser" >&2; return 1; }
    sleep 0.5
    read -r ox oy < <(xs_origin "$chooser")
    xdotool mousemove $((ox + 273)) $((oy + 4))
    sleep 0.2
    xdotool mousemove $((ox + 267)) $((oy + 167))
    sleep 0.1
    xdotool mousemove $((ox + 273)) $((oy + 167))
    sleep 0.4
    xdotool click 1
    SLOTS_WIN=$(xs_wait_window "$PID" "$SLOTS_TITLE" 3000) || { echo "bench: the slot machine did not open" >&2; return 1; }
    # Out of the way of the reels, so no hover changes anything while measuring.
    xdotool mousemove 1000 760

    figures "slot machine at rest" 0.3 10
    SETTLE_SECONDS=0 figures "slot machine: spinning, a pull every 6 s" 3 - slots_spinning
    sleep 3.5

    for _ in 1 2 3; do
        rest=$(slots_spot "$SLOTS_WIN")
        slots_pull "$SLOTS_WIN"
        released=${EPOCHREALTIME//[!0-9]/}
        sleep 4.6
        t=""
        while :; do
            now=${EPOCHREALTIME//[!0-9]/}
            if [ "$(slots_spot "$SLOTS_WIN")" != "$rest" ]; then
                t=$(((now - released) / 1000))
                break
            fi
            [ $(((now - released) / 1000)) -lt 9000 ] || break
        done
        [ -n "$t" ] && results+=("$t")
        # Let the amount label go (2656 ms) before the next pull.
        sleep 3
    done
    if [ ${#results[@]} -eq 0 ]; then
        echo "bench: no result was seen on the slot machine" >&2
        return 1
    fi
    printf '%-46s %6s ms   (runs: %s)   expected: about 5400 ms\n' \
        "slot machine: lever release to result" "$(median "${results[@]}")" "${results[*]}"
    xs_kill "$PID"
    PID=""
}

slots_bench || echo "bench: the slot machine figures could not be measured" >&2
