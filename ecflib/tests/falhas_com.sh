#!/bin/bash
# Plenvo against faulty printers on COM ports, with the result codes a point-of-sale program sees.
# One printer simulator per fault, each behind its own port; the same calls through each port,
# natively (the ports are PLENVO_COMn) or, with TARNEL_WINE_ARCH (i686 or x86_64), from the Windows
# build under Wine (the ports are Wine's port table). One table of cases and expected codes for
# both, so that the two systems cannot drift apart.
#   falhas_com.sh <serialsim> <chamadas_com>
set -u
simulador=$1
chamadas=$2
. "$(dirname "$0")/portas_com.sh"

# The ports: COM1 leads to a path that does not exist, COM9 to nothing at all.
portas=("COM1=$pasta/nenhuma" "COM9=")
simula -f mudo && portas+=("COM2=$caminho")
simula -f curta:12 && portas+=("COM3=$caminho")
simula -f desliga:12 && portas+=("COM4=$caminho")
simula -f desliga:0 && portas+=("COM5=$caminho")
liga_portas "${portas[@]}"

agora_ms() { date +%s%3N; }
falhas=0
# caso NAME PORT MAX_SECONDS CALLS -- EXPECTED LINE...: the calls through the port print exactly
# the expected lines, within the seconds given (a fault must end the call, not a long time-out).
caso() {
  local nome=$1 porta=$2 limite=$3
  shift 3
  local argumentos=()
  while [ "$1" != -- ]; do argumentos+=("$1"); shift; done
  shift
  local esperado
  esperado=$(printf '%s\n' "$@")
  local inicio recebido decorrido
  inicio=$(agora_ms)
  recebido=$($wine "$chamadas" "$porta" "${argumentos[@]}" 2>&1 | tr -d '\r')
  decorrido=$(($(agora_ms) - inicio))
  if [ "$recebido" != "$esperado" ] || [ "$decorrido" -gt $((limite * 1000)) ]; then
    echo "FAIL $nome on $porta (${decorrido} ms, at most ${limite} s)"
    echo "  got:"; sed 's/^/    /' <<<"$recebido"
    echo "  expected:"; sed 's/^/    /' <<<"$esperado"
    falhas=$((falhas + 1))
  else
    echo "ok   $nome (${decorrido} ms)"
  fi
}

caso "port mapped to a missing path" COM1 5 estado -- "ecf_InicializaDLL 3"
# Natively an unmapped COM9 is /dev/ttyS8; Wine gives the machine's serial devices the COM numbers
# its table leaves free. Where COM9 leads to such a device, it is not missing.
com9=
if [ -n "$wine" ]; then
  com9=$(readlink "$WINEPREFIX/dosdevices/com9")
elif [ -e /dev/ttyS8 ]; then
  com9=/dev/ttyS8
fi
if [ -n "$com9" ]; then
  echo "skipped: port without a mapping (COM9 is $com9 on this machine)"
else
  caso "port without a mapping" COM9 5 estado -- "ecf_InicializaDLL 3"
fi
# The one-shot time-out of 1 s, and 100 ms for the byte awaited: the wait is at least that.
inicio=$(agora_ms)
caso "printer never answers" COM2 6 timeout:1 estado -- \
  "ecf_InicializaDLL 33" "ecf_ProximoTimeout 1" "ecf_EstadoImpressora 10"
if [ $(($(agora_ms) - inicio)) -lt 1100 ]; then
  echo "FAIL the time-out did not last its 1.1 s"
  falhas=$((falhas + 1))
fi
# The register's time-out is 5 s: the silence after the 12th byte must end the read long before.
caso "printer stops in the middle of its answer" COM3 4 registrador -- \
  "ecf_InicializaDLL 33" "ecf_LeRegistrador 10 []"
# The hang-up ends the read at once; then the device is gone and the next call cannot open it.
caso "printer hangs up in the middle of its answer" COM4 4 registrador estado -- \
  "ecf_InicializaDLL 33" "ecf_LeRegistrador 16 []" "ecf_EstadoImpressora 3"
# Before its first byte too: the 5 s of the register's time-out must not be waited out.
caso "printer hangs up before its answer" COM5 2 registrador estado -- \
  "ecf_InicializaDLL 33" "ecf_LeRegistrador 16 []" "ecf_EstadoImpressora 3"

[ "$falhas" -eq 0 ]
