// What bench/motores prints for each engine: the time from navigation to
// the window drawn, on the first page of a browser just started (its own
// start-up included) and the median of later visits (the site then comes
// from the service worker's cache), medians over clicks, and the median
// time the module takes to replay an answer over the 473 weeks of real
// prices and plan its chart (each click replays its answer), in
// milliseconds (see that script).
import { readdirSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { join } from 'node:path';
import { servir, motor, SITIO } from '../tests/ui/web/entorno.mjs';

const VISITAS = 10;
const CLICS = 30;
const EJEMPLO = {
  txtPrecioCocheDiesel: '2.600.000', txtConsumoMedioDiesel: '6', txtPrecioLitroGasoil: '115',
  txtPrecioCocheGasolina: '2.300.000', txtConsumoMedioGasolina: '8', txtPrecioLitroGasolina: '145',
};
const mediana = (v) => [...v].sort((a, b) => a - b)[v.length >> 1];

// In the page: `n` clicks on "Calcular", each after a frame has been drawn,
// each timed from the click to its handler's end (the calculation, the
// window and the picture updated) and to the next frame; gives the medians.
function clics(n) {
  const boton = document.getElementById('cmdCalcular');
  const tiempos = [];
  const manejados = [];
  const frame = () => new Promise((listo) => requestAnimationFrame(() => listo(performance.now())));
  return (async () => {
    for (let i = 0; i < n; i += 1) {
      await frame();
      await new Promise((listo) => setTimeout(listo, 0));
      const inicio = performance.now();
      boton.click();
      manejados.push(performance.now() - inicio);
      tiempos.push(await frame() - inicio);
    }
    const mediana = (v) => v.sort((a, b) => a - b)[n >> 1];
    return [mediana(manejados), mediana(tiempos)];
  })();
}

const sitio = await servir();
// The test server compresses each file once, when it is first asked for:
// not on an engine's clock.
for (const archivo of ['', ...readdirSync(SITIO)]) {
  for (const codificacion of ['br', 'gzip']) {
    await fetch(sitio.url + archivo, { headers: { 'accept-encoding': codificacion } }).then((r) => r.arrayBuffer());
  }
}
console.log('medians in ms    window drawn     click: handled / next frame      replay');
console.log('                first / later    without interest   with interest');
for (const nombre of ['chromium', 'firefox', 'webkit']) {
  const m = await motor(nombre);
  const p = await m.abrir();
  const dibujada = [];
  for (let i = 0; i < VISITAS; i += 1) {
    await p.ir(`${sitio.url}?visita=${i}`);
    dibujada.push(await p.evaluar(() => performance.getEntriesByName('velmora-dibujada')[0].startTime));
  }
  // The replay is drawn once its section has been seen, and then again
  // with every answer: one answer, and a look at it, before the clicks.
  const verLaRepeticion = async () => {
    await p.pulsar('#cmdCalcular');
    await p.esperar(() => {
      document.getElementById('precios').scrollIntoView();
      return Boolean(document.getElementById('precios-frases'));
    });
  };
  await p.escribirTodos(EJEMPLO);
  await verLaRepeticion();
  const sin = await p.evaluar(clics, CLICS);
  await p.escribirTodos({ txtKmAno: '15.000', txtInteres: '5' });
  await verLaRepeticion();
  const con = await p.evaluar(clics, CLICS);
  // The replays drawn after the clicks (each in a task after its picture's).
  await p.evaluar(() => new Promise((listo) => { setTimeout(listo, 200); }));
  const repeticiones = await p.evaluar(() => performance.getEntriesByName('velmora-repeticion')
    .map((e) => e.duration));
  const ms = (v) => v.toFixed(1).padStart(6);
  console.log(`${nombre.padEnd(14)} ${ms(dibujada[0])} / ${ms(mediana(dibujada.slice(1)))}`
    + `   ${ms(sin[0])} / ${ms(sin[1])}    ${ms(con[0])} / ${ms(con[1])}`
    + `   ${ms(mediana(repeticiones))} (${repeticiones.length})`);
  await p.cerrar();
  await m.cerrar();
}
await sitio.cerrar();

// bench/peticion's program, built for the browser (VELMORA_PETICION, its
// folder), run in a page of Chromium: what a request and a replay cost in
// the module there. It prints as it goes; its four lines are kept.
if (process.env.VELMORA_PETICION) {
  const tipos = { '.js': 'text/javascript', '.wasm': 'application/wasm' };
  const servidor = createServer(async (pedido, respuesta) => {
    if (pedido.url === '/') {
      respuesta.writeHead(200, { 'content-type': 'text/html' });
      respuesta.end('<script src="velmora_por_peticion.js"></script>');
      return;
    }
    const archivo = join(process.env.VELMORA_PETICION, pedido.url.slice(1).replace(/\.\./g, ''));
    const cuerpo = await readFile(archivo).catch(() => null);
    respuesta.writeHead(cuerpo ? 200 : 404,
      { 'content-type': tipos[archivo.slice(archivo.lastIndexOf('.'))] || 'text/plain' });
    respuesta.end(cuerpo);
  }).listen(0, '127.0.0.1');
  await new Promise((listo) => { servidor.on('listening', listo); });
  const m = await motor('chromium');
  const p = await m.abrir();
  const lineas = [];
  p.playwright.on('console', (l) => { if (/^(request|replay)/.test(l.text())) lineas.push(l.text()); });
  await p.m.ir(`http://127.0.0.1:${servidor.address().port}/`);
  for (let vez = 0; vez < 240 && lineas.length < 4; vez += 1) {
    await new Promise((listo) => { setTimeout(listo, 250); });
  }
  console.log('\nOne request and one replay in the module, in Chromium, best of five rounds:');
  for (const l of lineas) console.log(`    ${l}`);
  await p.cerrar();
  await m.cerrar();
  servidor.close();
}
