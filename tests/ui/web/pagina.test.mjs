// Velmora's page as a user meets it, in headless Chromium: the calculation,
// the messages, the menus and the keyboard, the fixed windows, regional
// settings from the browser's language, the bound on a field's text, "Salir",
// a phone's screen, an address that holds a calculation, offline use, what
// the page loads and sends, and an accessibility check.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { servir, navegador, abrir } from './entorno.mjs';

// The scenarios every front end plays (tests/apoyo/Escenarios.h).
const compartidos = JSON.parse(execFileSync(process.execPath,
  ['--no-experimental-fetch', process.env.VELMORA_ESCENARIOS],
  { encoding: 'utf8' }));
const fila = (textos) => Object.fromEntries(compartidos.campos.map((c, i) => [c, textos[i]]));

let sitio;
let chromium;
before(async () => {
  sitio = await servir();
  chromium = await navegador();
});
after(async () => {
  await chromium.close();
  sitio.cerrar();
});

const EJEMPLO = fila(compartidos.escenarios[0].textos);

// A page in a fresh context of the given language and screen.
async function pagina(opciones = {}) {
  const contexto = await chromium.newContext({ locale: 'es-ES', ...opciones });
  const p = await abrir(contexto, sitio.url + (opciones.fragmento || ''));
  p.cerrarTodo = () => contexto.close();
  return p;
}

async function escribir(p, textos) {
  for (const [campo, texto] of Object.entries(textos)) await p.fill(`#${campo}`, texto);
}

// The open modal window: its accessible name, text and buttons.
async function modal(p) {
  const dialogo = p.locator('dialog[open]');
  await dialogo.waitFor();
  return {
    dialogo,
    nombre: await dialogo.evaluate((d) => document.getElementById(
      d.getAttribute('aria-labelledby')).textContent),
    texto: await dialogo.locator('.mensaje').count() ? await dialogo.locator('.mensaje').textContent() : null,
    botones: await dialogo.locator('.botones button').allTextContents(),
  };
}

test('un mensaje en su ventana modal, y el resultado anterior se queda', async () => {
  const p = await pagina();
  await escribir(p, EJEMPLO);
  await p.click('#cmdCalcular');
  await p.fill('#txtConsumoMedioDiesel', '');
  await p.click('#cmdCalcular');
  const m = await modal(p);
  assert.equal(m.nombre, 'Velmora');
  assert.equal(m.texto, 'ERROR: faltan datos en la seccion diesel.');
  assert.deepEqual(m.botones, ['Aceptar']);
  await p.keyboard.press('Escape');
  await m.dialogo.waitFor({ state: 'detached' });
  assert.equal(await p.textContent('#lblResultado'), '63829');
  // A text is only ever text: markup typed into a field shows as typed.
  await p.fill('#txtConsumoMedioDiesel', '<img src=x>');
  await p.click('#cmdCalcular');
  assert.equal((await modal(p)).texto,
    'ERROR: el dato Consumo medio de la seccion diesel no es un numero.');
  assert.equal(await p.locator('img[src=x]').count(), 0);
  await p.cerrarTodo();
});

// Each shared scenario after the worked example's result, by the button and
// by the menu: the result it shows, or its one message with the result kept.
test('el titulo y los escenarios compartidos', async () => {
  const p = await pagina();
  assert.equal(await p.title(), 'Amortización Diesel v1.0');
  assert.equal(await p.textContent('h1'), 'Amortización Diesel v1.0');
  assert.equal(await p.getAttribute('#lblResultado', 'role'), 'status');
  const ejemplo = compartidos.escenarios[0];
  for (const e of compartidos.escenarios) {
    for (const como of ['boton', 'menu']) {
      await escribir(p, fila(ejemplo.textos));
      await p.click('#cmdCalcular');
      await escribir(p, fila(e.textos));
      if (como === 'boton') {
        await p.click('#cmdCalcular');
      } else {
        await p.keyboard.press('Alt+KeyA');
        await p.keyboard.press('c');
      }
      if (e.resultado !== undefined) {
        await p.waitForFunction((r) => document.getElementById('lblResultado').textContent === r,
          e.resultado);
        continue;
      }
      const m = await modal(p);
      assert.equal(m.texto, e.mensaje, `${e.nombre} (${como})`);
      await p.keyboard.press('Escape');
      await m.dialogo.waitFor({ state: 'detached' });
      assert.equal(await p.textContent('#lblResultado'), ejemplo.resultado, e.nombre);
    }
  }
  assert.deepEqual(p.errores, []);
  await p.cerrarTodo();
});

