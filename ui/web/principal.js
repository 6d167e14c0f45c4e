// @ts-check
// The main window on the page: drawn from its table with its menu bar, its
// fields watched by the module's rule, laid out again when the page's
// width changes; the picture of an answer below it; and FrenteVelmora, what
// the shared handlers (ui/FormularioVelmora.h) ask of the page. What a
// command does and what a calculation gives are the module's; this only
// draws and listens.

import { desdeLaDireccion, enLaDireccion, pideLosMotores } from './direccion.js';
import { vigilarCampo } from './campos.js';
import { BarraDeMenus } from './menus.js';
import { Modales } from './modales.js';
import { anchoPara, colocar, construir, crear, marcoDeVentana } from './ventana.js';

/** @typedef {import('./velmora').Modulo} Modulo */
/** @typedef {import('./velmora').Tablas} Tablas */
/** @typedef {import('./velmora').FrenteVelmora} FrenteVelmora */

/**
 * The user's decimal and digit-group separators, from the browser's
 * language: "1.234.567,5" in Spanish, "1,234,567.5" in English. Read anew
 * only when the language changes: a number format costs milliseconds to
 * make, and a calculation asks for the separators several times.
 * @type {{ idioma: string, separadores: import('./velmora').ConfiguracionRegional } | null}
 */
let separadores = null;
function configuracion() {
  if (separadores?.idioma !== navigator.language) {
    const partes = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
    const parte = (/** @type {string} */ tipo, /** @type {string} */ si) =>
      (partes.find((p) => p.type === tipo) || { value: si }).value;
    separadores = { idioma: navigator.language,
      separadores: { separadorDecimal: parte('decimal', '.'), separadorGrupos: parte('group', '') } };
  }
  return separadores.separadores;
}

export class Principal {
  /**
   * The main window, built unseen inside `escritorio` (mostrar places and
   * shows it), with the section of the picture and, for paper, the address.
   * @param {Modulo} m
   * @param {Tablas} tablas
   * @param {HTMLElement} escritorio
   */
  constructor(m, tablas, escritorio) {
    this.m = m;
    this.tablas = tablas;
    this.escritorio = escritorio;
    this.terminado = false;
    this.anchoColocado = 0;
    this.hayGrafica = false;
    const v = tablas.ventanas[0];
    this.ventana = crear('section', 'ventana');
    this.ventana.id = v.nombre;
    this.titulo = marcoDeVentana(this.ventana, v.titulo, 'h1', null);
    const barra = crear('nav', 'barra-menus');
    barra.setAttribute('role', 'menubar');
    barra.setAttribute('aria-label', 'Menu');
    this.ventana.append(barra);
    const activa = () => !this.terminado && !m.modalAbierto() && !this.ventana.hidden;
    this.menus = new BarraDeMenus(barra, m, tablas, activa);
    this.modales = new Modales(m, tablas, escritorio, () => this.menus.cerrar(false), () => !this.terminado);
    this.cliente = crear('div', 'cliente');
    this.ventana.append(this.cliente);
    escritorio.append(this.ventana);
    this.ventana.style.visibility = 'hidden';
    this.elementos = construir(m, v, this.cliente);
    /** @type {HTMLInputElement[]} */
    this.campos = [];
    v.controles.forEach((c, i) => {
      if (c.campo >= 0) this.campos[c.campo] = /** @type {HTMLInputElement} */ (this.elementos[i]);
    });
    this.campos.forEach((campo, i) => vigilarCampo(campo, (...e) => m.entrada(i, ...e)));
    this.resultado = this.elementos[v.controles.findIndex((c) => c.resultado)];
    this.foco = this.elementos[v.foco];
    // Below the window, after each calculation, the picture of the answer.
    this.grafica = crear('section', 'grafica');
    this.grafica.id = 'grafica';
    this.grafica.setAttribute('aria-labelledby', 'grafica-titulo');
    this.grafica.hidden = true;
    // On paper, the address that holds the calculation, to open it again.
    this.direccion = crear('p', 'direccion');
    this.direccion.textContent = location.href;
    // Below them, the answer replayed over the real prices of past weeks.
    this.precios = crear('section', 'grafica precios');
    this.precios.id = 'precios';
    this.precios.setAttribute('aria-labelledby', 'precios-titulo');
    this.precios.hidden = true;
    this.moneda = { rotulo: tablas.rotuloMoneda, elecciones: tablas.monedas };
    // The way to the comparison of other motors (motores.js).
    this.enlace = crear('a', 'enlace-motores');
    this.enlace.href = '#motores';
    this.enlace.textContent = tablas.enlaceMotores;
    escritorio.append(this.enlace, this.grafica, this.direccion, this.precios);
    /** @type {import('./motores.js').VistaMotores | null} */
    this.vista = null;
  }

  mostrar() {
    this.colocar();
    this.ventana.style.visibility = '';
    this.foco.focus();
  }

