// Pictures of the page for docs/ (make capturas): the main window after the
// worked example with interest and the picture of the answer below it, on
// a desktop browser and on a phone (the whole page), and the examples,
// formula and About windows. Not a test.
//   VELMORA_SITIO=build/web/ui/web/sitio node docs/capturas/web.mjs docs
import { servir, navegador, abrir } from '../../tests/ui/web/entorno.mjs';

const carpeta = process.argv[2] || 'docs';
const sitio = await servir();
const chromium = await navegador();
const EJEMPLO = '#txtPrecioCocheDiesel=2.600.000&txtConsumoMedioDiesel=6&' +
  'txtPrecioLitroGasoil=115&txtPrecioCocheGasolina=2.300.000&txtConsumoMedioGasolina=8&' +
  'txtPrecioLitroGasolina=145&txtKmAno=15.000&txtInteres=5';

async function foto(nombre, vista, movil, accion, entera = false) {
  const contexto = await chromium.newContext({
    locale: 'es-ES', viewport: vista, isMobile: movil, hasTouch: movil,
    deviceScaleFactor: movil ? 2 : 1 });
  const p = await abrir(contexto, sitio.url + EJEMPLO);
  if (accion) await accion(p);
  await p.screenshot({ path: `${carpeta}/${nombre}.png`, fullPage: entera });
  await contexto.close();
}

const escritorio = { width: 900, height: 640 };
await foto('web-velmora', escritorio, false, null, true);
await foto('web-movil', { width: 360, height: 640 }, true, null, true);
for (const [nombre, entrada] of [['web-ejemplos', 'menuEjemplos'],
  ['web-formula', 'menuFormula'], ['web-acerca-de', 'menuAcercaDe']]) {
  await foto(nombre, escritorio, false, async (p) => {
    await p.click('#menuAyuda');
    await p.click(`#${entrada}`);
    await p.locator('dialog[open]').waitFor();
  });
}
await chromium.close();
sitio.cerrar();
