#!/bin/sh
# confere_planilha.sh ORCUS_XLS_XML PLANILHA: the workbook loads in orcus and ixion computes each of
# its formulas to a value, none to an error (#DIV/0!, #NAME?, #VALUE!, #ERR! ...). The tool's exit
# status says nothing here (it ends with 1 after a good dump too), so its output is what is read.
set -u
orcus=$1
planilha=$2
saida=$(mktemp)
trap 'rm -f "$saida"' EXIT

"$orcus" -r --dump-check "$planilha" >"$saida" 2>&1
formulas=$(grep -o 'ss:Formula=' "$planilha" | wc -l)
calculadas=$(grep -c '^[A-Za-z]*/[0-9]*/[0-9]*:formula:' "$saida")
erros=$(grep '^[A-Za-z]*/[0-9]*/[0-9]*:formula:' "$saida" | grep -E ':#[A-Z/0-9]+[!?]?$' || true)

if [ "$formulas" -eq 0 ] || [ "$calculadas" -ne "$formulas" ]; then
  echo "orcus calculou $calculadas de $formulas fórmulas de $planilha:" >&2
  grep -v '^[A-Za-z]*/[0-9]*/[0-9]*:' "$saida" | head -5 >&2
  exit 1
fi
if [ -n "$erros" ]; then
  echo "fórmulas que dão erro em $planilha:" >&2
  echo "$erros" | cut -c1-200 | head -20 >&2
  exit 1
fi
echo "$planilha: $formulas fórmulas calculadas sem erro"
