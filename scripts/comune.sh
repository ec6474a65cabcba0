# shellcheck shell=bash
# Shared by scripts/build, scripts/run and scripts/test (sourced, not run).
RADICE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$RADICE/build

PACCHETTI=(cmake g++ libgtest-dev googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
           binutils-mingw-w64 wine wine64 xvfb xdotool imagemagick x11-utils fp-utils python3
           clang libclang-rt-14-dev zip unzip)

# Installs only what is missing, so that a ready machine pays one dpkg-query.
assicura_pacchetti() {
    local mancanti=() p
    for p in "${PACCHETTI[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            mancanti+=("$p")
    done
    ((${#mancanti[@]})) || return 0
    echo "installing: ${mancanti[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq "${mancanti[@]}" >/dev/null
}

# compila NOME [TOOLCHAIN [TARGET...]]: configure once, then build incrementally.
compila() {
    local toolchain=${2:-} dir=$BUILD/$1 opzioni=() obiettivi=()
    (($# > 2)) && obiettivi=(--target "${@:3}")
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        [ -n "$toolchain" ] && opzioni+=("-DCMAKE_TOOLCHAIN_FILE=$RADICE/cmake/$toolchain"
                                         -DCMAKE_BUILD_TYPE=Release)
        cmake -S "$RADICE" -B "$dir" "${opzioni[@]}" >/dev/null
    fi
    cmake --build "$dir" -j2 "${obiettivi[@]}"
}

compila_tutto() {
    compila win32 mingw-i686.cmake
    compila win64 mingw-x86_64.cmake
    compila native
}

# The private Wine environment every test and the demo share.
ambiente_wine() {
    export WINEPREFIX=$BUILD/wineprefix HOME=$BUILD/winehome
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$HOME"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
}
