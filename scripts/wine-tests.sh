#!/bin/bash
# Runs a MinGW preset's tests under Wine: make wine32 / make wine64 (after the build).
#
# Usage: scripts/wine-tests.sh PRESET   (mingw32 or mingw64)
#
# One Wine prefix for both presets in build-wine/prefix, made on first use; one persistent
# wineserver for the whole run (each test program would otherwise start and stop its own), no
# Wine debug output. Prints "Windows <preset>: N passed, N failed" (tests, not programs) and fails
# when a test fails.
set -uo pipefail
cd "$(dirname "$0")/.."
preset=${1:?usage: scripts/wine-tests.sh mingw32|mingw64}

export WINEPREFIX=${WINEPREFIX:-$PWD/build-wine/prefix}
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: the tests need neither .NET nor HTML.
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=

if ! command -v wine >/dev/null; then
  echo "wine-tests: wine is not installed (scripts/install-deps.sh wine installs it)" >&2
  exit 1
fi
# Exit status 2: the 32-bit Wine is not there, so the tests did not run (not a failure of theirs).
if [ "$preset" = mingw32 ] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
  echo "Windows $preset: not run: wine32 (i386) is not installed and cannot run 32-bit programs" \
       "(scripts/install-deps.sh wine installs it when the package mirror offers it)" >&2
  exit 2
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1 || { echo "wine-tests: cannot make the Wine prefix $WINEPREFIX" >&2; exit 1; }
fi
# The server and Wine's own services (started by wineboot) run for the whole session, away from the
# output: a test program's first start would otherwise start the services with ctest's pipe as their
# output, and ctest would wait for them to end.
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k </dev/null >/dev/null 2>&1; true' EXIT
wineboot </dev/null >/dev/null 2>&1

# Each test program leaves its results in results/<program>.xml: they give the count of tests,
# where ctest counts programs.
results="build-$preset/wine-results"
rm -rf "$results"
mkdir -p "$results"
# GoogleTest on Windows makes the folder only when it is given as a Windows path.
export GTEST_OUTPUT="xml:$(winepath -w "$PWD/$results" 2>/dev/null)\\"
ctest --preset "$preset"
status=$?

tests=0
failures=0
for xml in "$results"/*.xml; do
  [ -f "$xml" ] || continue
  head=$(grep -m 1 -o '<testsuites tests="[0-9]*" failures="[0-9]*" disabled="[0-9]*" errors="[0-9]*"' "$xml")
  read -r t f _ e < <(sed 's/[^0-9 ]//g' <<<"$head")
  tests=$((tests + ${t:-0}))
  failures=$((failures + ${f:-0} + ${e:-0}))
done
echo "Windows $preset: $((tests - failures)) passed, $failures failed"
exit "$status"
