#!/usr/bin/env bash
# Configures, builds and runs every test.
#   scripts/test.sh              in build/
#   scripts/test.sh --sanitize   in build-asan/, with AddressSanitizer and UBSan
#   scripts/test.sh --tsan       in build-tsan/, with ThreadSanitizer: the engine and
#                                kavdrift-cli tests only (no Qt, no benchmarks)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
flags=()
case "${1:-}" in
  "") ;;
  --sanitize)
    build=$root/build-asan
    flags=(-DKAVDRIFT_SANITIZE=ON -DKAVDRIFT_BUILD_BENCH=OFF)
    ;;
  --tsan)
    build=$root/build-tsan
    flags=(-DKAVDRIFT_TSAN=ON -DKAVDRIFT_BUILD_GUI=OFF -DKAVDRIFT_BUILD_BENCH=OFF)
    # A race is a failure, wherever it shows.
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}"
    ;;
  *)
    echo "usage: scripts/test.sh [--sanitize | --tsan]" >&2
    exit 2
    ;;
esac

jobs=$(nproc)
cmake -S "$root" -B "$build" -G Ninja -DKAVDRIFT_BUILD_TESTS=ON "${flags[@]}"
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$jobs"
