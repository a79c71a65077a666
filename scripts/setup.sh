#!/usr/bin/env bash
# Installs, from Debian 12's own packages, whatever the build, the tests and the desktop
# program need and is not installed yet. Quiet and quick when everything is there.
set -euo pipefail

packages=(
  cmake ninja-build g++
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-liberation2 xvfb xauth poppler-utils
  clang-format clang libclang-rt-14-dev python3
  dpkg-dev librsvg2-bin desktop-file-utils appstream lintian man-db
  locales
)
# Locales whose date pictures and separators the tests check against the C library's data.
test_locales=(en_US de_DE hu_HU ko_KR)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
missing_locales=()
for name in "${test_locales[@]}"; do
  locale -a 2>/dev/null | grep -qx "$name.utf8" || missing_locales+=("$name")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup.sh: run as root or install sudo" >&2; exit 1; }
  sudo=(sudo)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup.sh: installing ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
for name in "${missing_locales[@]}"; do
  echo "setup.sh: generating the $name.UTF-8 locale"
  "${sudo[@]}" localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
