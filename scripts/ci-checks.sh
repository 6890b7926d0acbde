#!/usr/bin/env bash
# The checks CI runs beside the ordinary test suite (scripts/test.sh):
#   scripts/ci-checks.sh format  every C++ file in src/, tests/, bench/, fuzz/ and tools/ is laid out
#                                as .clang-format says (clang-format-14); prints the first differences
#   scripts/ci-checks.sh widgets every window's controls, places, texts and Tab order as
#                                build/tools/widget_tree prints them, against the list kept in
#                                tools/widget_tree/widget_tree.txt (after scripts/test.sh built it)
#   scripts/ci-checks.sh asan    the whole test suite again, built with AddressSanitizer and
#                                UndefinedBehaviorSanitizer (preset "asan", folder build-asan)
#   scripts/ci-checks.sh fuzz    builds every libFuzzer target (preset "fuzz", folder build-fuzz)
#                                and runs each for FUZZ_SECONDS (30) seconds; a crash fails
#   scripts/ci-checks.sh shared  eight programs contending for one file on network file systems
#                                mounted on this machine (scripts/shared-folder-check.sh; root,
#                                after scripts/test.sh built them); what cannot mount is skipped
# Without an argument it does all five. Safe to run again; the seed corpora in fuzz/corpus stay as
# they are (what the fuzzer finds goes to a scratch folder).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(( $(nproc) < 2 ? $(nproc) : 2 ))

run_format() {
  scripts/setup.sh --install clang-format-14
  local files
  mapfile -t files < <(find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
  clang-format-14 --dry-run --Werror "${files[@]}"
  echo "== format: ${#files[@]} files as .clang-format says"
}

run_widgets() {
  local now
  now=$(mktemp)
  QT_QPA_PLATFORM=offscreen build/tools/widget_tree > "$now" 2>/dev/null
  if ! diff -u tools/widget_tree/widget_tree.txt "$now"; then
    echo "== widgets: a window changed (above); if that was meant, keep the new list:"
    echo "   QT_QPA_PLATFORM=offscreen build/tools/widget_tree > tools/widget_tree/widget_tree.txt"
    rm -f "$now"
    return 1
  fi
  rm -f "$now"
  echo "== widgets: every window as kept in tools/widget_tree/widget_tree.txt"
}

run_asan() {
  scripts/setup.sh --install cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation2
  cmake --preset asan
  cmake --build --preset asan --parallel "$jobs"
  ctest --preset asan --parallel "$jobs"
}

run_fuzz() {
  scripts/setup.sh --install cmake ninja-build clang-14 libclang-rt-14-dev llvm-14 qt6-base-dev qt6-svg-dev libgl-dev
  cmake --preset fuzz
  cmake --build --preset fuzz --parallel "$jobs"
  local seconds=${FUZZ_SECONDS:-30} scratch failed=() name exe seeds
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' RETURN
  while IFS=$'\t' read -r name exe seeds; do
    [ -n "$name" ] || continue
    mkdir -p "$scratch/$name"
    echo "== $name: ${seconds}s"
    # New inputs go to the scratch folder (the first); the seeds are only read.
    if ! (cd "$scratch" && ASAN_OPTIONS=detect_leaks=1 "$exe" -max_total_time="$seconds" \
            -print_final_stats=1 "$scratch/$name" "$seeds" > "$scratch/$name.log" 2>&1); then
      tail -n 60 "$scratch/$name.log"
      mkdir -p build-fuzz/findings && cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* \
        "$scratch"/oom-* build-fuzz/findings/ 2>/dev/null || true
      failed+=("$name")
    else
      grep -E "^Done|stat::number_of_executed_units" "$scratch/$name.log" | head -n 1
    fi
  done < build-fuzz/fuzz/fuzzers.txt
  if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found a fault in: ${failed[*]} (inputs in build-fuzz/findings/)"
    return 1
  fi
}

case "${1:-all}" in
  format) run_format ;;
  widgets) run_widgets ;;
  asan) run_asan ;;
  fuzz) run_fuzz ;;
  shared) scripts/shared-folder-check.sh ;;
  all) run_format; run_widgets; run_asan; run_fuzz; scripts/shared-folder-check.sh ;;
  *) echo "usage: $0 [format|widgets|asan|fuzz|shared]" >&2; exit 2 ;;
esac
