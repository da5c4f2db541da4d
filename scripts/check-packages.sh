#!/bin/bash
# Checks what make package built: each package's files against packaging/conteudo-deb.txt or
# packaging/conteudo-windows.txt (one path a line, folders left out) and the Debian package's
# description and LEIAME; then installs the Debian package into a scratch folder and builds the
# venda example against it with pkg-config --cflags --libs plenvo, and runs it on the packaged
# printer simulator.
#
# Usage: scripts/check-packages.sh [PACKAGE...]
#        (default: build/pacotes/*.deb, build-mingw32/pacotes/*.zip, build-mingw64/pacotes/*.zip)
set -uo pipefail
cd "$(dirname "$0")/.."

. scripts/report.sh

# The package's files, one path a line, without "./" nor the zip's top folder.
contents() {
  case "$1" in
    *.deb) dpkg -c "$1" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' ;;
    *.zip) cmake -E tar tf "$1" | grep -v '/$' | sed 's|^[^/]*/||' ;;
  esac | LC_ALL=C sort
}

check_contents() {  # check_contents PACKAGE EXPECTED_LIST
  local differences
  differences=$(diff <(LC_ALL=C sort "$2") <(contents "$1") | grep '^[<>]' |
                sed 's/^</missing:/; s/^>/unexpected:/' | tr '\n' ' ')
  if [ -z "$differences" ]; then
    report PASS "$1: exactly the $(grep -c . "$2") files of $2"
  else
    report FAIL "$1: ${differences% }"
  fi
}

# The example built from the installed package, as an integrator would, and one sale on the
# simulator the package ships.
check_example() {  # check_example DEB
  local root
  root=$(mktemp -d)
  dpkg -x "$1" "$root"
  local flags
  # /usr/include and /usr/lib are system folders pkg-config leaves out; under the scratch root they
  # are not, so it must give them (prefixed with the root).
  if ! flags=$(PKG_CONFIG_SYSROOT_DIR=$root PKG_CONFIG_LIBDIR=$root/usr/lib/pkgconfig PKG_CONFIG_ALLOW_SYSTEM_CFLAGS=1 \
               PKG_CONFIG_ALLOW_SYSTEM_LIBS=1 pkg-config --cflags --libs plenvo); then
    report FAIL "$1: pkg-config does not know plenvo from the package"
  elif ! cc -o "$root/venda" "$root/usr/share/doc/tarnel/exemplos/venda.c" $flags 2>"$root/cc.txt"; then
    report FAIL "$1: venda.c does not build with pkg-config --cflags --libs plenvo: $(cat "$root/cc.txt")"
  elif ! LD_LIBRARY_PATH=$root/usr/lib sh examples/testa_venda.sh serial "$root/usr/bin/serialsim" "$root/venda" \
         >"$root/venda.txt" 2>&1; then
    report FAIL "$1: the example built from the package did not sell on the packaged simulator: $(tail -n 5 "$root/venda.txt")"
  else
    report PASS "$1: venda.c built with pkg-config ($flags) sells on the packaged simulator"
  fi
  rm -rf "$root"
}

# The Debian package's extended description says what the package is and warns that the packaged
# vendor-library stand-in takes every Plenvo program to the emulated printer; the packaged LEIAME
# begins with the same text.
check_description() {  # check_description DEB
  local description leiame
  # The control field's continuation lines, without their leading space; " ." is an empty line.
  description=$(dpkg-deb -f "$1" Description | tail -n +2 | sed 's/^ //; s/^\.$//')
  leiame=$(dpkg-deb --fsys-tarfile "$1" | tar -xOf - ./usr/share/doc/tarnel/LEIAME.txt 2>/dev/null)
  if [ -z "$description" ]; then
    report FAIL "$1: the package has no extended description"
  elif ! grep -q 'PLENVO_SULVANIR=none' <<<"$description"; then
    report FAIL "$1: the extended description does not say how to keep Plenvo off the packaged libsulvanir.so"
  elif [[ "$leiame" != *"$description"* ]]; then
    report FAIL "$1: usr/share/doc/tarnel/LEIAME.txt does not hold the package's description"
  else
    report PASS "$1: extended description of $(wc -l <<<"$description") lines, warning of libsulvanir.so, in LEIAME.txt too"
  fi
}

# The zip unpacked as a technician would, and tarnel-cli.exe reading a register of the emulated
# printer through the DROVIK.dll beside it, under Wine when that architecture's Wine is there.
check_windows_run() {  # check_windows_run ZIP
  local arch
  case "$1" in
    *-i686.zip) arch=i686 ;;
    *) arch=x86_64 ;;
  esac
  local why
  why=$(mktemp)
  if ! wine_session "$arch" 2>"$why"; then
    echo "SKIP $1: tarnel-cli.exe not run: $(cat "$why")"
    rm -f "$why"
    return
  fi
  rm -f "$why"
  local root
  root=$(mktemp -d)
  local zip
  zip=$(realpath "$1")
  (cd "$root" && cmake -E tar xf "$zip")
  local cli
  cli=$(find "$root" -name tarnel-cli.exe | head -n 1)
  mkdir -p "$root/trabalho"
  local saida
  saida=$(cd "$root/trabalho" && wine "$cli" registrador COO </dev/null 2>&1 | tr -d '\r')
  if grep -qx "Valor: [0-9]*" <<<"$saida"; then
    report PASS "$1: tarnel-cli.exe from the zip reads COO on the emulated printer ($(grep -x 'Valor: [0-9]*' <<<"$saida"))"
  else
    report FAIL "$1: tarnel-cli.exe from the zip did not read COO: $saida"
  fi
  rm -rf "$root"
}

. scripts/wine-session.sh
trap wine_session_end EXIT

if [ $# -eq 0 ]; then
  set -- build/pacotes/*.deb build-mingw32/pacotes/*.zip build-mingw64/pacotes/*.zip
fi
for package in "$@"; do
  if [ ! -f "$package" ]; then
    report FAIL "$package: not built (make package)"
    continue
  fi
  case "$package" in
    *.deb) check_contents "$package" packaging/conteudo-deb.txt; check_description "$package"; check_example "$package" ;;
    *.zip) check_contents "$package" packaging/conteudo-windows.txt; check_windows_run "$package" ;;
    *) report FAIL "$package: neither a .deb nor a .zip" ;;
  esac
done

if [ "$failed" -eq 0 ]; then
  echo "check-packages: all $checked checks passed"
  exit 0
fi
echo "check-packages: $failed of $checked checks failed"
exit 1
