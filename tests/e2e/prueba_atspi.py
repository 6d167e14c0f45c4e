#!/usr/bin/python3
"""Velmora driven from outside, as a screen reader would: end-to-end test.

Starts the built program under a private Xvfb display with its own D-Bus
session bus and accessibility bus, and uses it only through AT-SPI: finds the
window and the fields by their accessible names, sets figures, presses
buttons and menu entries, reads results and message boxes. It plays the
scenarios every front end plays (tests/apoyo/Escenarios.h, printed as JSON
by velmora_escenarios). Everything it starts it stops by process id, also
when a step fails.

    /usr/bin/python3 tests/e2e/prueba_atspi.py path/to/velmora path/to/velmora_escenarios
"""
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TITULO = "Amortización Diesel v1.0"
ESCAPE = 0xFF1B  # the X keysym of the Escape key


class Fallo(Exception):
    pass


def esperar(condicion, que, limite=10.0):
    """Polls `condicion` until it gives something true; fails after `limite` s."""
    fin = time.monotonic() + limite
    while True:
        try:
            valor = condicion()
        except Exception:  # the tree changes while we look: look again
            valor = None
        if valor:
            return valor
        if time.monotonic() > fin:
            raise Fallo(f"timed out waiting for {que}")
        time.sleep(0.05)


def tiene_dueno(nombre):
    salida = subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
         "org.freedesktop.DBus.NameHasOwner", f"string:{nombre}"],
        capture_output=True, text=True).stdout
    return "boolean true" in salida


def pid_de(bus, nombre):
    salida = subprocess.run(
        ["dbus-send", f"--bus={bus}", "--print-reply", "--dest=org.freedesktop.DBus", "/",
         "org.freedesktop.DBus.GetConnectionUnixProcessID", f"string:{nombre}"],
        capture_output=True, text=True).stdout
    for palabra in salida.split():
        if palabra.isdigit():
            return int(palabra)
    return None


