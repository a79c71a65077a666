#!/usr/bin/env bash
# Configures, builds and runs every test.
#   scripts/test.sh              in build/
#   scripts/test.sh --sanitize   in build-asan/, with AddressSanitizer and UBSan
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
  *)
    echo "usage: scripts/test.sh [--sanitize]" >&2
    exit 2
    ;;
esac

jobs=$(nproc)
cmake -S "$root" -B "$build" -G Ninja -DKAVDRIFT_BUILD_TESTS=ON "${flags[@]}"
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$jobs"
