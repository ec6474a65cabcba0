#!/usr/bin/env bash
# Runs the fuzz target for a bounded time from the committed corpus; the inputs it finds go to
# a fresh corpus in the working folder, crash inputs beside it. A crash or a sanitizer report
# fails the run.   run.sh FUZZER SECONDS
set -euo pipefail
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
rm -rf corpus && mkdir corpus
"$1" -max_total_time="$2" -max_len=4096 -timeout=10 -print_final_stats=1 corpus "$seeds" 2>&1 |
    tail -n 12
