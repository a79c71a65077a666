#!/usr/bin/env bash
# Listing speed, memory per tree entry and deep trees: the rows of bench/run.sh that list or
# hold whole trees. Sourced by bench/run.sh (which sets cli, work, runs, median, report) or run
# on its own:   bench/tree_ratios.sh [--quick]      BENCH_DIR=/path keeps the data
set -euo pipefail

if [ -z "${tree_ratios_sourced:-}" ]; then
  here=$(cd "$(dirname "$0")/.." && pwd)
  cli=${CLI:-$here/build/src/cli/kavdrift-cli}
  [ -x "$cli" ] || { echo "build kavdrift-cli first (cmake --build build)" >&2; exit 2; }
  work=${BENCH_DIR:-/tmp/kavdrift-bench}
  runs=5
  [ "${1:-}" = "--quick" ] && runs=3
  mkdir -p "$work"
  source "$here/bench/timing.sh"
fi
make_corpus=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/make_corpus.py

flat_entries=100000
tree_entries=1000000
deep_levels=3000
if [ "${1:-}" = "--quick" ]; then flat_entries=10000 tree_entries=100000 deep_levels=1000; fi

corpus() {  # kind, name, size: builds $work/name once and prints its path
  local d=$work/$2
  [ -d "$d" ] || python3 "$make_corpus" "$1" "$d" "$3"
  echo "$d"
}

# Peak resident memory in MB (10^6 bytes) of running "$@" (median of $runs runs).
peak_mb() {
  local peaks=() out
  out=$(mktemp)
  for _ in $(seq "$runs"); do
    /usr/bin/time -f '%M' -o "$out" "$@" >/dev/null 2>&1 || true
    peaks+=("$(tail -n 1 "$out")")
  done
  rm -f "$out"
  printf '%s\n' "${peaks[@]}" | sort -g |
    awk '{a[NR]=$1} END {printf "%d", a[int((NR+1)/2)] * 1024 / 1000000}'
}

memory_row() {  # title, limit in MiB, command...
  local title=$1 limit=$2
  shift 2
  printf '%-44s peak resident %6s MB  (target <= %s MB)\n' "$title" "$(peak_mb "$@")" "$limit"
}

flat=$(corpus flat "flat-$flat_entries" "$flat_entries")
ours=$(median "$cli" -t 5 --color never "$flat")
theirs=$(median sh -c "find '$flat' -maxdepth 1 | sort")
report "type 5, one directory of $flat_entries files" "$ours" "$theirs" "find | sort" 1.3

new=$(corpus tree "tree-$tree_entries" "$tree_entries")
old=$work/tree-$tree_entries-twin
[ -d "$old" ] || python3 "$make_corpus" twin "$new" "$old"
memory_row "type 5 over $tree_entries entries" 200 "$cli" -t 5 --color never "$new"
memory_row "type 6 over 2 x $tree_entries entries" 400 "$cli" -t 6 --color never "$new" "$old"
memory_row "type 2 over 2 x $tree_entries entries" 400 "$cli" -t 2 --color never "$new" "$old"
memory_row "type 2 Lsbs over 2 x $tree_entries entries" 400 \
  "$cli" -t 2 -o Lsbs --color never "$new" "$old"

# Depth: the same chain at a third and at the whole depth; linear work grows about 3x.
shallow=$(corpus deep "deep-$((deep_levels / 3))" "$((deep_levels / 3))")
deep=$(corpus deep "deep-$deep_levels" "$deep_levels")
t_shallow=$(median "$cli" -t 5 --color never "$shallow")
t_deep=$(median "$cli" -t 5 --color never "$deep")
printf '%-44s %8.3fs vs %8.3fs at a third: x%s  (linear: about x3)\n' \
  "type 5, a chain $deep_levels directories deep" "$t_deep" "$t_shallow" "$(ratio "$t_deep" "$t_shallow")"
memory_row "type 5, a chain $deep_levels directories deep" "-" "$cli" -t 5 --color never "$deep"
