#!/bin/sh
# Builds and runs the attachment encoder benchmark. Usage: export_base64_bench.sh [FILE]
# Without FILE a 20 MB file of random bytes is made in a temporary folder.
set -eu
radice=$(cd "$(dirname "$0")/.." && pwd)
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
g++ -std=c++20 -O2 -I"$radice/src" "$radice/bench/export_base64_bench.cpp" \
    "$radice/src/export/base64.cpp" -o "$lavoro/bench"
file=${1:-}
if [ -z "$file" ]; then
    file=$lavoro/20mb.bin
    head -c 20971520 /dev/urandom > "$file"
fi
"$lavoro/bench" "$file" 5
