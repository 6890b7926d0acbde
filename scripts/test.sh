#!/usr/bin/env bash
# Builds Ziftora and runs the whole test suite offscreen (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
QT_QPA_PLATFORM=offscreen ctest --preset default --parallel 2
