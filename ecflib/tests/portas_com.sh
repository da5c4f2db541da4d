# Sourced by the scripts that hold Plenvo's calls against printer simulators behind COM ports, on
# Linux or, with TARNEL_WINE_ARCH (i686 or x86_64), from the Windows build under Wine. Gives:
#   $pasta              a private folder, removed at exit with the simulators and the Wine session
#   simula OPTIONS...   a printer simulator ($simulador) started with those options; the
#                       pseudo-terminal it serves in $caminho
#   liga_portas COMn=PATH...  each port leads to PATH (nowhere when PATH is empty): PLENVO_COMn
#                       natively, Wine's port table under Wine (a prefix of its own, build-wine/com1,
#                       shared with the example tests, one at a time, so that restarting Wine to read
#                       the table stops no other test)
#   $wine               "wine" once the ports lead under Wine, else empty: "$wine" PROGRAM runs it
#   $unidade_c          once the ports lead: the folder that is drive C for Plenvo
# No vendor library: Plenvo takes the serial line.
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

pasta=$(mktemp -d /tmp/plenvo-com-XXXXXX) || exit 1
simuladores=()
wine=
termina() {
  for pid in "${simuladores[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  [ -n "$wine" ] && wine_session_end
  rm -rf "$pasta"
}
trap termina EXIT
export PLENVO_DRIVE_C="$pasta/c" XDG_CONFIG_HOME="$pasta/config" XDG_STATE_HOME="$pasta/state"
export PLENVO_SULVANIR="$pasta/sem-fornecedor.so"
unset SULVANIR_CONEXAO SULVANIR_FALHA SULVANIR_OCUPADO SULVANIR_SEM_ETX SULVANIR_CMC7 SULVANIR_CHEQUES

simula() {
  local saida="$pasta/simulador${#simuladores[@]}"
  "$simulador" "$@" "$pasta/emul" >"$saida" 2>/dev/null &
  simuladores+=($!)
  for _ in $(seq 40); do
    [ -s "$saida" ] && break
    sleep 0.1
  done
  caminho=$(head -n 1 "$saida")
  [ -n "$caminho" ] || { echo "serialsim $* did not start"; exit 1; }
}

liga_portas() {
  local porta
  if [ -n "${TARNEL_WINE_ARCH:-}" ]; then
    export WINEPREFIX="$raiz/build-wine/com1"
    . "$raiz/scripts/wine-session.sh"
    wine=wine
    wine_session "$TARNEL_WINE_ARCH" && wine_com_ports "$TARNEL_WINE_ARCH" "$@" || exit 1
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;sulvanir="
    unidade_c="$WINEPREFIX/drive_c"
  else
    for porta in "$@"; do
      if [ -n "${porta#*=}" ]; then export "PLENVO_${porta%%=*}=${porta#*=}"; else unset "PLENVO_${porta%%=*}"; fi
    done
    unidade_c="$PLENVO_DRIVE_C"
  fi
}
