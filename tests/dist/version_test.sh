#!/usr/bin/env bash
# Both programs print the one version line the build was configured with; kavdrift answers
# --version and --help without a display.
#   version_test.sh EXPECTED-LINE KAVDRIFT-CLI [KAVDRIFT]
set -u
expected=$1
shift
failed=0

check() {
  local what=$1 got=$2
  if [ "$got" != "$expected" ]; then
    echo "FAIL: $what printed '$got', expected '$expected'"
    failed=1
  fi
}

check "kavdrift-cli --version" "$("$1" --version 2>&1)"
if [ $# -ge 2 ]; then
  no_display=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
  check "kavdrift --version" "$("${no_display[@]}" timeout 10 "$2" --version 2>&1)"
  check "kavdrift -v" "$("${no_display[@]}" timeout 10 "$2" -v 2>&1)"
  help=$("${no_display[@]}" timeout 10 "$2" --help 2>&1)
  if [[ $help != *"[options] [NEW [OLD]]"* ]]; then
    echo "FAIL: kavdrift --help printed: $help"
    failed=1
  fi
fi
exit $failed
