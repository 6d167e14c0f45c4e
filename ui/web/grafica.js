// The picture beside the number, on the page only: after a calculation, a
// chart of the saving the diesel accumulates over the kilometres against the
// price difference it must recover, where the two meet, what that means in
// years, and how far the fuel prices may move before the answer changes.
// Every figure comes from the module (calc/Grafica.h, on the calculation's
// own road), so the picture never disagrees with the window; numbers are
// written by the browser's language; the chart has its words beside it (the
// sentences, and the key points as a table) for those who do not see it.
'use strict';

// eslint-disable-next-line no-unused-vars
const VelmoraGrafica = (() => {
  const SVG = 'http://www.w3.org/2000/svg';
  const ANCHO = 600;
  const ALTO = 300;
  const MARGEN = { izquierda: 96, derecha: 16, arriba: 16, abajo: 62 };

  const numero = (valor, decimales) => new Intl.NumberFormat(navigator.language, {
    maximumFractionDigits: decimales,
  }).format(valor);
  const km = (valor) => numero(valor, 0);
  const dinero = (valor) => numero(valor, 2);
  const porcentaje = (parte, todo) => numero(Math.abs(parte / todo) * 100, 1);

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

  const cruza = (g) => g.caso === 'SeAmortiza' || g.caso === 'VentajaQueSeAcaba';

  // The kilometres the chart spans: past the crossing, or, where the lines
  // do not cross, ten years at the kilometres a year typed (or 100 000 km).
  function tramo(g) {
    if (cruza(g) && g.distancia > 0) return g.distancia * 1.3;
    return g.kmAno && g.kmAno > 0 ? g.kmAno * 10 : 100000;
  }

  function dibujarGrafica(svg, g) {
    const xMax = tramo(g);
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
      if (g.kmAno && g.kmAno > 0) {
        ejes.append(elemento('text', { x: x(v), y: MARGEN.arriba + alto + 32, 'text-anchor': 'middle', class: 'anos' },
          numero(v / g.kmAno, 1)));
      }
    }
    ejes.append(elemento('text', { x: MARGEN.izquierda + ancho, y: ALTO - 6, 'text-anchor': 'end' },
      g.kmAno && g.kmAno > 0 ? 'Km (y años)' : 'Km'));
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
      g.conInteres ? 'Diferencia a recuperar, con interés' : 'Diferencia a recuperar'));
    svg.append(elemento('text', { x: x(xMax) - 4, y: y(g.ahorroPorKm * xMax) + (g.ahorroPorKm >= 0 ? 16 : -8),
      'text-anchor': 'end', class: 'rotulo-ahorro' }, 'Ahorro acumulado'));

    // Where they meet, labelled with the distance as the window writes it.
    if (cruza(g)) {
      const cx = x(g.distancia);
      const cy = y(g.diferencia);
      svg.append(elemento('circle', { cx, cy, r: 5, class: 'cruce' }));
      svg.append(elemento('text', { x: cx, y: cy + (g.diferencia >= 0 ? 20 : -10),
        'text-anchor': cx > MARGEN.izquierda + ancho * 0.7 ? 'end' : 'middle', class: 'rotulo-cruce' },
      `${g.textoDistancia} Km`));
    }
  }

  // One or two sentences that say what the chart shows, and what would
  // change the answer.
  function frases(g) {
    const dichas = [];
    const anos = g.anos != null && g.kmAno ?
      ` A ${km(g.kmAno)} km al año, son ${numero(g.anos, 2)} años.` : '';
    const recuperar = g.conInteres ?
      `${km(g.diferencia)} (los ${km(g.diferenciaPrecio)} que cuesta de más, con su interés)` :
      `los ${km(g.diferencia)} que cuesta de más`;
    switch (g.caso) {
      case 'SeAmortiza':
        dichas.push(`El diésel ahorra ${dinero(g.ahorroPorKm)} por kilómetro y necesita ` +
          `${km(g.distancia)} km para recuperar ${recuperar}.${anos}`);
        if (g.gasolinaLimite != null && g.gasoilLimite != null) {
          dichas.push('La respuesta cambia si el litro de gasolina baja de ' +
            `${dinero(g.precioLitroGasolina)} a ${dinero(g.gasolinaLimite)} ` +
            `(un ${porcentaje(g.precioLitroGasolina - g.gasolinaLimite, g.precioLitroGasolina)} % menos) ` +
            `o el de gasóleo sube de ${dinero(g.precioLitroGasoil)} a ${dinero(g.gasoilLimite)} ` +
            `(un ${porcentaje(g.gasoilLimite - g.precioLitroGasoil, g.precioLitroGasoil)} % más): ` +
            'a partir de ahí el diésel no se amortiza nunca.');
        }
        break;
      case 'AmortizadoDesdeYa':
        dichas.push('El diésel no cuesta más de comprar y no gasta más por kilómetro: ' +
          'está amortizado desde el primer kilómetro.');
        break;
      case 'MismoPrecio':
        dichas.push('El diésel cuesta lo mismo de comprar: no tiene nada que recuperar, pero ' +
          `gasta ${dinero(-g.ahorroPorKm)} más por kilómetro.`);
        break;
      case 'NuncaSeAmortiza':
        dichas.push(`El diésel cuesta ${km(g.diferenciaPrecio)} más y gasta ` +
          `${dinero(-g.ahorroPorKm)} más por kilómetro: la diferencia no se recupera nunca.`);
        if (g.gasolinaLimite != null && g.gasoilLimite != null) {
          dichas.push('Se amortizaría si el litro de gasolina pasara de ' +
            `${dinero(g.gasolinaLimite)} o el de gasóleo bajara de ${dinero(g.gasoilLimite)}.`);
        }
        break;
      default:  // VentajaQueSeAcaba
        dichas.push(`El diésel cuesta ${km(-g.diferenciaPrecio)} menos pero gasta ` +
          `${dinero(-g.ahorroPorKm)} más por kilómetro: su ventaja se acaba a los ` +
          `${km(g.distancia)} km.${anos}`);
    }
    return dichas;
  }

  // The key points as a table a screen reader can read.
  function tabla(g) {
    const filas = [
      [g.conInteres ? 'Diferencia a recuperar, con interés' : 'Diferencia a recuperar', km(g.diferencia)],
      ['Ahorro por kilómetro', dinero(g.ahorroPorKm)],
    ];
    if (cruza(g)) filas.push(['Distancia en que se cruzan', `${km(g.distancia)} km`]);
    if (g.anos != null && g.kmAno) filas.push([`Años a ${km(g.kmAno)} km al año`, numero(g.anos, 2)]);
    if (g.gasolinaLimite != null) filas.push(['Litro de gasolina en que los dos gastan igual', dinero(g.gasolinaLimite)]);
    if (g.gasoilLimite != null) filas.push(['Litro de gasóleo en que los dos gastan igual', dinero(g.gasoilLimite)]);
    const t = document.createElement('table');
    const titulo = document.createElement('caption');
    titulo.textContent = 'Puntos clave';
    t.append(titulo);
    for (const [nombre, valor] of filas) {
      const fila = t.insertRow();
      const cabecera = document.createElement('th');
      cabecera.scope = 'row';
      cabecera.textContent = nombre;
      fila.append(cabecera);
      fila.insertCell().textContent = valor;
    }
    return t;
  }

  // Shows the picture of `g` in `seccion` (or hides it when there is none).
  function mostrar(seccion, g) {
    seccion.replaceChildren();
    seccion.hidden = !g;
    if (!g) return;
    const titulo = document.createElement('h2');
    titulo.id = 'grafica-titulo';
    titulo.textContent = 'Qué significa';
    const dichas = frases(g);
    const texto = document.createElement('div');
    texto.id = 'grafica-frases';
    for (const frase of dichas) {
      const p = document.createElement('p');
      p.textContent = frase;
      texto.append(p);
    }
    const svg = elemento('svg', { viewBox: `0 0 ${ANCHO} ${ALTO}`, role: 'img',
      'aria-labelledby': 'grafica-nombre', 'aria-describedby': 'grafica-frases' });
    svg.append(elemento('title', { id: 'grafica-nombre' },
      'Ahorro acumulado del diésel frente a la diferencia de precio a recuperar'));
    dibujarGrafica(svg, g);
    seccion.append(titulo, svg, texto, tabla(g));
  }

  return { mostrar };
})();
