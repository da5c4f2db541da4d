#!/bin/bash
# Runs a MinGW preset's tests under Wine: make wine32 / make wine64 (after the build).
#
# Usage: scripts/wine-tests.sh PRESET   (mingw32 or mingw64)
#
# Under the Wine session of scripts/wine-session.sh. Prints "Windows <preset>: N passed, N failed"
# (tests, not programs) and fails when a test fails; exit status 2 when that architecture's Wine
# is missing, so the tests did not run.
set -uo pipefail
cd "$(dirname "$0")/.."
preset=${1:?usage: scripts/wine-tests.sh mingw32|mingw64}
case "$preset" in
  mingw32) arch=i686 ;;
  mingw64) arch=x86_64 ;;
  *) echo "wine-tests: unknown preset $preset" >&2; exit 1 ;;
esac

. scripts/wine-session.sh
trap wine_session_end EXIT
why=$(mktemp)
wine_session "$arch" 2>"$why"
status=$?
if [ "$status" -ne 0 ]; then
  echo "Windows $preset: not run: $(cat "$why")"
  rm -f "$why"
  exit "$status"
fi
rm -f "$why"

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
