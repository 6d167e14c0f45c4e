# Sourced by the scripts that run Velmora's Windows build under Wine:
#   source scripts/wine.sh; IniciarWine build/windows/wine
# makes a fresh Wine prefix in that folder (removing an older one), starts a
# private Xvfb display for it and a persistent wineserver, copies the fonts
# of the fonts-wine package in (Debian's Wine leaves the Fonts folder empty,
# and dialogs would fall back to another font), and sets what a bare X
# server needs: Wine draws its own title bars (Decorated=N) and leaves the
# window manager out (Managed=N: no message box waits for one). Exports
# WINEPREFIX, DISPLAY, WINE and WINESERVER; PararWine stops what it started.
# RutaWindows gives the Windows path of a file, for a Windows program's
# arguments.
# Wine's wineserver is the one its package installs (dpkg -L finds it).
IniciarWine() {
  local prefijo=$1
  # Debian's wineserver keeps its socket in a folder of TMPDIR: one of ours,
  # removed with the rest (PararWine).
  TEMPORAL_WINE=$(mktemp -d -t velmora-wine.XXXXXX)
  export TMPDIR=$TEMPORAL_WINE
  WINE=$(dpkg -L wine64 | grep -m1 '/wine64$')
  WINESERVER=$(dpkg -L wine64 | grep -m1 '/wineserver64$')
  export WINE WINESERVER
  export WINEPREFIX=$(realpath -m "$prefijo") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  source "$(dirname "${BASH_SOURCE[0]}")/pantalla.sh"
  IniciarPantalla 1280x1024x24
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot --init >/dev/null 2>&1
  "$WINESERVER" -w
  cp $(dpkg -L fonts-wine | grep -E '\.(ttf|ttc|fon)$') "$WINEPREFIX/drive_c/windows/Fonts/"
  "$WINESERVER" -p
  PonerRegistro 'HKCU\Software\Wine\X11 Driver' Decorated REG_SZ N
  PonerRegistro 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N
}

# The Windows path under which Wine's programs see a file of this machine.
RutaWindows() {
  echo "Z:$(realpath "$1" | tr / '\\')"
}

# PonerRegistro KEY NAME TYPE VALUE
PonerRegistro() {
  "$WINE" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
}

# Another screen, of WIDTHxHEIGHTxDEPTH, for the programs started afterwards:
# the display and the wineserver are started anew on the same prefix.
CambiarPantalla() {
  "$WINESERVER" -k 2>/dev/null || true
  kill "$PID_PANTALLA" 2>/dev/null || true
  wait "$PID_PANTALLA" 2>/dev/null || true
  IniciarPantalla "$1"
  "$WINESERVER" -p
}

# The screen's dots per inch for the programs started afterwards.
PonerPuntosPorPulgada() {
  PonerRegistro 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$1"
}

PararWine() {
  [ -n "${WINESERVER:-}" ] && "$WINESERVER" -k 2>/dev/null
  PararPantalla
  [ -n "${TEMPORAL_WINE:-}" ] && rm -rf "$TEMPORAL_WINE"
  return 0
}
