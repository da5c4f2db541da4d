# Sourced by the example tests: a private folder ($pasta) for drive C, the registry and the
# printer's state, and the printer the example talks to as COM1:
#   modo=serial      the printer simulator ($programa = serialsim) on a pseudo-terminal, started with
#                    -v and $opcoes_simulador; its frames and cheques go to $pasta/quadros.hex
#   modo=fornecedor  the vendor-library stand-in ($programa = libsulvanir.so); frames to
#                    $pasta/quadros.hex, cheques to $pasta/cheques.txt
# With TARNEL_WINE_ARCH (i686 or x86_64) the example is a Windows program, run under Wine.
# quadro TEXT prints a frame ESC 'f' TEXT as the upper-case hex lines both write.
pasta=$(mktemp -d /tmp/plenvo-exemplo-XXXXXX) || exit 1
simulador=
executa=
termina() {
  [ -n "$simulador" ] && kill "$simulador" 2>/dev/null && wait "$simulador" 2>/dev/null
  [ -n "$executa" ] && wine_session_end
  rm -rf "$pasta"
}
trap termina EXIT

export PLENVO_DRIVE_C="$pasta/c" XDG_CONFIG_HOME="$pasta/config" XDG_STATE_HOME="$pasta/state"
unset SULVANIR_CONEXAO SULVANIR_FALHA SULVANIR_OCUPADO SULVANIR_SEM_ETX SULVANIR_CMC7 SULVANIR_CHEQUES

if [ "$modo" = serial ]; then
  export PLENVO_SULVANIR="$pasta/sem-fornecedor.so"
  # shellcheck disable=SC2086
  "$programa" -v ${opcoes_simulador:-} "$pasta/emul" >"$pasta/caminho" 2>"$pasta/quadros.hex" &
  simulador=$!
  for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
    [ -s "$pasta/caminho" ] && break
    sleep 0.25
  done
  PLENVO_COM1=$(head -n 1 "$pasta/caminho")
  [ -n "$PLENVO_COM1" ] || { echo "serialsim did not start"; exit 1; }
  export PLENVO_COM1
  if [ -n "${TARNEL_WINE_ARCH:-}" ]; then
    # A Windows example under Wine: COM1 is the simulator's pseudo-terminal, through Wine's port
    # table, read when Wine starts. A prefix of its own (build-wine/com1), so that restarting Wine
    # stops no other test.
    cd "$(dirname "$0")/.." || exit 1
    export WINEPREFIX="$PWD/build-wine/com1"
    . scripts/wine-session.sh
    wine_session "$TARNEL_WINE_ARCH" && wine_com_ports "$TARNEL_WINE_ARCH" "COM1=$PLENVO_COM1" || exit 1
    cd - >/dev/null || exit 1
    # As PLENVO_SULVANIR does off Windows: no vendor library beside the program, so Plenvo takes
    # the serial line.
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;sulvanir="
    executa=wine
  fi
else
  export PLENVO_SULVANIR="$programa" SULVANIR_QUADROS="$pasta/quadros.hex" SULVANIR_PASTA="$pasta/emul" \
         SULVANIR_CHEQUES="$pasta/cheques.txt"
fi

# The example itself: "$executa" "$programa" ... ; Windows programs write CR LF, made LF by sem_cr.
executa=${executa:-}
sem_cr() { tr -d '\r' <"$1" >"$1.lf" && mv "$1.lf" "$1"; }

quadro() { printf '\033f%s' "$1" | od -An -v -tx1 | tr -d ' \n' | tr a-f A-F; echo; }

# The simulator writes what it saw every 100 ms; give it time after the example's last frame.
espera_simulador() { if [ "$modo" = serial ]; then sleep 0.3; fi; }
