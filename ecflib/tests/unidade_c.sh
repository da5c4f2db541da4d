#!/bin/bash
# Plenvo's files on drive C as a point-of-sale program finds them: the cheque work file prt77q.ini
# kept, in text mode, after a layout with a bad key and gone after a good one; the weekday log
# holding the exchanges once "Gerar Log" is set in the registry. Under Wine (TARNEL_WINE_ARCH)
# drive C is the prefix's drive_c and the setting a value of the real registry, set with reg add;
# natively they are PLENVO_DRIVE_C and the registry's stand-in, set through ecf_LogSerial. The same
# expectations for both.
#   unidade_c.sh <serialsim> <chamadas_com>
set -u
simulador=$1
chamadas=$2
. "$(dirname "$0")/portas_com.sh"

simula
liga_portas "COM6=$caminho"
rm -f "$unidade_c/prt77q.ini" "$unidade_c"/???.log

falhas=0
falha() {
  echo "FAIL $1"
  shift
  [ $# -gt 0 ] && printf '  %s\n' "$@"
  falhas=$((falhas + 1))
}
# chama CALL... -- EXPECTED LINE...: chamadas_com on COM6 prints exactly those lines.
chama() {
  local argumentos=()
  while [ "$1" != -- ]; do argumentos+=("$1"); shift; done
  shift
  local recebido esperado
  recebido=$($wine "$chamadas" COM6 "${argumentos[@]}" 2>&1 | tr -d '\r')
  esperado=$(printf '%s\n' "$@")
  [ "$recebido" = "$esperado" ] || falha "${argumentos[*]}" "got: $recebido" "expected: $esperado"
}
# A file of ours as the program names it.
nome_para_programa() { if [ -n "$wine" ]; then winepath -w "$1"; else echo "$1"; fi; }
gerar_log() {
  if [ -n "$wine" ]; then
    wine reg add 'HKLM\Software\KVT Automação Comercial\DLL Vardex 32 bits\V4.03' /v 'Gerar Log' /d "$1" /f \
      >/dev/null 2>&1 || { echo "cannot set Gerar Log"; exit 1; }
  else
    # Kept in the registry by ecf_FinalizaDLL.
    chama "log:$1" -- "ecf_InicializaDLL 33" "ecf_LogSerial $1"
  fi
}

gerar_log 0
# Layout section [001] (short form) after a comment, its header behind a number, one line ended
# with CR LF; eSpacamento decides.
leiaute() {
  printf '%s\n' '; formularios' '12 [001]' 'Valor=5,3' 'Extenso=10,5,10,6' 'Favorecido=10,7' 'Cidade=10,9' |
    sed '2s/$/\r/'
  printf '%s\n' 'Mensagem=10,11' 'Data=40,50,60' "eSpacamento=$1"
  # A Ctrl-Z ends the file read in text mode: what an old editor left behind it is not copied.
  printf '\032Lixo=1\n[002]\n'
}
leiaute 0 >"$pasta/ruim.ini"
leiaute 2 >"$pasta/bom.ini"
chama "cheque:$(nome_para_programa "$pasta/ruim.ini")" -- "ecf_InicializaDLL 33" "ecf_ImprimeCheque 28"
esperado=$'; formularios\r\n[001]\r\nValor=5,3\r\nExtenso=10,5,10,6\r\nFavorecido=10,7\r\nCidade=10,9\r\n'
esperado+=$'Mensagem=10,11\r\nData=40,50,60\r\neSpacamento=0\r\n'
if [ ! -f "$unidade_c/prt77q.ini" ]; then
  falha "no prt77q.ini on drive C after a bad key"
elif [ "$(od -An -c "$unidade_c/prt77q.ini")" != "$(printf '%s' "$esperado" | od -An -c)" ]; then
  falha "prt77q.ini differs" "got:" "$(od -An -c "$unidade_c/prt77q.ini")" "expected:" "$(printf '%s' "$esperado" | od -An -c)"
fi
chama "cheque:$(nome_para_programa "$pasta/bom.ini")" -- "ecf_InicializaDLL 33" "ecf_ImprimeCheque 33"
[ -e "$unidade_c/prt77q.ini" ] && falha "prt77q.ini still on drive C after a good cheque"

# The weekday log: the C library's English abbreviation of the local date (either side of midnight).
dias="$(LC_ALL=C date +%a) "
tx='TX \[[0-2][0-9]:[0-5][0-9]:[0-5][0-9] [0-9]{3}ms\] - '$'\033''f00'$'\r''$'
chama estado -- "ecf_InicializaDLL 33" "ecf_EstadoImpressora 33"
grep -aqE '^TX ' "$unidade_c"/???.log 2>/dev/null && falha "exchanges logged with Gerar Log 0"
gerar_log 1
chama estado -- "ecf_InicializaDLL 33" "ecf_EstadoImpressora 33"
dias+=$(LC_ALL=C date +%a)
log=
for dia in $dias; do [ -f "$unidade_c/$dia.log" ] && log="$unidade_c/$dia.log"; done
if [ -z "$log" ]; then
  falha "no weekday log ($dias) on drive C" "there: $(ls "$unidade_c")"
elif ! grep -aqE "$tx" "$log"; then
  falha "no line 'TX [HH:MM:SS mmmms] - ESC f00' ending CR LF in $(basename "$log")" "$(od -c "$log" | tail -n 12)"
fi

[ "$falhas" -eq 0 ] && echo "ok   drive C: prt77q.ini kept on a bad key, removed after a good cheque; $(basename "$log") logs the exchange"
[ "$falhas" -eq 0 ]
