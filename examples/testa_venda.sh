#!/bin/sh
# Runs the venda example against the printer simulator on a pseudo-terminal ("serial") or
# through the vendor-library stand-in ("fornecedor"), and checks the frames the printer received.
#   testa_venda.sh serial <serialsim> <venda>
#   testa_venda.sh fornecedor <libsulvanir.so> <venda>
set -u
modo=$1
programa=$2
venda=$3

. "$(dirname "$0")/prepara_impressora.sh"

# Under Wine, Plenvo's "Gerar Log" is a value of the real HKEY_LOCAL_MACHINE and the weekday log a file
# on drive C of the prefix: switched on here, both looked at after the sale.
chave_plenvo='HKLM\Software\KVT Automação Comercial\DLL Vardex 32 bits\V4.03'
if [ -n "$executa" ]; then
  rm -f "$WINEPREFIX"/drive_c/???.log
  wine reg add "$chave_plenvo" /v 'Gerar Log' /d 1 /f >/dev/null 2>&1 || { echo "cannot set Gerar Log"; exit 1; }
fi

$executa "$venda" COM1 >"$pasta/saida"
codigo=$?  # venda's own exit code, which a pipe into tee would hide
sem_cr "$pasta/saida"
cat "$pasta/saida"
espera_simulador
esperado=$(
  quadro 00
  quadro 11
  quadro "05$(printf '%-13s%-62s%7s%9s%2s%2s%s' 7891234567895 'Cafe torrado 500 g' 1000 1290 T1 UN I)"
  quadro "10$(printf '01%-10s%10s' Dinheiro 2000)"
  quadro "09$(printf '%-8s' Obrigado)"
)

recebido=$(grep -E '^[0-9A-F]+$' "$pasta/quadros.hex")
if [ "$codigo" -ne 0 ] || [ "$recebido" != "$esperado" ]; then
  echo "venda ended with $codigo"
  echo "frames received:"; echo "$recebido"
  echo "frames expected:"; echo "$esperado"
  exit 1
fi
grep -q "^ecf_FechaCupom *33 ok$" "$pasta/saida" || exit 1
if [ -n "$executa" ]; then
  wine reg query "$chave_plenvo" /v 'Gerar Log' 2>/dev/null | tr -d '\r' | grep -q 'Gerar Log.*REG_SZ.*1$' ||
    { echo "Gerar Log is not 1 in the registry after the sale"; exit 1; }
  log=$(ls "$WINEPREFIX"/drive_c/???.log 2>/dev/null | head -n 1)
  [ -n "$log" ] && grep -q "Leitura Entrada Registry: \[Gerar Log=1\]" "$log" ||
    { echo "no weekday log on drive C with the exchange"; exit 1; }
  echo "Gerar Log read from HKEY_LOCAL_MACHINE; exchange logged in C:\\$(basename "$log")"
fi
echo "venda: every frame reached the printer as expected"
