#!/usr/bin/env bash
# Two monitors, 1024x768 and 800x600 right of it: the picture stays on the monitor under the
# pointer, or the nearest one; the start-up size and the presets of "Dimensione finestra" on the
# first, for Win32 and X; dragged onto the second, the window docks its bars along it, and
# dragged 50 pixels past its right edge it comes back; "Chiudi" with a settings file that
# cannot be written.
SCHERMO_W=1824 SCHERMO_H=768
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Wine takes the monitors from Xinerama only with XRandR off; the key goes at the end, failures
# included, since the other scenarios share the prefix (_fine takes the status from $?).
_chiave='HKCU\Software\Wine\X11 Driver'
trap 'rc=$?; wine reg delete "$_chiave" /v UseXRandR /f >/dev/null 2>&1; (exit $rc) || _fine; _fine' EXIT

avvia_xvfb
xrandr --setmonitor L 1024/270x768/200+0+0 screen >/dev/null
xrandr --setmonitor R 800/210x600/160+1024+0 none >/dev/null
wine reg add "$_chiave" /v UseXRandR /d N /f >/dev/null 2>&1
mostra_schermo
avvia_vitrelo
passo "live picture at 2x on either monitor, clamped at its edges"
for p in "0 1020 300" "1 1400 300" "1 1820 595" "1 1600 700"; do
    read -r m x y <<<"$p"
    ((m == 0)) && MONITORE="0 0 1024 768" || MONITORE="1024 0 800 600"
    rettangolo_cattura "$x" "$y"
    tocca_finestra "$SX" "$SY" "$SW" "$SH" && fallisci "the window covers the area at $x,$y"
    attendi_vista "$x" "$y"
done
passo "the start-up size and the presets on the first monitor"
# Chooses item $1 of "Dimensione finestra", named $3, and waits for the rectangle $2.
preset() {
    menu Down Down Right $(giu "$1") Return
    attendi 10 "$3 is not at $2" _rettangolo "$2"
}
# "minima" is 1600 x 1600 twips (106.67 pixels, realised as 107) by 2520 twips.
attendi 10 "the start-up size is not 256x192" _rettangolo "$WX $WY 256 192"
# "1/4 schermo" grows to the right and down, pushed back inside the monitor.
preset 2 "$((WX < 512 ? WX : 512)) $((WY < 384 ? WY : 384)) 512 384" "1/4 schermo"
preset 0 "$WX $WY 168 107" "minima"
preset 3 "0 0 1024 107" "Barra Alta"
preset 4 "0 661 1024 107" "Barra Bassa"
# From the bottom bar the height grows after the width: pushed up to keep the bottom edge.
preset 1 "0 576 256 192" "1/8 schermo"
passo "dragged onto the second monitor, the bars dock along it"
trascina $((1300 - WX)) $((200 - WY))
attendi 10 "the window did not reach the second monitor" _rettangolo "1300 200 $WW $WH"
# An eighth of 600 is below the minimum height of 107.
preset 3 "1024 0 800 107" "\"Barra Alta\" along the second monitor's top"
preset 4 "1024 493 800 107" "\"Barra Bassa\" along its bottom"
preset 1 "1024 450 200 150" "\"1/8 schermo\" of the second monitor"
passo "dragged to 50 pixels past the right edge"
trascina $((1824 - 200 + 50 - WX)) 0
attendi 10 "the dragged window did not come back onto the monitor" _rettangolo "1624 450 200 150"
passo "\"Chiudi\" with a settings file that cannot be written"
mkdir "$PROG_DIR/Vitrelo.ini"
chiudi
echo OK
