# Sourced by the scripts that need an X display of their own:
#   source scripts/pantalla.sh; IniciarPantalla 1024x768x24
# starts Xvfb on the first free display number, waits for it, exports
# DISPLAY (and XDG_RUNTIME_DIR when unset) and leaves its process id in
# $PID_PANTALLA for the caller's trap to stop. IniciarGestorDeVentanas then
# starts openbox on it, waits until it manages the screen, and leaves its
# process id in $PID_GESTOR.
IniciarPantalla() {
  local tamano=${1:-1024x768x24} n
  for n in $(seq 90 160); do
    [ -e /tmp/.X11-unix/X$n ] || break
  done
  Xvfb :$n -screen 0 "$tamano" -nolisten tcp >/dev/null 2>&1 &
  PID_PANTALLA=$!
  for _ in $(seq 100); do
    [ -e /tmp/.X11-unix/X$n ] && break
    sleep 0.05
  done
  export DISPLAY=:$n
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
  fi
}

IniciarGestorDeVentanas() {
  openbox >/dev/null 2>&1 &
  PID_GESTOR=$!
  # The window manager is up once it has claimed the screen.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
}
