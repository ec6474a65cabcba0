#!/usr/bin/env bash
# Two monitors, 1024x768 and 800x600 right of it: the picture stays on the monitor under the
# pointer, or the nearest one; the start-up size and two presets of "Dimensione finestra" on the
# first, for Win32 and X; dragged onto the second, the window docks its bars along it, and
# dragged 50 pixels past its right edge it comes back; "Chiudi" with a settings file that
# cannot be written.
SCREEN_W=1824 SCREEN_H=768
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Wine takes the monitors from Xinerama only with XRandR off; the key goes at the end, failures
# included, since the other scenarios share the prefix (_finish takes the status from $?).
_key='HKCU\Software\Wine\X11 Driver'
trap 'rc=$?; wine reg delete "$_key" /v UseXRandR /f >/dev/null 2>&1; (exit $rc) || _finish; _finish' EXIT

start_xvfb
xrandr --setmonitor L 1024/270x768/200+0+0 screen >/dev/null
xrandr --setmonitor R 800/210x600/160+1024+0 none >/dev/null
wine reg add "$_key" /v UseXRandR /d N /f >/dev/null 2>&1
show_screen_picture
start_vitrelo
step "live picture at 2x on either monitor, clamped at its edges"
for p in "0 1020 300" "1 1400 300" "1 1820 595" "1 1600 700"; do
    read -r m x y <<<"$p"
    ((m == 0)) && MONITOR="0 0 1024 768" || MONITOR="1024 0 800 600"
    wait_for_live_picture "$x" "$y"
done
step "the start-up size, \"1/4 schermo\" and \"minima\" on the first monitor"
# Chooses the preset $1, named $3 in the menu, and waits for the rectangle $2.
preset() {
    menu_choose "$1"
    wait_for 10 "$3 is not at $2" _outer_rect_is "$2"
}
wait_for 10 "the start-up size is not 256x192" _outer_rect_is "$WX $WY 256 192"
# "1/4 schermo" grows to the right and down, pushed back inside the monitor.
preset size_quarter "$((WX < 512 ? WX : 512)) $((WY < 384 ? WY : 384)) 512 384" "1/4 schermo"
preset size_minimum "$WX $WY 168 107" "minima"
step "dragged onto the second monitor, the bars dock along it"
drag_window $((1300 - WX)) $((200 - WY))
wait_for 10 "the window did not reach the second monitor" _outer_rect_is "1300 200 $WW $WH"
# An eighth of 600 is below the minimum height of 107. From the bottom bar the height grows
# after the width: pushed up to keep the bottom edge.
preset size_top_bar "1024 0 800 107" "\"Barra Alta\" along the second monitor's top"
preset size_bottom_bar "1024 493 800 107" "\"Barra Bassa\" along its bottom"
preset size_eighth "1024 450 200 150" "\"1/8 schermo\" of the second monitor"
step "dragged to 50 pixels past the right edge"
drag_window $((1824 - 200 + 50 - WX)) 0
wait_for 10 "the dragged window did not come back onto the monitor" _outer_rect_is "1624 450 200 150"
step "\"Chiudi\" with a settings file that cannot be written"
mkdir "$PROG_DIR/Vitrelo.ini"
close_program
echo OK
