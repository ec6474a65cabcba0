#!/bin/sh
# Builds and runs the attachment encoder benchmark. Usage: export_base64_bench.sh [FILE]
# Without FILE a 20 MB file of random bytes is made in a temporary folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -I"$root/src" "$root/bench/export_base64_bench.cpp" \
    "$root/src/export/base64.cpp" -o "$work/bench"
file=${1:-}
if [ -z "$file" ]; then
    file=$work/20mb.bin
    head -c 20971520 /dev/urandom > "$file"
fi
"$work/bench" "$file" 5
