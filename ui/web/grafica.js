// @ts-check
// The picture beside the number, on the page: after a calculation, a chart
// of the saving the diesel accumulates over the kilometres against the price
// difference it must recover, where the two meet, and its words (sentences,
// and the key points as a table for those who do not see the chart). What
// it shows and says, and where each line and text of the chart goes, is the
// module's (ui/Explicacion.h, ui/PlanoGrafica.h, from calc/Grafica.h on the
// calculation's own road): this module measures the chart's font, writes
// numbers in the browser's language, and draws.

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
      [Trazo.Ahorro, 'ahorro']]),
    estilo: new Map([[Estilo.Marca, ''], [Estilo.Anos, 'anos'], [Estilo.Titulo, 'titulo-eje'],
      [Estilo.Diferencia, 'rotulo-diferencia'], [Estilo.Ahorro, 'rotulo-ahorro'], [Estilo.Cruce, 'rotulo-cruce']]),
    ancla: new Map([[Ancla.Inicio, 'start'], [Ancla.Medio, 'middle'], [Ancla.Fin, 'end']]),
  };
}

/**
 * Shows in `seccion` the picture the module draws for it (`dibujar`: the
 * main window's last answer, or the comparison's), drawn for the section's
 * width, or hides the section where there is none. Its parts' ids start
 * with the section's.
 * @param {HTMLElement} seccion
 * @param {Modulo} m
 * @param {(ancho: number, medidor: import('./velmora').MedidorGrafica) => import('./velmora').Dibujo | null} dibujar
 */
export function mostrar(seccion, m, dibujar) {
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
    return;
  }
  const clase = clases(m);
  svg.replaceChildren(elemento('title', { id: id('nombre') }, g.nombreGrafica));
  svg.setAttribute('viewBox', `0 0 ${g.ancho} ${g.alto}`);
  for (const s of g.segmentos) {
    svg.append(elemento('line', { x1: s.x1, y1: s.y1, x2: s.x2, y2: s.y2, class: clase.trazo.get(s.trazo) || '' }));
  }
  for (const p of g.puntos) svg.append(elemento('circle', { cx: p.x, cy: p.y, r: g.radio, class: 'cruce' }));
  for (const r of g.rotulos) {
    svg.append(elemento('text', { x: r.x, y: r.y, 'text-anchor': clase.ancla.get(r.ancla) || 'start',
      class: clase.estilo.get(r.estilo) || '' }, r.texto));
  }
  const frases = html('div');
  frases.id = id('frases');
  for (const texto of g.frases) frases.append(html('p', texto));
  // The key points as a table a screen reader can read.
  const tabla = html('table');
  tabla.append(html('caption', g.tituloTabla));
  for (const { nombre, valor } of g.tabla) {
    const fila = tabla.insertRow();
    const cabecera = html('th', nombre);
    cabecera.scope = 'row';
    fila.append(cabecera);
    fila.insertCell().textContent = valor;
  }
  const titulo = html('h2', g.titulo);
  titulo.id = id('titulo');
  seccion.replaceChildren(titulo, svg, frases, tabla);
}
