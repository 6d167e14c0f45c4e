// @ts-check
// The program's modal windows on the page: a message box and the examples
// and formula windows. The rest of the page takes no input while one is
// open, Escape closes it, and it is gone once closed, which the module
// hears (a page's dialog does not block the handler that opened it; which
// window may open when is the module's rule, ui/FormularioVelmora.h).

import { anchoPara, colocar, construir, crear, marcoDeVentana } from './ventana.js';

/** @typedef {import('./velmora').Modulo} Modulo */
/** @typedef {import('./velmora').Tablas} Tablas */

export class Modales {
  /**
   * @param {Modulo} m
   * @param {Tablas} tablas
   * @param {HTMLElement} escritorio   where the dialogs go
   * @param {() => void} alAbrir   called as one opens (the menus close)
   * @param {() => boolean} sigue   whether the program still runs
   */
  constructor(m, tablas, escritorio, alAbrir, sigue) {
    this.m = m;
    this.tablas = tablas;
    this.escritorio = escritorio;
    this.alAbrir = alAbrir;
    this.sigue = sigue;
  }

  /** Shows `dialogo` modally; the module hears when it closes. */
  mostrar(/** @type {HTMLDialogElement} */ dialogo) {
    this.alAbrir();
    this.escritorio.append(dialogo);
    dialogo.addEventListener('close', () => {
      dialogo.remove();
      if (this.sigue()) this.m.modalCerrado();
    });
    dialogo.showModal();
  }

  /** A message box: titled "Velmora", the text in its lines as its only content, one "Aceptar". */
  mensaje(/** @type {string[]} */ lineas) {
    /** @type {HTMLDialogElement} */
    const dialogo = crear('dialog', 'ventana mensaje-velmora');
    const titulo = marcoDeVentana(dialogo, this.tablas.tituloAplicacion, 'h2', null);
    const parrafo = crear('p', 'mensaje');
    parrafo.id = `${titulo.id}-texto`;
    parrafo.textContent = lineas.join('\n');
    parrafo.classList.toggle('lineas', lineas.length > 1);
    dialogo.setAttribute('aria-describedby', parrafo.id);
    const botones = crear('div', 'botones');
    const aceptar = crear('button');
    aceptar.type = 'button';
    aceptar.textContent = this.tablas.aceptar;
    aceptar.addEventListener('click', () => dialogo.close());
    botones.append(aceptar);
    dialogo.append(parrafo, botones);
    this.mostrar(dialogo);
    aceptar.focus();
  }

  /** The examples or the formula window, built afresh from its table each time it opens. */
  ventanaFija(/** @type {number} */ indice) {
    const v = this.tablas.ventanas[indice];
    /** @type {HTMLDialogElement} */
    const dialogo = crear('dialog', 'ventana');
    dialogo.id = v.nombre;
    marcoDeVentana(dialogo, v.titulo, 'h2', { texto: this.tablas.cerrar, accion: () => dialogo.close() });
    const cliente = crear('div', 'cliente');
    dialogo.append(cliente);
    // Open first, so that its controls are measured as they are drawn.
    this.mostrar(dialogo);
    const elementos = construir(this.m, v, cliente);
    colocar(this.m, indice, v, dialogo, cliente, elementos, anchoPara(dialogo, null));
    (v.foco >= 0 ? elementos[v.foco] : /** @type {HTMLElement} */ (dialogo.querySelector('.cerrar'))).focus();
  }
}