test('los menus y el teclado como en el escritorio', async () => {
  const p = await pagina();
  // Alt+A opens "Amortizacion" every time; its entries by their keys.
  for (let vez = 0; vez < 2; vez += 1) {
    await p.keyboard.press('Alt+KeyA');
    assert.equal(await p.getAttribute('#menuAmortizacion', 'aria-expanded'), 'true');
    await p.keyboard.press('Escape');
  }
  assert.deepEqual(await p.locator('[role=menubar] > .menu > button').allTextContents(),
    ['Amortizacion', 'Ayuda']);
  assert.equal(await p.locator('#menuAmortizacion u').textContent(), 'A');
  assert.equal(await p.locator('[role=separator]').count(), 2);
  // Tab follows the table: the interest fields after the button.
  await p.focus('#txtPrecioCocheDiesel');
  const orden = [];
  for (let i = 0; i < 8; i += 1) {
    await p.keyboard.press('Tab');
    orden.push(await p.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(orden, compartidos.ordenDeTabulacion.slice(0, 8));
  // Return in a field starts nothing; Return and Space on the button do.
  await escribir(p, EJEMPLO);
  await p.focus('#txtPrecioLitroGasolina');
  await p.keyboard.press('Enter');
  assert.equal(await p.textContent('#lblResultado'), '');
  for (const tecla of ['Enter', 'Space']) {
    await p.evaluate(() => { document.getElementById('lblResultado').textContent = ''; });
    await p.focus('#cmdCalcular');
    await p.keyboard.press(tecla);
    assert.equal(await p.textContent('#lblResultado'), '63829');
  }
  await p.cerrarTodo();
});

test('Ejemplos, Formula y Acerca de', async () => {
  const p = await pagina();
  await p.click('#menuAyuda');
  await p.click('#menuEjemplos');
  let m = await modal(p);
  assert.equal(m.nombre, 'Ejemplos :');
  const filas = await p.locator('#lstEjemplos option').allTextContents();
  const { ejemplos } = compartidos;
  assert.deepEqual([...filas].sort(), [...ejemplos.filas].sort());
  assert.deepEqual(filas, [...filas].sort((a, b) => (a.toLowerCase() < b.toLowerCase() ? -1 : 1)));
  assert.equal(filas[0], ejemplos.primera);
  assert.equal(filas.at(-1), ejemplos.ultima);
  assert.ok(await p.$eval('#lstEjemplos', (l) => l.scrollHeight <= l.clientHeight),
    'every row shows without scrolling');
  assert.equal(await p.evaluate(() => document.activeElement.id), 'lstEjemplos');
  await p.keyboard.press('Escape');
  await m.dialogo.waitFor({ state: 'detached' });

  await p.keyboard.press('Alt+KeyA');
  await p.keyboard.press('ArrowRight');
  await p.keyboard.press('f');
  m = await modal(p);
  assert.equal(m.nombre, 'Formula');
  // The fraction bar is drawn over the box of "PCD - PCG" where it crosses it.
  const sobre = await p.evaluate(() => {
    const linea = document.getElementById('Line1').getBoundingClientRect();
    const e = document.elementFromPoint(linea.left + linea.width / 2, linea.top);
    return e.id;
  });
  assert.equal(sobre, 'Line1');
  await p.click('dialog[open] .cerrar');
  await m.dialogo.waitFor({ state: 'detached' });

  await p.click('#menuAyuda');
  await p.click('#menuAcercaDe');
  m = await modal(p);
  const lineas = m.texto.split('\n');
  assert.equal(lineas.length, 4);
  assert.equal(lineas[0], 'Calculo de amortizacion de un coche diesel.');
  assert.match(lineas[3], /^ {38}\S/);
  assert.deepEqual(m.botones, ['Aceptar']);
  await p.cerrarTodo();
});

test('las cifras segun el idioma del navegador', async () => {
  for (const [locale, precios, km] of [
    ['en-US', ['2,600,000', '2,300,000'], '15,000'],
    ['fr-FR', ['2 600 000', '2\u202f300\u202f000'], '15 000'],
    ['de-CH', ["2'600'000", '2\u2019300\u2019000'], "15'000"],
  ]) {
    const p = await pagina({ locale });
    await escribir(p, { ...EJEMPLO, txtPrecioCocheDiesel: precios[0],
      txtPrecioCocheGasolina: precios[1] });
    await p.click('#cmdCalcular');
    assert.equal(await p.textContent('#lblResultado'), '63829', locale);
    await escribir(p, { txtKmAno: km, txtInteres: '5' });
    await p.click('#cmdCalcular');
    assert.equal(await p.textContent('#lblResultado'), '74694', locale);
    await p.cerrarTodo();
  }
});

test('lo que entra en un campo: el limite, lo que no se ve, la primera linea', async () => {
  const p = await pagina({ permissions: ['clipboard-read', 'clipboard-write'] });
  const campo = p.locator('#txtPrecioCocheDiesel');
  // Ctrl+V of a text another program copied.
  const pegar = async (texto) => {
    await p.evaluate((t) => navigator.clipboard.writeText(t), texto);
    await campo.selectText();
    await p.keyboard.press('Control+V');
  };
  await campo.fill('2600000');
  await pegar('7'.repeat(50001));
  let m = await modal(p);
  assert.equal(m.texto, 'ERROR: el texto es demasiado largo para el dato Precio de la seccion ' +
    'diesel: admite como mucho 50000 caracteres. El dato no ha cambiado.');
  assert.equal(await campo.inputValue(), '2600000');
  await p.keyboard.press('Escape');
  // Keys into a full field: one message for the burst.
  await campo.fill('7'.repeat(50000));
  await campo.press('End');
  await p.keyboard.type('888');
  m = await modal(p);
  assert.equal(await p.locator('dialog').count(), 1);
  assert.equal((await campo.inputValue()).length, 50000);
  await p.keyboard.press('Escape');
  // A copied cell, a mark that draws nothing.
  await pegar('\u200f2600000\r\n');
  assert.equal(await campo.inputValue(), '2600000');
  await campo.fill('');
  await campo.pressSequentially('26\u200b00000');
  assert.equal(await campo.inputValue(), '2600000');
  assert.equal(await campo.getAttribute('inputmode'), 'decimal');
  await p.cerrarTodo();
});

test('Salir deja la pagina terminada, con la opcion de empezar otra vez', async () => {
  const p = await pagina();
  await p.keyboard.press('Alt+KeyA');
  await p.keyboard.press('s');
  await p.getByRole('alert').waitFor();
  assert.equal(await p.getByRole('alert').locator('p').textContent(), 'Velmora ha terminado.');
  await p.getByRole('button', { name: 'Volver a empezar' }).click();
  await p.waitForSelector('html[data-listo="si"]');
  assert.equal(await p.title(), 'Amortización Diesel v1.0');
  await p.cerrarTodo();
});

test('en un movil de 360 x 640 la ventana cabe sin desplazarse y nada se corta', async () => {
  const p = await pagina({ viewport: { width: 360, height: 640 }, isMobile: true,
    hasTouch: true, deviceScaleFactor: 2 });
  const medidas = await p.evaluate(() => ({
    ancho: document.documentElement.scrollWidth,
    vista: innerWidth,
    cortados: [...document.querySelectorAll('.etiqueta, legend, .boton')]
      .filter((e) => e.scrollWidth > e.clientWidth + 1 && e.textContent).map((e) => e.id),
  }));
  assert.ok(medidas.ancho <= medidas.vista, `${medidas.ancho} > ${medidas.vista}`);
  assert.deepEqual(medidas.cortados, []);
  await p.cerrarTodo();
});

test('una direccion que lleva un calculo lo rellena y lo calcula', async () => {
  const p = await pagina();
  await escribir(p, { ...EJEMPLO, txtKmAno: '15000', txtInteres: '5' });
  await p.click('#cmdCalcular');
  const direccion = p.url();
  assert.match(direccion, /#txtPrecioCocheDiesel=2600000&/);
  const otra = await pagina({ fragmento: new URL(direccion).hash });
  assert.equal(await otra.textContent('#lblResultado'), '74694');
  assert.equal(await otra.inputValue('#txtKmAno'), '15000');
  await otra.cerrarTodo();
  await p.cerrarTodo();
});

test('sin red tras la primera visita, sin pedir nada fuera del sitio', async () => {
  const contexto = await chromium.newContext({ locale: 'es-ES' });
  const pedidos = [];
  contexto.on('request', (r) => pedidos.push(r.url()));
  const p = await abrir(contexto, sitio.url);
  await p.evaluate(() => navigator.serviceWorker.ready);
  await escribir(p, EJEMPLO);
  await p.click('#cmdCalcular');
  assert.ok(pedidos.every((u) => u.startsWith(sitio.url)), pedidos.join(' '));
  const tras = pedidos.length;
  await p.click('#cmdCalcular');
  assert.equal(pedidos.length, tras, 'a calculation asks for nothing');
  await contexto.setOffline(true);
  await p.reload();
  await p.waitForSelector('html[data-listo="si"]');
  await escribir(p, EJEMPLO);
  await p.click('#cmdCalcular');
  assert.equal(await p.textContent('#lblResultado'), '63829');
  const csp = await p.getAttribute('meta[http-equiv="Content-Security-Policy"]', 'content');
  assert.match(csp, /default-src 'none'/);
  await contexto.close();
});

test('una version nueva del sitio llega en una visita posterior', async () => {
  const carpeta = await mkdtemp(join(tmpdir(), 'velmora-sitio-'));
  await cp(process.env.VELMORA_SITIO, carpeta, { recursive: true });
  const otro = await servir(carpeta);
  const contexto = await chromium.newContext({ locale: 'es-ES' });
  const p = await abrir(contexto, otro.url);
  await p.waitForFunction(() => navigator.serviceWorker.controller !== null);
  // A new build: a changed file, and the worker that lists it anew.
  const estilo = join(carpeta, 'estilo.css');
  await writeFile(estilo, `${await readFile(estilo, 'utf8')}\nhtml { --prueba: nueva; }\n`);
  const trabajador = join(carpeta, 'sw.js');
  await writeFile(trabajador, (await readFile(trabajador, 'utf8')).replace(/velmora-\w+/, 'velmora-nueva'));
  const nueva = () => p.evaluate(
    () => getComputedStyle(document.documentElement).getPropertyValue('--prueba').trim());
  // The browser looks for a new worker shortly after a visit.
  for (let visita = 0; visita < 4 && await nueva() !== 'nueva'; visita += 1) {
    await p.reload();
    await p.waitForSelector('html[data-listo="si"]');
    await p.waitForTimeout(3000);
  }
  assert.equal(await nueva(), 'nueva');
  await contexto.close();
  otro.cerrar();
  await rm(carpeta, { recursive: true });
});

// The picture below the window: its crossing is the result, its sentences
// say it in words with the browser's numbers, and it goes with a message.
test('la grafica junto al numero', async () => {
  const grafica = async (p) => ({
    visible: await p.isVisible('#grafica'),
    cruce: await p.locator('#grafica .rotulo-cruce').allTextContents(),
    frases: await p.locator('#grafica-frases').count() ?
      await p.locator('#grafica-frases').textContent() : '',
  });
  const p = await pagina();
  await escribir(p, EJEMPLO);
  await p.click('#cmdCalcular');
  let g = await grafica(p);
  assert.deepEqual(g.cruce, ['63829 Km']);
  assert.match(g.frases, /necesita 63\.829 km para recuperar los 300\.000/);
  assert.match(g.frases, /gasolina baja de 145 a 86,25 .* gasóleo sube de 115 a 193,33/);
  await escribir(p, { txtKmAno: '15000', txtInteres: '5' });
  await p.click('#cmdCalcular');
  g = await grafica(p);
  assert.deepEqual(g.cruce, ['74694 Km']);
  assert.match(g.frases, /74\.694 km .* A 15\.000 km al año, son 4,98 años\./);
  assert.equal(await p.getAttribute('#grafica svg', 'role'), 'img');
  assert.ok(await p.locator('#grafica table th').count() >= 4);
  // A message after a result: the picture goes with the result's meaning.
  await p.fill('#txtPrecioLitroGasolina', '');
  await p.click('#cmdCalcular');
  await p.keyboard.press('Escape');
  assert.equal((await grafica(p)).visible, false);
  // No crossing: cheaper to buy and to run (0 Km), and a diesel that never
  // pays off, whose message the picture explains.
  await escribir(p, { ...EJEMPLO, txtPrecioCocheDiesel: '2000000', txtKmAno: '', txtInteres: '' });
  await p.click('#cmdCalcular');
  g = await grafica(p);
  assert.equal(await p.textContent('#lblResultado'), '0');
  assert.deepEqual(g.cruce, []);
  assert.match(g.frases, /amortizado desde el primer kilómetro/);
  await escribir(p, { ...EJEMPLO, txtConsumoMedioDiesel: '11' });
  await p.click('#cmdCalcular');
  assert.match((await modal(p)).texto, /no se amortiza nunca/);
  await p.keyboard.press('Escape');
  g = await grafica(p);
  assert.deepEqual(g.cruce, []);
  assert.match(g.frases, /no se recupera nunca/);
  // Cheaper to buy and to run, with interest: 0 Km and no crossing.
  await escribir(p, { txtPrecioCocheDiesel: '20.000', txtConsumoMedioDiesel: '5',
    txtPrecioLitroGasoil: '1,45', txtPrecioCocheGasolina: '22.000',
    txtConsumoMedioGasolina: '6,8', txtPrecioLitroGasolina: '1,62', txtKmAno: '1.000',
    txtInteres: '5' });
  await p.click('#cmdCalcular');
  g = await grafica(p);
  assert.equal(await p.textContent('#lblResultado'), '0');
  assert.deepEqual(g.cruce, []);
  assert.match(g.frases, /amortizado desde el primer kilómetro/);
  // Cheaper to buy, dearer to run: a message, the result box as it was,
  // and the picture of a head start that runs out where the message says.
  await escribir(p, { ...EJEMPLO, txtPrecioCocheDiesel: '2000000', txtConsumoMedioDiesel: '8',
    txtPrecioLitroGasoil: '145', txtConsumoMedioGasolina: '6', txtPrecioLitroGasolina: '115',
    txtKmAno: '', txtInteres: '' });
  await p.click('#cmdCalcular');
  assert.match((await modal(p)).texto, /a partir de 63829 Km sale mas caro/);
  await p.keyboard.press('Escape');
  assert.equal(await p.textContent('#lblResultado'), '0');
  g = await grafica(p);
  assert.deepEqual(g.cruce, ['63829 Km']);
  assert.match(g.frases, /su ventaja se acaba a los 63\.829 km/);
  await p.cerrarTodo();

  for (const [locale, distancia, anos] of [['en-US', '74,694 km', '4.98'],
    ['fr-FR', '74\u202f694 km', '4,98']]) {
    const q = await pagina({ locale });
    await escribir(q, { ...EJEMPLO, txtKmAno: '15000', txtInteres: '5' });
    await q.click('#cmdCalcular');
    const frases = (await grafica(q)).frases;
    assert.ok(frases.includes(distancia) && frases.includes(`son ${anos} años`), `${locale}: ${frases}`);
    await q.cerrarTodo();
  }
});

test('la comprobacion de accesibilidad no encuentra fallos', async () => {
  const require = createRequire(import.meta.url);
  const axe = await readFile(require.resolve('axe-core/axe.min.js'), 'utf8');
  // The check itself is injected, which the page's policy would forbid.
  const p = await pagina({ bypassCSP: true });
  const comprobar = async (que) => {
    await p.addScriptTag({ content: axe });
    const r = await p.evaluate(() => window.axe.run(document));
    assert.deepEqual(r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`), [],
      que);
  };
  await comprobar('the main window');
  await escribir(p, EJEMPLO);
  await p.click('#cmdCalcular');
  await comprobar('the picture of an answer');
  await p.fill('#txtConsumoMedioDiesel', '');
  await p.click('#cmdCalcular');
  await modal(p);
  await comprobar('a message');
  await p.cerrarTodo();
});
