#!/bin/sh
# Without a display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset or empty) the window's
# program says so in one line on the error output and exits 2, where Qt would abort it; so it does
# when the X display named does not open.
# Usage: sem_tela.sh TARNEL
programa=$1
pasta=$(mktemp -d) || exit 2
trap 'rm -rf "$pasta"' EXIT
esperado='tarnel: não há tela gráfica (DISPLAY e WAYLAND_DISPLAY não estão definidos); use o tarnel-cli (tarnel-cli --help)'
falhas=0
for como in sem vazias; do
  if [ "$como" = sem ]; then
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programa" >"$pasta/saida" 2>"$pasta/erros"
  else
    env DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= "$programa" >"$pasta/saida" 2>"$pasta/erros"
  fi
  status=$?
  if [ "$status" -ne 2 ]; then
    echo "variables $como: exit $status, expected 2"
    falhas=1
  fi
  if ! printf '%s\n' "$esperado" | cmp -s - "$pasta/erros"; then
    echo "variables $como: error output was:"
    cat "$pasta/erros"
    falhas=1
  fi
  if [ -s "$pasta/saida" ]; then
    echo "variables $como: unexpected output:"
    cat "$pasta/saida"
    falhas=1
  fi
done
# A display that does not open (no X server behind it): the same, naming it.
esperado='tarnel: a tela gráfica DISPLAY=:987 não abre; use o tarnel-cli (tarnel-cli --help)'
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$programa" >"$pasta/saida" 2>"$pasta/erros"
status=$?
if [ "$status" -ne 2 ] || ! printf '%s\n' "$esperado" | cmp -s - "$pasta/erros" || [ -s "$pasta/saida" ]; then
  echo "DISPLAY=:987: exit $status, error output was:"
  cat "$pasta/erros"
  falhas=1
fi
exit $falhas
