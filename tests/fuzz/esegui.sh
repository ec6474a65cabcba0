#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (ASan + UBSan) and runs each for a bounded
# time from its committed corpus. A crash or a sanitizer report fails the run.
#   esegui.sh BUILD_DIR [SECONDS_EACH]
set -euo pipefail
radice=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:?build folder}
secondi=${2:-30}
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -I"$radice/src" -I"$radice/tests")
# The model and the export layer, once, as objects the targets share.
logica=("$radice"/src/magnifier/*.cpp "$radice"/src/export/*.cpp)
oggetti=()
for f in "${logica[@]}"; do
    o=$out/$(echo "${f#"$radice"/}" | tr / _).o
    if [ ! -f "$o" ] || [ "$f" -nt "$o" ] ||
       [ -n "$(find "$radice"/src/magnifier "$radice"/src/export -name '*.h' -newer "$o")" ]; then
        clang++ "${flags[@]/-fsanitize=fuzzer,/-fsanitize=fuzzer-no-link,}" -c "$f" -o "$o"
    fi
    oggetti+=("$o")
done
stato=0
for sorgente in "$radice"/tests/fuzz/fuzz_*.cpp; do
    nome=$(basename "$sorgente" .cpp)
    clang++ "${flags[@]}" "$sorgente" "${oggetti[@]}" -o "$out/$nome"
    corpus=$out/corpus_$nome
    rm -rf "$corpus" && mkdir -p "$corpus"
    cp "$radice/tests/fuzz/corpus/$nome"/* "$corpus"/ 2>/dev/null || true
    echo "== $nome, $secondi s"
    if ! (cd "$out" && "./$nome" -max_total_time="$secondi" -max_len=4096 -timeout=10 \
            -print_final_stats=1 "$corpus" 2>&1 | tail -n 12); then
        echo "FAILED: $nome"
        stato=1
    fi
done
exit $stato
