// Velmora's page as a user meets it, the same checks in Chromium, Firefox and
// WebKit (entorno.mjs): the shared scenarios, the messages, the menus and the
// keyboard, the fixed windows, the browser's language, the bound on a
// field's text, "Salir", a phone's screen, the view "Otros motores", an
// address that holds a calculation, offline use and what the page asks for,
// the picture of an answer and its replay over real prices, an
// accessibility check, and a page whose module cannot load.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { servir, motor, MOTORES, compartidos, fila } from './entorno.mjs';
const EJEMPLO = fila(compartidos.escenarios[0].textos);
const resultado = () => document.getElementById('lblResultado').textContent;

// What a phone shows of the window `ventana`: whether it is in one column,
// what reaches past its edge, its fields' (`campos`) smallest text, the
// texts under 12 px, the captions cut, the controls under 44 x 44.
function comoEnUnMovil({ ventana, campos }) {
  // A text's size as drawn: inside a picture, as the picture is scaled.
  const tam = (e) => {
    const svg = e.closest('svg');
    const escala = svg ? svg.getBoundingClientRect().width / svg.viewBox.baseVal.width : 1;
    return parseFloat(getComputedStyle(e).fontSize) * escala;
  };
  const conTexto = [...document.querySelectorAll('body *')].filter((e) => e.checkVisibility() &&
    [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()));
  // A check box is pressed through its caption, the label around it.
  const tocables = [...document.querySelectorAll('input, button:not([tabindex="-1"]), select')]
    .filter((e) => e.checkVisibility()).map((e) => (e.type === 'checkbox' && e.closest('label')) || e);
  const v = document.getElementById(ventana);
  return {
    ancho: document.documentElement.scrollWidth,
    vista: innerWidth,
    enColumna: v.querySelector('.cliente-motores')
      ? getComputedStyle(v.querySelector('.cliente-motores')).gridTemplateColumns.split(' ').length === 1
      : v.classList.contains('en-columna'),
    // Nothing reaches past the window's edge (a scroll bar that came
    // with the column narrows the page).
    desborda: v.scrollWidth - v.clientWidth,
    campos: Math.min(...[...v.querySelectorAll(campos)].filter((e) => e.checkVisibility()).map(tam)),
    pequenos: conTexto.filter((e) => tam(e) < 12).map((e) => `${e.id || e.tagName} ${tam(e)}`),
    cortados: [...document.querySelectorAll('.etiqueta, legend, .boton, label')]
      .filter((e) => e.checkVisibility() && e.scrollWidth > e.clientWidth + 1 && e.textContent).map((e) => e.id || e.textContent),
    chicos: tocables.map((e) => [e.id || e.textContent, e.getBoundingClientRect()])
      .filter(([, r]) => r.width < 44 || r.height < 44).map(([n]) => n),
  };
}

