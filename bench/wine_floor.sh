#!/usr/bin/env bash
# Where a frame's CPU goes under Wine: Vitrelo, then the least a Win32 magnifier does per
# tick taken apart step by step (bench/win32/minimal_magnifier.cpp), and xzoom, in one run,
# interleaved, with the frame meter's busy background and its meter (the sources meter.c and
# busybg.c in the folder VITRELO_METER_DIR).
#
#   bench/wine_floor.sh [--arch 32|64 (default: what this host runs, scripts/common.sh)] [--refresh MS] [--rounds N] [--time S] [--prefix DIR] [--before EXE]
#
# Prints per subject: CPU ms/s of the program plus the wineserver, the wineserver's part,
# frames/s, CPU ms per frame, and the median over rounds of its ratio to xzoom's. Needs the
# builds (scripts/build) and what the frame meter needs. Everything it starts runs on a
# private Xvfb (the first free display from :60 up) and ends with it.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
source "$root/scripts/common.sh"   # run_xvfb, choose_wine_arch
shared=${VITRELO_METER_DIR:?the folder of the frame meter}
choose_wine_arch && announce_wine_arch
arch=$VITRELO_WINE_ARCH period=10 rounds=5 window_s=2.5 prefix="" before=""
while [ $# -gt 0 ]; do
    case $1 in
        --arch) arch=$2 ;;
        --refresh) period=$2 ;;
        --rounds) rounds=$2 ;;
        --time) window_s=$2 ;;
        --prefix) prefix=$2 ;;
        --before) before=$2 ;;
        *) echo "usage: $0 [--arch 32|64] [--refresh MS] [--rounds N] [--time S] [--prefix DIR] [--before EXE]" >&2
           exit 2 ;;
    esac
    shift 2
done
index=$(echo "10 50 100 250 500" | tr ' ' '\n' | grep -nx "$period" | cut -d: -f1)
[ -n "$index" ] || { echo "--refresh takes 10, 50, 100, 250 or 500" >&2; exit 2; }
vitrelo=$root/dist/win$arch/Vitrelo.exe minimal=$root/build/win$arch/minimal_magnifier.exe
for f in "$vitrelo" "$minimal" "$shared/meter.c" "$shared/busybg.c"; do
    [ -f "$f" ] || { echo "missing $f (scripts/build builds the programs)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/wine-floor-XXXXXX")
mkdir -p "$work/home" "$work/bin"
cc -O2 -o "$work/bin/meter" "$shared/meter.c" -lX11 -lXdamage -lXfixes || exit 1
cc -O2 -o "$work/bin/busybg" "$shared/busybg.c" -lX11 -lm || exit 1
export HOME=$work/home WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${prefix:-$work/prefix} PATH=$here/meter_wine:$PATH

xvfb="" server="" background="" subject=""
finish() {
    for p in $subject $background; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
    [ -n "$server" ] && { wineserver -k 2>/dev/null; kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; }
    [ -n "$xvfb" ] && { kill "$xvfb"; wait "$xvfb" 2>/dev/null; }
    rm -rf "$work/home" "$work/bin" "$work"/run-*
    [ -z "$prefix" ] && rm -rf "$work/prefix"
}
trap finish EXIT
trap 'exit 130' INT TERM

run_xvfb ":$(free_display 60)" 1024x768 /dev/null || exit 1
xvfb=$XVFB_PID
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
wineserver -w
wineserver -f -p >/dev/null 2>&1 &
server=$!
sleep 0.5

# The meter's background: a patch at the bottom right changing at 20 Hz, the pointer
# moving along a circle inside it every 10 ms; xzoom watches a fixed area at its centre.
"$work/bin/busybg" 560 430 464 338 10 60 &
background=$!
subjects=("vitrelo=$vitrelo" "minimal+keys=$minimal@pointer,keys,capture,present"
          "minimal=$minimal@pointer,capture,present" "pointer+blit=$minimal@pointer,present"
          "blit=$minimal@present" "timer=$minimal@" xzoom)
