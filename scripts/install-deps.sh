#!/bin/sh
# Installs exactly what the build, the tests and the cross-builds need on Debian 12; with the
# argument "fuzz", also clang and its libFuzzer runtime for `make fuzz`.
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
qt6-base-dev
qt6-svg-dev
qt6-qpa-plugins
fonts-dejavu-core
"
if [ "$1" = fuzz ]; then
  PACKAGES="$PACKAGES clang-14 libclang-rt-14-dev"
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
# A mirror caught mid-sync fails the update; the lists already on the machine often still do.
$SUDO apt-get update -q || echo "install-deps: apt-get update failed; installing from the package lists already here"
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
