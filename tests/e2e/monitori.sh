#!/usr/bin/env bash
# Two monitors on one X screen of 1824x768: the primary 1024x768 at 0,0 and one of 800x600
# right of it (below y = 600 there is no monitor). The live picture stays on the monitor under
# the pointer, or the nearest one, at its edges; the window dragged onto the second monitor
# docks its bars along that monitor.
SCHERMO_W=1824 SCHERMO_H=768
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Wine takes the monitors from Xinerama only with XRandR off. The setting lives in the shared
# prefix, where every other scenario must keep seeing one monitor: it goes at the end,
# failures included.
_chiave='HKCU\Software\Wine\X11 Driver'
_togli_chiave() {
    local rc=$?
    wine reg delete "$_chiave" /v UseXRandR /f >/dev/null 2>&1 || true
    (exit "$rc") || _fine # _fine takes the scenario's status from $?
    _fine
}
trap _togli_chiave EXIT

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

# The outer rectangle is "$1" (x y w h) for Win32 and for X.
_rettangolo() {
    geometria && eval "$(xdotool getwindowgeometry --shell "$FINESTRA")" || return 1
    ULTIMO="Win32 $WX $WY $WW $WH, X $X $Y $WIDTH $HEIGHT"
    [ "$WX $WY $WW $WH" = "$1" ] && [ "$X $Y $WIDTH $HEIGHT" = "$1" ]
}

passo "dragged onto the second monitor, the bars dock along it"
px=$((CX + CW / 2)) py=$((CY + CH / 2)) dx=$((1300 - WX)) dy=$((200 - WY))
xdotool mousemove "$px" "$py" mousedown 1
for f in 1 2 3 4 5 6; do
    sleep 0.1   # a hand's pace: Wine's move loop follows pointer motion
    xdotool mousemove $((px + dx * f / 6)) $((py + dy * f / 6))
done
xdotool mouseup 1
attendi 10 "the window did not reach the second monitor" _rettangolo "1300 200 $WW $WH"
# An eighth of 600 is below the minimum height of 107.
menu Down Down Right $(giu 3) Return
attendi 10 "\"Barra Alta\" is not along the second monitor's top" _rettangolo "1024 0 800 107"
menu Down Down Right $(giu 4) Return
attendi 10 "\"Barra Bassa\" is not along its bottom" _rettangolo "1024 493 800 107"
echo OK
