// What only Chromium's driver lets a test do, beside the checks every engine
// runs (motores.test.mjs): a paste from the system's clipboard, every
// request the browser itself makes, and a new version of the site that a
// later visit picks up.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { servir, motor } from './entorno.mjs';

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

test('lo que se pega: el limite y la primera linea', async () => {
  const p = await chromium.abrir({ permissions: ['clipboard-read', 'clipboard-write'] });
  await p.ir(sitio.url);
  const pagina = p.playwright;
  const campo = pagina.locator('#txtPrecioCocheDiesel');
  // Ctrl+V of a text another program copied.
  const pegar = async (texto) => {
    await pagina.evaluate((t) => navigator.clipboard.writeText(t), texto);
    await campo.selectText();
    await pagina.keyboard.press('Control+V');
  };
  await campo.fill('2600000');
  await pegar('7'.repeat(50001));
  assert.equal((await p.modal()).texto, 'ERROR: el texto es demasiado largo para el dato Precio ' +
    'de la seccion diesel: admite como mucho 50000 caracteres. El dato no ha cambiado.');
  assert.equal(await campo.inputValue(), '2600000');
  await p.cerrarModal();
  // A copied cell with a mark that draws nothing.
  await pegar('\u200f2600000\r\n');
  assert.equal(await campo.inputValue(), '2600000');
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
