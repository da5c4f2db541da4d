#!/bin/sh
# Runs the venda example against the printer simulator on a pseudo-terminal ("serial") or
# through the vendor-library stand-in ("fornecedor"), and checks the frames the printer received.
#   testa_venda.sh serial <serialsim> <venda>
#   testa_venda.sh fornecedor <libsulvanir.so> <venda>
set -u
modo=$1
programa=$2
venda=$3

pasta=$(mktemp -d /tmp/plenvo-venda-XXXXXX) || exit 1
simulador=
termina() {
  [ -n "$simulador" ] && kill "$simulador" 2>/dev/null && wait "$simulador" 2>/dev/null
  rm -rf "$pasta"
}
trap termina EXIT

export PLENVO_DRIVE_C="$pasta/c" XDG_CONFIG_HOME="$pasta/config" XDG_STATE_HOME="$pasta/state"
unset SULVANIR_CONEXAO SULVANIR_FALHA SULVANIR_OCUPADO SULVANIR_SEM_ETX SULVANIR_CMC7

if [ "$modo" = serial ]; then
  export PLENVO_SULVANIR="$pasta/sem-fornecedor.so"
  "$programa" -v "$pasta/emul" >"$pasta/caminho" 2>"$pasta/quadros.hex" &
  simulador=$!
  for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
    [ -s "$pasta/caminho" ] && break
    sleep 0.25
  done
  PLENVO_COM1=$(head -n 1 "$pasta/caminho")
  [ -n "$PLENVO_COM1" ] || { echo "serialsim did not start"; exit 1; }
  export PLENVO_COM1
else
  export PLENVO_SULVANIR="$programa" SULVANIR_QUADROS="$pasta/quadros.hex" SULVANIR_PASTA="$pasta/emul"
fi

"$venda" COM1 >"$pasta/saida"
codigo=$?  # venda's own exit code, which a pipe into tee would hide
cat "$pasta/saida"
[ "$modo" = serial ] && sleep 0.3  # the simulator's last frame line reaches its file

# Each frame in upper-case hex: ESC 'f', the command number, the fields.
quadro() { printf '\033f%s' "$1" | od -An -v -tx1 | tr -d ' \n' | tr a-f A-F; echo; }
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
