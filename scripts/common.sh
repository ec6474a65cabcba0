# shellcheck shell=bash
# Shared by scripts/build, scripts/run and scripts/test (sourced, not run).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build

# The packages, listed once in packages.txt (comments and blank lines skipped).
mapfile -t PACKAGES < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$ROOT/scripts/packages.txt")

# Which Windows programs this host runs under Wine, decided here and nowhere else.
# VITRELO_WINE_ARCH=32 where the host runs 32-bit programs: the tests run the shipped 32-bit
# dist/win32/Vitrelo.exe through Debian's wine wrapper. VITRELO_WINE_ARCH=64 where it runs none
# (a kernel without IA-32 emulation: every 32-bit ELF fails with "Exec format error"), or when
# the caller sets it to force this path: the tests run dist/win64/Vitrelo.exe, and every Wine
# program, wineboot and winepath included, starts through the 64-bit loader (scripts/wine64 first
# on PATH), because Debian's wrapper always execs the 32-bit loader once wine32 is installed.
choose_wine_arch() {
    if [ -z "${VITRELO_WINE_ARCH:-}" ]; then
        VITRELO_WINE_ARCH=64
        runs_32bit_programs && VITRELO_WINE_ARCH=32
    fi
    case $VITRELO_WINE_ARCH in
        32) ;;
        64) export WINELOADER=/usr/lib/wine/wine64
            [[ ":$PATH:" == *":$ROOT/scripts/wine64:"* ]] || PATH=$ROOT/scripts/wine64:$PATH ;;
        *) echo "VITRELO_WINE_ARCH is 32 or 64, not '$VITRELO_WINE_ARCH'" >&2 && return 1 ;;
    esac
    export VITRELO_WINE_ARCH PATH
}

# True when a 32-bit x86 program runs here: a 96-byte static ELF that only exits with 42, and,
# once wine32 is installed, its loader too.
runs_32bit_programs() {
    local probe rc=0
    probe=$(mktemp) || return 1
    printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08%b' \
        '\x34\0\0\0\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0' >"$probe"
    printf '\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x60\0\0\0\x60\0\0\0\x05\0\0\0%b' \
        '\0\x10\0\0\xbb\x2a\0\0\0\xb8\x01\0\0\0\xcd\x80' >>"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null || rc=$?
    rm -f "$probe"
    ((rc == 42)) || return 1
    [ ! -e /usr/lib/wine/wine ] || /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The one line that says which build the Wine tests and the demo run on this host.
announce_wine_arch() {
    if [ "$VITRELO_WINE_ARCH" = 32 ]; then
        echo "this machine runs 32-bit programs: testing the shipped 32-bit build (dist/win32)"
    elif runs_32bit_programs; then
        echo "VITRELO_WINE_ARCH=64: testing the 64-bit build (dist/win64) with the 64-bit loader"
    else
        echo "this machine runs no 32-bit programs: testing the 64-bit build (dist/win64)"
    fi
}

# Installs only what is missing, so that a ready machine pays one dpkg-query. Works as root
# (CI: no terminal, no display) and through sudo otherwise. wine32 is not installed on a host
# that cannot run it (it would only cost time there); one already installed is left alone.
ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        [[ $p == wine32:i386 ]] && ! runs_32bit_programs && continue
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    echo "installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" \
        </dev/null >/dev/null
}

# build_preset PRESET [TARGET...]: configure once with a preset of CMakePresets.json (native,
# win32, win64, fuzz: build/PRESET), then build incrementally.
build_preset() {
    local targets=()
    (($# > 1)) && targets=(--target "${@:2}")
    if [ ! -f "$BUILD/$1/CMakeCache.txt" ]; then
        (cd "$ROOT" && cmake --preset "$1" >/dev/null)
    fi
    (cd "$ROOT" && cmake --build --preset "$1" "${targets[@]}")
}

# The product (win32), the 64-bit build with the Win32-side tests and the scenarios' helpers
# (win64), the native unit tests, plain and sanitized, and the fuzz target.
build_all() {
    build_preset win32
    build_preset win64
    build_preset native
    build_preset fuzz
}

# free_display FIRST: the first X display number from FIRST up that no server holds.
free_display() {
    local n=$1
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    echo "$n"
}

# run_xvfb :N WIDTHxHEIGHT LOG: starts Xvfb on :N in the background (its process: XVFB_PID),
# waits until it answers (10 s at most) and exports DISPLAY; fails with the end of LOG when it
# does not answer, and at once when a live server holds :N (it would answer in its place).
# -noreset: the root picture set by `display` must stay when that client leaves, and a server
# that resets with its last client would clear it.
run_xvfb() {
    local holder
    holder=$({ tr -d ' ' <"/tmp/.X${1#:}-lock"; } 2>/dev/null) && [ -n "$holder" ] && [ -d "/proc/$holder" ] &&
        echo "display $1 is held by process $holder" >&2 && return 1
    Xvfb "$1" -screen 0 "${2}x24" -nolisten tcp -noreset >"$3" 2>&1 &
    XVFB_PID=$!
    local i
    for ((i = 0; i < 100; i++)); do
        DISPLAY=$1 xdpyinfo >/dev/null 2>&1 && export DISPLAY=$1 && return 0
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb $1 did not answer: $(tail -n 5 "$3")" >&2
    kill "$XVFB_PID" 2>/dev/null
    return 1
}

# The installed Wine packages with their architectures and versions.
wine_packages() {
    dpkg-query -W -f='${db:Status-Abbrev}${binary:Package} ${Version}\n' 'wine*' 'libwine*' \
        2>/dev/null | sed -n 's/^ii *//p' | sort
}

# Makes the Wine prefix $WINEPREFIX (with its private $HOME) unless a usable one is there. A
# prefix made by other Wine packages may not start anything at all (one made before wine32 was
# installed fails every program with "could not load kernel32.dll", and wineboot -u does not
# mend it), so the prefix keeps a list of the packages and the path (32 or 64) that made it and
# is made anew when either differs.
prepare_prefix() {
    local stamp=$WINEPREFIX/vitrelo-wine-packages.txt installed
    choose_wine_arch || return 1
    installed="$(wine_packages)
made for the $VITRELO_WINE_ARCH-bit path"
    mkdir -p "$HOME"   # before the prefix: its Desktop and Documents link into HOME
    if [ -e "$WINEPREFIX" ] && [ "$(cat "$stamp" 2>/dev/null)" != "$installed" ]; then
        echo "the Wine packages or path are not those that made $WINEPREFIX: making it anew"
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    [ -f "$stamp" ] && return 0
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not make $WINEPREFIX" >&2; return 1; }
    echo "$installed" >"$stamp"
}

# The private Wine environment every test and the demo share.
wine_environment() {
    export WINEPREFIX=$BUILD/wineprefix HOME=$BUILD/winehome
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    prepare_prefix
}
