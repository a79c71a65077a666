#!/usr/bin/env bash
# Plants one-line faults, one at a time, in a scratch copy of the tree, rebuilds the test
# programs incrementally, runs them and reports each fault that no test notices. Not run in
# CI; run it before resolving an engine issue and add a test for each survivor.
#   scripts/mutate.sh [MUTATION_LIST]   default scripts/mutations.txt (FILE<TAB>sed expression)
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list=${1:-$root/scripts/mutations.txt}
scratch=${MUTATE_SCRATCH:-/tmp/kavdrift-mutate-$(id -u)}
programs=(core_tests compare_tests tree_tests report_tests run_tests text_tests platform_tests
          cli_unit_tests cli_tests ui_logic_tests)

rm -rf "$scratch/src-tree"
mkdir -p "$scratch/src-tree"
# The working tree as it stands, without build folders or anything else git ignores.
git -C "$root" ls-files -co --exclude-standard -z |
  tar -C "$root" --null -T - -cf - | tar -C "$scratch/src-tree" -xf -
build=$scratch/build
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$scratch/src-tree" -B "$build" -G Ninja -DKAVDRIFT_BUILD_TESTS=ON \
  -DKAVDRIFT_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
targets=()
for program in "${programs[@]}"; do
  ninja -C "$build" -t query "$program" >/dev/null 2>&1 && targets+=("$program")
done

# True when some test program fails (or the mutant does not build, which also kills it).
killed() {
  cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >/dev/null 2>&1 || return 0
  for program in "${targets[@]}"; do
    binary=$(find "$build/tests" -name "$program" -type f -perm -u+x | head -n 1)
    QT_QPA_PLATFORM=offscreen timeout 300 "$binary" --gtest_brief=1 >/dev/null 2>&1 || return 0
  done
  return 1
}

if killed; then
  echo "mutate: the unmutated tree already fails its tests" >&2
  exit 1
fi

total=0 survived=0 unapplied=0
while IFS=$'\t' read -r file expression; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  total=$((total + 1))
  target=$scratch/src-tree/$file
  cp "$target" "$target.orig"
  sed -i -e "$expression" "$target"
  if cmp -s "$target" "$target.orig"; then
    echo "NOT APPLIED  $file: $expression"
    unapplied=$((unapplied + 1))
  elif killed; then
    echo "killed       $file: $expression"
  else
    echo "SURVIVED     $file: $expression"
    survived=$((survived + 1))
  fi
  mv "$target.orig" "$target"
  touch "$target"
done <"$list"
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >/dev/null 2>&1
echo "mutate: $total mutations, $((total - survived - unapplied)) killed, $survived survived," \
  "$unapplied not applied"
