#!/bin/sh
# Installs exactly what the build, the tests and the cross-builds need on Debian 12; with the
# argument "fuzz", also clang and its libFuzzer runtime for `make fuzz`; with "wine", Wine to run
# the Windows builds' tests (`make wine32`, `make wine64`): wine64, and wine32 from the i386
# architecture, which this script adds to dpkg; and the locale sources the registry test builds its
# Brazilian locale from.
# Idempotent: silent and quick when everything is already there.
set -e

PACKAGES="
cmake
ninja-build
ccache
g++
make
pkg-config
libgtest-dev
libgmock-dev
libbenchmark-dev
zlib1g-dev
libcli11-dev
libedit-dev
g++-mingw-w64-i686-posix
g++-mingw-w64-x86-64-posix
binutils-mingw-w64-i686
binutils-mingw-w64-x86-64
mingw-w64-tools
libz-mingw-w64-dev
googletest
liborcus-dev
liborcus-bin
libixion-dev
libboost-dev
qt6-base-dev
libxcb1-dev
qt6-svg-dev
qt6-qpa-plugins
fonts-dejavu-core
libreoffice-calc-nogui
"
if [ "$1" = fuzz ]; then
  PACKAGES="$PACKAGES clang-14 libclang-rt-14-dev"
fi
if [ "$1" = wine ]; then
  PACKAGES="$PACKAGES wine wine64 wine32:i386 locales"
fi

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "install-deps: installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
case "$missing" in
  *:i386*)
    dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386 ;;
esac
# A mirror in the middle of a sync fails one index and keeps the others: go on with what came.
$SUDO apt-get update -q || echo "install-deps: apt-get update reported errors, going on" >&2
if [ "$1" = wine ]; then
  # wine32 needs every i386 library at the same version as its amd64 twin; when the mirror cannot
  # offer that, the 64-bit part still installs and make wine32 says what is missing.
  rest=$(echo "$missing" | tr ' ' '\n' | grep -v ':i386$' | tr '\n' ' ')
  # shellcheck disable=SC2086
  [ -z "$(echo $rest)" ] || $SUDO apt-get install -y -q --no-install-recommends $rest
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -q --no-install-recommends wine32:i386 ||
    echo "install-deps: wine32 (i386) cannot be installed from this mirror now; 32-bit Windows tests cannot run" >&2
  exit 0
fi
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
