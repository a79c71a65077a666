#!/usr/bin/env bash
# Builds the fuzz targets with clang (build-fuzz/, AddressSanitizer, UBSan and libFuzzer) and
# runs each one for a bounded time from its seed corpus in tests/fuzz/corpus/NAME/.
#   scripts/fuzz.sh [SECONDS]   seconds per target (default 30)
# An input that breaks a target is kept in build-fuzz/fuzz-work/NAME/crashes/; copy it into
# the target's corpus so that the normal build's fuzz_replay_NAME test replays it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
seconds=${1:-30}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DKAVDRIFT_FUZZ=ON \
  -DKAVDRIFT_BUILD_TESTS=OFF -DKAVDRIFT_BUILD_GUI=OFF -DKAVDRIFT_BUILD_BENCH=OFF "${launcher[@]}" \
  >/dev/null
cmake --build "$build" -j "$(nproc)"

failed=()
for corpus in "$root"/tests/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  work=$build/fuzz-work/$name
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/crashes"
  # New inputs go to the scratch corpus; the stored one is only read.
  if "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/crashes/" "$work/corpus" "$corpus" \
      >"$work/log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    echo "fuzz $name: ${runs:-?} executions in ${seconds} s, no failure"
  else
    echo "fuzz $name: FAILED; input kept in $work/crashes/:" >&2
    grep -m 5 -E "ERROR|property broken|runtime error" "$work/log" >&2 || tail -n 20 "$work/log" >&2
    failed+=("$name")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "fuzz: failing targets: ${failed[*]}" >&2; exit 1; }
