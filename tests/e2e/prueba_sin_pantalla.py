#!/usr/bin/python3
"""Velmora started where there is no display to open: end-to-end test.

Starts the built program with no DISPLAY, and with a DISPLAY that names no
X server, and expects one clear line naming the display it tried and the
exit status 1, not the toolkit's advice and an abort.

    /usr/bin/python3 tests/e2e/prueba_sin_pantalla.py path/to/velmora
"""
import os
import subprocess
import sys


def arrancar(ejecutable, pantalla):
    entorno = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    if pantalla is not None:
        entorno["DISPLAY"] = pantalla
    return subprocess.run([ejecutable], env=entorno, capture_output=True, text=True, timeout=30)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    ejecutable = os.path.abspath(sys.argv[1])
    libre = next(n for n in range(900, 999) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
    casos = [
        (None, "velmora: no se puede abrir la pantalla (la variable DISPLAY no esta definida).\n"),
        (f":{libre}", f'velmora: no se puede abrir la pantalla ":{libre}".\n'),
    ]
    fallos = 0
    for pantalla, esperado in casos:
        hecho = arrancar(ejecutable, pantalla)
        if hecho.returncode != 1 or hecho.stderr != esperado or hecho.stdout:
            fallos += 1
            print(f"FAIL: DISPLAY={pantalla!r}: status {hecho.returncode}, "
                  f"stderr {hecho.stderr!r}, expected status 1 and {esperado!r}")
        else:
            print(f"ok: DISPLAY={pantalla!r}: {esperado.strip()}")
    print(f"{len(casos) - fallos} passed, {fallos} failed")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
