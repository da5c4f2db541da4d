#!/bin/sh
# Starts Tarnel on the emulated printer, after the build (make run): the window when it was built,
# otherwise tarnel-cli's shell. Both run in a per-user working folder, where the emulator keeps its
# context file and the command files land, so they persist between runs and stay out of the
# repository. Extra arguments go to the program.
set -e

raiz=$(cd "$(dirname "$0")/.." && pwd)
bin="$raiz/build/bin"
if [ -n "$XDG_DATA_HOME" ]; then
  pasta="$XDG_DATA_HOME/tarnel"
elif [ -n "$HOME" ]; then
  pasta="$HOME/.local/share/tarnel"
else
  echo "run-tarnel: sem HOME nem XDG_DATA_HOME, não há onde pôr a pasta de trabalho" >&2
  exit 2
fi

# The window needs a desktop: on a machine without one (no X11 or Wayland display) say so and use
# the shell instead.
tem_tela() { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; }

if [ -x "$bin/tarnel" ] && tem_tela; then
  programa="$bin/tarnel"
elif [ -x "$bin/tarnel-cli" ]; then
  programa="$bin/tarnel-cli"
else
  echo "run-tarnel: build/bin/tarnel-cli não existe; construa antes com make build (ou use make run)" >&2
  exit 2
fi

mkdir -p "$pasta"
# The example bank layouts for the cheque command, on the first run only: never over the user's own.
[ -e "$pasta/CHEQUES.INI" ] || cp "$raiz/examples/CHEQUES.INI" "$pasta/CHEQUES.INI"
# The example workbook for the spreadsheet cross-check, likewise: the user's own workbook, with
# what earlier runs mirrored into it, is never replaced.
[ -e "$pasta/PlanilhaECF.xls" ] || [ ! -e "$raiz/build/exemplos/PlanilhaECF.xls" ] ||
  cp "$raiz/build/exemplos/PlanilhaECF.xls" "$pasta/PlanilhaECF.xls"
cd "$pasta"

if [ "$programa" = "$bin/tarnel" ]; then
  echo "Tarnel na impressora emulada; pasta de trabalho: $pasta"
  exec "$programa" "$@"
fi
if [ -x "$bin/tarnel" ]; then
  motivo="Sem tela gráfica (DISPLAY e WAYLAND_DISPLAY vazios): Tarnel abre o tarnel-cli shell no lugar da janela"
else
  motivo="Tarnel sem janela (tarnel-cli shell)"
fi
echo "$motivo, na impressora emulada; pasta de trabalho: $pasta; digite ajuda para ver os comandos, sair para terminar."
exec "$programa" shell --canal Emul "$@"
