#!/bin/bash
# The library search path built into programs and libraries must name no empty folder: the loader
# reads an empty entry as the current folder, and a library left there (libgcc_s.so.1, libz.so.1)
# would then be loaded into the program.
#   check-runpath.sh FILE...
set -uo pipefail
falhas=0
for arquivo in "$@"; do
  caminho=$(readelf -d "$arquivo" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]$/\2/p')
  if [ -z "$caminho" ]; then
    echo "ok   $arquivo: no search path"
  elif [[ ":$caminho:" == *"::"* ]]; then
    echo "FAIL $arquivo: search path '$caminho' has an empty entry (the current folder)"
    falhas=$((falhas + 1))
  else
    echo "ok   $arquivo: $caminho"
  fi
done
exit $((falhas > 0))
