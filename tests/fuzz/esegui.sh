#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (ASan + UBSan) and runs each for a bounded
# time from its committed corpus. A crash or a sanitizer report fails the run.
#   esegui.sh BUILD_DIR [SECONDS_EACH]
set -euo pipefail
radice=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:?build folder}
secondi=${2:-30}
flags=(-std=c++20 -g -O1 -fsanitize=address,undefined -fno-sanitize-recover=all
       -I"$radice/src" -I"$radice/tests")
# The model and the export layer, once, as objects the targets share.
rm -rf "$out/oggetti" && mkdir -p "$out/oggetti"
(cd "$out/oggetti" && clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -c \
    "$radice"/src/magnifier/*.cpp "$radice"/src/export/*.cpp)
stato=0
for sorgente in "$radice"/tests/fuzz/fuzz_*.cpp; do
    nome=$(basename "$sorgente" .cpp)
    clang++ "${flags[@]}" -fsanitize=fuzzer "$sorgente" "$out"/oggetti/*.o -o "$out/$nome"
    corpus=$out/corpus_$nome
    rm -rf "$corpus" && cp -r "$radice/tests/fuzz/corpus/$nome" "$corpus"
    echo "== $nome, $secondi s"
    (cd "$out" && "./$nome" -max_total_time="$secondi" -max_len=4096 -timeout=10 \
        -print_final_stats=1 "$corpus" 2>&1 | tail -n 12) || { echo "FAILED: $nome"; stato=1; }
done
exit $stato
