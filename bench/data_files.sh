#!/usr/bin/env bash
# Start-up with huge data files of each kind, 1, 20 and 50 MB: time and memory per run.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/bench/data_file_bench
for kind in ini-names ini-longline inf-commas dat-pairs dat-untypeable dat-commas error-pairs; do
  for mb in 1 20 50; do
    QT_QPA_PLATFORM=offscreen "$bench" "$kind" "$mb" 2>/dev/null
  done
done
