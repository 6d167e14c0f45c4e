// @ts-check
// A window drawn from its table: its frame (a title bar and a client area)
// and its controls, each frame's controls inside their frame, placed by the
// module's layout rule (ui/Disposicion.h) with the texts measured here.
// Texts reach the page only as text (textContent, value), never as markup.

/** @typedef {import('./velmora').Modulo} Modulo */
/** @typedef {import('./velmora').Fila} Fila */
/** @typedef {import('./velmora').Ventana} Ventana */

const PUNTOS_POR_PIXEL = 0.75;   // 72 points to 96 CSS pixels
const lienzo = /** @type {CanvasRenderingContext2D} */ (document.createElement('canvas').getContext('2d'));

/** A computed length of `elemento` in pixels. */
export const px = (/** @type {Element} */ elemento, /** @type {string} */ propiedad) =>
  parseFloat(getComputedStyle(elemento).getPropertyValue(propiedad)) || 0;

/**
 * @param {string} etiqueta
 * @param {string} [clase]
 * @returns {any}
 */
export function crear(etiqueta, clase) {
  const e = document.createElement(etiqueta);
  if (clase) e.className = clase;
  return e;
}

/** One element for row `c` of a table. */
function elementoDe(/** @type {Modulo} */ m, /** @type {Fila[]} */ controles, /** @type {Fila} */ c) {
  const { Tipo } = m;
  if (c.tipo === Tipo.Marco) {
    // A group named by its caption.
    const e = crear('fieldset', 'marco');
    const leyenda = crear('legend');
    leyenda.textContent = c.titulo;
    e.append(crear('div', 'borde-marco'), leyenda);
    return e;
  }
  if (c.tipo === Tipo.Etiqueta) {
    let e;
    if (c.resultado) {
      // The result box: a status region, read out when it changes.
      e = crear('output', 'etiqueta');
      e.setAttribute('role', 'status');
      e.setAttribute('aria-live', 'polite');
    } else if (c.rotula >= 0) {
      // The caption of a field labels it.
      e = crear('label', 'etiqueta');
      e.htmlFor = controles[c.rotula].nombre;
    } else {
      e = crear('span', 'etiqueta');
    }
    e.textContent = c.titulo;
    e.classList.toggle('centrado', c.centrado);
    e.classList.toggle('opaco', c.opaco);
    e.classList.toggle('fondo-blanco', c.fondoBlanco);
    return e;
  }
  if (c.tipo === Tipo.Campo) {
    const e = crear('input', 'campo');
    Object.assign(e, { type: 'text', inputMode: 'decimal', autocomplete: 'off', spellcheck: false });
    e.setAttribute('autocapitalize', 'off');
    e.setAttribute('autocorrect', 'off');
    return e;
  }
  if (c.tipo === Tipo.Boton) {
    const e = crear('button', 'boton');
    e.type = 'button';
    e.textContent = c.titulo;
    if (c.orden !== m.Orden.Ninguna) e.addEventListener('click', () => m.ejecutar(c.orden));
    return e;
  }
  if (c.tipo === Tipo.Lista) {
    // A list box: its rows in the order the module gives them.
    const e = crear('select', 'lista');
    e.size = c.filas.length;
    for (const fila of c.filas) {
      const opcion = crear('option');
      opcion.textContent = fila;
      e.append(opcion);
    }
    e.selectedIndex = -1;
    return e;
  }
  const e = crear('div', 'linea');
  e.setAttribute('aria-hidden', 'true');
  return e;
}

/**
 * The controls of window `v` inside `cliente`, in the order of the table
 * (which is the keyboard's).
 * @param {Modulo} m
 * @param {Ventana} v
 * @param {HTMLElement} cliente
 * @returns {HTMLElement[]}
 */
export function construir(m, v, cliente) {
  const { controles } = v;
  /** @type {HTMLElement[]} */
  const elementos = [];
  for (const c of controles) {
    const e = elementoDe(m, controles, c);
    // A field is named by the caption that labels it.
    if (c.nombreAccesible && c.tipo !== m.Tipo.Campo) e.setAttribute('aria-label', c.nombreAccesible);
    e.id = c.nombre;
    (c.contenedor < 0 ? cliente : elementos[c.contenedor]).append(e);
    elementos.push(e);
  }
  return elementos;
}

