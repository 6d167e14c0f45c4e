// @ts-check
// The menu bar of the main window, drawn from its table (kMenuVelmora), and
// its keys as a desktop's: Alt and an access key opens the first menu that
// has it (which one is the module's rule, ui/Menus.h); in an open menu the
// arrows move, the access key or Return chooses, Escape closes, left and
// right go to the next menu. A command runs once the key's or the click's
// event has ended, as a desktop's menu runs it from its event loop.

import { crear } from './ventana.js';

/** @typedef {import('./velmora').Modulo} Modulo */
/** @typedef {import('./velmora').Tablas} Tablas */
/** @typedef {import('./velmora').ValorEnum} ValorEnum */
/** @typedef {{boton: HTMLButtonElement, tecla: string, orden: ValorEnum}} EntradaDibujada */
/** @typedef {{boton: HTMLButtonElement, desplegable: HTMLElement, entradas: EntradaDibujada[]}} MenuDibujado */

/** "&Amortizacion" as its text with the access key underlined. */
function conTecla(/** @type {HTMLElement} */ elemento, /** @type {string} */ titulo) {
  const i = titulo.indexOf('&');
  if (i < 0 || i + 1 >= titulo.length) {
    elemento.textContent = titulo;
    return;
  }
  const tecla = crear('u');
  tecla.textContent = titulo[i + 1];
  elemento.append(titulo.slice(0, i), tecla, titulo.slice(i + 2));
}

export class BarraDeMenus {
  /**
   * The menus of `tablas.menu` inside `barra`. `activa()` says whether the
   * bar takes keys and clicks now (no modal window, the program running).
   * @param {HTMLElement} barra
   * @param {Modulo} m
   * @param {Tablas} tablas
   * @param {() => boolean} activa
   */
  constructor(barra, m, tablas, activa) {
    this.m = m;
    this.activa = activa;
    /** @type {MenuDibujado[]} */
    this.menus = [];
    /** @type {Element | null} */
    this.focoAntes = null;   // where the focus was when the bar opened
    for (const entrada of tablas.menu) this.agregar(barra, entrada);
    // The bar is one stop of Tab, as a desktop's menu bar is reached by its keys.
    if (this.menus.length) this.menus[0].boton.tabIndex = 0;
    document.addEventListener('keydown', (e) => this.alt(e));
    document.addEventListener('pointerdown', (e) => {
      const t = /** @type {Element} */ (e.target);
      if (!t.closest || !t.closest('.menu')) this.cerrar(false);
    });
  }

  /** @param {HTMLElement} barra @param {import('./velmora').EntradaMenu} entrada */
  agregar(barra, entrada) {
    const { TipoEntrada } = this.m;
    if (entrada.tipo === TipoEntrada.Separador) {
      const linea = crear('div', 'separador');
      linea.id = entrada.nombre;
      linea.setAttribute('role', 'separator');
      this.menus[this.menus.length - 1].desplegable.append(linea);
      return;
    }
    /** @type {HTMLButtonElement} */
    const boton = crear('button', entrada.tipo === TipoEntrada.Orden ? 'entrada' : '');
    boton.type = 'button';
    boton.id = entrada.nombre;
    boton.setAttribute('role', 'menuitem');
    boton.tabIndex = -1;
    conTecla(boton, entrada.titulo);
    if (entrada.tipo === TipoEntrada.Menu) {
      const menu = crear('div', 'menu');
      boton.setAttribute('aria-haspopup', 'menu');
      boton.setAttribute('aria-expanded', 'false');
      const desplegable = crear('div', 'desplegable');
      desplegable.setAttribute('role', 'menu');
      desplegable.setAttribute('aria-labelledby', boton.id);
      desplegable.hidden = true;
      menu.append(boton, desplegable);
      barra.append(menu);
      const i = this.menus.length;
      this.menus.push({ boton, desplegable, entradas: [] });
      boton.addEventListener('click', () => (desplegable.hidden ? this.abrir(i) : this.cerrar(true)));
      boton.addEventListener('keydown', (e) => this.teclaEnBarra(e, i));
      return;
    }
    const menu = this.menus[this.menus.length - 1];
    boton.addEventListener('click', () => this.ejecutar(entrada.orden));
    boton.addEventListener('keydown', (e) => this.teclaEnMenu(e, menu));
    menu.desplegable.append(boton);
    menu.entradas.push({ boton, tecla: entrada.tecla, orden: entrada.orden });
  }

  /** Opens menu `i`, its first entry focused (or the menu's own button). */
  abrir(/** @type {number} */ i, primera = true) {
    if (!this.activa()) return;
    if (!this.menus.some((m) => !m.desplegable.hidden)) this.focoAntes = document.activeElement;
    this.cerrar(false);
    const menu = this.menus[i];
    menu.desplegable.hidden = false;
    menu.boton.setAttribute('aria-expanded', 'true');
    (primera && menu.entradas.length ? menu.entradas[0].boton : menu.boton).focus();
  }

  /** Closes every menu; the focus goes back where it was, if asked. */
  cerrar(devolverFoco = false) {
    for (const m of this.menus) {
      m.desplegable.hidden = true;
      m.boton.setAttribute('aria-expanded', 'false');
    }
    if (!devolverFoco) return;
    if (this.focoAntes instanceof HTMLElement && document.contains(this.focoAntes)) this.focoAntes.focus();
    this.focoAntes = null;
  }

  /** A command: the menus close, and it runs once this event has ended. */
  ejecutar(/** @type {ValorEnum} */ orden) {
    this.cerrar(true);
    setTimeout(() => {
      if (this.activa()) this.m.ejecutar(orden);
    }, 0);
  }

  otro(/** @type {number} */ i, /** @type {string} */ tecla) {
    return (i + (tecla === 'ArrowRight' ? 1 : this.menus.length - 1)) % this.menus.length;
  }

  teclaEnBarra(/** @type {KeyboardEvent} */ e, /** @type {number} */ i) {
    if (e.key === 'ArrowDown' || e.key === 'Enter' || e.key === ' ') {
      e.preventDefault();
      this.abrir(i);
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      this.menus[this.otro(i, e.key)].boton.focus();
    } else if (e.key === 'Escape') {
      this.cerrar(true);
    }
  }

  teclaEnMenu(/** @type {KeyboardEvent} */ e, /** @type {MenuDibujado} */ menu) {
    const entradas = menu.entradas.map((x) => x.boton);
    const i = entradas.indexOf(/** @type {HTMLButtonElement} */ (document.activeElement));
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      e.preventDefault();
      entradas[(i + (e.key === 'ArrowDown' ? 1 : entradas.length - 1)) % entradas.length].focus();
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      this.abrir(this.otro(this.menus.indexOf(menu), e.key));
    } else if (e.key === 'Escape') {
      e.preventDefault();
      this.cerrar(true);
    } else if (e.key === 'Tab') {
      this.cerrar(true);
    } else if (e.key.length === 1 && !e.altKey && !e.ctrlKey && !e.metaKey) {
      const elegida = menu.entradas.find((x) => x.tecla === e.key.toLowerCase());
      if (elegida) {
        e.preventDefault();
        this.ejecutar(elegida.orden);
      }
    }
  }

  /** Alt and an access key, anywhere in the page. */
  alt(/** @type {KeyboardEvent} */ e) {
    if (!this.activa() || !e.altKey || e.ctrlKey || e.metaKey || !/^Key[A-Z]$/.test(e.code)) return;
    const i = this.m.menuDeTecla(e.code.slice(3));
    if (i >= 0) {
      e.preventDefault();
      this.abrir(i);
    }
  }
}
