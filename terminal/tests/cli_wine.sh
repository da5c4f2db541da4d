#!/bin/bash
# tarnel-cli.exe as a technician runs it on Windows, under Wine: in a working folder with an accented
# name the emulated printer opens and keeps its files there; an argument with a character
# Windows-1252 lacks is refused before anything is sent (the narrow argv would hold "?" in its
# place); an accented argument travels as typed.
#   cli_wine.sh <tarnel-cli.exe>     (TARNEL_WINE_ARCH: i686 or x86_64)
set -uo pipefail
programa=$1
arch=${TARNEL_WINE_ARCH:?TARNEL_WINE_ARCH must name the Wine architecture (i686 or x86_64)}
raiz=$(cd "$(dirname "$0")/../.." && pwd)

# Wine hands a program its arguments as the locale's bytes decode: a UTF-8 locale.
export LC_ALL=C.UTF-8
base=$(mktemp -d /tmp/tarnel-cli-wine-XXXXXX) || exit 1
pasta="$base/Área de ação"
mkdir -p "$pasta" || exit 1
# The settings test's prefix, under the same lock: no second prefix to make.
export WINEPREFIX="$raiz/build-wine/ajustes"
. "$raiz/scripts/wine-session.sh"
termina() { wine_session_end; rm -rf "$base"; }
trap termina EXIT
wine_session "$arch" || exit 1
cd "$pasta" || exit 1

falhas=0
falha() { echo "FAIL: $*"; falhas=$((falhas + 1)); }
roda() { saida=$(wine "$programa" "$@" </dev/null 2>&1 | tr -d '\r'); status=${PIPESTATUS[0]}; }

roda registrador COO
if [ "$status" -ne 0 ] || ! grep -qx 'Valor: [0-9]*' <<<"$saida"; then
  falha "registrador COO in '$pasta' ended with $status: $saida"
fi
[ -f "$pasta/rasc0.bin" ] || falha "no rasc0.bin in '$pasta': $(ls -A "$pasta")"

roda exec AbreCupomFiscal 'NomeConsumidor=Arroz 日本'
[ "$status" -eq 2 ] || falha "an argument with 日本 ended with $status, not 2: $saida"
grep -qF "tarnel-cli: o argumento 'NomeConsumidor=Arroz ??' tem caracteres fora do Windows-1252" <<<"$saida" ||
  falha "an argument with 日本 was not refused by name: $saida"

roda exec AbreCupomFiscal 'NomeConsumidor=José Conceição'
grep -qF -- '-> {0;AbreCupomFiscal;NomeConsumidor="José Conceição";}' <<<"$saida" ||
  falha "an accented argument did not travel as typed ($status): $saida"

[ "$falhas" -eq 0 ] || exit 1
echo "tarnel-cli.exe works in '$pasta', refuses 日本 and sends José Conceição"
