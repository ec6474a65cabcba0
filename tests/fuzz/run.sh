#!/usr/bin/env bash
# Builds the fuzz target with clang's libFuzzer (ASan + UBSan) and runs it for a bounded time
# from its committed corpus. A crash or a sanitizer report fails the run.
#   run.sh BUILD_DIR [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:?build folder}
mkdir -p "$out" && rm -rf "$out/corpus" && cp -r "$root/tests/fuzz/corpus" "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$root/src" "$root"/tests/fuzz/fuzz.cpp "$root"/src/{magnifier,export}/*.cpp -o "$out/fuzz"
cd "$out" && ./fuzz -max_total_time="${2:-30}" -max_len=4096 -timeout=10 -print_final_stats=1 corpus 2>&1 |
    tail -n 12
