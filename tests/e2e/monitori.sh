#!/usr/bin/env bash
# Two monitors, 1024x768 and 800x600 right of it: the picture stays on the monitor under the
# pointer, or the nearest one; dragged onto the second, the window docks its bars along it.
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
passo "dragged onto the second monitor, the bars dock along it"
trascina $((1300 - WX)) $((200 - WY))
attendi 10 "the window did not reach the second monitor" _rettangolo "1300 200 $WW $WH"
# An eighth of 600 is below the minimum height of 107.
menu Down Down Right $(giu 3) Return
attendi 10 "\"Barra Alta\" is not along the second monitor's top" _rettangolo "1024 0 800 107"
menu Down Down Right $(giu 4) Return
attendi 10 "\"Barra Bassa\" is not along its bottom" _rettangolo "1024 493 800 107"
echo OK
