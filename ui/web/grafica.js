// @ts-check
// The picture beside the number, on the page: after a calculation, a chart
// of the saving the diesel accumulates over the kilometres against the price
// difference it must recover, where the two meet, and its words (sentences,
// and the key points as a table for those who do not see the chart); and
// below it, the answer replayed over the prices of every week of 2015-2024,
// with a switch for the currency of the figures. What they show and say,
// and where each line and text of their charts goes, is the module's
// (ui/Explicacion.h, ui/PlanoGrafica.h, from calc/Grafica.h on the
// calculation's own road; ui/ExplicacionRepeticion.h,
// ui/PlanoRepeticion.h, from calc/Repeticion.h): this module measures the
// charts' font, writes numbers in the browser's language, and draws. The
// weekly prices (precios.js) are asked for the first time a replay is.

/** @typedef {import('./velmora').Modulo} Modulo */
/** @typedef {import('./velmora').ValorEnum} ValorEnum */

const SVG = 'http://www.w3.org/2000/svg';
const lienzo = /** @type {CanvasRenderingContext2D} */ (document.createElement('canvas').getContext('2d'));
const formatos = new Map();   // the browser's number format, by language and decimals

function numero(/** @type {number} */ valor, /** @type {number} */ decimales) {
  const clave = `${navigator.language} ${decimales}`;
  if (!formatos.has(clave)) {
    formatos.set(clave, new Intl.NumberFormat(navigator.language, { maximumFractionDigits: decimales }));
  }
  return formatos.get(clave).format(valor);
}

/** @param {string} nombre @param {Record<string, string | number>} atributos @param {string} [texto] */
function elemento(nombre, atributos, texto) {
  const e = document.createElementNS(SVG, nombre);
  for (const [clave, valor] of Object.entries(atributos)) e.setAttribute(clave, String(valor));
  if (texto !== undefined) e.textContent = texto;
  return e;
}

/** @param {string} nombre @param {string} [texto] @returns {any} */
function html(nombre, texto) {
  const e = document.createElement(nombre);
  if (texto !== undefined) e.textContent = texto;
  return e;
}

/** The style sheet's class of each kind of line and text of the plan. */
function clases(/** @type {Modulo} */ m) {
  const { Trazo, Estilo, Ancla } = m;
  return {
    trazo: new Map([[Trazo.Rejilla, 'rejilla'], [Trazo.Eje, 'cero'], [Trazo.Diferencia, 'diferencia'],
      [Trazo.Ahorro, 'ahorro'], [Trazo.Semanas, 'semanas'], [Trazo.Propia, 'propia'],
      [Trazo.SinAmortizar, 'sin-amortizar']]),
    estilo: new Map([[Estilo.Marca, ''], [Estilo.Anos, 'anos'], [Estilo.Titulo, 'titulo-eje'],
      [Estilo.Diferencia, 'rotulo-diferencia'], [Estilo.Ahorro, 'rotulo-ahorro'], [Estilo.Cruce, 'rotulo-cruce'],
      [Estilo.Semanas, 'rotulo-semanas'], [Estilo.Propia, 'rotulo-propia'],
      [Estilo.SinAmortizar, 'rotulo-sin-amortizar']]),
    ancla: new Map([[Ancla.Inicio, 'start'], [Ancla.Medio, 'middle'], [Ancla.Fin, 'end']]),
  };
}

/**
 * Shows in `seccion` the picture the module draws for it (`dibujar`: the
 * main window's last answer, or the comparison's, or the replay of one),
 * drawn for the section's width, or hides the section where there is none.
 * Its parts' ids start with the section's; `antesDeLaTabla` goes between
 * the sentences and the table. Gives whether there was a picture.
 * @param {HTMLElement} seccion
 * @param {Modulo} m
 * @param {(ancho: number, medidor: import('./velmora').MedidorGrafica) => import('./velmora').Dibujo | null} dibujar
 * @param {HTMLElement[]} [antesDeLaTabla]
 */
export function mostrar(seccion, m, dibujar, antesDeLaTabla = []) {
  const id = (/** @type {string} */ parte) => `${seccion.id}-${parte}`;
  seccion.replaceChildren();
  seccion.hidden = false;
  const estilo = getComputedStyle(seccion);
  const ancho = Math.floor(seccion.clientWidth - parseFloat(estilo.paddingLeft) -
    parseFloat(estilo.paddingRight));
  // The chart's font, as its style sheet gives it to a text.
  const svg = elemento('svg', { role: 'img', 'aria-labelledby': id('nombre'),
    'aria-describedby': id('frases') });
  const muestra = elemento('text', {}, 'x');
  svg.append(muestra);
  seccion.append(svg);
  const letra = getComputedStyle(muestra);
  // Bold, as the widest of its texts is drawn: a box never too small.
  lienzo.font = `bold ${letra.fontSize} ${letra.fontFamily}`;
  const g = dibujar(ancho, {
    AnchoDeTexto: (texto) => lienzo.measureText(texto).width,
    altoDeLetra: parseFloat(letra.fontSize) * 1.2,
    Numero: numero,
  });
  if (!g) {
    seccion.replaceChildren();
    seccion.hidden = true;
    return false;
  }
  const clase = clases(m);
  svg.replaceChildren(elemento('title', { id: id('nombre') }, g.nombreGrafica));
  svg.setAttribute('viewBox', `0 0 ${g.ancho} ${g.alto}`);
  for (const s of g.segmentos) {
    svg.append(elemento('line', { x1: s.x1, y1: s.y1, x2: s.x2, y2: s.y2, class: clase.trazo.get(s.trazo) || '' }));
  }
  for (const l of g.lineas) {
    svg.append(elemento('polyline', { points: l.puntos.join(' '), class: clase.trazo.get(l.trazo) || '' }));
  }
  for (const p of g.puntos) svg.append(elemento('circle', { cx: p.x, cy: p.y, r: g.radio, class: 'cruce' }));
  for (const r of g.rotulos) {
    svg.append(elemento('text', { x: r.x, y: r.y, 'text-anchor': clase.ancla.get(r.ancla) || 'start',
      class: clase.estilo.get(r.estilo) || '' }, r.texto));
  }
  const frases = html('div');
  frases.id = id('frases');
  for (const texto of g.frases) frases.append(html('p', texto));
  const titulo = html('h2', g.titulo);
  titulo.id = id('titulo');
  seccion.replaceChildren(titulo, ...(g.ancho > 0 ? [svg] : []), frases, ...antesDeLaTabla);
  if (g.filas.length) {
    // A table wider than a phone scrolls in a box of its own, which the
    // keyboard can then reach.
    const envoltura = html('div');
    envoltura.className = 'envoltura-tabla';
    envoltura.append(tabla(g));
    seccion.append(envoltura);
    if (envoltura.scrollWidth > envoltura.clientWidth) {
      envoltura.tabIndex = 0;
      envoltura.setAttribute('role', 'region');
      envoltura.setAttribute('aria-label', g.tituloTabla);
    }
  }
  return true;
}

