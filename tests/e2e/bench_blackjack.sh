# shellcheck shell=bash
# Blackjack's figures, sourced by scripts/bench at its end (its helpers, X server and temporary
# game folder are in place): the time from the click on the chooser's banner to the table on
# screen; the table at rest, CPU (target under 0.3 % of one core) and wake-ups per second
# (target <= 10) over the same span as the menu's; CPU while hands are played one after the
# other (target under 3 %); and the resident memory after 20 and after 220 visits to the table
# (the chooser makes a new table on every visit and the old one must go).

bj_title='Cassino ZOR   -    (¯`·._.·[ßlå¢kJå¢k]·._.·´¯)'

# bj_point <window> <x> <y>: the pointer onto a client point, in two steps so it is seen moving.
bj_point() {
    local ox oy
    read -r ox oy < <(xs_origin "$1")
    xdotool mousemove $((ox + $2 - 6)) $((oy + $3))
    sleep 0.03
    xdotool mousemove $((ox + $2)) $((oy + $3))
    sleep 0.08
}

# bj_visit: from the chooser $bj_chooser, opens the table (bj_table) and sets bj_ms to the ms
# from the click to the table's window on view.
bj_table=""
bj_chooser=""
bj_ms=0
bj_visit() {
    local t0
    bj_point "$bj_chooser" 273 4
    bj_point "$bj_chooser" 273 278
    t0=$(xs_now_ms)
    xdotool click 1
    bj_table=$(xs_wait_window "$PID" "$bj_title" 5000) || return 1
    bj_ms=$(($(xs_now_ms) - t0))
}

# bj_leave: closes the table; the chooser comes back (bj_chooser).
bj_leave() {
    xs_close "$bj_table"
    bj_chooser=$(xs_wait_window "$PID" 'Cassino ZOR - Jogos' 5000)
}

bj_bet_title='Faça sua aposta'
declare -a bj_outcomes=('Você ganhou !' 'Você perdeu !' 'Empate !' 'Que pena ! Você estourou !' 'Black Jack - 21 na Mosca')

# bj_play: for IDLE_SECONDS, plays as a player does, a key every 0.8 s: Enter on the table deals
# and draws, the bet dialog gets 50 and Enter, an outcome dialog or message is closed.
bj_play() {
    local end=$(($(date +%s) + IDLE_SECONDS)) w name done
    while [ "$(date +%s)" -lt "$end" ]; do
        done=""
        while read -r w name; do
            [ -n "$w" ] || continue
            if [[ $name == "$bj_bet_title"* ]]; then
                xs_key "$w" ctrl+a 5 0 Return
                done=1
                break
            fi
            for o in "${bj_outcomes[@]}"; do
                if [[ $name == "$o"* ]]; then
                    xs_close "$w"
                    done=1
                    break 2
                fi
            done
            if [[ $name != "$bj_title"* && $name != 'Cassino ZOR - '* ]]; then
                xs_key "$w" Return # the five-card message
                done=1
                break
            fi
        done < <(xs_windows "$PID")
        [ -n "$done" ] || xs_key "$bj_table" Return
        sleep 0.8
    done
}

rss_mib() { awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

bj_bench() {
    local menu opens=() verdict rss20 rss220 i
    launch "$PROG"
    mapped_ms 'Cassino ZOR - Menu Principal' 8000 >/dev/null || { echo "bench: the main menu did not appear" >&2; return 1; }
    sleep 0.5
    menu=$(xs_find "$PID" 'Cassino ZOR - Menu Principal') || return 1
    xs_key "$menu" Return
    bj_chooser=$(xs_wait_window "$PID" 'Cassino ZOR - Jogos' 5000) || { echo "bench: no game chooser" >&2; return 1; }
    sleep 0.3

    for i in 1 2 3 4 5; do
        bj_visit || { echo "bench: the Blackjack table did not open" >&2; return 1; }
        opens+=("$bj_ms")
        sleep 0.3
        [ "$i" -lt 5 ] && bj_leave
    done
    printf '%-46s %6s ms   (runs: %s)   click on the banner to the table on view\n' \
        "Blackjack table opened" "$(median "${opens[@]}")" "${opens[*]}"

    # The table at rest: the pointer away from its buttons.
    bj_point "$bj_table" 200 300
    figures "Blackjack table at rest" 0.3 10
    SETTLE_SECONDS=0 figures "Blackjack: hands played, a key every 0.8 s" 3 - bj_play
    # Whatever dialog the last key left open goes, so the table can be closed.
    sleep 1
    while read -r w name; do
        [[ $name == "$bj_title"* || $name == 'Cassino ZOR - '* ]] || xs_close "$w"
    done < <(xs_windows "$PID")
    sleep 0.5

    bj_leave
    for ((i = 0; i < 15; i++)); do
        if ! bj_visit || ! bj_leave; then return 1; fi
    done
    sleep 1
    rss20=$(rss_mib "$PID")
    for ((i = 0; i < 200; i++)); do
        if ! bj_visit || ! bj_leave; then
            echo "bench: visit $i to the table failed" >&2
            return 1
        fi
    done
    sleep 1
    rss220=$(rss_mib "$PID")
    if awk -v a="$rss20" -v b="$rss220" 'BEGIN {exit !(b - a < 5)}'; then verdict=met; else verdict="NOT met"; fi
    printf '%-46s %6s MiB  (after 20 visits: %s MiB)   target: within 5 MiB: %s\n' \
        "memory after 200 more visits to the table" "$rss220" "$rss20" "$verdict"
    xs_kill "$PID"
    PID=""
}

bj_bench || echo "bench: the Blackjack figures could not be measured" >&2
