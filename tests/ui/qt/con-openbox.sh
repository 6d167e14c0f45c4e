#!/usr/bin/env bash
# Runs a command on a private Xvfb display of the given size with the openbox
# window manager, as a desktop would run the program: windows get their
# frames and title bars from the window manager. Stops both afterwards,
# whatever the command does.
#   tests/ui/qt/con-openbox.sh 1366x768x24 command [arguments...]
set -euo pipefail
tamano=$1; shift
source "$(dirname "$0")/../../../scripts/pantalla.sh"
IniciarPantalla "$tamano"
IniciarGestorDeVentanas
trap PararPantalla EXIT
"$@"
