#!/usr/bin/env bash
# Generates its own data, times kavdrift-cli against standard tools on the same data in the
# same run, and prints the ratios (medians of several runs; page-cached data).
#   bench/run.sh [--quick]        BENCH_DIR=/path keeps the generated data between calls
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${CLI:-$here/build/src/cli/kavdrift-cli}
[ -x "$cli" ] || { echo "build kavdrift-cli first (cmake --build build)" >&2; exit 2; }
work=${BENCH_DIR:-/tmp/kavdrift-bench}
runs=5
big_mib=1024
tree_files=20000
flat_files=100000
million=1000000
gui_flags=(--runs "$runs")
if [ "${1:-}" = "--quick" ]; then
  gui_flags=(--quick)
  runs=3 big_mib=128 tree_files=2000 flat_files=10000 million=100000
fi
mkdir -p "$work"

source "$here/bench/timing.sh"

warm() { find "$@" -type f -exec cat {} + >/dev/null; }

make_big_pair() {
  local d=$work/big-$big_mib
  if [ ! -f "$d/new/big.bin" ]; then
    mkdir -p "$d/new" "$d/old"
    head -c "$((big_mib * 1024 * 1024))" /dev/urandom >"$d/new/big.bin"
    cp "$d/new/big.bin" "$d/old/big.bin"
  fi
  echo "$d"
}

# Like-named empty files in new/ and old/. Not "flat-N": tree_ratios.sh keeps its single flat
# directory under that name, and a shared name would have it list both trees as well.
make_flat_dir() {
  local d=$work/likenamed-$flat_files
  if [ ! -d "$d/new" ]; then
    mkdir -p "$d/new" "$d/old"
    (cd "$d/new" && seq -f 'file%06g.txt' "$flat_files" | xargs touch)
    cp -a "$d/new/." "$d/old/"
  fi
  echo "$d"
}

