#!/usr/bin/env bash
# File comparison speed: kavdrift-cli against diff -rq on the same page-cached data in the same
# run. The two commands take turns (ours, theirs, ours, ...), each ratio is taken pair by pair
# and the median ratio is printed with both median wall times and our peak resident memory
# (from /usr/bin/time -v).
#   bench/compare_ratios.sh [--scale PERCENT] [--runs N]
# PERCENT (default 100) shrinks every corpus: 10 builds a tenth of the files and bytes.
# BENCH_DIR=/path keeps the generated data between calls; CLI=/path picks the binary.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${CLI:-$here/build/src/cli/kavdrift-cli}
work=${BENCH_DIR:-/tmp/kavdrift-bench}
scale=100
runs=5
while [ $# -gt 0 ]; do
  case "$1" in
    --scale) scale=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: bench/compare_ratios.sh [--scale PERCENT] [--runs N]" >&2; exit 2 ;;
  esac
done
[ -x "$cli" ] || { echo "build kavdrift-cli first (cmake --build build)" >&2; exit 2; }
command -v python3 >/dev/null || { echo "python3 is needed to build the corpora" >&2; exit 2; }
mkdir -p "$work"

scaled() { echo $(( $1 * scale / 100 > 0 ? $1 * scale / 100 : 1 )); }

# Writes seeded random files: a python helper so that every corpus is the same on every
# machine. Arguments: root, then lines of "relative-path size seed" on standard input.
write_files() {
  python3 -c '
import os, random, sys
root = sys.argv[1]
for line in sys.stdin:
    rel, size, seed = line.split()
    path = os.path.join(root, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    rnd = random.Random(int(seed))
    left = int(size)
    with open(path, "wb") as f:
        while left > 0:
            piece = min(left, 1 << 24)
            f.write(rnd.randbytes(piece))
            left -= piece
' "$1"
}

# The Old tree is a time-preserving copy; then `changed` New files get their last byte
# altered with size and stamp kept, so only reading them finds the difference.
copy_and_change() {
  local d=$1 changed=$2
  cp -a "$d/new" "$d/old"
  python3 - "$d/new" "$changed" <<'PY'
import os, random, sys
new, count = sys.argv[1], int(sys.argv[2])
files = sorted(os.path.join(r, f) for r, _, fs in os.walk(new) for f in fs)
for p in random.Random(5).sample(files, min(count, len(files))):
    st = os.stat(p)
    if st.st_size == 0:
        continue
    with open(p, "r+b") as f:
        f.seek(st.st_size - 1)
        last = f.read(1)
        f.seek(st.st_size - 1)
        f.write(bytes([last[0] ^ 0xFF]))
    os.utime(p, ns=(st.st_atime_ns, st.st_mtime_ns))
PY
}

# ~20,000 files of 10-55 KB in ~1,000 directories (~650 MB a side), 1% changed.
make_many() {
  local files dirs d
  files=$(scaled 20000); dirs=$(( files / 20 > 0 ? files / 20 : 1 ))
  d=$work/cmp-many-$files
  if [ ! -d "$d/old" ]; then
    rm -rf "$d"
    python3 -c "
import random
rnd = random.Random(3)
for i in range($files):
    print('d%02d/e%04d/f%06d.dat %d %d' % (i % 40, i % $dirs, i, rnd.randint(10_000, 55_000), i))
" | write_files "$d/new"
    copy_and_change "$d" $(( files / 100 ))
  fi
  echo "$d"
}

# 100,000 small equal files (0-2 KB) in one directory.
make_flat() {
  local files d
  files=$(scaled 100000)
  d=$work/cmp-flat-$files
  if [ ! -d "$d/old" ]; then
    rm -rf "$d"
    python3 -c "
import random
rnd = random.Random(9)
for i in range($files):
    print('file%06d.txt %d %d' % (i, rnd.randint(0, 2048), i))
" | write_files "$d/new"
    copy_and_change "$d" 0
  fi
  echo "$d"
}

# 8 files of 256 MiB a side, all equal.
make_big() {
  local mib d
  mib=$(scaled 256)
  d=$work/cmp-big-$mib
  if [ ! -d "$d/old" ]; then
    rm -rf "$d"
    for i in 1 2 3 4 5 6 7 8; do echo "big$i.bin $(( mib * 1024 * 1024 )) $i"; done |
      write_files "$d/new"
    copy_and_change "$d" 0
  fi
  echo "$d"
}

warm() { find "$@" -type f -exec cat {} + >/dev/null; }

# Runs the command once under /usr/bin/time -v; prints "wall-seconds peak-KiB" (the wall time
# from the clock, finer than time's own).
timed() {
  local log t0 t1
  log=$(mktemp)
  t0=$(date +%s.%N)
  /usr/bin/time -v -o "$log" "$@" >/dev/null 2>&1 || true
  t1=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" '/Maximum resident set size/ { m = $NF }
    END { printf "%.4f %d\n", b - a, m }' "$log"
  rm -f "$log"
}

median() { sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# name, target, then our command; diff -rq runs on the last two arguments.
compare_row() {
  local name=$1 target=$2; shift 2
  local new=${*: -2:1} old=${*: -1}
  local ours=() theirs=() ratios=() rss=0 a b
  for _ in $(seq "$runs"); do
    read -r a ra < <(timed "$@")
    read -r b _ < <(timed diff -rq "$new" "$old")
    ours+=("$a"); theirs+=("$b")
    ratios+=("$(awk -v a="$a" -v b="$b" 'BEGIN {printf "%.3f", (b > 0 ? a / b : 0)}')")
    [ "$ra" -gt "$rss" ] && rss=$ra
  done
  printf '%-52s kavdrift %7.3fs  diff -rq %7.3fs  ratio %5s (target %s)  peak %d MiB\n' \
    "$name" "$(printf '%s\n' "${ours[@]}" | median)" "$(printf '%s\n' "${theirs[@]}" | median)" \
    "$(printf '%s\n' "${ratios[@]}" | median)" "$target" $(( rss / 1024 ))
}

compare_ratios() {
  local d
  echo "file comparison against diff -rq: $runs paired runs, medians, page-cached; data in $work"
  d=$(make_many); warm "$d"
  compare_row "type 2 Veqf, $(scaled 20000) files in dirs, 1% changed" "<= 0.6" \
    "$cli" -t 2 -o Veqf --color never "$d/new" "$d/old"
  d=$(make_flat); warm "$d"
  compare_row "type 1 Veqf, $(scaled 100000) small equal files" "<= 0.6" \
    "$cli" -t 1 -o Veqf --color never "$d/new" "$d/old"
  compare_row "type 1 size+stamp, $(scaled 100000) small equal files" "<= 0.5" \
    "$cli" -t 1 --color never "$d/new" "$d/old"
  d=$(make_big); warm "$d"
  compare_row "type 2 Veqf, 8 files of $(scaled 256) MiB" "<= 0.2" \
    "$cli" -t 2 -o Veqf --color never "$d/new" "$d/old"
}

compare_ratios
