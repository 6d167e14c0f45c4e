#!/usr/bin/python3
"""Velmora where the desktop is missing something or works against it:
end-to-end test.

Starts the built program with no DISPLAY, with a DISPLAY that names no X
server, and on a display that goes away while it runs: each time it expects
the program's own line naming the display and the exit status 1, not the
toolkit's English or an abort. Then starts it where the session has no bus:
it must start no bus of its own, write nothing into the home folder and
leave nothing running behind it. Then lets another program destroy its
windows: a modal window destroyed frees the main window, and with the main
window destroyed the program ends once its last window is gone. Last, its
command line: --help and --version print a line, an unknown option ends it
with status 2.

    /usr/bin/python3 tests/e2e/prueba_sin_pantalla.py path/to/velmora
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

AYUDANTE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                        "pantalla-privada")


CARPETAS = []  # temporary folders, removed at the end


def carpeta(prefijo):
    CARPETAS.append(tempfile.mkdtemp(prefix=prefijo))
    return CARPETAS[-1]


def entorno(**cambios):
    quitar = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS")
    e = {k: v for k, v in os.environ.items() if k not in quitar}
    e["XDG_RUNTIME_DIR"] = carpeta("velmora-e2e-")
    e.update({k: v for k, v in cambios.items() if v is not None})
    return e


def arrancar(ejecutable, pantalla):
    return subprocess.run([ejecutable], env=entorno(DISPLAY=pantalla), capture_output=True,
                          text=True, timeout=30)


def con_pantalla(ejecutable, mientras, gestor=False, **cambios):
    """Starts Velmora on a private display (under openbox where `gestor`),
    waits for its window, runs `mientras(velmora, pantalla, servidor)` and
    stops whatever is left: the helper with TERM, which stops its display."""
    servidor = subprocess.Popen([AYUDANTE], stdout=subprocess.PIPE, text=True)
    velmora = openbox = None
    try:
        pantalla = servidor.stdout.readline().strip()
        if gestor:
            openbox = subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=pantalla),
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            esperar_x(pantalla, ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], "window id")
        velmora = subprocess.Popen([ejecutable], env=entorno(DISPLAY=pantalla, **cambios),
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        subprocess.run(["xdotool", "search", "--sync", "--name", "Amortiz"], timeout=20,
                       env=dict(os.environ, DISPLAY=pantalla), capture_output=True)
        return mientras(velmora, pantalla, servidor)
    finally:
        for p in (velmora, openbox):
            if p and p.poll() is None:
                p.kill()
                p.wait()
        if servidor.poll() is None:
            servidor.terminate()
        servidor.wait()


def xdotool(pantalla, *args):
    return subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=pantalla),
                          capture_output=True, text=True, timeout=20).stdout.strip()


def esperar_x(pantalla, orden, texto, limite=10.0):
    fin = time.monotonic() + limite
    while time.monotonic() < fin:
        salida = subprocess.run(orden, env=dict(os.environ, DISPLAY=pantalla),
                                capture_output=True, text=True).stdout
        if texto in salida:
            return True
        time.sleep(0.05)
    return False


def ventanas_destruidas(velmora, pantalla, _):
    """Ejemplos, Formula and the About box, each destroyed by another
    program while it is open; then the main window destroyed behind
    Ejemplos. Gives what went wrong, or nothing."""
    principal = xdotool(pantalla, "search", "--name", "Diesel v1.0").split()[0]

    def abrir(teclas):
        # A few tries: the window manager hands the focus back in its time,
        # and a slow build (the sanitizers') opens its menu in its time: a
        # key once the last has been taken, a menu left open closed first.
        for _ in range(4):
            xdotool(pantalla, "key", "Escape")
            xdotool(pantalla, "windowactivate", "--sync", principal)
            for tecla in ("alt+a", *teclas):
                time.sleep(0.3)
                xdotool(pantalla, "key", tecla)
            fin = time.monotonic() + 4
            while time.monotonic() < fin:
                activa = xdotool(pantalla, "getactivewindow")
                if activa and activa != principal:
                    return activa
                time.sleep(0.05)
        return None

    for nombre, teclas in (("Ejemplos", ["Right", "e"]), ("Formula", ["Right", "f"]),
                           ("Acerca de", ["Right", "a"])):
        modal = abrir(teclas)
        if not modal:
            return f"{nombre} did not open (the main window takes no input?)"
        xdotool(pantalla, "windowclose", modal)
    ejemplos = abrir(["Right", "e"])
    if not ejemplos:
        return "the main window takes no input after its modal windows were destroyed"
    xdotool(pantalla, "windowclose", principal)
    time.sleep(0.5)
    if velmora.poll() is not None:
        return "the program ended while Ejemplos was open"
    xdotool(pantalla, "windowclose", ejemplos)
    try:
        estado = velmora.wait(timeout=10)
    except subprocess.TimeoutExpired:
        return "the program stays alive with no window"
    return None if estado == 0 else f"status {estado}"


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

    casa = carpeta("velmora-casa-")
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

    problema = con_pantalla(ejecutable, ventanas_destruidas, gestor=True)
    informar("windows destroyed by another program", problema is None, problema)

    for argumentos, estado, salida, error in (
            (["--help"], 0, "Uso: velmora [--help | --version]", ""),
            (["--version"], 0, "Velmora 1.0", ""),
            (["--versoin"], 2, "", "velmora: opcion desconocida: --versoin")):
        hecho = subprocess.run([ejecutable, *argumentos], env=entorno(QT_QPA_PLATFORM="offscreen"),
                               capture_output=True,
                               text=True, timeout=30)
        lineas = (hecho.stdout or hecho.stderr).splitlines()
        informar(" ".join(argumentos), hecho.returncode == estado and len(lineas) == 1 and
                 hecho.stdout.startswith(salida) and hecho.stderr.startswith(error),
                 f"status {hecho.returncode}, stdout {hecho.stdout!r}, stderr {hecho.stderr!r}")

    for c in CARPETAS:
        shutil.rmtree(c, ignore_errors=True)
    print(f"{8 - fallos} passed, {fallos} failed")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
