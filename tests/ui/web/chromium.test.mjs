// What only Chromium's driver lets a test do, beside the checks every engine
// runs (motores.test.mjs): a paste from the system's clipboard, every
// request the browser itself makes, and a new version of the site that a
// later visit picks up; and, in node, the site's weekly prices against the
// file they were made from.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { servir, motor, compartidos, fila, SITIO } from './entorno.mjs';

let sitio;
let chromium;
before(async () => {
  sitio = await servir();
  chromium = await motor('chromium');
});
after(async () => {
  await chromium.cerrar();
  await sitio.cerrar();
});

test('los precios del sitio son los del archivo', async () => {
  const p = await import(pathToFileURL(join(SITIO, 'precios.js')).href);
  const archivo = await readFile(new URL('../../../calc/datos/precios-carburantes-es.csv', import.meta.url), 'utf8');
  const filas = archivo.trim().split('\n').slice(1).map((l) => l.split(','));
  assert.equal(p.dias.length, filas.length);
  filas.forEach(([semana, gasoleo, gasolina], i) => {
    assert.deepEqual([new Date(p.dias[i] * 864e5).toISOString().slice(0, 10), p.gasoleo[i], p.gasolina[i]],
      [semana, Number(gasoleo), Number(gasolina)]);
  });
});

test('lo que se pega: el limite y la primera linea', async () => {
  const p = await chromium.abrir({ permissions: ['clipboard-read', 'clipboard-write'] });
  await p.ir(sitio.url);
  const pagina = p.playwright;
  // Ctrl+V of a text another program copied, over a field's whole text.
  const pegar = async (campo, texto) => {
    await pagina.evaluate((t) => navigator.clipboard.writeText(t), texto);
    await pagina.locator(`#${campo}`).selectText();
    await pagina.keyboard.press('Control+V');
  };
  const { rechazo } = compartidos;
  await pagina.locator(`#${rechazo.campo}`).fill('2600000');
  await pegar(rechazo.campo, '7'.repeat(rechazo.largo));
  assert.equal((await p.modal()).texto, rechazo.mensaje);
  assert.equal(await pagina.locator(`#${rechazo.campo}`).inputValue(), '2600000');
  await p.cerrarModal();
  // Every shared entry, pasted: the field shows what the calculation reads.
  for (const e of compartidos.entradas) {
    await p.escribirTodos({ ...fila(compartidos.conInteres), [e.campo]: '' });
    await pegar(e.campo, e.texto);
    assert.equal(await pagina.locator(`#${e.campo}`).inputValue(), e.visto, e.nombre);
    await p.pulsar('#cmdCalcular');
    await p.esperar((r) => document.getElementById('lblResultado').textContent === r,
      compartidos.resultadoConInteres);
  }
  await p.cerrar();
});

test('el navegador no pide nada fuera del sitio', async () => {
  const p = await chromium.abrir();
  const pedidos = [];
  p.playwright.context().on('request', (r) => pedidos.push(r.url()));
  await p.ir(sitio.url);
  await p.evaluar(() => navigator.serviceWorker.ready.then(() => true));
  await p.escribirTodos({ txtPrecioCocheDiesel: '2600000', txtConsumoMedioDiesel: '6',
    txtPrecioLitroGasoil: '115', txtPrecioCocheGasolina: '2300000', txtConsumoMedioGasolina: '8',
    txtPrecioLitroGasolina: '145' });
  await p.pulsar('#cmdCalcular');
  // The first answer asks for the picture's script and the weekly prices
  // (the replay's section shows once they are here); another, for nothing.
  await p.esperar(() => document.getElementById('precios')?.hidden === false);
  assert.ok(pedidos.every((u) => u.startsWith(sitio.url)), pedidos.join(' '));
  const tras = pedidos.length;
  await p.pulsar('#cmdCalcular');
  assert.equal(pedidos.length, tras, 'a calculation asks for nothing');
  await p.cerrar();
});

test('una version nueva del sitio llega en una visita posterior', async () => {
  const carpeta = await mkdtemp(join(tmpdir(), 'velmora-sitio-'));
  await cp(process.env.VELMORA_SITIO, carpeta, { recursive: true });
  const otro = await servir(carpeta);
  const p = await chromium.abrir();
  await p.ir(otro.url);
  await p.esperar(() => navigator.serviceWorker.controller !== null);
  // A new build: a changed file, and the worker that lists it anew.
  const estilo = join(carpeta, 'estilo.css');
  await writeFile(estilo, `${await readFile(estilo, 'utf8')}\nhtml { --prueba: nueva; }\n`);
  const trabajador = join(carpeta, 'sw.js');
  await writeFile(trabajador, (await readFile(trabajador, 'utf8')).replace(/velmora-\w+/, 'velmora-nueva'));
  const nueva = () => p.evaluar(
    () => getComputedStyle(document.documentElement).getPropertyValue('--prueba').trim());
  // The browser looks for a new worker shortly after a visit.
  for (let visita = 0; visita < 4 && await nueva() !== 'nueva'; visita += 1) {
    await p.ir(otro.url);
    await new Promise((listo) => setTimeout(listo, 3000));
  }
  assert.equal(await nueva(), 'nueva');
  await p.cerrar();
  await otro.cerrar();
  await rm(carpeta, { recursive: true });
});