# ~tree_files files of ~30 KB in tree_files/20 directories; a few percent changed, inserted
# and deleted. The Old tree is a time-preserving copy, so equal files have equal stamps.
make_trees() {
  local d=$work/trees-$tree_files
  if [ ! -d "$d/old" ]; then
    mkdir -p "$d/new"
    python3 - "$d/new" "$tree_files" <<'PY'
import os, random, sys
root, count = sys.argv[1], int(sys.argv[2])
random.seed(7)
dirs = max(1, count // 20)
for i in range(count):
    sub = os.path.join(root, "d%03d" % (i % 50), "e%04d" % (i % dirs))
    os.makedirs(sub, exist_ok=True)
    with open(os.path.join(sub, "f%06d.dat" % i), "wb") as f:
        f.write(random.randbytes(random.randint(10_000, 50_000)))
PY
    cp -a "$d/new" "$d/old"
    python3 - "$d/new" "$d/old" <<'PY'
import os, random, sys
new, old = sys.argv[1], sys.argv[2]
random.seed(11)
files = sorted(os.path.join(r, f)[len(new):] for r, _, fs in os.walk(new) for f in fs)
for rel in random.sample(files, len(files) // 50):          # changed, same size and stamp
    p = new + rel; st = os.stat(p)
    with open(p, "r+b") as f: f.seek(st.st_size - 1); f.write(b"\0")
    os.utime(p, ns=(st.st_atime_ns, st.st_mtime_ns))
for rel in random.sample(files, len(files) // 100):         # deleted from New
    if os.path.exists(new + rel): os.remove(new + rel)
for i, rel in enumerate(random.sample(files, len(files) // 100)):  # inserted into New
    with open(new + rel + ".ins%d" % i, "wb") as f: f.write(os.urandom(20_000))
PY
  fi
  echo "$d"
}

make_million() {
  local d=$work/million-$million
  if [ ! -d "$d/tree" ]; then
    mkdir -p "$d/tree"
    python3 - "$d/tree" "$million" <<'PY'
import os, sys
root, count = sys.argv[1], int(sys.argv[2])
per = 1000
for i in range(count):
    if i % per == 0:
        sub = os.path.join(root, "dir%05d" % (i // per)); os.mkdir(sub)
    open(os.path.join(sub, "entry%07d" % i), "wb").close()
PY
  fi
  echo "$d"
}

echo "kavdrift benchmarks: $runs runs each, median wall time; data in $work"

d=$(make_big_pair); warm "$d"
ours=$(median "$cli" -t 1 -o Veqf --color never "$d/new" "$d/old")
theirs=$(median cmp "$d/new/big.bin" "$d/old/big.bin")
report "equal ${big_mib} MiB pair, bytes compared" "$ours" "$theirs" "cmp" 1.2

d=$(make_flat_dir)
ours=$(median "$cli" -t 1 --color never "$d/new" "$d/old")
theirs=$(median diff -rq "$d/new" "$d/old")
report "type 1, $flat_files empty like-named files" "$ours" "$theirs" "diff -rq" "-"
ours=$(median "$cli" -t 5 --color never "$d/new")
theirs=$(median sh -c "find '$d/new' -maxdepth 1 | sort")
report "type 5 list of $flat_files files (whole run)" "$ours" "$theirs" "find | sort" "-"
scan_bench=$here/build/bench/scan_bench
if [ -x "$scan_bench" ]; then
  ours=$(KAVDRIFT_SCAN_DIR="$d/new" "$scan_bench" --benchmark_repetitions="$runs" \
    --benchmark_format=csv 2>/dev/null | awk -F, '/_median/ {printf "%.4f", $3 / 1000}')
  report "tree scan of $flat_files files" "$ours" "$theirs" "find | sort" 2
fi

d=$(make_trees); warm "$d"
ours=$(median "$cli" -t 2 -o Veqf --color never "$d/new" "$d/old")
theirs=$(median diff -rq "$d/new" "$d/old")
report "type 2, $tree_files files, Veqf (all read)" "$ours" "$theirs" "diff -rq" 1.2
ours=$(median "$cli" -t 2 --color never "$d/new" "$d/old")
report "type 2, $tree_files files, size+stamp" "$ours" "$theirs" "diff -rq" 0.5

# File comparison against diff -rq: many files in a tree, a flat directory, large files
# (bench/compare_ratios.sh, which also runs alone).
compare_flags=(--runs "$runs")
[ "${1:-}" = "--quick" ] && compare_flags+=(--scale 10)
CLI="$cli" BENCH_DIR="$work" "$here/bench/compare_ratios.sh" "${compare_flags[@]}"

# The desktop program, Start to viewer shown, against kavdrift-cli on the same trees, under a
# real X server (Xvfb), since the offscreen platform hides the X traffic.
gui_run=$here/build/bench/gui_run_ratio
if [ -x "$gui_run" ] && command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24" "$gui_run" --cli "$cli" --work "$work" \
    "${gui_flags[@]}" 2>/dev/null || true
fi

# The type 3 selection window on two directories of $flat_files like-named files each, under
# Xvfb: opening (listing, pairing, painting), then Select All and Start.
select_open=$here/build/bench/select_window_open
if [ -x "$select_open" ] && command -v xvfb-run >/dev/null; then
  out=$(xvfb-run -a -s "-screen 0 1280x1024x24" "$select_open" "$flat_files" "$work" 2>/dev/null ||
    true)
  printf '%s\n' "$out" | sed 's/^/  select window: /'
  ours=$(printf '%s\n' "$out" | awk '/window opened/ {print $(NF-4)}')
  sel=$work/select-$flat_files
  theirs=$(median sh -c "find '$sel/new' -maxdepth 1 | sort; find '$sel/old' -maxdepth 1 | sort")
  [ -n "$ours" ] && report "type 3 window open, $flat_files files a side" "$ours" "$theirs" \
    "find | sort" "1 s"
fi

d=$(make_million)
rss=$(/usr/bin/time -f %M "$cli" -t 5 --color never "$d/tree" 2>&1 >/dev/null | tail -n 1)
printf '%-44s peak resident %s MiB (target < 1024)\n' "type 5 over $million entries" \
  "$((rss / 1024))"

# Listing speed, memory per tree entry and deep trees (their own corpora and rows).
tree_ratios_sourced=1
# shellcheck source=bench/tree_ratios.sh
source "$here/bench/tree_ratios.sh" "${1:-}"
