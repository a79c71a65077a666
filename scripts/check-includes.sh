#!/usr/bin/env bash
# Checks that every include in src/ points down the layers (docs/architecture.md): a folder may
# include itself and the folders listed after it, and no engine folder includes Qt. Prints one
# line per violation and fails when there is one.
set -euo pipefail

cd "$(dirname "$0")/../src"

declare -A allowed=(
  [text]="text"
  [platform]="platform text"
  [core]="core platform text"
  [compare]="compare core platform text"
  [tree]="tree core platform text"
  [report]="report tree core platform text"
  [run]="run report compare tree core platform text"
  [cli]="cli run report compare tree core platform text"
  [ui]="ui run report compare tree core platform text"
)

status=0
while IFS=: read -r file line text; do
  folder=${file%%/*}
  if [[ -z ${allowed[$folder]+set} ]]; then
    echo "src/$file: folder $folder/ has no place in scripts/check-includes.sh"
    status=1
  elif [[ $text =~ ^#include\ \"([a-z]+)/ ]]; then
    target=${BASH_REMATCH[1]}
    if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "src/$file:$line: $folder/ may not include $target/ (allowed: ${allowed[$folder]})"
      status=1
    fi
  elif [[ $text =~ ^#include\ \<Q && $folder != ui ]]; then
    echo "src/$file:$line: $folder/ is Qt-free and may not include ${text#\#include }"
    status=1
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' '^#include [<"]' .  | sed 's|^\./||')
exit $status
