#!/usr/bin/env bash
# The windows' decisions (src/ui/*/logic/) are plain C++: they include no Qt header and, from
# the GUI, only other logic headers. Prints each offending line and fails when there is one.
set -euo pipefail

cd "$(dirname "$0")/.."
found=$(grep -nP '^\s*#\s*include\s*[<"](Q|qt|ui/(?![^/]+/logic/))' src/ui/*/logic/* || true)
if [[ -n $found ]]; then
  echo "$found"
  echo "check-ui-logic: a file under src/ui/*/logic/ may not include Qt or GUI widget headers" >&2
  exit 1
fi
