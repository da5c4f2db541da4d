# Sourced by the scripts that run Windows programs under Wine (wine-tests.sh, check-packages.sh).
#
# wine_session ARCH (i686 or x86_64): status 0 with a Wine session started, 2 when that
# architecture's Wine is not installed, 1 when Wine cannot start; says why on standard error.
# The session: one prefix in build-wine/prefix, made on first use; one persistent wineserver with
# Wine's own services (each program would otherwise start and stop its own), started away from the
# caller's output (started by a program whose output is a pipe, they would hold the pipe open and
# its reader would wait for them); no Wine debug output. wine_session_end ends it (callers trap
# EXIT with it).
wine_session() {
  export WINEPREFIX=${WINEPREFIX:-$PWD/build-wine/prefix}
  export WINEDEBUG=-all
  # No Mono or Gecko installer prompts: neither .NET nor HTML is needed.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export DISPLAY=
  if ! command -v wine >/dev/null; then
    echo "wine is not installed (scripts/install-deps.sh wine installs it)" >&2
    return 2
  fi
  if [ "$1" = i686 ] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    echo "wine32 (i386) is not installed and cannot run 32-bit programs" \
         "(scripts/install-deps.sh wine installs it when the package mirror offers it)" >&2
    return 2
  fi
  # Debian's wine starts every program, 64-bit ones too, through the 32-bit loader once wine32 is
  # installed. The programs a session starts by name (reg, wineboot, winepath) would then be 32-bit
  # ones, whose HKLM\Software is the registry's 32-bit view: what "wine reg add" sets there a 64-bit
  # program never reads. Each lane's "wine" is its own architecture's loader: for x86_64, "wine" and
  # "wine-stable" (which wineboot and winepath call) are put ahead of Debian's in PATH. A kernel or
  # sandbox without 32-bit (i386) programs refuses the 32-bit loader, and the i686 lane cannot run.
  local loader32=/usr/lib/wine/wine loader64=/usr/lib/wine/wine64
  if [ "$1" = i686 ] && [ -x "$loader32" ] && ! "$loader32" --version >/dev/null 2>&1; then
    echo "this machine cannot run 32-bit (i386) programs, so 32-bit Wine cannot start" >&2
    return 2
  fi
  if [ "$1" = x86_64 ] && [ -x "$loader64" ]; then
    local only64 name
    only64=$(dirname "$WINEPREFIX")/wine64-only
    mkdir -p "$only64"
    for name in wine wine-stable; do
      printf '#!/bin/sh\nexec %s "$@"\n' "$loader64" >"$only64/$name" && chmod +x "$only64/$name" ||
        { echo "cannot write $only64/$name" >&2; return 1; }
    done
    case ":$PATH:" in *":$only64:"*) ;; *) export PATH="$only64:$PATH" ;; esac
    export WINELOADER=$loader64
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || { echo "cannot make the Wine prefix $WINEPREFIX" >&2; return 1; }
  fi
  # A server still going away (after wineboot -i or another session) refuses -p, and so does one left
  # behind by a session that was killed, which would never go: end it and wait.
  wineserver -p </dev/null >/dev/null 2>&1 ||
    { wineserver -k </dev/null >/dev/null 2>&1; wineserver -w </dev/null >/dev/null 2>&1
      wineserver -p </dev/null >/dev/null 2>&1; } ||
    { echo "wineserver does not start" >&2; return 1; }
  wineboot </dev/null >/dev/null 2>&1
  return 0
}

# Waits until the server is gone: a new session could otherwise reach the one going away.
wine_session_end() { wineserver -k </dev/null >/dev/null 2>&1; wineserver -w </dev/null >/dev/null 2>&1; true; }

# wine_com_ports ARCH COMn=PATH...: in Wine's port table each COMn leads to PATH, or has no entry when
# PATH is empty. Wine reads the table when it starts: the session of wine_session ARCH restarts.
# Status as wine_session's.
wine_com_ports() {
  local arch=$1 porta
  shift
  for porta in "$@"; do
    if [ -n "${porta#*=}" ]; then
      wine reg add 'HKLM\Software\Wine\Ports' /v "${porta%%=*}" /d "${porta#*=}" /f >/dev/null 2>&1 ||
        { echo "cannot map ${porta%%=*} to ${porta#*=}" >&2; return 1; }
    else
      wine reg delete 'HKLM\Software\Wine\Ports' /v "${porta%%=*}" /f >/dev/null 2>&1  # absent already: fine
    fi
  done
  wine_session_end
  wine_session "$arch"
}
