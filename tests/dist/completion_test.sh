#!/usr/bin/env bash
# Runs kavdrift-cli's bash completion on typed command lines and compares the offers.
#   completion_test.sh COMPLETION-SCRIPT
set -u
# shellcheck source=/dev/null
source "$1"
compopt() { :; }  # only valid inside a real completion; the offers are what is tested

cd "$(mktemp -d)" || exit 2
mkdir new old notes.d
touch file.txt
failed=0

# expect "WORDS TYPED (the last one is completed)" "OFFERS, sorted, blank-separated"
expect() {
  read -r -a COMP_WORDS <<<"$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _kavdrift_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' ')
  if [ "$got" != "$2" ]; then
    echo "FAIL: '$1' offered '$got', expected '$2'"
    failed=1
  fi
}

expect "kavdrift-cli -o " "Chgo Gmsg Itdt Lchv Ldeo Lmcf Lsbs Ovso Spnm Veqf"
expect "kavdrift-cli -o l" "Lchv Ldeo Lmcf Lsbs"
expect "kavdrift-cli --options veqf,c" "veqf,Chgo"
expect "kavdrift-cli -o Veqf,Itdt,ov" "Veqf,Itdt,Ovso"
expect "kavdrift-cli -o x" ""
expect "kavdrift-cli -t " "1 2 3 4 5 6"
expect "kavdrift-cli --type = " "1 2 3 4 5 6"
expect "kavdrift-cli --color = a" "always auto"
expect "kavdrift-cli --co" "--color"
expect "kavdrift-cli -t 2 n" "new notes.d"
expect "kavdrift-cli -t 3 --select f" "file.txt"
exit $failed