  /**
   * What the address asks for, now and whenever it changes: the main window
   * and its calculation, or the view of other motors (the browser's Back
   * goes from one to the other).
   */
  seguirLaDireccion() {
    const seguir = () => this.irSegunLaDireccion();
    seguir();
    window.addEventListener('hashchange', seguir);
  }

  async irSegunLaDireccion() {
    if (pideLosMotores() && !this.vista) {
      // Opened from an address, the view's first steps each in a task of
      // its own, so the page answers between them: the page's first number
      // format (tens of milliseconds to make, the view's examples need it),
      // the view built, then its comparison.
      const { VistaMotores } = await import('./motores.js');
      configuracion();
      await new Promise((listo) => { setTimeout(listo, 0); });
      this.vista = this.vista ||
        new VistaMotores(this.m, this.escritorio,
          { crear, marcoDeVentana, vigilarCampo, moneda: this.moneda });
      await new Promise((listo) => { setTimeout(listo, 0); });
    }
    const motores = pideLosMotores();   // the address may have changed meanwhile
    for (const e of [this.ventana, this.enlace, this.grafica, this.direccion, this.precios]) {
      e.hidden = motores;
    }
    this.vista?.mostrar(motores);
    if (motores) {
      this.vista?.desdeLaDireccion();
      return;
    }
    document.title = this.titulo.textContent || '';
    this.dibujarGrafica();
    desdeLaDireccion(this.m, this.tablas.campos, this.campos);
  }

  /**
   * Lays the window out again where the width the page leaves it has
   * changed: a turned phone, a resized browser, or a scroll bar that came
   * with a longer page (or with this very layout, hence a second look).
   */
  colocar() {
    for (let vez = 0; vez < 2 && !this.terminado; vez += 1) {
      const ancho = anchoPara(this.ventana, this.escritorio);
      if (ancho === this.anchoColocado) return;
      this.anchoColocado = ancho;
      colocar(this.m, 0, this.tablas.ventanas[0], this.ventana, this.cliente, this.elementos, ancho);
      this.dibujarGrafica();   // drawn for the new width
    }
  }

  /**
   * The picture of the last answer. Its module (grafica.js) is asked for
   * the first time there is one: the window works without it, and the
   * first load does not wait for it.
   */
  dibujarGrafica() {
    if (this.terminado) return;
    if (!this.hayGrafica || this.ventana.hidden) {
      for (const s of [this.grafica, this.precios]) {
        s.replaceChildren();
        s.hidden = true;
      }
      return;
    }
    import('./grafica.js').then((g) => {
      if (!this.hayGrafica || this.terminado) return;
      g.mostrar(this.grafica, this.m, (ancho, medidor) => this.m.grafica(ancho, medidor));
      g.mostrarPrecios(this.precios, this.m, false, this.moneda,
        () => this.hayGrafica && !this.terminado && !this.ventana.hidden)
        .catch(() => { this.precios.hidden = true; });
    }, () => {
      this.grafica.hidden = true;
      this.precios.hidden = true;
    });
  }

  /**
   * After "&Salir": an installed app's window closes; a tab, which a page
   * may not close (and which some engines would close all the same, were it
   * opened by a script), says that the program has ended and offers to
   * start again.
   */
  terminar() {
    this.terminado = true;
    this.menus.cerrar(false);
    for (const d of document.querySelectorAll('dialog')) d.remove();
    if (matchMedia('(display-mode: standalone), (display-mode: minimal-ui)').matches) window.close();
    this.escritorio.replaceChildren();
    const aviso = crear('section', 'terminado');
    aviso.setAttribute('role', 'alert');
    const texto = crear('p');
    texto.textContent = this.tablas.terminado;
    const otraVez = crear('button');
    otraVez.type = 'button';
    otraVez.textContent = this.tablas.volverAEmpezar;
    otraVez.addEventListener('click', () => location.replace(location.pathname));
    aviso.append(texto, otraVez);
    this.escritorio.append(aviso);
    document.title = this.tablas.tituloAplicacion;
    otraVez.focus();
  }

  /** @returns {FrenteVelmora} */
  frente() {
    return {
      LeerCampo: (i) => this.campos[i].value,
      ConfiguracionDelUsuario: configuracion,
      TituloVentana: () => this.titulo.textContent || '',
      PonerTituloVentana: (titulo) => {
        this.titulo.textContent = titulo;
        document.title = titulo;
      },
      EscribirResultado: (texto) => {
        this.resultado.textContent = texto;
        this.direccion.textContent = enLaDireccion(this.tablas.campos, this.campos);
      },
      MostrarMensaje: (lineas) => this.modales.mensaje(lineas),
      MostrarVentanaFija: (ventana) => this.modales.ventanaFija(ventana),
      PedirTurno: () => { setTimeout(() => this.m.turno(), 0); },
      Terminar: () => this.terminar(),
      MostrarGrafica: (hay) => {
        this.hayGrafica = hay;
        this.dibujarGrafica();
      },
    };
  }
}
