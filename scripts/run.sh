#!/usr/bin/env bash
# Builds Ziftora and starts it. The trainer keeps its files in data/ of this checkout.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
mkdir -p data
cd data
exec ../build/src/app/ziftora
