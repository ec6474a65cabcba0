#!/usr/bin/env bash
# bench/soak.sh MINUTES, run by scripts/soak: endurance run of the sampler build (VITRELO_EXE is
# soak_vitrelo.exe, which prints its live GDI objects, handles and private bytes) at 10 ms and
# 8x, the pointer always moving, and every few seconds the Ctrl pause, then capture mode with
# the picture locked by the space bar, unlocked and left through the padlock. The verdict needs
# the three flat after the first minute, private bytes below 16 MB and the program answering.
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
minutes=${1:-2}
export VITRELO_SAMPLE_SECONDS=$((minutes <= 3 ? 20 : 60))   # seconds between samples

start_xvfb
show_screen_picture
mkdir -p "$E2E_TMP/prog"
printf '[Opzioni]\r\nRefresh=0\r\nZoom=6\r\nInvertiColori=0\r\n' >"$E2E_TMP/prog/Vitrelo.ini"
start_vitrelo
angle=0
# The workload: about $1 seconds of pointer motion, 20 steps a second, far from the window.
move_pointer() {
    for ((_i = 0; _i < $1 * 20; _i++)); do
        angle=$(((angle + 7) % 360))
        xdotool mousemove $((160 + angle / 3)) $((620 + angle % 60))
        sleep 0.05
    done
}

end_time=$((SECONDS + minutes * 60))
cycles=0
while ((SECONDS < end_time)); do
    move_pointer 1
    xdotool windowfocus --sync "$VITRELO_WINDOW"
    xdotool keydown ctrl
    move_pointer 1
    xdotool keyup ctrl
    move_pointer 1
    menu_choose capture
    move_pointer 1
    xdotool windowfocus --sync "$VITRELO_WINDOW"
    xdotool keydown space
    move_pointer 1
    xdotool keyup space
    move_pointer 1
    xdotool mousemove $((CX + 12)) $((CY + 12)) click 1   # the padlock: unlock
    move_pointer 1
    xdotool mousemove $((CX + 12)) $((CY + 12)) click 1   # and leave capture mode
    cycles=$((cycles + 1))
done
answering=no
read_geometry && kill -0 "$VITRELO_PID" 2>/dev/null && answering=yes

echo "cycles: $cycles"
printf '%8s %8s %8s %12s\n' seconds gdi handles private
grep -a '^sample' "$E2E_TMP/vitrelo.log" | tr -d '\r' |
    awk '{ printf "%8d %8d %8d %12d\n", $2, $4, $6, $8 }' | tee "$E2E_TMP/samples.txt"
# Flat after the first minute: the same GDI objects; handles within 8 of the first sample
# (Wine's sound and timer threads come and go). Private bytes: Wine's heap takes and gives
# back a block of about 1 MB as sound threads start and end, so the level may step once; a
# leak keeps setting new highs. So after the first sample at most one sample may rise more
# than 64 KB above every earlier one, and none more than 2 MB above the first.
verdict=$(awk -v answering=$answering '
    NR > 1 { m++   # the first sample is the start-up one, however late it came
             if (m == 1) { p1 = $4; high = $4 }
             else if ($4 > high + 65536) { new_highs++; high = $4 }
             if ($4 > pmax) pmax = $4 }
    $1 >= 60 { n++
               if (n == 1) { g0 = $2; h0 = $3 }
               if ($2 != g0) g = 1
               if ($3 > h0 + 8 || $3 < h0 - 8) h = 1 }
    END { growing = new_highs > 1 || pmax > p1 + 2097152
          ok = n >= 3 && !g && !h && !growing && pmax < 16777216 && answering == "yes"
          printf "%s: GDI %s, handles %s, private bytes %s (max %.1f MB), answering %s\n",
                 ok ? "PASS" : "FAIL", g ? "GROWING" : "flat", h ? "GROWING" : "flat",
                 growing ? "GROWING" : "flat", pmax / 1048576, answering }' "$E2E_TMP/samples.txt")
echo "$verdict"
case "$verdict" in PASS*) ;; *) fail "soak: $verdict" ;; esac
