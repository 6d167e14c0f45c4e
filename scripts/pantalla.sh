# Sourced by the scripts that need an X display of their own:
#   source scripts/pantalla.sh; IniciarPantalla 1024x768x24
# starts a private Xvfb display through scripts/pantalla-privada (the server
# picks a free display itself, so two runs never meet), waits until it
# answers, exports DISPLAY (and XDG_RUNTIME_DIR when unset) and leaves the
# helper's process id in $PID_PANTALLA for the caller's trap to stop (the
# display stops with it), or for PararPantalla, which also stops the window
# manager and removes the runtime folder it made. IniciarGestorDeVentanas
# then starts openbox on it, waits until it manages the screen (a test
# that needs one does not go on without it), and leaves its process id in
# $PID_GESTOR.
IniciarPantalla() {
  local tamano=${1:-1024x768x24} salida
  salida=$(mktemp)
  "$(dirname "${BASH_SOURCE[0]}")/pantalla-privada" "$tamano" >"$salida" &
  PID_PANTALLA=$!
  until grep -q . "$salida"; do
    if ! kill -0 "$PID_PANTALLA" 2>/dev/null; then
      rm -f "$salida"
      echo "no private X display could be started" >&2
      return 1
    fi
    sleep 0.025
  done
  DISPLAY=$(head -1 "$salida")
  export DISPLAY
  rm -f "$salida"
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    CARPETA_PANTALLA=$XDG_RUNTIME_DIR
    export XDG_RUNTIME_DIR
  fi
}

PararPantalla() {
  kill ${PID_GESTOR:-} ${PID_PANTALLA:-} 2>/dev/null || true
  [ -n "${CARPETA_PANTALLA:-}" ] && rm -rf "$CARPETA_PANTALLA"
  true
}

IniciarGestorDeVentanas() {
  openbox >/dev/null 2>&1 &
  PID_GESTOR=$!
  # The window manager is up once it has claimed the screen; a test that
  # needs one must not go on without it.
  for _ in $(seq 400); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  echo "the window manager did not start on $DISPLAY" >&2
  return 1
}
