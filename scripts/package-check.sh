#!/usr/bin/env bash
# Builds the Debian package from the checkout in build-package/, installs it with apt, tries
# the installed programs, runs the freedesktop and Debian validators over what it installed,
# and removes the package again. Needs root (or sudo) for apt.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-package
work=$(mktemp -d)
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# apt-get, waiting for another apt that holds the lock rather than failing at once.
apt_get() {
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 "$@"
}

remove_package() {
  if dpkg-query -W -f='${db:Status-Status}' kavdrift 2>/dev/null | grep -qx installed; then
    apt_get remove -y -qq kavdrift >/dev/null
  fi
}
trap 'remove_package; rm -rf "$work"' EXIT

fail() {
  echo "package-check: $*" >&2
  exit 1
}

step() {
  echo "package-check: $*"
}

# --- build the package: a release build without tests or benchmarks -----------------------
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
rm -rf "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKAVDRIFT_BUILD_TESTS=OFF -DKAVDRIFT_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/kavdrift_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}
step "built $(basename "$deb")"
echo "  $(dpkg-deb -f "$deb" Depends | sed 's/^/Depends: /')"

# --- Debian's own checks ----------------------------------------------------------------------
step "lintian"
lintian_out=$(lintian --info "$deb" 2>/dev/null || true)
[ -z "$lintian_out" ] || echo "$lintian_out"
if grep -q '^E:' <<<"$lintian_out"; then fail "lintian reports errors"; fi

# --- install --------------------------------------------------------------------------------
remove_package
apt_get install -y -qq --no-install-recommends "$deb" >/dev/null
version=$(dpkg-query -W -f='${Version}' kavdrift)
step "installed kavdrift $version"

# --- the installed command-line program ------------------------------------------------------
got=$(/usr/bin/kavdrift-cli --version)
[[ $got == "Kavendrift V$version - ("*")" ]] || fail "kavdrift-cli --version printed '$got'"
step "kavdrift-cli --version: $got"
"$root/tests/dist/version_test.sh" "$got" /usr/bin/kavdrift-cli /usr/bin/kavdrift ||
  fail "kavdrift --version or --help"
step "kavdrift --version and --help answer without a display"

mkdir -p "$work/new" "$work/old"
echo same >"$work/new/same.txt"
echo same >"$work/old/same.txt"
echo "new text" >"$work/new/changed.txt"
echo old >"$work/old/changed.txt"
echo a >"$work/new/added.txt"
echo r >"$work/old/removed.txt"
touch -d "2024-01-01 12:00:00" "$work"/new/* "$work"/old/*
status=0
(cd "$work" && /usr/bin/kavdrift-cli --color never new old >report.txt 2>errors.txt) || status=$?
[ "$status" -eq 1 ] || fail "type 1 compare: exit status $status, expected 1"
cat >"$work/expected.txt" <<'REPORT'
 New Dir = new 
 Old Dir = old 
 Kavendrift GROUPED COMPARE SUMMARY FOR PAIRED FILES, INSERTS, DELETES AND TOTALS SECTION
  
 Ref# Code New-Fi-Name                New-Size Old-Size 
   1  I -  added.txt                         2 
   2  *    changed.txt                       9        4 
   3  D -  removed.txt                                2 
   4       same.txt                          5        5 
  
   File Codes:  *      - Files are not equal.
             : "Blank" - Files are equal.
             : I       - New-File-Inserted (Absent from Old Dir and Not Processed).
             : D       - Old-File-Deleted  (Absent from New Dir and Not Processed).
  
       2 Total File(s) Processed as Binary Paired Files.
       1 Total File(s) Processed had Changes.
       1 Total File(s) Processed as Equal Time-Date-Len Equivalent.
  
 Kavendrift GROUPED FILE PAIRED COMPARE SUMMARY TOTALS SECTION 
        14 New Bin Size Processed               9 Old Bin File Size Processed
         2 New Bin Size Not-Processed           2 Old Bin File Size Not-Processed
  
 OPTIONS = None
 INFORM01: The processed files have differences            .
REPORT
diff -u "$work/expected.txt" "$work/report.txt" || fail "type 1 compare: unexpected report"
step "kavdrift-cli type 1 compare: exit status 1, report as expected"

# --- the installed desktop program: five seconds on the offscreen platform, as a user whose
# configuration folder is fresh ----------------------------------------------------------------
mkdir -p "$work/home"
status=0
(cd "$work" && env -u XDG_CONFIG_HOME HOME="$work/home" QT_QPA_PLATFORM=offscreen \
  timeout 5 /usr/bin/kavdrift new old >gui.txt 2>&1) || status=$?
# 124: still running when the time was up, which is what a healthy start looks like.
[ "$status" -eq 124 ] || { cat "$work/gui.txt"; fail "kavdrift ended with status $status"; }
[ ! -e /usr/bin/Kavdrift.ini ] || fail "kavdrift wrote its settings into /usr/bin"
step "kavdrift ran 5 seconds offscreen"

# --- the freedesktop validators on the installed files ----------------------------------------
step "desktop-file-validate"
desktop-file-validate /usr/share/applications/kavdrift.desktop
step "appstreamcli validate"
appstreamcli validate --no-net /usr/share/metainfo/*.Kavdrift.metainfo.xml
for page in kavdrift kavdrift-cli; do
  step "man --warnings $page"
  warnings=$(man --warnings -E UTF-8 -l "/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page $page: $warnings"
done
[ -f /usr/share/icons/hicolor/256x256/apps/kavdrift.png ] || fail "icon not installed"
"$root/tests/dist/completion_test.sh" /usr/share/bash-completion/completions/kavdrift-cli ||
  fail "the installed bash completion"
step "icons and bash completion installed"

# --- remove ---------------------------------------------------------------------------------
remove_package
[ ! -e /usr/bin/kavdrift ] || fail "kavdrift is still there after removal"
step "removed; all checks passed"
