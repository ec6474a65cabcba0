#!/usr/bin/env bash
# On a 1280x1024 screen the start-up size is 320x256 and the bars are 128 pixels high (an
# eighth of the screen, above the minimum height there).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

SCHERMO_W=1280
SCHERMO_H=1024
avvia_xvfb
avvia_vitrelo
attendi_avvio
geometria
passo "start-up: $WX $WY $WW $WH"
[ "$WW $WH" = "320 256" ] || fallisci "start-up size ${WW}x$WH, expected 320x256"

scegli_preset() {
    xdotool mousemove $((CX + CW / 2)) $((CY + CH / 2)) click 3
    sleep 0.8
    xdotool key Down Down Right
    sleep 0.3
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key Return
    sleep 0.6
    geometria
}

scegli_preset 3
passo "Barra Alta: $WX $WY $WW $WH"
[ "$WX $WY $WW $WH" = "0 0 1280 128" ] || fallisci "Barra Alta: $WX $WY $WW $WH"
scegli_preset 4
passo "Barra Bassa: $WX $WY $WW $WH"
[ "$WX $WY $WW $WH" = "0 896 1280 128" ] || fallisci "Barra Bassa: $WX $WY $WW $WH"
echo OK