/**
 * Places the controls of window `v`, number `indice`, by the module's layout rule, at
 * the font the window's style gives, shrunk where the window would be
 * wider than `ancho` pixels, or in one column. The module measures through
 * the page: a text's width, a line, a list's row and the borders, at each
 * font it tries.
 * @param {Modulo} m
 * @param {number} indice
 * @param {Ventana} v
 * @param {HTMLElement} raiz
 * @param {HTMLElement} cliente
 * @param {HTMLElement[]} elementos
 * @param {number} ancho
 */
export function colocar(m, indice, v, raiz, cliente, elementos, ancho) {
  const familia = getComputedStyle(raiz).fontFamily;
  const interlineado = px(raiz, '--interlineado');
  const primero = (/** @type {string} */ etiqueta) => elementos.find((e) => e.tagName === etiqueta);
  const borde = (/** @type {Element | undefined} */ e) => (e ? px(e, 'border-top-width') : 0);
  const lista = /** @type {HTMLSelectElement | undefined} */ (primero('SELECT'));
  const anchos = new Map();   // a text's width at the font in use
  let letra = 0;
  const medidor = {
    PonerLetra(/** @type {number} */ puntos) {
      letra = puntos / PUNTOS_POR_PIXEL;
      lienzo.font = `${letra}px ${familia}`;
      anchos.clear();
      const linea = Math.ceil(letra * interlineado);
      let fila = linea;
      if (lista && lista.options.length) {
        cliente.style.fontSize = `${letra}px`;
        fila = Math.ceil(lista.options[0].getBoundingClientRect().height) || linea;
      }
      return { altoDeLetra: linea, altoTituloMarco: linea, altoFilaLista: fila,
        bordeCampo: borde(primero('INPUT')), bordeLista: borde(lista), pixelesPorPixel96: 1 };
    },
    AnchoDeTexto(/** @type {string} */ texto) {
      if (!anchos.has(texto)) anchos.set(texto, Math.ceil(lienzo.measureText(texto).width));
      return anchos.get(texto);
    },
  };
  cliente.style.fontSize = '';
  const hecho = m.ajustar(indice, { puntos: px(cliente, 'font-size') * PUNTOS_POR_PIXEL,
    ancho: Math.max(1, Math.floor(ancho)), alto: 1 << 20 }, medidor);
  cliente.style.fontSize = `${letra}px`;
  v.controles.forEach((c, i) => {
    const { x, y, ancho: w, alto: h } = hecho.cajas[i];
    Object.assign(elementos[i].style, { left: `${x}px`, top: `${y}px`, width: `${w}px`, height: `${h}px` });
    // The frame's line runs through the middle of its caption band.
    if (c.tipo === m.Tipo.Marco) {
      /** @type {HTMLElement} */ (elementos[i].firstChild).style.top =
        `${Math.ceil(Math.ceil(letra * interlineado) / 2)}px`;
    }
  });
  Object.assign(cliente.style, { width: `${hecho.ancho}px`, height: `${hecho.alto}px` });
  raiz.classList.toggle('en-columna', hecho.enColumna);
}

/**
 * The width a window may take: what `contenedor` leaves inside its
 * padding, or the window's own largest width, less the window's borders.
 * @param {HTMLElement} ventana
 * @param {HTMLElement | null} contenedor
 */
export function anchoPara(ventana, contenedor) {
  const libre = contenedor ? contenedor.clientWidth - px(contenedor, 'padding-left') -
    px(contenedor, 'padding-right') : px(ventana, 'max-width');
  return libre - px(ventana, 'border-left-width') - px(ventana, 'border-right-width');
}

let titulos = 0;   // the number of the next title's id

/**
 * A window's frame: the title bar (the icon, its title, a close button
 * named `textoCerrar` where `cerrar` is given) before its client area.
 * Gives the title.
 * @param {HTMLElement} raiz
 * @param {string} titulo
 * @param {string} nivel   the title's heading element
 * @param {{texto: string, accion: () => void} | null} cerrar
 * @returns {HTMLElement}
 */
export function marcoDeVentana(raiz, titulo, nivel, cerrar) {
  const barra = crear('div', 'barra-titulo');
  const icono = crear('img');
  icono.src = 'icono-32.png';
  icono.alt = '';
  const cabecera = crear(nivel);
  cabecera.textContent = titulo;
  cabecera.id = `titulo-${titulos += 1}`;
  barra.append(icono, cabecera);
  if (cerrar) {
    const boton = crear('button', 'cerrar');
    boton.type = 'button';
    boton.textContent = '×';
    boton.setAttribute('aria-label', cerrar.texto);
    boton.addEventListener('click', cerrar.accion);
    barra.append(boton);
  }
  raiz.append(barra);
  raiz.setAttribute('aria-labelledby', cabecera.id);
  return cabecera;
}