for (const nombre of MOTORES) {
  describe(nombre, () => {
    let sitio;
    let m;
    before(async () => {
      sitio = await servir();
      m = await motor(nombre);
    });
    after(async () => {
      await m.cerrar();
      await sitio.cerrar();
    });
    const abrir = async (opciones, direccion = sitio.url) => {
      const p = await m.abrir(opciones);
      if (direccion) await p.ir(direccion);
      return p;
    };

    test('el titulo y los escenarios compartidos, por el boton y por el menu', async () => {
      const p = await abrir();
      assert.equal(await p.evaluar(() => document.title), 'Amortización Diesel v1.0');
      assert.equal(await p.texto('h1'), 'Amortización Diesel v1.0');
      assert.equal(await p.evaluar(() => document.getElementById('lblResultado').getAttribute('role')), 'status');
      const ejemplo = compartidos.escenarios[0];
      for (const e of compartidos.escenarios) {
        for (const como of ['boton', 'menu']) {
          await p.escribirTodos(fila(ejemplo.textos));
          await p.pulsar('#cmdCalcular');
          await p.escribirTodos(fila(e.textos));
          if (como === 'boton') await p.pulsar('#cmdCalcular');
          else {
            // The menu runs its command once the key's event has ended:
            // let it run before looking (the result may be the one shown).
            await p.teclas('Alt+a', 'c');
            await p.evaluar(() => new Promise((listo) => { setTimeout(listo, 0); }));
          }
          if (e.resultado !== undefined) {
            await p.esperar((r) => document.getElementById('lblResultado').textContent === r, e.resultado);
            continue;
          }
          const caja = await p.modal();
          assert.deepEqual(caja, { nombre: 'Velmora', texto: e.mensaje, botones: ['Aceptar'] },
            `${e.nombre} (${como})`);
          await p.cerrarModal();
          assert.equal(await p.evaluar(resultado), ejemplo.resultado, e.nombre);
        }
      }
      // A text is only ever text: markup typed into a field shows as typed.
      await p.escribir('txtConsumoMedioDiesel', '<img src=x>');
      await p.pulsar('#cmdCalcular');
      assert.equal((await p.modal()).texto,
        'ERROR: el dato Consumo medio de la seccion diesel no es un numero.');
      assert.equal(await p.evaluar(() => document.querySelectorAll('img[src=x]').length), 0);
      assert.deepEqual(p.errores, []);
      await p.cerrar();
    });

    test('los menus y el teclado como en el escritorio', async () => {
      const p = await abrir();
      // Alt+A opens "Amortizacion" every time.
      for (let vez = 0; vez < 2; vez += 1) {
        await p.teclas('Alt+a');
        await p.esperar(() => document.getElementById('menuAmortizacion').getAttribute('aria-expanded') === 'true');
        await p.teclas('Escape');
      }
      assert.deepEqual(await p.evaluar(() => [...document.querySelectorAll('[role=menubar] > .menu > button')]
        .map((b) => b.textContent)), ['Amortizacion', 'Ayuda']);
      assert.equal(await p.evaluar(() => document.querySelectorAll('[role=separator]').length), 2);
      // Tab follows the table: the interest fields after the button.
      await p.evaluar(() => document.getElementById('txtPrecioCocheDiesel').focus());
      const orden = [];
      for (let i = 0; i < compartidos.ordenDeTabulacion.length - 1; i += 1) {
        await p.teclas('Tab');
        orden.push(await p.evaluar(() => document.activeElement.id));
      }
      assert.deepEqual(orden, compartidos.ordenDeTabulacion.slice(0, -1));
      // Return in a field starts nothing; Return and Space on the button do.
      await p.escribirTodos(EJEMPLO);
      await p.teclas('Enter');
      assert.equal(await p.evaluar(resultado), '');
      for (const tecla of ['Enter', 'Space']) {
        await p.evaluar(() => {
          document.getElementById('lblResultado').textContent = '';
          document.getElementById('cmdCalcular').focus();
        });
        await p.teclas(tecla);
        await p.esperar(() => document.getElementById('lblResultado').textContent === '63829');
      }
      await p.cerrar();
    });

    test('Ejemplos, Formula y Acerca de', async () => {
      const p = await abrir();
      await p.pulsar('#menuAyuda');
      await p.pulsar('#menuEjemplos');
      assert.equal((await p.modal()).nombre, 'Ejemplos :');
      const lista = await p.evaluar(() => {
        const l = document.getElementById('lstEjemplos');
        return { filas: [...l.options].map((o) => o.text), entera: l.scrollHeight <= l.clientHeight,
          foco: document.activeElement.id };
      });
      const { ejemplos } = compartidos;
      assert.deepEqual([...lista.filas].sort(), [...ejemplos.filas].sort());
      assert.deepEqual(lista.filas, [...lista.filas].sort((a, b) => (a.toLowerCase() < b.toLowerCase() ? -1 : 1)));
      assert.equal(lista.filas[0], ejemplos.primera);
      assert.equal(lista.filas.at(-1), ejemplos.ultima);
      assert.ok(lista.entera, 'every row shows without scrolling');
      assert.equal(lista.foco, 'lstEjemplos');
      await p.cerrarModal();

      await p.teclas('Alt+a', 'ArrowRight', 'f');
      assert.equal((await p.modal()).nombre, 'Formula');
      // The fraction bar is drawn over the box of "PCD - PCG" where it crosses it.
      assert.equal(await p.evaluar(() => {
        const linea = document.getElementById('Line1').getBoundingClientRect();
        return document.elementFromPoint(linea.left + linea.width / 2, linea.top).id;
      }), 'Line1');
      await p.pulsar('dialog[open] .cerrar');
      await p.esperar(() => document.querySelector('dialog') === null);

      await p.pulsar('#menuAyuda');
      await p.pulsar('#menuAcercaDe');
      const acerca = await p.modal();
      const lineas = acerca.texto.split('\n');
      assert.equal(lineas.length, 4);
      assert.equal(lineas[0], 'Calculo de amortizacion de un coche diesel.');
      assert.match(lineas[3], /^ {38}\S/);
      assert.deepEqual(acerca.botones, ['Aceptar']);
      await p.cerrar();
    });

    test('las cifras segun el idioma del navegador', async () => {
      for (const [idioma, precios, km] of [
        ['en-US', ['2,600,000', '2,300,000'], '15,000'],
        ['fr-FR', ['2 600 000', '2\u202f300\u202f000'], '15 000'],
        ['de-CH', ["2'600'000", '2\u2019300\u2019000'], "15'000"],
      ]) {
        const otro = await motor(nombre, idioma);
        try {
          const p = await otro.abrir();
          await p.ir(sitio.url);
          await p.escribirTodos({ ...EJEMPLO, txtPrecioCocheDiesel: precios[0], txtPrecioCocheGasolina: precios[1] });
          await p.pulsar('#cmdCalcular');
          await p.esperar(() => document.getElementById('lblResultado').textContent === '63829');
          await p.escribirTodos({ txtKmAno: km, txtInteres: '5' });
          await p.pulsar('#cmdCalcular');
          await p.esperar(() => document.getElementById('lblResultado').textContent === '74694');
        } finally {
          await otro.cerrar();
        }
      }
    });

    test('lo que entra en un campo: el limite, lo que no se ve', async () => {
      const p = await abrir();
      const { rechazo } = compartidos;
      // Keys into a full field: one message for the burst, the field kept.
      await p.evaluar(({ campo, largo }) => {
        const c = document.getElementById(campo);
        c.value = '7'.repeat(largo - 1);
        c.focus();
        c.setSelectionRange(largo - 1, largo - 1);
      }, rechazo);
      await p.teclas('8', '8', '8');
      assert.equal((await p.modal()).texto, rechazo.mensaje);
      assert.equal(await p.evaluar(() => document.querySelectorAll('dialog').length), 1);
      assert.equal(await p.evaluar((c) => document.getElementById(c).value.length, rechazo.campo),
        rechazo.largo - 1);
      await p.cerrarModal();
      // The shared entries a key can bring (no line break, no tab): what
      // draws nothing is not taken, and the field shows what is read.
      for (const e of compartidos.entradas.filter((x) => !/[\t\r\n]/.test(x.texto))) {
        await p.escribirTodos({ ...fila(compartidos.conInteres), [e.campo]: '' });
        await p.escribir(e.campo, e.texto);
        assert.equal(await p.evaluar((c) => document.getElementById(c).value, e.campo), e.visto, e.nombre);
        await p.pulsar('#cmdCalcular');
        await p.esperar((r) => document.getElementById('lblResultado').textContent === r,
          compartidos.resultadoConInteres);
      }
      assert.equal(await p.evaluar(() => document.getElementById('txtPrecioCocheDiesel').inputMode), 'decimal');
      await p.cerrar();
    });

    test('Salir deja la pagina terminada, con la opcion de empezar otra vez', async () => {
      const p = await abrir();
      await p.teclas('Alt+a', 's');
      await p.esperar(() => document.querySelector('[role=alert]') !== null);
      assert.equal(await p.texto('[role=alert] p'), 'Velmora ha terminado.');
      await p.pulsar('[role=alert] button');
      await p.esperar(() => document.documentElement.dataset.listo === 'si' &&
        document.title === 'Amortización Diesel v1.0');
      await p.cerrar();
    });

    // A phone: the window in one column, nothing wider than the screen, no
    // caption cut, fields of 16 px, every other text of 12 px or more,
    // every control a fingertip can press at least 44 x 44; the About box
    // keeps its four lines.
    test('en un movil de 360 x 640 todo se lee y se toca', async () => {
      const p = await abrir({ ancho: 360, alto: 640, movil: true });
      await p.escribirTodos(EJEMPLO);
      await p.pulsar('#cmdCalcular');
      await p.esperar(() => document.getElementById('lblResultado').textContent === '63829');
      const visto = await p.evaluar(comoEnUnMovil, { ventana: 'Velmora', campos: '.campo' });
      assert.ok(visto.enColumna);
      assert.equal(visto.desborda, 0);
      assert.ok(visto.ancho <= visto.vista, `${visto.ancho} > ${visto.vista}`);
      assert.ok(visto.campos >= 16, `fields of ${visto.campos} px`);
      assert.deepEqual(visto.pequenos, []);
      assert.deepEqual(visto.cortados, []);
      assert.deepEqual(visto.chicos, []);
      await p.pulsar('#menuAyuda');
      await p.pulsar('#menuAcercaDe');
      await p.modal();
      const lineas = await p.evaluar(() => {
        const r = document.createRange();
        r.selectNodeContents(document.querySelector('dialog[open] .mensaje'));
        return new Set([...r.getClientRects()].map((c) => Math.round(c.top))).size;
      });
      assert.equal(lineas, 4);
      await p.cerrar();
    });

    // "Otros motores": opened by its link, each shared comparison played as
    // a user does (motors picked, every other field emptied, the figures
    // typed), its years and picture; the way back by the link and by the
    // browser's Back; the address that reopens a comparison; an
    // accessibility check; a phone.
    test('otros motores', async () => {
      const p = await abrir();
      const vista = () => {
        const v = document.getElementById('OtrosMotores');
        return v && v.checkVisibility() && !document.getElementById('Velmora').checkVisibility();
      };
      await p.pulsar('.enlace-motores');
      await p.esperar(vista);
      assert.equal(await p.evaluar(() => document.title), 'Otros motores');
      // Every control named by its caption, every group by its frame.
      assert.deepEqual(await p.evaluar(() => [...document.querySelectorAll('#OtrosMotores select, ' +
        '#OtrosMotores input, #OtrosMotores button, #OtrosMotores fieldset')].filter((e) =>
        !(e.labels?.[0]?.textContent || e.querySelector('legend')?.textContent || e.textContent).trim())
        .map((e) => e.id)), []);
      assert.equal(await p.evaluar(() => document.getElementById('motoresResultado').getAttribute('role')),
        'status');
      const resultado = () => document.getElementById('motoresResultado').textContent;
      for (const e of compartidos.motores) {
        await p.evaluar((motores) => {
          document.querySelectorAll('#OtrosMotores input').forEach((c) => {
            if (c.type === 'checkbox') c.checked = false;
            else c.value = '';
          });
          motores.forEach((nombre, i) => {
            const s = document.getElementById(`c${i + 1}Motor`);
            s.value = [...s.options].find((o) => o.text === nombre).value;
            s.dispatchEvent(new Event('change'));
          });
        }, e.motores);
        const antes = await p.evaluar(resultado);
        await p.escribirTodos(e.textos);
        await p.pulsar('#motoresCalcular');
        if (e.mensaje) {
          assert.deepEqual(await p.modal(), { nombre: 'Velmora', texto: e.mensaje, botones: ['Aceptar'] },
            e.nombre);
          await p.cerrarModal();
          assert.equal(await p.evaluar(resultado), antes, e.nombre);
          continue;
        }
        await p.esperar((r) => document.getElementById('motoresResultado').textContent === r &&
          !document.getElementById('grafica-motores').hidden, e.resultado);
        const frases = await p.texto('#grafica-motores');
        assert.match(frases, new RegExp(`${Number(e.resultado).toLocaleString('es-ES')} km`), e.nombre);
        if (e.textos.kmAno) assert.match(frases, /A 15\.000 km al año, son [\d,]+ años/, e.nombre);
      }
      const axe = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
      await p.ejecutar(axe);
      assert.deepEqual(await p.evaluar(() => window.axe.run(document).then((r) => r.violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`))), []);
      // The last comparison, in the address: another page opens it again.
      const direccion = await p.evaluar(() => location.href);
      assert.match(direccion, /#motores&c1Motor=diesel&/);
      await p.pulsar('.volver');
      await p.esperar(() => document.getElementById('Velmora').checkVisibility());
      assert.equal(await p.evaluar(() => document.title), 'Amortización Diesel v1.0');
      await p.ir(direccion);
      await p.esperar(vista);
      await p.evaluar(() => history.back());
      await p.esperar(() => document.getElementById('Velmora').checkVisibility());
      await p.cerrar();
      const movil = await abrir({ ancho: 360, alto: 640, movil: true }, direccion);
      await movil.esperar((r) => document.getElementById('motoresResultado').textContent === r,
        compartidos.motores.at(-1).resultado);
      const visto = await movil.evaluar(comoEnUnMovil, { ventana: 'OtrosMotores', campos: '.campo-motores, .motor' });
      assert.ok(visto.enColumna);
      assert.equal(visto.desborda, 0);
      assert.ok(visto.ancho <= visto.vista, `${visto.ancho} > ${visto.vista}`);
      assert.ok(visto.campos >= 16, `fields of ${visto.campos} px`);
      assert.deepEqual([visto.pequenos, visto.cortados, visto.chicos], [[], [], []]);
      await movil.cerrar();
    });

    test('una direccion que lleva un calculo lo rellena y lo calcula', async () => {
      const p = await abrir();
      await p.escribirTodos({ ...EJEMPLO, txtKmAno: '15000', txtInteres: '5' });
      await p.pulsar('#cmdCalcular');
      await p.esperar(() => location.hash.includes('txtPrecioCocheDiesel=2600000&'));
      const fragmento = await p.evaluar(() => location.hash);
      await p.cerrar();
      const otra = await abrir({}, sitio.url + fragmento);
      assert.equal(await otra.evaluar(resultado), '74694');
      assert.equal(await otra.evaluar(() => document.getElementById('txtKmAno').value), '15000');
      // A field too long for it, through the address: its message.
      await otra.evaluar((f) => { location.hash = f; },
        `txtPrecioCocheDiesel=${'7'.repeat(1000000)}&txtConsumoMedioDiesel=6`);
      assert.equal((await otra.modal()).texto, 'ERROR: el texto es demasiado largo para el dato ' +
        'Precio de la seccion diesel: admite como mucho 50000 caracteres. El dato no ha cambiado.');
      await otra.cerrar();
    });

    // The site keeps itself for offline use in every engine, and the page
    // asks for nothing but the site's own files.
    test('sin red tras la primera visita, sin pedir nada fuera del sitio', async () => {
      const propio = await servir();
      const p = await abrir({}, propio.url);
      // Kept once the worker is ready and the page is its client.
      await p.evaluar(() => navigator.serviceWorker.ready.then(() => true));
      await p.esperar(() => navigator.serviceWorker.controller !== null);
      await p.escribirTodos(EJEMPLO);
      await p.pulsar('#cmdCalcular');
      await p.esperar(() => document.getElementById('lblResultado').textContent === '63829');
      const pedidos = await p.evaluar(() => performance.getEntriesByType('resource').map((e) => e.name)
        .concat(location.href));
      assert.ok(pedidos.every((u) => u.startsWith(propio.url)), pedidos.join(' '));
      assert.ok(propio.pedidos.every((r) => !r.includes('..')), propio.pedidos.join(' '));
      await propio.cerrar();
      await p.ir(propio.url);
      await p.escribirTodos(EJEMPLO);
      await p.pulsar('#cmdCalcular');
      await p.esperar(() => document.getElementById('lblResultado').textContent === '63829');
      assert.match(await p.evaluar(() => document.querySelector('meta[http-equiv="Content-Security-Policy"]')
        .content), /default-src 'none'/);
      await p.cerrar();
    });

    // The picture below the window: its crossing is the result, its
    // sentences say it in the browser's numbers, and it goes with a
    // message about the figures.
    test('la grafica junto al numero', async () => {
      const g = () => ({
        visible: !document.getElementById('grafica').hidden,
        cruce: [...document.querySelectorAll('#grafica .rotulo-cruce')].map((e) => e.textContent),
        frases: (document.getElementById('grafica-frases') || {}).textContent || '',
      });
      const p = await abrir();
      const calcular = async (textos) => {
        await p.escribirTodos(textos);
        await p.evaluar(() => { document.getElementById('grafica').hidden = true; });
        await p.pulsar('#cmdCalcular');
      };
      await calcular(EJEMPLO);
      await p.esperar(() => !document.getElementById('grafica').hidden);
      let visto = await p.evaluar(g);
      assert.deepEqual(visto.cruce, ['63829 Km']);
      assert.match(visto.frases, /necesita 63\.829 km para recuperar los 300\.000/);
      await calcular({ txtKmAno: '15000', txtInteres: '5' });
      await p.esperar(() => !document.getElementById('grafica').hidden);
      visto = await p.evaluar(g);
      assert.deepEqual(visto.cruce, ['74694 Km']);
      assert.match(visto.frases, /74\.694 km .* A 15\.000 km al año, son 4,98 años\./);
      // A message about the figures: no picture.
      await calcular({ txtPrecioLitroGasolina: '' });
      await p.cerrarModal();
      assert.equal((await p.evaluar(g)).visible, false);
      // A message that the picture explains (which answers have one is the
      // core's, calc/Grafica.h): the result box as it was, the picture of a
      // head start that runs out where the message says.
      await calcular({ ...EJEMPLO, txtPrecioCocheDiesel: '2000000', txtConsumoMedioDiesel: '8',
        txtPrecioLitroGasoil: '145', txtConsumoMedioGasolina: '6', txtPrecioLitroGasolina: '115',
        txtKmAno: '', txtInteres: '' });
      assert.match((await p.modal()).texto, /a partir de 63829 Km sale mas caro/);
      await p.cerrarModal();
      assert.equal(await p.evaluar(resultado), '74694');
      visto = await p.evaluar(g);
      assert.deepEqual(visto.cruce, ['63829 Km']);
      assert.match(visto.frases, /su ventaja se acaba a los 63\.829 km/);
      await p.cerrar();
      // Without the picture's script, the window works all the same.
      const sinGrafica = await servir(undefined, { falta: ['grafica.js', 'sw.js'] });
      const otra = await abrir({}, sinGrafica.url);
      await otra.escribirTodos(EJEMPLO);
      await otra.pulsar('#cmdCalcular');
      await otra.esperar(() => document.getElementById('lblResultado').textContent === '63829');
      assert.equal(await otra.evaluar(() => document.getElementById('grafica').hidden), true);
      assert.deepEqual(otra.errores.filter((e) => !/Failed to load resource|\(404\)|disallowed MIME type/.test(e)), []);
      await otra.cerrar();
      await sinGrafica.cerrar();
    });

    // The answer replayed over the real prices of each week: its range and
    // median, the currency the prices look like and the switch that says
    // another, and in the view, only the petrol an electric car competes with.
    test('con los precios reales', async () => {
      // Drawn once scrolled to.
      const esperarFrases = (p, id, patron) => p.esperar(([i, f]) => {
        document.getElementById(i).scrollIntoView();
        return new RegExp(f).test(document.getElementById(`${i}-frases`)?.textContent || '');
      }, [id, patron.source]);
      const moneda = (p, id, valor) => p.evaluar(([i, v]) => {
        const s = document.getElementById(`${i}-moneda`);
        s.value = v;
        s.dispatchEvent(new Event('change'));
      }, [id, valor]);
      const p = await abrir({}, `${sitio.url}#txtPrecioCocheDiesel=22.500&txtConsumoMedioDiesel=5&` +
        'txtPrecioLitroGasoil=1,45&txtPrecioCocheGasolina=20.000&txtConsumoMedioGasolina=7&' +
        'txtPrecioLitroGasolina=1,55');
      await esperarFrases(p, 'precios',
        /este diésel se habría amortizado entre 52\.072 y 101\.609 km \(la mitad de las semanas, antes de 80\.910 km\)/);
      assert.deepEqual(await p.evaluar(() => [document.querySelectorAll('#precios polyline.semanas').length > 0,
        document.querySelectorAll('#precios tr').length]), [true, 11]);
      // Prices of a litre in two currencies: no replay until the user says which.
      await p.escribirTodos({ txtPrecioLitroGasolina: '145' });
      await p.pulsar('#cmdCalcular');
      await esperarFrases(p, 'precios', /no parecen ni euros/);
      await moneda(p, 'precios', '2');
      await esperarFrases(p, 'precios', /en pesetas \(a 166,386 pesetas el euro\).* entre/);
      await moneda(p, 'precios', '0');
      // The worked example, in pesetas as its prices are.
      await p.escribirTodos(EJEMPLO);
      await p.pulsar('#cmdCalcular');
      await esperarFrases(p, 'precios', /en pesetas .* entre 36\.689 y 80\.184 km/);
      await p.cerrar();
      const v = await abrir({}, `${sitio.url}#motores&c1Motor=electrico&c1Precio=35.000&c1ConsumoKWh=16&` +
        'c1PrecioKWhCasa=0,15&c1PrecioKWhFuera=0,45&c1CargaEnCasa=80&c2Motor=gasolina&c2Precio=25.000&' +
        'c2Consumo=6,5&c2PrecioLitro=1,55');
      await esperarFrases(v, 'precios-motores',
        /de la gasolina de cada semana.*este eléctrico.*El kWh en casa y el kWh fuera quedan como están escritos\./);
      assert.deepEqual(v.errores, []);
      await v.cerrar();
    });

    test('la comprobacion de accesibilidad no encuentra fallos', async () => {
      const axe = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
      const p = await abrir();
      const comprobar = async (que) => {
        await p.ejecutar(axe);
        const fallos = await p.evaluar(() => window.axe.run(document).then((r) => r.violations
          .map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`)));
        assert.deepEqual(fallos, [], que);
      };
      await comprobar('the main window');
      await p.escribirTodos(EJEMPLO);
      await p.pulsar('#cmdCalcular');
      await p.esperar(() => {
        document.getElementById('precios').scrollIntoView();
        return Boolean(document.getElementById('precios-frases'));
      });
      await comprobar('the picture of an answer and its replay');
      await p.escribir('txtConsumoMedioDiesel', '');
      await p.pulsar('#cmdCalcular');
      await p.modal();
      await comprobar('a message');
      await p.cerrar();
    });

    // Without its module (missing, or broken) the page says, in Spanish,
    // visibly and to a screen reader, that Velmora could not start and
    // what to try, and is busy no longer; while a slow network brings the
    // module, it says it is loading.
    test('sin su modulo, la pagina lo dice', async () => {
      const roto = await servir(undefined, { falta: ['sw.js'], cambiado: { 'velmora.wasm': 'no es WebAssembly' } });
      for (const [que, opciones] of [['missing', { falta: ['velmora.js', 'sw.js'] }], ['broken', null]]) {
        const sitioRoto = opciones ? await servir(undefined, opciones) : roto;
        const p = await abrir({}, null);
        await p.ir(sitioRoto.url, false);
        const aviso = await p.esperar(() => {
          const a = document.querySelector('#arranque [role=alert]');
          return a && a.checkVisibility() && { texto: a.textContent,
            ocupado: document.getElementById('escritorio').getAttribute('aria-busy') };
        });
        assert.match(aviso.texto, /Velmora no ha podido arrancar/, que);
        assert.match(aviso.texto, /WebAssembly/, que);
        assert.equal(aviso.ocupado, null, que);
        await p.cerrar();
        if (opciones) await sitioRoto.cerrar();
      }
      await roto.cerrar();
      // Seen from the page around it (a driver may wait for a page to load
      // before it looks), in a frame of the slow site's own.
      const lento = await servir(undefined, { lento: { 'velmora.js': 2500 }, falta: ['sw.js'] });
      const p = await abrir({}, null);
      await p.m.ir(`${lento.url}__marco-de-prueba?ancho=600&alto=400&src=about:blank`);
      await p.evaluar((u) => { document.querySelector('iframe').src = u; }, lento.url);
      await p.esperar(() => {
        const c = document.querySelector('iframe').contentDocument.getElementById('cargando');
        return c && getComputedStyle(c).opacity === '1' && /Cargando/.test(c.textContent);
      });
      await p.esperar(() => document.querySelector('iframe').contentDocument.documentElement.dataset.listo === 'si');
      assert.equal(await p.evaluar(() => document.querySelector('iframe').contentDocument
        .getElementById('cargando')), null);
      await p.cerrar();
      await lento.cerrar();
    });
  });
}
