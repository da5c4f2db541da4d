#!/bin/sh
# Each command of the protocol is named in one place: quorbal's list of commands, from which the
# catalogue takes its names and code elsewhere its enumerators. This fails when the name of a command
# appears as a string literal in any other source of the programs and libraries (tests, benchmarks and
# fuzz targets send commands by name as a host program does, and are not looked at).
# Usage: check-command-names.sh SOURCE_DIR
set -eu
cd "$1"
nomes=$(sed -n 's/^ *X(\([A-Za-z]*\)) *\\\{0,1\}$/\1/p' quorbal/include/quorbal/comandos.h)
total=$(echo "$nomes" | wc -l)
if [ "$total" -ne 68 ]; then
  echo "quorbal/include/quorbal/comandos.h: expected 68 commands, read $total"
  exit 1
fi
padrao=$(echo "$nomes" | sed 's/.*/"&"/' | paste -sd'|')
achados=$(grep -rnE "$padrao" --include='*.cpp' --include='*.h' --include='*.c' \
  compat quorbal terminal ecflib emul interfaces examples 2>/dev/null |
  grep -vE '^[^:]*/(tests|bench|fuzz)/' || true)
if [ -n "$achados" ]; then
  echo "$achados"
  echo "command names written outside quorbal's list of commands"
  exit 1
fi
echo "command names: $total, each written once"
