#!/usr/bin/python3
"""Velmora where the desktop is missing something: end-to-end test.

Starts the built program with no DISPLAY, with a DISPLAY that names no X
server, and on a display that goes away while it runs: each time it expects
the program's own line naming the display and the exit status 1, not the
toolkit's English or an abort. Then starts it where the session has no bus:
it must start no bus of its own, write nothing into the home folder and
leave nothing running behind it.

    /usr/bin/python3 tests/e2e/prueba_sin_pantalla.py path/to/velmora
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

AYUDANTE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                        "pantalla-privada")


def entorno(**cambios):
    quitar = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS")
    e = {k: v for k, v in os.environ.items() if k not in quitar}
    e["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(prefix="velmora-e2e-")
    e.update({k: v for k, v in cambios.items() if v is not None})
    return e


def arrancar(ejecutable, pantalla):
    return subprocess.run([ejecutable], env=entorno(DISPLAY=pantalla), capture_output=True,
                          text=True, timeout=30)


def con_pantalla(ejecutable, mientras, **cambios):
    """Starts Velmora on a private display, waits for its window, runs
    `mientras(velmora, pantalla, servidor)` and stops whatever is left."""
    servidor = subprocess.Popen([AYUDANTE], stdout=subprocess.PIPE, text=True)
    velmora = None
    try:
        pantalla = servidor.stdout.readline().strip()
        velmora = subprocess.Popen([ejecutable], env=entorno(DISPLAY=pantalla, **cambios),
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        subprocess.run(["xdotool", "search", "--sync", "--name", "Amortiz"], timeout=20,
                       env=dict(os.environ, DISPLAY=pantalla), capture_output=True)
        return mientras(velmora, pantalla, servidor)
    finally:
        for p in (velmora, servidor):
            if p and p.poll() is None:
                p.kill()
                p.wait()


def pantalla_perdida(velmora, pantalla, servidor):
    servidor.send_signal(signal.SIGTERM)
    _, error = velmora.communicate(timeout=20)
    esperado = f'velmora: se ha perdido la conexion con la pantalla "{pantalla}".\n'
    return velmora.returncode, error, esperado


def autolanzados():
    salida = subprocess.run(["pgrep", "-f", "dbus-launch --autolaunch"], capture_output=True,
                            text=True).stdout
    return set(salida.split())


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    ejecutable = os.path.abspath(sys.argv[1])
    fallos = 0

    def informar(caso, bien, detalle):
        nonlocal fallos
        if bien:
            print(f"ok: {caso}")
        else:
            fallos += 1
            print(f"FAIL: {caso}: {detalle}")

    libre = next(n for n in range(900, 999) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
    for pantalla, esperado in [
            (None, "velmora: no se puede abrir la pantalla (la variable DISPLAY no esta definida).\n"),
            (f":{libre}", f'velmora: no se puede abrir la pantalla ":{libre}".\n')]:
        hecho = arrancar(ejecutable, pantalla)
        informar(f"DISPLAY={pantalla!r}", hecho.returncode == 1 and hecho.stderr == esperado and
                 not hecho.stdout, f"status {hecho.returncode}, stderr {hecho.stderr!r}")

    estado, error, esperado = con_pantalla(ejecutable, pantalla_perdida)
    informar("the display goes away", estado == 1 and error == esperado,
             f"status {estado}, stderr {error!r}, expected {esperado!r}")

    casa = tempfile.mkdtemp(prefix="velmora-casa-")
    antes = autolanzados()

    def sin_bus(velmora, *_):
        time.sleep(1)  # the accessibility bridge looks for its bus at start-up
        velmora.terminate()
        velmora.wait(timeout=10)
        time.sleep(0.3)
        return autolanzados() - antes, os.listdir(casa)

    nuevos, escrito = con_pantalla(ejecutable, sin_bus, HOME=casa)
    informar("no session bus: none started, nothing written", not nuevos and not escrito,
             f"bus launchers {nuevos}, home holds {escrito}")
    for pid in nuevos:
        os.kill(int(pid), signal.SIGTERM)

    print(f"{4 - fallos} passed, {fallos} failed")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
