// The picture beside the number, on the page: after a calculation, a chart
// of the saving the diesel accumulates over the kilometres against the price
// difference it must recover, where the two meet, and its words (sentences,
// and the key points as a table for those who do not see the chart). What
// it shows and says, and where each line and text of the chart goes, is the
// module's (ui/Explicacion.h, ui/PlanoGrafica.h, from calc/Grafica.h on the
// calculation's own road): this script measures the chart's font, writes
// numbers in the browser's language, and draws.
'use strict';

// eslint-disable-next-line no-unused-vars
const VelmoraGrafica = (() => {
  const SVG = 'http://www.w3.org/2000/svg';
  const lienzo = document.createElement('canvas').getContext('2d');
  const formatos = new Map();   // the browser's number format, by decimals

  function numero(valor, decimales) {
    if (!formatos.has(decimales)) {
      formatos.set(decimales, new Intl.NumberFormat(navigator.language, { maximumFractionDigits: decimales }));
    }
    return formatos.get(decimales).format(valor);
  }

  function elemento(nombre, atributos, texto) {
    const e = document.createElementNS(SVG, nombre);
    for (const [clave, valor] of Object.entries(atributos)) e.setAttribute(clave, valor);
    if (texto !== undefined) e.textContent = texto;
    return e;
  }

  function html(nombre, texto) {
    const e = document.createElement(nombre);
    if (texto !== undefined) e.textContent = texto;
    return e;
  }

  // Shows in `seccion` the picture of the module's last answer, drawn for
  // the section's width, or hides the section where there is none.
  function mostrar(seccion, modulo) {
    seccion.replaceChildren();
    seccion.hidden = false;
    const estilo = getComputedStyle(seccion);
    const ancho = Math.floor(seccion.clientWidth - parseFloat(estilo.paddingLeft) -
      parseFloat(estilo.paddingRight));
    // The chart's font, as its style sheet gives it to a text.
    const svg = elemento('svg', { role: 'img', 'aria-labelledby': 'grafica-nombre',
      'aria-describedby': 'grafica-frases' });
    const muestra = elemento('text', {}, 'x');
    svg.append(muestra);
    seccion.append(svg);
    const letra = getComputedStyle(muestra);
    // Bold, as the widest of its texts is drawn: a box never too small.
    lienzo.font = `bold ${letra.fontSize} ${letra.fontFamily}`;
    const g = modulo.grafica(ancho, {
      AnchoDeTexto: (texto) => lienzo.measureText(texto).width,
      altoDeLetra: parseFloat(letra.fontSize) * 1.2,
      Numero: numero,
    });
    if (!g) {
      seccion.replaceChildren();
      seccion.hidden = true;
      return;
    }
    svg.replaceChildren(elemento('title', { id: 'grafica-nombre' }, g.nombreGrafica));
    svg.setAttribute('viewBox', `0 0 ${g.ancho} ${g.alto}`);
    for (const s of g.segmentos) {
      svg.append(elemento('line', { x1: s.x1, y1: s.y1, x2: s.x2, y2: s.y2, class: s.clase }));
    }
    for (const p of g.puntos) svg.append(elemento('circle', { cx: p.x, cy: p.y, r: g.radio, class: 'cruce' }));
    for (const r of g.rotulos) {
      svg.append(elemento('text', { x: r.x, y: r.y, 'text-anchor': r.ancla, class: r.clase }, r.texto));
    }
    const frases = html('div');
    frases.id = 'grafica-frases';
    for (const texto of g.frases) frases.append(html('p', texto));
    // The key points as a table a screen reader can read.
    const tabla = html('table');
    tabla.append(html('caption', g.tituloTabla));
    for (const [nombre, valor] of g.tabla) {
      const fila = tabla.insertRow();
      const cabecera = html('th', nombre);
      cabecera.scope = 'row';
      fila.append(cabecera);
      fila.insertCell().textContent = valor;
    }
    const titulo = html('h2', g.titulo);
    titulo.id = 'grafica-titulo';
    seccion.replaceChildren(titulo, svg, frases, tabla);
  }

  return { mostrar };
})();
