#!/usr/bin/env bash
# Runs kavdrift-cli under seeded system-call faults (tests/faults/fault_drive.py) with the
# build in build/ (or the one given), several hundred seeds.
#   scripts/fault-inject.sh [BUILD_DIR] [SEEDS]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
seeds=${2:-400}
cmake --build "$build" --target kavdrift-cli kavdrift_failsys >/dev/null
python3 "$root/tests/faults/fault_drive.py" "$build/src/cli/kavdrift-cli" \
  "$build/tests/libkavdrift_failsys.so" --seeds "$seeds"
