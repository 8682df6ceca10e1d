# shellcheck shell=bash
# Heads or tails figures, sourced by scripts/bench on its X server and temporary game folder:
#   - the coin value screen at rest, CPU and wake-ups as the coin table's;
#   - the length of one random-stop toss, from Enter until the tab panel shows again;
#   - the coin table at rest (no toss), CPU over IDLE_SECONDS (target < 0.3 % of one core) and
#     wake-ups per second (target <= 10);
#   - CPU while a player-stop toss runs (the coin turning, the turning sound every 70 ms),
#     over IDLE_SECONDS, target < 3 % of one core.
# Uses the helpers of scripts/bench (launch, figures, $G, $PROG, IDLE_SECONDS) and of
# tests/e2e/xsession.sh.

coin_title='Cassino ZOR   -   —¤÷(`[¤*   Cå®å  øü  Cørøå   *¤]´)÷¤—'

# coin_table_window <ms>: the visible 886x613 coin window of $PID.
coin_table_window() {
    local deadline=$(($(xs_now_ms) + $1)) w name
    while [ "$(xs_now_ms)" -lt "$deadline" ]; do
        while read -r w name; do
            [ "$name" = "$coin_title" ] && [ "$(xs_size "$w")" = "886 613" ] && { echo "$w"; return 0; }
        done < <(xs_windows "$PID")
        sleep 0.05
    done
    return 1
}

# coin_click <window> <x> <y>: moves onto client point x,y and clicks.
coin_click() {
    local ox oy
    read -r ox oy < <(xs_origin "$1")
    xdotool mousemove $((ox + $2 - 6)) $((oy + $3))
    sleep 0.05
    xdotool mousemove $((ox + $2)) $((oy + $3))
    sleep 0.25
    xdotool click 1
}

# coin_crop <window> <file>: the money label's rectangle of the table, from a fresh screenshot.
coin_crop() {
    local ox oy
    read -r ox oy < <(xs_origin "$1")
    import -window root -crop "300x56+$((ox + 62))+$((oy + 420))" +repage "$2" 2>/dev/null
}

coin_bench() {
    local menu chooser value side table mode t0 n toss="" verdict
    launch "$PROG"
    menu=$(xs_wait_window "$PID" 'Cassino ZOR - Menu Principal' 8000) || { echo "bench: no main menu" >&2; return 1; }
    sleep 0.5
    xs_key "$menu" Return
    chooser=$(xs_wait_window "$PID" 'Cassino ZOR - Jogos' 3000) || { echo "bench: no chooser" >&2; return 1; }
    sleep 0.3
    coin_click "$chooser" 273 4
    coin_click "$chooser" 273 55
    value=$(xs_wait_window "$PID" "$coin_title" 3000) || { echo "bench: no coin value screen" >&2; return 1; }
    xdotool mousemove 1000 760
    figures "coin value screen at rest" 0.3 10
    coin_click "$value" 530 282
    sleep 0.5
    side=$(xs_find "$PID" "$coin_title") || { echo "bench: no coin side screen" >&2; return 1; }
    xs_key "$side" Return
    table=$(coin_table_window 3000) || { echo "bench: no coin table" >&2; return 1; }
    sleep 0.5

    # Random stop: Enter opens the mode dialog, Enter confirms "Parada Aleatória".
    xs_key "$table" Return
    mode=$(xs_wait_window "$PID" 'Cassino ZOR - Modos de Jogo' 3000) || { echo "bench: no mode dialog" >&2; return 1; }
    sleep 0.3
    xs_key "$mode" Return
    sleep 0.5
    coin_crop "$table" "$WORK/coin-rest.png"
    t0=$(xs_now_ms)
    xs_key "$table" Return
    sleep 0.2
    coin_crop "$table" "$WORK/coin-hidden.png"
    while [ $(($(xs_now_ms) - t0)) -lt 6000 ]; do
        coin_crop "$table" "$WORK/coin-now.png"
        n=$(compare -metric AE -fuzz 6% "$WORK/coin-hidden.png" "$WORK/coin-now.png" null: 2>&1 | awk '{printf "%d", $1}')
        if [ "${n:-0}" -gt 500 ]; then
            toss=$(($(xs_now_ms) - t0))
            break
        fi
        sleep 0.02
    done
    if [ -n "$toss" ]; then
        if [ "$toss" -ge 1300 ] && [ "$toss" -le 2300 ]; then verdict=met; else verdict="NOT met"; fi
        printf '%-46s %6s ms   (one toss, screenshot polling, about +/- 100 ms)   expected: about 1500 ms: %s\n' \
            "coin: random-stop toss, Enter to settlement" "$toss" "$verdict"
    else
        echo "bench: the random-stop toss did not settle within 6 s" >&2
    fi

    # The table at rest, the pointer away from it.
    xdotool mousemove 1000 760
    figures "coin table at rest" 0.3 10

    # A running toss: reset on the options tab, choose "Parada pelo Jogador" (Down, Enter), toss.
    # The main button is clicked: after "Zerar" that button holds the focus and would take Enter.
    coin_click "$table" 193 307
    coin_click "$table" 363 348
    sleep 0.3
    coin_click "$table" 474 118
    mode=$(xs_wait_window "$PID" 'Cassino ZOR - Modos de Jogo' 3000) || { echo "bench: no mode dialog" >&2; return 1; }
    sleep 0.3
    xs_key "$mode" Down Return
    sleep 0.5
    coin_click "$table" 35 307
    coin_click "$table" 474 118
    SETTLE_SECONDS=1 figures "coin: a player-stop toss running" 3 -
    xs_key "$table" space
    sleep 0.3
    xs_kill "$PID"
    PID=""
}

coin_bench || echo "bench: the coin figures could not be measured" >&2
