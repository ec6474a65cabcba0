#!/usr/bin/env bash
# Endurance run: the program under Wine at 10 ms, 8x, with grid and colour readout on, the
# pointer always moving, and every few seconds the Ctrl pause, capture mode with the picture
# locked by the space bar and unlocked and left through the lock button. The program samples
# its live GDI objects, handles and private bytes; the verdict needs all three flat after the
# first minute (see the verdict below), private bytes below 16 MB and the program still
# answering.
#   soak.sh MINUTES        (environment as for the end-to-end scenarios; VITRELO_EXE is the
#                           sampler build soak_vitrelo.exe)
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
minuti=${1:-2}
# Samples once a minute on long runs, more often on short ones.
campione=60
((minuti <= 3)) && campione=20
export VITRELO_CAMPIONE=$campione

avvia_xvfb
mostra_schermo
PROG_DIR=$E2E_TMP/prog
mkdir -p "$PROG_DIR"
cp "$VITRELO_EXE" "$PROG_DIR/Vitrelo.exe"
printf '[Opzioni]\r\nRefresh=0\r\nZoom=6\r\nInvertiColori=0\r\n' >"$PROG_DIR/Vitrelo.ini"
(cd "$PROG_DIR" && exec wine Vitrelo.exe) >"$E2E_TMP/vitrelo.log" 2>&1 &
VITRELO_PID=$!
_pids+=("$VITRELO_PID")
attendi_avvio
geometria
passo "window $WX,$WY ${WW}x$WH, client $CX,$CY ${CW}x$CH; $minuti min, a sample every $campione s"

angolo=0
# Moves the pointer for about $1 seconds, 20 steps a second, on a circle far from the window.
muovi() {
    local passi=$(($1 * 20)) i
    for ((i = 0; i < passi; i++)); do
        angolo=$(((angolo + 7) % 360))
        xdotool mousemove $((160 + angolo / 3)) $((620 + (angolo % 60)))
        sleep 0.05
    done
}

fine_prova=$((SECONDS + minuti * 60))
cicli=0
while ((SECONDS < fine_prova)); do
    muovi 1
    # Ctrl pause.
    metti_a_fuoco
    xdotool keydown ctrl
    muovi 1
    xdotool keyup ctrl
    muovi 1
    # Capture mode from the menu: "Cattura Immagine" is the sixth row.
    mx=$((CX + CW / 2)) my=$((CY + CH / 2))
    xdotool mousemove $mx $my click 3
    sleep 0.8
    xdotool mousemove $((mx + 40)) $((my + 3 + 5 * 17 + 8)) click 1
    muovi 1
    # Lock with the space bar, pointer outside, then unlock and leave with the button.
    metti_a_fuoco
    xdotool keydown space
    muovi 1
    xdotool keyup space
    muovi 1
    ((cicli == 0)) && foto "$E2E_TMP/bloccata.png"
    xdotool mousemove $((CX + 12)) $((CY + 12)) click 1
    muovi 1
    ((cicli == 0)) && foto "$E2E_TMP/sbloccata.png"
    xdotool mousemove $((CX + 12)) $((CY + 12)) click 1
    cicli=$((cicli + 1))
done
sleep 1
risponde=no
wine "$VITRELO_TOOLS/risponde.exe" && risponde=yes
kill -0 "$VITRELO_PID" 2>/dev/null || risponde=no

echo
echo "cycles: $cicli"
printf '%8s %8s %8s %12s\n' seconds gdi handles private
grep -a '^campione' "$E2E_TMP/vitrelo.log" | tr -d '\r' |
    awk '{ printf "%8d %8d %8d %12d\n", $2, $4, $6, $8 }' | tee "$E2E_TMP/campioni.txt"
# Flat after the first minute: the same GDI objects; handles within 8 of the first sample
# (Wine's sound and timer threads come and go). Private bytes: Wine's heap takes and gives
# back a block of about 1 MB as sound threads start and end, so the level may step once; a
# leak keeps setting new highs. So after the first sample at most one sample may rise more
# than 64 KB above every earlier one, and none more than 2 MB above the first.
verdetto=$(awk -v risponde=$risponde '
    $1 > 0 { m++
             if (m == 1) { p1 = $4; alto = $4 }
             else if ($4 > alto + 65536) { nuovi++; alto = $4 }
             if ($4 > pmax) pmax = $4 }
    $1 >= 60 { n++
               if (n == 1) { g0 = $2; h0 = $3 }
               if ($2 != g0) g = 1
               if ($3 > h0 + 8 || $3 < h0 - 8) h = 1 }
    END { cresce = nuovi > 1 || pmax > p1 + 2097152
          ok = n >= 3 && !g && !h && !cresce && pmax < 16777216 && risponde == "yes"
          printf "%s: GDI %s, handles %s, private bytes %s (max %.1f MB), answering %s\n",
                 ok ? "PASS" : "FAIL", g ? "GROWING" : "flat", h ? "GROWING" : "flat",
                 cresce ? "GROWING" : "flat", pmax / 1048576, risponde }' "$E2E_TMP/campioni.txt")
echo "$verdetto"
case "$verdetto" in PASS*) ;; *) fallisci "soak: $verdetto" ;; esac
