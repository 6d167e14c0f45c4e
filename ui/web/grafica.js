// The picture beside the number, on the page: after a calculation, a chart
// of the saving the diesel accumulates over the kilometres against the price
// difference it must recover, where the two meet, and its words (sentences,
// and the key points as a table for those who do not see the chart). What
// it shows and says is the module's (ui/Explicacion.h, from calc/Grafica.h
// on the calculation's own road), so the picture never disagrees with the
// window; numbers are written by the browser's language.
'use strict';

// eslint-disable-next-line no-unused-vars
const VelmoraGrafica = (() => {
  const SVG = 'http://www.w3.org/2000/svg';
  let ANCHO = 600;   // CSS pixels, as wide as the picture's section: its texts are drawn at their size
  let ALTO = 300;
  const MARGEN = { izquierda: 96, derecha: 16, arriba: 16, abajo: 62 };

  const numero = (valor, decimales) => new Intl.NumberFormat(navigator.language, {
    maximumFractionDigits: decimales,
  }).format(valor);
  const km = (valor) => numero(valor, 0);
  // A sentence of texts and figures, in the browser's number format.
  const frase = (piezas) => piezas.map((p) => (typeof p === 'string' ? p : numero(p.valor, p.decimales))).join('');

  function elemento(nombre, atributos, texto) {
    const e = document.createElementNS(SVG, nombre);
    for (const [clave, valor] of Object.entries(atributos)) e.setAttribute(clave, valor);
    if (texto !== undefined) e.textContent = texto;
    return e;
  }

  // Round steps for an axis from `desde` to `hasta`: 1, 2 or 5 times a
  // power of ten.
  function marcas(desde, hasta, cuantas) {
    const bruto = (hasta - desde) / cuantas;
    const potencia = 10 ** Math.floor(Math.log10(bruto));
    const paso = [1, 2, 5, 10].map((f) => f * potencia).find((p) => p >= bruto);
    const lista = [];
    for (let v = Math.ceil(desde / paso) * paso; v <= hasta + paso / 1e6; v += paso) lista.push(v);
    return lista;
  }

  function dibujarGrafica(svg, g) {
    const xMax = g.tramo;
    const puntos = [0, g.diferencia, g.ahorroPorKm * xMax];
    let yMin = Math.min(...puntos);
    let yMax = Math.max(...puntos);
    const holgura = (yMax - yMin) * 0.08 || 1;
    yMin -= yMin < 0 ? holgura : 0;
    yMax += holgura;
    const ancho = ANCHO - MARGEN.izquierda - MARGEN.derecha;
    const alto = ALTO - MARGEN.arriba - MARGEN.abajo;
    const x = (v) => MARGEN.izquierda + (v / xMax) * ancho;
    const y = (v) => MARGEN.arriba + (1 - (v - yMin) / (yMax - yMin)) * alto;

    // Axes: kilometres (and years) across, money up.
    const ejes = elemento('g', { class: 'ejes' });
    for (const v of marcas(0, xMax, 5)) {
      ejes.append(elemento('line', { x1: x(v), x2: x(v), y1: MARGEN.arriba, y2: MARGEN.arriba + alto, class: 'rejilla' }));
      ejes.append(elemento('text', { x: x(v), y: MARGEN.arriba + alto + 16, 'text-anchor': 'middle' }, km(v)));
      if (g.kmAno > 0) {
        ejes.append(elemento('text', { x: x(v), y: MARGEN.arriba + alto + 32, 'text-anchor': 'middle', class: 'anos' },
          numero(v / g.kmAno, 1)));
      }
    }
    ejes.append(elemento('text', { x: MARGEN.izquierda + ancho, y: ALTO - 6, 'text-anchor': 'end' },
      g.rotuloEje));
    for (const v of marcas(yMin, yMax, 4)) {
      ejes.append(elemento('line', { x1: MARGEN.izquierda, x2: MARGEN.izquierda + ancho, y1: y(v), y2: y(v), class: 'rejilla' }));
      ejes.append(elemento('text', { x: MARGEN.izquierda - 6, y: y(v) + 4, 'text-anchor': 'end' }, km(v)));
    }
    ejes.append(elemento('line', { x1: MARGEN.izquierda, x2: MARGEN.izquierda + ancho, y1: y(0), y2: y(0), class: 'cero' }));
    svg.append(ejes);

    // The two lines: the difference to recover, the saving accumulated.
    svg.append(elemento('line', { x1: x(0), x2: x(xMax), y1: y(g.diferencia), y2: y(g.diferencia), class: 'diferencia' }));
    svg.append(elemento('line', { x1: x(0), x2: x(xMax), y1: y(0), y2: y(g.ahorroPorKm * xMax), class: 'ahorro' }));
    svg.append(elemento('text', { x: x(xMax) - 4, y: y(g.diferencia) - 6, 'text-anchor': 'end', class: 'rotulo-diferencia' },
      g.rotuloDiferencia));
    svg.append(elemento('text', { x: x(xMax) - 4, y: y(g.ahorroPorKm * xMax) + (g.ahorroPorKm >= 0 ? 16 : -8),
      'text-anchor': 'end', class: 'rotulo-ahorro' }, g.rotuloAhorro));

    // Where they meet, labelled with the distance as the window writes it.
    if (g.cruzan) {
      const cx = x(g.distancia);
      const cy = y(g.diferencia);
      svg.append(elemento('circle', { cx, cy, r: 5, class: 'cruce' }));
      svg.append(elemento('text', { x: cx, y: cy + (g.diferencia >= 0 ? 20 : -10),
        'text-anchor': cx > MARGEN.izquierda + ancho * 0.7 ? 'end' : 'middle', class: 'rotulo-cruce' },
      g.rotuloCruce));
    }
  }

  // The key points as a table a screen reader can read.
  function tabla(g) {
    const t = document.createElement('table');
    const titulo = document.createElement('caption');
    titulo.textContent = g.tituloTabla;
    t.append(titulo);
    for (const [nombre, valor] of g.tabla) {
      const fila = t.insertRow();
      const cabecera = document.createElement('th');
      cabecera.scope = 'row';
      cabecera.textContent = frase(nombre);
      fila.append(cabecera);
      fila.insertCell().textContent = frase(valor);
    }
    return t;
  }

  // Shows the picture of `g` in `seccion` (or hides it when there is none),
  // drawn for the section's width.
  function mostrar(seccion, g) {
    seccion.replaceChildren();
    seccion.hidden = !g;
    if (!g) return;
    const estilo = getComputedStyle(seccion);
    ANCHO = Math.round(seccion.clientWidth - parseFloat(estilo.paddingLeft) - parseFloat(estilo.paddingRight));
    ALTO = Math.round(Math.min(300, Math.max(240, ANCHO / 2)));
    const titulo = document.createElement('h2');
    titulo.id = 'grafica-titulo';
    titulo.textContent = g.titulo;
    const texto = document.createElement('div');
    texto.id = 'grafica-frases';
    for (const piezas of g.frases) {
      const p = document.createElement('p');
      p.textContent = frase(piezas);
      texto.append(p);
    }
    const svg = elemento('svg', { viewBox: `0 0 ${ANCHO} ${ALTO}`, role: 'img',
      'aria-labelledby': 'grafica-nombre', 'aria-describedby': 'grafica-frases' });
    svg.append(elemento('title', { id: 'grafica-nombre' }, g.nombreGrafica));
    dibujarGrafica(svg, g);
    seccion.append(titulo, svg, texto, tabla(g));
  }

  return { mostrar };
})();
