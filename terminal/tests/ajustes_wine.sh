#!/bin/bash
# Tarnel's settings in the registry of a Windows system, under Wine: the window's exit saves them
# under HKEY_CURRENT_USER, where `reg query` shows them by name, type and data; values changed with
# `reg add` come back through the start-up.
#   ajustes_wine.sh <ajustes_janela.exe>     (TARNEL_WINE_ARCH: i686 or x86_64)
set -uo pipefail
programa=$1
arch=${TARNEL_WINE_ARCH:?TARNEL_WINE_ARCH must name the Wine architecture (i686 or x86_64)}
raiz=$(cd "$(dirname "$0")/../.." && pwd)

# reg writes into a pipe in the OEM code page of Wine's locale. A Brazilian locale gives code page
# 850, which holds every accented letter of the key and value names ("Versão", "Gravação",
# "Execução"), so the lines compare byte for byte; and Wine takes accented arguments only from a
# UTF-8 locale. Where the C library has no pt_BR.UTF-8, one is built once into build-wine/locale.
tem_locale() { [ "$(LC_ALL=pt_BR.UTF-8 locale charmap 2>/dev/null)" = UTF-8 ]; }
if ! tem_locale; then
  export LOCPATH="$raiz/build-wine/locale"
  if ! tem_locale; then
    mkdir -p "$raiz/build-wine"
    novo=$(mktemp -d "$raiz/build-wine/locale-XXXXXX") &&
      localedef -i pt_BR -f UTF-8 "$novo/pt_BR.UTF-8" >/dev/null 2>&1 &&
      { rm -rf "$LOCPATH"; mv "$novo" "$LOCPATH"; } ||
      { rm -rf "$novo"; echo "cannot build the pt_BR.UTF-8 locale (localedef and the locales package)"; exit 1; }
  fi
fi
export LC_ALL=pt_BR.UTF-8

pasta=$(mktemp -d /tmp/tarnel-ajustes-XXXXXX) || exit 1
# A prefix of its own, so that its Wine session stops no other test.
export WINEPREFIX="$raiz/build-wine/ajustes"
. "$raiz/scripts/wine-session.sh"
termina() { wine_session_end; rm -rf "$pasta"; }
trap termina EXIT
wine_session "$arch" || exit 1
unset TARNEL_PLANILHA  # the engine must come from the settings
cd "$pasta" || exit 1

falhas=0
falha() { echo "FAIL: $*"; falhas=$((falhas + 1)); }
# The lines given (UTF-8 here) in the code page of the file compared with them.
em() { printf '%s\n' "${@:2}" | iconv -f UTF-8 -t "$1"; }
# confere CODE_PAGE FILE LINE...: each line is a whole line of the file, byte for byte.
confere() {
  local pagina=$1 arquivo=$2 linha
  shift 2
  for linha in "$@"; do
    LC_ALL=C grep -Fxq -- "$(em "$pagina" "$linha")" "$arquivo" || falha "no line '$linha' in $(basename "$arquivo")"
  done
}

chave=$(wine "$programa" chave | tr -d '\r' | iconv -f CP1252 -t UTF-8)
[ -n "$chave" ] || { echo "ajustes_janela chave printed nothing"; exit 1; }
wine reg delete "HKCU\\$chave" /f >/dev/null 2>&1  # an earlier run's key; absent is fine

arquivo='C:\Testes\Ajustes\Sangria Três.RMT'
wine "$programa" grava "$arquivo" 17 || falha "ajustes_janela grava ended with $?"
wine reg query "HKCU\\$chave" 2>&1 | tr -d '\r' >"$pasta/consulta"
confere CP850 "$pasta/consulta" \
  "HKEY_CURRENT_USER\\$chave" \
  "    Arquivo de Comandos    REG_SZ    $arquivo" \
  "    Gravação de Comandos Ativada    REG_DWORD    0x0" \
  "    Timeout Execução Comando    REG_DWORD    0x11"

outro='C:\Testes\Ajustes\Operação Noturna.RMT'
wine reg add "HKCU\\$chave" /v 'Arquivo de Comandos' /d "$outro" /f >/dev/null 2>&1 || falha "reg add Arquivo de Comandos"
wine reg add "HKCU\\$chave" /v 'Motor da Planilha' /d 'Excel' /f >/dev/null 2>&1 || falha "reg add Motor da Planilha"
wine "$programa" mostra | tr -d '\r' >"$pasta/restaurado" || falha "ajustes_janela mostra ended with $?"
confere CP1252 "$pasta/restaurado" \
  "ArquivoComandos=$outro" \
  "GravaComandos=0" \
  "TimeoutComando=17" \
  "Planilha=Excel"

if [ "$falhas" -ne 0 ]; then
  echo "reg query:"; iconv -f CP850 -t UTF-8 "$pasta/consulta"
  echo "restored:"; iconv -f CP1252 -t UTF-8 "$pasta/restaurado"
  exit 1
fi
echo "settings saved under HKEY_CURRENT_USER\\$chave and restored from it"