# Another build of the program (--before), measured in the same rounds as this one.
[ -z "$before" ] || subjects=("before=$before" "${subjects[@]}")
window_of() {   # xdotool search arguments...
    local w
    for _ in $(seq 100); do
        w=$(xdotool search "$@" 2>/dev/null | head -1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.2
    done
    return 1
}
for round in $(seq "$rounds"); do
    for s in "${subjects[@]}"; do
        label=${s%%=*}
        if [ "$s" = xzoom ]; then
            setsid xzoom -mag 2 -source 128x96+728+551 -geometry +0+0 -delay "$period" >/dev/null 2>&1 &
            subject=$!
            win=$(window_of --name '^xzoom') pids=$subject
            sleep 0.8
        else
            entry=${s#*=}
            run=$work/run-$label
            rm -rf "$run" && mkdir -p "$run" && cp "${entry%@*}" "$run/"
            printf '[Opzioni]\r\nZoom=2\r\nRefresh=%d\r\nInvertiColori=0\r\n' $((index - 1)) >"$run/Vitrelo.ini"
            steps=()
            [ "${entry%@*}" = "$entry" ] || steps=(env "VITRELO_MINIMAL_STEPS=${entry#*@}")
            (cd "$run" && exec "${steps[@]}" wine "./$(basename "${entry%@*}")") >/dev/null 2>&1 &
            subject=$!
            win=$(window_of --all --onlyvisible --pid "$subject" --name '^Vitrelo$') pids=$subject,$server
            sleep 3.8   # Vitrelo's start-up show ends after ~2.3 s
        fi
        [ -n "$win" ] && echo "label=$label round=$round $("$work/bin/meter" -w "$win" -p "$pids" -s "$server" -t "$window_s")" >>"$work/raw.txt"
        kill "$subject"; wait "$subject" 2>/dev/null; subject=""
    done
done

echo "# $arch-bit, 2x, $period ms, $rounds rounds of ${window_s} s; raw lines: $work/raw.txt"
awk '
function kv(s, k,   a, i, n) { n = split(s, a, " "); for (i = 1; i <= n; i++) if (index(a[i], k "=") == 1) return substr(a[i], length(k) + 2); return "" }
function median(list,   a, n, i, j, t) { n = split(list, a, " "); for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
    return n == 0 ? "" : (n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2) }
{ l = kv($0, "label"); r = kv($0, "round"); d = kv($0, "dur_s"); f = kv($0, "damage_events") / d
  if (!(l in seen)) { seen[l] = 1; order[++n] = l }
  CS[l] = CS[l] " " kv($0, "peer_cpu_ms") / d; WS[l] = WS[l] " " kv($0, "part_cpu_ms") / d; F[l] = F[l] " " f
  if (f > 0) { c = kv($0, "peer_cpu_ms") / d / f; C[l] = C[l] " " c; PR[l, r] = c }
  rounds[r] = 1 }
END {
  printf "%-13s %9s %9s %9s %11s %9s\n", "subject", "cpu_ms_s", "wsrv_ms_s", "frames_s", "cpu_ms_frame", "/xzoom"
  for (i = 1; i <= n; i++) {
    l = order[i]; rat = ""
    for (r in rounds) if (((l, r) in PR) && (("xzoom", r) in PR)) rat = rat " " PR[l, r] / PR["xzoom", r]
    printf "%-13s %9.1f %9.1f %9.1f %11s %9s\n", l, median(CS[l]), median(WS[l]), median(F[l]),
           C[l] == "" ? "-" : sprintf("%.3f", median(C[l])), rat == "" ? "-" : sprintf("%.2f", median(rat))
  }
  printf "(xzoom: its own process only; its wineserver figure is the server idling beside it)\n"
}' "$work/raw.txt"
