#!/usr/bin/env bash
# Programs contending for one shared file: PROGRAMS lock_counter processes (build/tools/) each add
# one to a counter CHANGES times under its lock, pausing up to PAUSE ms between two changes, in a
# fresh folder inside FOLDER (by default a temporary folder on the local disk; give a mounted
# share to measure a network). Prints the
# median, 99th percentile and longest wait for the lock and the median time it was held, in
# milliseconds; fails when an increment is lost or a lock, copy or stamp file is left behind.
#   bench/lock_contention.sh [FOLDER] [PROGRAMS] [CHANGES] [PAUSE]   (defaults: temporary, 8, 300, 0)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
counter=${LOCK_COUNTER:-$root/build/tools/lock_counter}
programs=${2:-8}
changes=${3:-300}
pause=${4:-0}
[ -x "$counter" ] || { echo "no $counter: build first (scripts/setup.sh)" >&2; exit 2; }

work=$(mktemp -d "${1:-${TMPDIR:-/tmp}}/contention.XXXXXX")
out=$(mktemp -d)
trap 'rm -rf "$work" "$out"' EXIT

start=$(date +%s%N)
pids=()
for i in $(seq "$programs"); do
  "$counter" "$work" "$changes" "$pause" > "$out/$i" 2> "$out/$i.err" &
  pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
seconds=$(( ($(date +%s%N) - start) / 1000000 ))
if [ "$failed" -ne 0 ]; then cat "$out"/*.err >&2; echo "a program failed" >&2; exit 1; fi

# Sorted column ($1 wait, $2 hold) of all changes, in microseconds; prints median, p99, max in ms.
stats() {
  cat "$out"/[0-9]* | awk -v c="$1" '{ print $c }' | sort -n | awk '
    { v[NR] = $1 }
    END { p99 = int(NR * 0.99 + 0.999); if (p99 < 1) p99 = 1
          printf "median %.2f ms, p99 %.2f ms, max %.2f ms", v[int((NR + 1) / 2)] / 1000, v[p99] / 1000, v[NR] / 1000 }'
}
total=$(tr -d '\r\n' < "$work/counter")
expected=$(( programs * changes ))
left=$(cd "$work" && ls -A | grep -vx counter || true)
echo "$programs programs x $changes changes (pauses up to $pause ms) in $work: counter $total of $expected, ${seconds} ms in all"
echo "wait for the lock: $(stats 1)"
echo "lock held:         $(stats 2)"
if [ "$total" != "$expected" ]; then echo "increments lost" >&2; exit 1; fi
if [ -n "$left" ]; then echo "left behind: $left" >&2; exit 1; fi