// The picture of the main window's answer and of the view "Otros motores"
// in forced colours (a high-contrast theme) and in a dark scheme: every
// text at 4.5:1 or more on the picture's background, and the result box
// still outlined where colours are forced.
const CON_INTERES = '#txtPrecioCocheDiesel=2600000&txtConsumoMedioDiesel=6&txtPrecioLitroGasoil=115&' +
  'txtPrecioCocheGasolina=2300000&txtConsumoMedioGasolina=8&txtPrecioLitroGasolina=145&' +
  'txtKmAno=15000&txtInteres=5';
const ELECTRICO = '#motores&c1Motor=electrico&c1Precio=35000&c1ConsumoKWh=16&c1PrecioKWhCasa=0%2C15&' +
  'c1PrecioKWhFuera=0%2C45&c1CargaEnCasa=80&c2Motor=gasolina&c2Precio=25000&c2Consumo=6%2C5&' +
  'c2PrecioLitro=1%2C55&kmAno=15000';
const PAGINAS = [
  { direccion: CON_INTERES, grafica: 'grafica', precios: 'precios', resultado: 'lblResultado' },
  { direccion: ELECTRICO, grafica: 'grafica-motores', precios: 'precios-motores', resultado: 'motoresResultado' },
];
test('la grafica se lee en colores forzados y en un esquema oscuro', async () => {
  for (const [forcedColors, colorScheme] of [['active', 'light'], ['active', 'dark'], ['none', 'dark']]) {
    for (const pagina of PAGINAS) {
      const p = await chromium.abrir({ forcedColors, colorScheme });
      await p.ir(sitio.url + pagina.direccion);
      await p.esperar((id) => document.getElementById(id)?.hidden === false, pagina.grafica);
      // The replay below it, drawn once scrolled to.
      await p.esperar((id) => {
        document.getElementById(id).scrollIntoView();
        return Boolean(document.getElementById(`${id}-frases`));
      }, pagina.precios);
      const visto = await p.evaluar(({ grafica: id, precios, resultado }) => {
        const rgb = (c) => c.match(/[\d.]+/g).slice(0, 3).map(Number);
        const luz = (c) => {
          const [r, g, b] = rgb(c).map((v) => {
            const s = v / 255;
            return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
          });
          return 0.2126 * r + 0.7152 * g + 0.0722 * b;
        };
        return {
          bajos: [id, precios].flatMap((s) => {
            const grafica = document.getElementById(s);
            const fondo = luz(getComputedStyle(grafica).backgroundColor);
            return [...grafica.querySelectorAll('text, h2, p, th, td, caption, label, select')].map((e) => {
              const color = getComputedStyle(e)[e.tagName === 'text' ? 'fill' : 'color'];
              const [a, b] = [luz(color), fondo].sort((x, y) => y - x);
              return [e.textContent, (a + 0.05) / (b + 0.05)];
            });
          }).filter(([, contraste]) => contraste < 4.5),
          borde: getComputedStyle(document.getElementById(resultado)).outlineStyle,
        };
      }, pagina);
      assert.deepEqual(visto.bajos, [], `${forcedColors} ${colorScheme} ${pagina.grafica}`);
      if (forcedColors === 'active') assert.equal(visto.borde, 'solid');
      await p.cerrar();
    }
  }
});

// Printed, the worked example and a comparison of other motors each fit one
// A4 page, without the menu bar or links, with the address that opens it
// again; their replay over real prices, drawn for the paper though nobody
// scrolled to it, follows on a second page.
test('el ejemplo impreso cabe en una pagina', async () => {
  for (const pagina of PAGINAS) {
    const p = await chromium.abrir();
    await p.ir(sitio.url + pagina.direccion);
    await p.esperar((id) => document.getElementById(id)?.hidden === false, pagina.grafica);
    // A browser's print tells the page first; the tool's PDF does not. The
    // replay waits for it once its prices have come (its section shown,
    // empty).
    await p.esperar((id) => document.getElementById(id)?.hidden === false, pagina.precios);
    await p.evaluar(() => { dispatchEvent(new Event('beforeprint')); });
    const pdf = await p.playwright.pdf({ preferCSSPageSize: true });
    assert.equal(pdf.toString('latin1').match(/\/Type\s*\/Page\b/g).length, 2, pagina.grafica);
    assert.ok(await p.evaluar((id) => document.querySelector(`#${id} table`), pagina.precios));
    await p.playwright.emulateMedia({ media: 'print' });
    assert.deepEqual(await p.evaluar(() => [
      getComputedStyle(document.querySelector('.barra-menus')).display,
      [...document.querySelectorAll('a')].filter((a) => a.checkVisibility()).length,
      [...document.querySelectorAll('.direccion')].find((d) => d.checkVisibility())?.textContent,
    ]), ['none', 0, sitio.url + pagina.direccion]);
    await p.cerrar();
  }
});