/**
 * A picture's table, for a screen reader and for paper: a row each, headed
 * by its first text, under the columns' heading where there is one.
 * @param {import('./velmora').Dibujo} g
 */
function tabla(g) {
  const t = html('table');
  t.append(html('caption', g.tituloTabla));
  const fila = (/** @type {string[]} */ textos, /** @type {string} */ celda) => {
    const f = t.insertRow();
    textos.forEach((texto, i) => {
      const c = html(i === 0 || celda === 'th' ? 'th' : 'td', texto);
      if (c.tagName === 'TH') c.scope = celda === 'th' ? 'col' : 'row';
      f.append(c);
    });
  };
  if (g.columnas.length) fila(g.columnas, 'th');
  for (const textos of g.filas) fila(textos, 'td');
  return t;
}

/** @type {WeakMap<HTMLElement, () => void>} how to stop waiting to draw a section */
const esperas = new WeakMap();

/**
 * Calls `dibujar` once `seccion` comes near the screen, or before the page
 * is printed, whichever is first: the work of a section below the fold
 * waits until someone may look at it. Meanwhile the section is an empty
 * box where it goes (the style sheet keeps it unseen). A section already
 * drawn is drawn again at once. Gives a promise of the drawing.
 * @param {HTMLElement} seccion
 * @param {() => void} dibujar
 * @returns {Promise<void>}
 */
function cuandoSeVea(seccion, dibujar) {
  esperas.get(seccion)?.();
  if (!seccion.hidden && seccion.childElementCount) {
    dibujar();
    return Promise.resolve();
  }
  seccion.replaceChildren();
  seccion.hidden = false;
  return new Promise((listo) => {
    const ya = () => {
      dejar();
      dibujar();
      listo();
    };
    const observador = new IntersectionObserver((vistas) => {
      if (vistas.some((v) => v.isIntersecting)) ya();
    }, { rootMargin: '400px' });
    const dejar = () => {
      observador.disconnect();
      removeEventListener('beforeprint', ya);
      esperas.delete(seccion);
    };
    observador.observe(seccion);
    addEventListener('beforeprint', ya);
    esperas.set(seccion, dejar);
  });
}

/**
 * Below the picture of the last answer (of the view "Otros motores" where
 * `motores`), in `seccion`, the answer replayed over each week's real
 * prices, with the switch that says which currency the figures are in
 * (`moneda`: its caption and choices). The prices come once, from
 * precios.js; the replay is drawn when the section comes near the screen,
 * only if `vigente()` still holds by then. The module's work is timed
 * ("velmora-repeticion").
 * @param {HTMLElement} seccion
 * @param {Modulo} m
 * @param {boolean} motores
 * @param {{ rotulo: string, elecciones: string[] }} moneda
 * @param {() => boolean} vigente
 */
export async function mostrarPrecios(seccion, m, motores, moneda, vigente) {
  if (!m.hayPrecios()) {
    const p = await import('./precios.js');
    m.tomarPrecios(p.dias, p.gasoleo, p.gasolina);
  }
  // The answer may have gone meanwhile.
  if (!vigente()) return;
  const eleccion = Number(seccion.dataset.eleccion || 0);
  const selector = html('select');
  selector.id = `${seccion.id}-moneda`;
  moneda.elecciones.forEach((texto, i) => {
    const opcion = html('option', texto);
    opcion.value = String(i);
    selector.append(opcion);
  });
  selector.value = String(eleccion);
  selector.addEventListener('change', () => {
    seccion.dataset.eleccion = selector.value;
    mostrarPrecios(seccion, m, motores, moneda, vigente).then(() => {
      document.getElementById(selector.id)?.focus();
    });
  });
  const rotulo = html('label', moneda.rotulo);
  rotulo.htmlFor = selector.id;
  const cambio = html('p');
  cambio.className = 'moneda';
  cambio.append(rotulo, selector);
  await cuandoSeVea(seccion, () => {
    if (!vigente()) {
      seccion.hidden = true;
      return;
    }
    mostrar(seccion, m, (ancho, medidor) => {
      performance.mark('velmora-repeticion-inicio');
      const d = m.repeticion(motores, eleccion, ancho, medidor);
      performance.measure('velmora-repeticion', 'velmora-repeticion-inicio');
      return d;
    }, [cambio]);
  });
}
