#!/usr/bin/env bash
# The keys of the focused window and the wheel: the arrows, C and Shift+C (and C as hsl()), + and -, the wheel,
# a PNG saved from a frozen picture; over a locked picture, source pixels, and "Dimensioni X-Y":
# the readout painted as it changes, a press drawing the outline.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_xvfb
show_screen_picture
start_vitrelo
if ((WX > 512)); then ax=200 ay=380; else ax=800 ay=380; fi
_pointer_at() { LAST_SEEN=$(xdotool getmouselocation | cut -d' ' -f1-2) && [ "$LAST_SEEN" = "x:$1 y:$2" ]; }
# Presses the keys $1, then waits for the pointer at ($2, $3).
key_moves_pointer() { xdotool key "$1" && wait_for 10 "$1 did not take the pointer to $2,$3" _pointer_at "$2" "$3"; }
# The clipboard's text is the colour of the pixel ($3, $4) of the picture $2, as "#RRGGBB" ($1 =
# hex), "RGB(r,g,b)" ($1 = rgb) or "hsl(h, s%, l%)" ($1 = hsl).
_clipboard_colour() {
    local r g b want && read -r r g b <<<"$(convert "$2" -crop "1x1+$3+$4" -depth 8 rgb:- | od -An -tu1)"
    if [ "$1" = hex ]; then printf -v want '#%02X%02X%02X' "$r" "$g" "$b"; else want="RGB($r,$g,$b)"; fi
    [ "$1" = hsl ] && want=$(python3 -c 'import colorsys, sys; h, l, s = colorsys.rgb_to_hls(*(int(v) / 255 for v in sys.argv[1:]))
r = lambda v: int(v + 0.5); print(f"hsl({r(h * 360) % 360}, {r(s * 100)}%, {r(l * 100)}%)")' "$r" "$g" "$b")
    LAST_SEEN=$(window_probe clipboard) && [ "$LAST_SEEN" = "$want" ]
}
# The closed padlock's orange (250,140,20), a body of it, in the picture's top-left corner.
_padlock_closed() {
    screenshot lock && local t && t=$(convert "$E2E_TMP/lock_client.png" -crop 40x40+0+0 txt:-) &&
        (($(grep -c '#FA8C14' <<<"$t") >= 50))
}
step "the arrows move the pointer a screen pixel, ten with Shift; the picture follows"
wait_for_live_picture "$ax" "$ay"
focus_window
key_moves_pointer Right $((ax + 1)) "$ay"
key_moves_pointer shift+Down $((ax + 1)) $((ay + 10))
wait_for 10 "the picture did not follow the pointer" _live_picture $((ax + 1)) $((ay + 10))
step "C and Shift+C copy the colour under the pointer as text"
xdotool key c
wait_for 10 "C did not copy the colour" _clipboard_colour hex "$SCREEN_PICTURE" $((ax + 1)) $((ay + 10))
xdotool key shift+c
wait_for 10 "Shift+C did not copy the colour" _clipboard_colour rgb "$SCREEN_PICTURE" $((ax + 1)) $((ay + 10))
menu_choose format_hsl
wait_for_live_picture $((ax + 1)) $((ay + 10))
focus_window && xdotool key c
wait_for 10 "C did not copy the colour as hsl()" _clipboard_colour hsl "$SCREEN_PICTURE" $((ax + 1)) $((ay + 10))
step "the keypad's + and -, and the wheel over the picture, step the zoom"
xdotool key KP_Add
ZOOM=3 && wait_for_live_picture "$ax" "$ay"
xdotool mousemove $((CX + CW / 2)) $((CY + CH / 2)) click 4 click 4
ZOOM=6 && wait_for_live_picture "$ax" "$ay"
xdotool mousemove $((CX + CW / 2)) $((CY + CH / 2)) click 5
ZOOM=4 && wait_for_live_picture "$ax" "$ay"
xdotool key KP_Subtract
ZOOM=3 && wait_for_live_picture "$ax" "$ay"
step "\"Salva\" as a PNG of 24 bits: the frozen picture pixel for pixel"
save_as_picture picture.png
expect_message "Immagine salvata!"
png=$PROG_DIR/picture.png
[ "$(od -An -tu1 -j24 -N2 "$png" | xargs)" = "8 2" ] || fail "not an 8-bit RGB PNG: $(identify "$png")"
n=$(pixel_difference "$E2E_TMP/frozen.png" "$png")
[ "$n" = 0 ] || fail "the PNG differs from the frozen picture in $n pixels"
step "over a picture locked at 4x an arrow moves the pointer 4 pixels, and C copies its pixel"
focus_window && xdotool key KP_Add
ZOOM=4 && wait_for_live_picture "$ax" "$ay"
menu_choose capture
wait_for_live_picture "$ax" "$ay" 4096 1   # the pointer and the padlock are drawn
focus_window && xdotool keydown space sleep 0.3 keyup space   # held for a few ticks
wait_for 10 "the space bar did not lock the picture (no orange padlock)" _padlock_closed
# Up and left of the drawn pointer, the second column and row of a magnified pixel: a point read
# as little as the window's frame (3 pixels) off lies on another.
px=$((CX + (CW / 2 - 40) / 4 * 4 + 1)) py=$((CY + (CH / 2 - 40) / 4 * 4 + 1))
xdotool mousemove $((px + 4)) "$py"
key_moves_pointer Left "$px" "$py"
screenshot locked
xdotool key c
wait_for 10 "C did not copy the locked picture's pixel" _clipboard_colour hsl "$E2E_TMP/locked.png" "$px" "$py"
step "\"Dimensioni X-Y\": 0 sets the reference, the readout counts source pixels and is painted"
menu_choose measure
xdotool mousemove "$px" "$py" && focus_window && xdotool keydown 0 sleep 0.3 keyup 0
wait_for 10 "0 did not set the reference" _strip_text " X 0   Y 0"
screenshot reference
xdotool mousemove $((px + 40)) $((py + 20))
wait_for 10 "40,20 screen pixels at 4x do not read 10 by 5" _strip_text " X 10   Y 5"
wait_for 10 "the strip still shows the old readout" _different_picture "$E2E_TMP/reference_client.png"
step "a press on the locked picture draws the outline (0xE0E0E0) up to the pointer"
_outline() { screenshot outline && (($(convert "$E2E_TMP/outline_client.png" -crop "40x20+$((px - CX))+$((py - CY))" \
    txt:- | grep -c '#E0E0E0') >= 116)); }   # the 40 x 20 frame's pixels, at least
xdotool mousemove "$px" "$py" mousedown 1 mousemove $((px + 20)) $((py + 10)) mousemove $((px + 40)) $((py + 20))
wait_for 10 "no outline from the press to the pointer" _outline
xdotool mouseup 1
echo OK
