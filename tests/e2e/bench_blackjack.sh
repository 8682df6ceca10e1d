# shellcheck shell=bash
# Blackjack's figures, sourced by scripts/bench at its end (its helpers, X server and temporary
# game folder are in place): the time from the click on the chooser's banner to the table on
# screen, the idle table's CPU use over the same span as the menu's, and the resident memory
# after 20 and after 220 visits to the table (the chooser makes a new table on every visit and
# the old one must go).

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

rss_mib() { awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

bj_bench() {
    local menu opens=() hz t1 t2 w1 w2 cpu verdict rss20 rss220 i
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

    # The table at rest: the pointer away from its buttons, its refresh ticking.
    bj_point "$bj_table" 200 300
    hz=$(getconf CLK_TCK)
    sleep 1
    t1=$(cpu_ticks "$PID") w1=$(date +%s%N)
    sleep "$IDLE_SECONDS"
    t2=$(cpu_ticks "$PID") w2=$(date +%s%N)
    cpu=$(awk -v d=$((t2 - t1)) -v hz="$hz" -v ns=$((w2 - w1)) 'BEGIN {printf "%.2f", 100 * d / hz / (ns / 1e9)}')
    if awk -v c="$cpu" 'BEGIN {exit !(c < 1)}'; then verdict=met; else verdict="NOT met"; fi
    printf '%-46s %6s %%    (over %s s)   target: < 1 %% of one core: %s\n' "idle CPU on the Blackjack table" "$cpu" \
        "$IDLE_SECONDS" "$verdict"

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
