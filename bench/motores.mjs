// What bench/motores prints for each engine: the time from navigation to
// the window drawn, on the first page of a browser just started (its own
// start-up included) and the median of later visits (the site then comes
// from the service worker's cache), medians over clicks, and the median
// time the module takes to replay an answer over the 473 weeks of real
// prices and plan its chart (each click replays its answer), in
// milliseconds (see that script).
import { readdirSync } from 'node:fs';
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
  await p.escribirTodos(EJEMPLO);
  const sin = await p.evaluar(clics, CLICS);
  await p.escribirTodos({ txtKmAno: '15.000', txtInteres: '5' });
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
