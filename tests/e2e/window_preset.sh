#!/usr/bin/env bash
# The size presets from the menu "Dimensione finestra" on a 1024x768 screen: each gives its
# outer size in pixels and its place, as Win32 and X both report it; and a window dragged
# 50 pixels past the right edge comes back when the drag ends.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

avvia_xvfb
avvia_vitrelo
attendi_avvio
geometria

# Win32's outer rectangle and the X window's geometry must agree.
controlla() {
    local atteso=$1 nome=$2
    geometria
    local x
    x=$(xdotool getwindowgeometry "$FINESTRA" | tr -d '\n' |
        sed 's/.*Position: \([-0-9]*\),\([-0-9]*\).*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2 \3 \4/')
    passo "$nome: Win32 $WX $WY $WW $WH, X $x"
    [ "$WX $WY $WW $WH" = "$atteso" ] || fallisci "$nome: got $WX $WY $WW $WH, expected $atteso"
    [ "$x" = "$atteso" ] || fallisci "$nome: X reports $x, expected $atteso"
}

# Right-click on the picture, then "Dimensione finestra" (second item) and item $1 of it.
scegli_preset() {
    xdotool mousemove $((CX + CW / 2)) $((CY + CH / 2)) click 3
    sleep 0.8
    xdotool key Down Down Right
    sleep 0.3
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key Return
    sleep 0.6
}

x0=$WX y0=$WY
passo "start-up: $WX $WY $WW $WH"
scegli_preset 2   # "1/4 schermo": grows, pushed inside the screen
controlla "$((x0 < 512 ? x0 : 512)) $((y0 < 384 ? y0 : 384)) 512 384" "1/4 schermo"
x1=$WX y1=$WY
scegli_preset 0   # "minima": 168 x 107 (1600 twips is 106.67 px, realised as 107)
controlla "$x1 $y1 168 107" "minima"
scegli_preset 3
controlla "0 0 1024 107" "Barra Alta"
scegli_preset 4
controlla "0 661 1024 107" "Barra Bassa"
# "1/8 schermo" from the bottom bar: the height grows after the width, and the window is
# pushed up to keep its bottom edge on the screen.
scegli_preset 1
controlla "0 576 256 192" "1/8 schermo"

# Drag the window so that 50 pixels stick out past the right edge.
passo "drag to 50 px past the right edge"
px=$((CX + CW / 2)) py=$((CY + CH / 2))
dx=$((1024 - WW + 50 - WX))
xdotool mousemove "$px" "$py" mousedown 1
for f in 1 2 3 4 5 6; do
    xdotool mousemove $((px + dx * f / 6)) "$py"
    sleep 0.1
done
sleep 0.2
xdotool mouseup 1
sleep 0.6
controlla "768 576 256 192" "after the drag"
echo OK
