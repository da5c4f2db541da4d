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
echo "venda: every frame reached the printer as expected"
