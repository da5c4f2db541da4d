#!/bin/sh
# Runs the cheque example against the printer simulator on a pseudo-terminal ("serial") or through
# the vendor-library stand-in ("fornecedor"): the frames the printer received, the cheque it
# printed, and the CMC-7 line stored in the file.
#   testa_cheque.sh serial <serialsim> <cheque>
#   testa_cheque.sh fornecedor <libsulvanir.so> <cheque>
set -u
modo=$1
programa=$2
cheque=$3
linha_cmc7='<34191234<5678901234>567890123456:'
opcoes_simulador="-c $linha_cmc7"

exemplos=$(cd "$(dirname "$0")" && pwd)
. "$exemplos/prepara_impressora.sh"
export SULVANIR_CMC7="$linha_cmc7"

cd "$pasta" || exit 1
"$cheque" COM1 "$exemplos/leiaute_cheque.ini" 001 "$pasta/cmc7.txt" >"$pasta/saida"
codigo=$?
cat "$pasta/saida"
espera_simulador

# Section [001]: Valor, Extenso, Favorecido, Cidade, Mensagem, Data.
posicoes='1100201''015050050701''0100901''0601101''0101401''090100115'
textos="$(printf '%14s%-30s%-20s%-30s%6s%-15s%-17s' 1.234,56 'Maria da Silva' Campinas 'Aluguel de janeiro' 150124 real reais)"
esperado=$(
  quadro "34${posicoes}${textos}0020"
  quadro 53
  quadro 49
)
recebido=$(grep -E '^[0-9A-F]+$' "$pasta/quadros.hex")
[ "$modo" = serial ] && impresso="$pasta/quadros.hex" || impresso="$pasta/cheques.txt"
falha=
[ "$codigo" -eq 0 ] || falha="cheque ended with $codigo"
[ "$recebido" = "$esperado" ] || falha="frames differ"
grep -q '^  Favorecido 010,09,0,1$' "$impresso" && grep -q '^  texto 2 "Maria da Silva"$' "$impresso" ||
  falha="no cheque record"
[ "$(od -An -v -c "$pasta/cmc7.txt" | tr -d ' \n')" = "002$linha_cmc7" ] || falha="CMC-7 file differs"
grep -q "^CMC-7: $linha_cmc7\$" "$pasta/saida" || falha="CMC-7 line not shown"
if [ -n "$falha" ]; then
  echo "$falha"
  echo "frames received:"; echo "$recebido"
  echo "frames expected:"; echo "$esperado"
  echo "printed:"; cat "$impresso"
  exit 1
fi
echo "cheque: the cheque was printed and its CMC-7 line read as expected"
