#!/usr/bin/env bash
# Installs, from Debian 12's own packages, whatever the build, the tests and the desktop
# program need and is not installed yet. Quiet and quick when everything is there.
set -euo pipefail

packages=(
  cmake ninja-build g++
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-liberation2 xvfb xauth
  clang-format
  dpkg-dev librsvg2-bin desktop-file-utils appstream lintian man-db
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup.sh: run as root or install sudo" >&2; exit 1; }
  sudo=(sudo)
fi
echo "setup.sh: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