class Entorno:
    """Xvfb, a session bus, the accessibility bus and its registry."""

    def __init__(self):
        self.procesos = []   # Popen objects we started
        self.pids = []       # further processes to stop by id
        self.dir = tempfile.mkdtemp(prefix="velmora-e2e-")
        os.chmod(self.dir, 0o700)

    def iniciar(self, *args, **kwargs):
        p = subprocess.Popen(*args, **kwargs)
        self.procesos.append(p)
        return p

    def arrancar(self):
        # The project's one way to a private display: the server picks a
        # free number itself and the helper names it once it answers.
        ayudante = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "pantalla-privada")
        xvfb = self.iniciar([ayudante, "1024x768x24"], stdout=subprocess.PIPE, text=True)
        pantalla = xvfb.stdout.readline().strip()
        if not pantalla:
            raise Fallo("no private X display could be started")
        os.environ["DISPLAY"] = pantalla
        os.environ["XDG_RUNTIME_DIR"] = self.dir

        bus = self.iniciar(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()

        lanzador = self.iniciar(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        esperar(lambda: tiene_dueno("org.a11y.Bus"), "org.a11y.Bus")
        direccion = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True, text=True).stdout
        self.bus_a11y = direccion.split('"')[1]
        # The accessibility bus daemon outlives the launcher: stop it by id.
        hijos = subprocess.run(["pgrep", "-P", str(lanzador.pid)], capture_output=True,
                               text=True).stdout.split()
        self.pids += [int(p) for p in hijos]

    def registro(self):
        """Notes the registry daemon's id, once something has started it."""
        pid = pid_de(self.bus_a11y, "org.a11y.atspi.Registry")
        if pid:
            self.pids.append(pid)

    def parar(self):
        for p in reversed(self.procesos):
            if p.poll() is None:
                p.terminate()
        for pid in self.pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for p in self.procesos:
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                p.kill()
        shutil.rmtree(self.dir, ignore_errors=True)


def prueba(ejecutable, compartidos, entorno):
    entorno_programa = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                            QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb",
                            LANG="es_ES.UTF-8", LC_ALL="es_ES.UTF-8")
    velmora = entorno.iniciar([ejecutable], env=entorno_programa)

    import pyatspi  # only now: it reads the bus addresses set above
    escritorio = pyatspi.Registry.getDesktop(0)

    def aplicacion():
        for i in range(escritorio.childCount):
            app = escritorio.getChildAtIndex(i)
            if app is not None and app.name == "Velmora":
                return app
        return None

    app = esperar(aplicacion, "the Velmora application on the accessibility bus")
    entorno.registro()

    def buscar(raiz, rol, nombre=None):
        return pyatspi.findDescendant(
            raiz, lambda a: a is not None and a.getRole() == rol and
            (nombre is None or a.name == nombre))

    def ventana(nombre):
        for i in range(app.childCount):
            hijo = app.getChildAtIndex(i)
            if hijo is not None and hijo.name == nombre and hijo.getState().contains(
                    pyatspi.STATE_SHOWING):
                return hijo
        return None

    principal = esperar(lambda: ventana(TITULO), f"the main window {TITULO!r}")
    nombres = compartidos["accesibles"]
    campos = [esperar(lambda n=n: buscar(principal, pyatspi.ROLE_TEXT, n), n) for n in nombres]
    calcular = buscar(principal, pyatspi.ROLE_PUSH_BUTTON, "Calcular")
    resultado = buscar(principal, pyatspi.ROLE_LABEL, "Resultado")

    def escribir(i, texto, visto=None):
        campos[i].queryEditableText().setTextContents(texto)
        visto = texto if visto is None else visto
        try:
            esperar(lambda: campos[i].queryText().getText(0, -1) == visto,
                    f"{nombres[i]} = {visto!r}")
        except Fallo:
            raise Fallo(f"{nombres[i]} shows {campos[i].queryText().getText(0, -1)!r}, "
                        f"not {visto!r}")

    def escribir_todos(textos):
        for i, texto in enumerate(textos):
            escribir(i, texto)

    def pulsar(accesible):
        accion = accesible.queryAction()
        for i in range(accion.nActions):
            if accion.getName(i) in ("press", "Press", "click", "activate", "Activate", "Toggle"):
                accion.doAction(i)
                return
        accion.doAction(0)

    def menu(nombre):
        pulsar(buscar(principal, pyatspi.ROLE_MENU_ITEM, nombre))

    def calcula(esperado, accion=lambda: pulsar(calcular)):
        accion()
        esperar(lambda: resultado.description == esperado, f"result {esperado}")

    def mensaje(texto, accion=lambda: pulsar(calcular)):
        """Runs `accion`, expects the box "Velmora" with `texto` and a single
        OK button, "Aceptar", and presses it."""
        antes = resultado.description
        accion()
        caja = esperar(lambda: ventana("Velmora"), f"the message box for {texto!r}")
        etiquetas = [a.name for a in pyatspi.findAllDescendants(
            caja, lambda a: a is not None and a.getRole() == pyatspi.ROLE_LABEL)]
        botones = [a.name for a in pyatspi.findAllDescendants(
            caja, lambda a: a is not None and a.getRole() == pyatspi.ROLE_PUSH_BUTTON)]
        if texto not in etiquetas:
            raise Fallo(f"message box shows {etiquetas}, expected {texto!r}")
        if botones != ["Aceptar"]:
            raise Fallo(f"message box buttons {botones}, expected ['Aceptar']")
        pulsar(buscar(caja, pyatspi.ROLE_PUSH_BUTTON, "Aceptar"))
        esperar(lambda: not ventana("Velmora"), "the message box to close")
        if resultado.description != antes:
            raise Fallo("a message changed the result")

    def cerrar_con_escape(nombre):
        dialogo = ventana(nombre)
        dialogo.queryComponent().grabFocus()
        pyatspi.Registry.generateKeyboardEvent(ESCAPE, None, pyatspi.KEY_SYM)
        esperar(lambda: not ventana(nombre), f"{nombre!r} to close")

    # Every shared scenario after the worked example's result, by the button
    # and by the menu: its result, or its message with the result kept.
    ejemplo = compartidos["escenarios"][0]
    for e in compartidos["escenarios"]:
        for como in (lambda: pulsar(calcular), lambda: menu("Calcular")):
            escribir_todos(ejemplo["textos"])
            calcula(ejemplo["resultado"])
            escribir_todos(e["textos"])
            if "resultado" in e:
                calcula(e["resultado"], como)
            else:
                mensaje(e["mensaje"], como)
    print(f"ok: {len(compartidos['escenarios'])} shared scenarios, by the button and the menu")

    # What a screen reader puts into a field is what it shows and what a
    # calculation reads (a text set whole keeps its lines as blanks).
    for entrada in compartidos["entradas"]:
        if "\r" in entrada["texto"] or "\n" in entrada["texto"]:
            continue
        escribir_todos(compartidos["conInteres"])
        escribir(compartidos["campos"].index(entrada["campo"]), entrada["texto"], entrada["visto"])
        calcula(compartidos["resultadoConInteres"])
    print("ok: field entries set through the accessibility bus")

    # The examples, sorted; the formula; the About box.
    menu("Ejemplos")
    ejemplos = esperar(lambda: ventana("Ejemplos :"), "the examples window")
    lista = esperar(lambda: buscar(ejemplos, pyatspi.ROLE_LIST), "the list of examples")
    filas = [lista.getChildAtIndex(i).name for i in range(lista.childCount)]
    if len(filas) != 16 or filas != sorted(filas, key=str.casefold) or \
            filas[0] != "Citroen Xantia 2.0HDi/1.816V = 80.000 Km" or \
            filas[-1] != "Seat Toledo 1.9TDi / 1.8 20V = 26.000 Km":
        raise Fallo(f"examples: {filas}")
    cerrar_con_escape("Ejemplos :")
    menu("Formula")
    formula = esperar(lambda: ventana("Formula"), "the formula window")
    if not buscar(formula, pyatspi.ROLE_LABEL, "PCD - PCG"):
        raise Fallo("the formula window lacks its numerator")
    cerrar_con_escape("Formula")
    mensaje_acerca = "Calculo de amortizacion de un coche diesel."
    menu("Acerca de")
    caja = esperar(lambda: ventana("Velmora"), "the About box")
    if not pyatspi.findDescendant(caja, lambda a: a is not None and
                                  a.name.startswith(mensaje_acerca)):
        raise Fallo("the About box lacks its text")
    pulsar(buscar(caja, pyatspi.ROLE_PUSH_BUTTON, "Aceptar"))
    esperar(lambda: not ventana("Velmora"), "the About box to close")
    print("ok: Ejemplos, Formula and Acerca de open and close")

    # Salir ends the program, with status 0.
    menu("Salir")
    try:
        estado = velmora.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Fallo("Salir did not end the program")
    if estado != 0:
        raise Fallo(f"the program ended with status {estado}")
    print("ok: Salir ends the program with status 0")


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    compartidos = json.loads(subprocess.run([sys.argv[2]], capture_output=True, text=True,
                                            check=True).stdout)
    entorno = Entorno()
    # A runner that stops us with SIGTERM still gets everything stopped.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        entorno.arrancar()
        prueba(os.path.abspath(sys.argv[1]), compartidos, entorno)
    except Fallo as fallo:
        print(f"FAIL: {fallo}")
        return 1
    finally:
        entorno.parar()
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
