#!/usr/bin/env bash
# The start-up size and the presets of "Dimensione finestra", for Win32 and X; a window dragged
# 50 pixels past the right edge comes back. (A tall screen's bars: the native preset table.)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_xvfb
avvia_vitrelo

# Chooses item $1 of "Dimensione finestra", named $3, and waits for the rectangle $2.
preset() {
    menu Down Down Right $(giu "$1") Return
    attendi 10 "$3 is not at $2" _rettangolo "$2"
}
# "minima" is 1600 x 1600 twips (106.67 pixels, realised as 107) by 2520 twips.
w8=$((SCHERMO_W / 4)) h8=$((SCHERMO_H / 4)) barra=$((SCHERMO_H / 8 > 107 ? SCHERMO_H / 8 : 107))
attendi 10 "the start-up size is not ${w8}x$h8" _rettangolo "$WX $WY $w8 $h8"
# "1/4 schermo" grows to the right and down, pushed back inside the screen.
preset 2 "$((WX < SCHERMO_W / 2 ? WX : SCHERMO_W / 2)) $((WY < SCHERMO_H / 2 ? WY : SCHERMO_H / 2)) $((SCHERMO_W / 2)) $((SCHERMO_H / 2))" "1/4 schermo"
preset 0 "$WX $WY 168 107" "minima"
preset 3 "0 0 $SCHERMO_W $barra" "Barra Alta"
preset 4 "0 $((SCHERMO_H - barra)) $SCHERMO_W $barra" "Barra Bassa"
# From the bottom bar the height grows after the width: pushed up to keep the bottom edge.
preset 1 "0 $((SCHERMO_H - h8)) $w8 $h8" "1/8 schermo"
passo "drag to 50 pixels past the right edge"
trascina $((SCHERMO_W - WW + 50 - WX)) 0
attendi 10 "the dragged window did not come back inside the screen" _rettangolo "$((SCHERMO_W - WW)) $WY $WW $WH"
echo OK
