# shellcheck shell=bash
# Sourced by the scenarios: Vitrelo.exe under Wine on a private Xvfb, driven as a user does, seen
# through screenshots. CTest sets the variables below; the defaults serve a run by hand.
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../../scripts/common.sh"   # ROOT, run_xvfb, choose_wine_arch
choose_wine_arch   # the program under test is the build this host runs: dist/win32 or dist/win64
: "${VITRELO_BUILD_ROOT:=$ROOT/build}"
PROGRAM_BUILD=$VITRELO_BUILD_ROOT/win$VITRELO_WINE_ARCH   # DLLs planted beside the program
: "${E2E_DISPLAY:=:$((${VITRELO_DISPLAY_BASE:-${E2E_DISPLAY_BASE:-20}} + ${E2E_DISPLAY_N:-21}))}"
: "${E2E_TMP:=/tmp/vitrelo-e2e-$(basename "$0" .sh)}"
: "${E2E_CACHE:=$VITRELO_BUILD_ROOT/native/e2e}" "${VITRELO_TOOLS:=$VITRELO_BUILD_ROOT/win64}"
: "${VITRELO_EXE:=$ROOT/dist/win$VITRELO_WINE_ARCH/Vitrelo.exe}" "${SCREEN_W:=1024}" "${SCREEN_H:=768}"
: "${WINEPREFIX:=$ROOT/build/wineprefix}" "${HOME:=$ROOT/build/winehome}"
export WINEPREFIX HOME WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
ZOOM=2      # the program starts at 2x; 0.5 stands for " .5 x"
INVERTED=   # 1 once "Inverti colori" is on
GRID=       # the grid's step once "Griglia" is on: its lines' pixels alternate 0x808080, 0xC0C0C0
rm -rf "$E2E_TMP" && mkdir -p "$E2E_TMP" "$E2E_CACHE"
_pids=()
_finish() {
    local rc=$? i
    ((rc == 0)) || import -window root "$E2E_TMP/failed.png" 2>/dev/null || true
    for ((i = ${#_pids[@]} - 1; i >= 0; i--)); do kill "${_pids[i]}" 2>/dev/null || true; done
    wineserver -k 2>/dev/null; wineserver -w 2>/dev/null || true
    for i in "${_pids[@]}"; do wait "$i" 2>/dev/null || true; done
    ((rc == 0)) || echo "FAILED ($rc); screenshots and logs are in $E2E_TMP" >&2
    exit "$rc"
}
trap _finish EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }
step() { echo "--- $*"; }
# wait_for SECONDS WHAT COMMAND...: polls COMMAND; fails with WHAT and LAST_SEEN (what it saw last).
wait_for() {
    local seconds=$1 what=$2 deadline=$((SECONDS + $1)) && shift 2 && LAST_SEEN=
    until "$@"; do
        ((SECONDS < deadline)) || fail "$what (waited $seconds s)${LAST_SEEN:+; last seen: $LAST_SEEN}"
        sleep 0.1
    done
}
start_xvfb() { run_xvfb "$E2E_DISPLAY" "${SCREEN_W}x$SCREEN_H" "$E2E_TMP/xvfb.log" || fail "no X server"; _pids+=("$XVFB_PID"); }
# The root picture, set before the program starts (a window mapped later would cover it); every
# pixel differs from its eight neighbours, so a picture off by one pixel never matches.
show_screen_picture() {
    SCREEN_PICTURE=$E2E_CACHE/screen_${SCREEN_W}x$SCREEN_H.png
    [ -s "$SCREEN_PICTURE" ] || python3 -c 'import sys; w, h = map(int, sys.argv[1:]); sys.stdout.buffer.write(
        bytes(c for y in range(h) for x in range(w) for c in ((x * 7 + y * 3) & 255,
        ((x * 5) ^ (y * 11)) & 255, ((x // 3) * (y // 5) + x + 2 * y) & 255)))' "$SCREEN_W" "$SCREEN_H" |
        convert -size "${SCREEN_W}x$SCREEN_H" -depth 8 rgb:- "$SCREEN_PICTURE"
    display -window root "$SCREEN_PICTURE" || true   # exits with 1 even when the picture is set
    import -window root "$E2E_TMP/background.png" && [ "$(pixel_difference "$SCREEN_PICTURE" "$E2E_TMP/background.png")" = 0 ] || fail "the test picture is not on the screen"
}
# Starts the program in folder $1 (default: a copy of VITRELO_EXE) and waits for the end of its
# start-up show. Sets VITRELO_PID, PROG_DIR, VITRELO_WINDOW (the X window) and the geometry.
start_vitrelo() {
    PROG_DIR=${1:-$E2E_TMP/prog}
    mkdir -p "$PROG_DIR"
    [ -f "$PROG_DIR/Vitrelo.exe" ] || cp "$VITRELO_EXE" "$PROG_DIR/Vitrelo.exe"
    # A wineserver still going away (that of `wine reg`) would take this start down with it.
    wineserver -w 2>/dev/null || true
    (cd "$PROG_DIR" && exec wine Vitrelo.exe) >"$E2E_TMP/vitrelo.log" 2>&1 &
    VITRELO_PID=$!
    _pids+=("$VITRELO_PID")
    wait_for 30 "the Vitrelo window did not appear" _window_visible
    wait_for 15 "the start-up show did not end (the window stays disabled)" eval 'read_geometry && [ "$ENABLED" = 1 ]'
}
_window_visible() {
    VITRELO_WINDOW=$(xdotool search --onlyvisible --name '^Vitrelo$' 2>/dev/null | head -n1)
    [ -n "$VITRELO_WINDOW" ] && return 0
    LAST_SEEN="its output: $(tail -n 30 "$E2E_TMP/vitrelo.log")"
    kill -0 "$VITRELO_PID" 2>/dev/null || fail "the program ended without a window; $LAST_SEEN"
    return 1
}
window_probe() { (cd "$E2E_TMP" && wine "$VITRELO_TOOLS/window_probe.exe" "$@" 2>/dev/null | tr -d '\r'); }
read_geometry() { LAST_SEEN=$(window_probe) && read -r WX WY WW WH CX CY CW CH ENABLED <<<"$LAST_SEEN"; }  # outer, client
# The outer rectangle is "$1" (x y w h) for Win32; X has the client's (Wine leaves the frame to a WM).
_outer_rect_is() {
    read_geometry && eval "$(xdotool getwindowgeometry --shell "$VITRELO_WINDOW")" || return 1
    LAST_SEEN="Win32 $WX $WY $WW $WH, X $X $Y $WIDTH $HEIGHT"
    [ "$WX $WY $WW $WH" = "$1" ] && [ "$X $Y $WIDTH $HEIGHT" = "$CX $CY $CW $CH" ]
}
# Drags the window by ($1, $2) at a hand's pace: Wine's move loop follows pointer motion.
drag_window() {
    local px=$((CX + CW / 2)) py=$((CY + CH / 2)) f
    xdotool mousemove "$px" "$py" mousedown 1
    for f in 1 2 3 4 5 6; do sleep 0.1 && xdotool mousemove $((px + $1 * f / 6)) $((py + $2 * f / 6)); done
    xdotool mouseup 1
}
focus_window() { xdotool windowfocus --sync "$VITRELO_WINDOW"; }
# Screenshot $E2E_TMP/$1.png, and the magnifier's client area in $E2E_TMP/$1_client.png.
screenshot() { import -window root "$E2E_TMP/$1.png" &&
    convert "$E2E_TMP/$1.png" -crop "${CW}x${CH}+${CX}+${CY}" +repage "$E2E_TMP/$1_client.png"; }
pixel_difference() { local n; n=$(compare -metric AE "$1" "$2" null: 2>&1) || true; echo "${n%% *}"; }  # pixels
# The capture rectangle SX SY SW SH for the pointer at ($1, $2), inside MONITOR="x y w h".
capture_rect() {
    if [ "$ZOOM" = 0.5 ]; then
        SW=$((2 * CW)) SH=$((2 * CH)) SX=$(($1 - CW)) SY=$(($2 - CH))
    else
        SW=$((CW / ZOOM)) SH=$((CH / ZOOM)) SX=$(($1 - CW / 2 / ZOOM)) SY=$(($2 - CH / 2 / ZOOM))
        SW=$((SW + (ZOOM * SW < CW))) SH=$((SH + (ZOOM * SH < CH)))
    fi
    local mx my mw mh && read -r mx my mw mh <<<"${MONITOR:-0 0 $SCREEN_W $SCREEN_H}"
    SX=$((SX < mx ? mx : SX + SW > mx + mw ? mx + mw - SW : SX))
    SY=$((SY < my ? my : SY + SH > my + mh ? my + mh - SH : SY))
}
# The expected picture $4 for the pointer at ($2, $3) from screenshot $1 (halving: the AND of each
# 2x2 block, as Wine's default stretch mode does), the grid drawn over it.
expected_picture() {
    capture_rect "$2" "$3"
    local scale=(\( -clone 0 -sample 50% \) \( -clone 0 -roll -1+0 -sample 50% \)
        \( -clone 0 -roll +0-1 -sample 50% \) \( -clone 0 -roll -1-1 -sample 50% \)
        -delete 0 -evaluate-sequence And)
    [ "$ZOOM" = 0.5 ] || scale=(-sample "$((ZOOM * 100))%")
    local g=$GRID grid=() && [ -z "$g" ] || grid=(-fx "(i%$g==0||j%$g==0) ? (128+64*((i+j)%2))/255 : u")
    convert "$1" -crop "${SW}x${SH}+${SX}+${SY}" +repage "${scale[@]}" \
        -crop "${CW}x${CH}+0+0" +repage ${INVERTED:+-negate} "${grid[@]}" "$4"
}
# Waits for the live picture of the pointer at ($1, $2), with from $4 to $3 pixels unlike it
# (0 by default; capture mode draws the pointer and the padlock).
wait_for_live_picture() { xdotool mousemove "$1" "$2" && wait_for 10 "the picture is not the live one for the pointer at $1,$2" _live_picture "$@"; }
_live_picture() {
    screenshot live
    expected_picture "$E2E_TMP/live.png" "$1" "$2" "$E2E_TMP/live_expected.png"
    LAST_SEEN="$(pixel_difference "$E2E_TMP/live_expected.png" "$E2E_TMP/live_client.png") pixels unlike it"
    ((${LAST_SEEN%% *} <= ${3:-0} && ${LAST_SEEN%% *} >= ${4:-0}))
}
# The picture is not the client crop $1.
_different_picture() { screenshot compared && [ "$(pixel_difference "$1" "$E2E_TMP/compared_client.png")" != 0 ]; }
# The program's other visible X windows: menus, boxes, dialogs, the help.
_other_windows() { xdotool search --onlyvisible --classname '^vitrelo\.exe$' 2>/dev/null | grep -vx "$VITRELO_WINDOW"; }
_no_other_window() { [ -z "$(_other_windows)" ]; }
# Right-click on the middle of the picture, or the keys $1 where the pointer is; waits for the
# menu, a new window: MENU.
open_menu() {
    _already_open=$(_other_windows) || true
    if (($#)); then focus_window && xdotool key "$1"
    else
        xdotool mousemove $((CX + CW / 2)) $((CY + CH / 2)) click 3
        # Wine drops a right-click that comes while the program leaves the last menu's loop
        # (one run in five of the dpi scenario): the user's second click.
        local deadline=$((SECONDS + 2))
        until _menu_open || ((SECONDS >= deadline)); do sleep 0.1; done
        _menu_open || { echo "(the right-click was dropped: clicking again)" && xdotool click 3; }
    fi
    wait_for 10 "the menu did not open" _menu_open
}
_menu_open() { MENU=$(_other_windows | grep -vxF "${_already_open:-none}" | head -n1) && [ -n "$MENU" ]; }
_menu_closed() { ! xdotool search --onlyvisible --classname '^vitrelo\.exe$' | grep -x "$MENU" >/dev/null; }
choose() { xdotool key "$@" && wait_for 10 "the menu did not close after $*" _menu_closed; }
# The popup menu's items in the program's order, a submenu's after a colon. MENU_KEYS[COMMAND]
# are the keys that reach an item of the menu just opened: nothing is highlighted then, so Down
# once more than the item's place (disabled items take a place, separators none); Right opens a
# submenu on its first item, Down moves on from there.
declare -A MENU_KEYS
_menu_place=0
while read -r _entry; do
    _keys=$(printf 'Down %.0s' $(seq 0 "$_menu_place")) && _menu_place=$((_menu_place + 1))
    if [[ $_entry != *:* ]]; then MENU_KEYS[$_entry]=${_keys% } && continue; fi
    _keys+=Right
    for _item in ${_entry#*:}; do MENU_KEYS[$_item]=$_keys && _keys+=" Down"; done
done <<'ITEMS'
zoom: zoom_0.5x zoom_1x zoom_2x zoom_3x zoom_4x zoom_6x zoom_8x zoom_10x zoom_12x
size: size_minimum size_eighth size_quarter size_top_bar size_bottom_bar
refresh: refresh_10ms refresh_50ms refresh_100ms refresh_250ms refresh_500ms
image: image_copy image_save image_mail
pick_color
capture
invert
grid
measure
copy_color
contrast
unit: unit_px unit_pxlog unit_mm unit_in unit_pt calibrate
color_format: format_hex format_RGB format_rgb format_hsl
minimize
language: language_it language_en language_auto
help: help_contents about
close
ITEMS
menu_keys() { [ -n "${MENU_KEYS[$1]:-}" ] && echo "${MENU_KEYS[$1]}" || fail "no menu item $1"; }
# Chooses the item $1 (a name of MENU_KEYS) from the menu opened by a right-click. Wait for the
# effect before the next click: one that comes as Wine leaves the menu is lost.
menu_choose() { local keys && keys=$(menu_keys "$1") && open_menu && choose $keys Return; }
# Chooses $1, a tool that shows or hides the strip, and waits until the window has changed.
menu_choose_tool() {
    screenshot before_tool && menu_choose "$1"
    wait_for 10 "the strip did not change after $1" _different_picture "$E2E_TMP/before_tool_client.png"
}
# Freezes the live picture of the pointer at ($ax, $ay) (frozen.png) with Ctrl, then chooses $1
# (image_save, image_mail).
image_command() {
    wait_for_live_picture "$ax" "$ay"
    cp "$E2E_TMP/live_client.png" "$E2E_TMP/frozen.png"
    focus_window
    xdotool keydown ctrl
    wait_for 10 "no push-pin while Ctrl is held" _different_picture "$E2E_TMP/frozen.png"
    open_menu
    xdotool keyup ctrl   # the open menu stops the timer, so the picture stays frozen
    local keys && keys=$(menu_keys "$1") && choose $keys Return
}
# "Salva" as $1 in the program's folder, typed once the dialog (titled $2..., by default the
# Italian title) suggests its name (then it takes keys).
save_as_picture() {
    image_command image_save
    SAVE_TITLE=${2:-Salva immagine}
    wait_for 15 "the Save As dialog \"$SAVE_TITLE...\" did not suggest SnapShotVitrelo" eval 'window_probe texts "$SAVE_TITLE" | grep -x SnapShotVitrelo >/dev/null'
    xdotool windowfocus --sync "$(_other_windows | head -n1)" key alt+n type --delay 30 "$1"
    xdotool key Return
}
# Waits for a message box titled "Vitrelo" (its button OK, Ok in Italian), closes it with Return; its text must be $1.
expect_message() {
    wait_for 10 "no message box appeared" eval 'text=$(window_probe texts Vitrelo | grep -vix ok)'
    xdotool windowfocus --sync "$(_other_windows | head -n1)" key Return
    wait_for 10 "the message box did not close" _no_other_window
    [ "$text" = "$1" ] || fail "message: '$text', expected '$1'"
}
# The strip's window text, what a screen reader reads, is $1.
_strip_text() { LAST_SEEN=$(window_probe texts Vitrelo) && [ "$LAST_SEEN" = "$1" ]; }
# "Dimensioni X-Y" on: 0 pressed with the pointer at ($1, $2), then the pointer moved by ($3, $4);
# the strip's text must then read $5.
measure_reads() {
    local rest=${5#*Y } unit=
    [[ $rest == *" "* ]] && unit=" ${rest#* }"
    xdotool mousemove "$1" "$2" && focus_window && xdotool keydown 0 sleep 0.3 keyup 0
    wait_for 10 "0 did not set the reference" _strip_text " X 0   Y 0$unit"
    xdotool mousemove $(($1 + $3)) $(($2 + $4))
    wait_for 10 "$3,$4 screen pixels do not read '$5'" _strip_text "$5"
}
close_program() { menu_choose close && wait_for 10 "the program did not end after \"Chiudi\"" _ended; }
_ended() { ! kill -0 "$VITRELO_PID" 2>/dev/null; }
