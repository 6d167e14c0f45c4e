// Pictures of the page for docs/ (make capturas): the main window after the
// worked example with interest and the picture of the answer below it, on
// a desktop browser and on a phone (the whole page) in each engine, the
// examples, formula and About windows, the picture of a tiny, a huge and a
// zero result, the page in forced colours, the page as it prints, and the
// view "Otros motores" (an electric car against a petrol one) on a desktop,
// on a phone and in forced colours, and the replay of an answer over real
// prices (a diesel in euros, the worked example in pesetas, weeks that
// never pay off on a phone). Not a test.
//   VELMORA_SITIO=build/web/ui/web/sitio node docs/capturas/web.mjs docs
import { servir, motor } from '../../tests/ui/web/entorno.mjs';

const carpeta = process.argv[2] || 'docs';
const sitio = await servir();
const EJEMPLO = '#txtPrecioCocheDiesel=2.600.000&txtConsumoMedioDiesel=6&' +
  'txtPrecioLitroGasoil=115&txtPrecioCocheGasolina=2.300.000&txtConsumoMedioGasolina=8&' +
  'txtPrecioLitroGasolina=145&txtKmAno=15.000&txtInteres=5';
const ELECTRICO = '#motores&c1Motor=electrico&c1Precio=35.000&c1ConsumoKWh=16&c1PrecioKWhCasa=0,15&' +
  'c1PrecioKWhFuera=0,45&c1CargaEnCasa=80&c2Motor=gasolina&c2Precio=25.000&c2Consumo=6,5&' +
  'c2PrecioLitro=1,55&kmAno=15.000';
const escritorio = { ancho: 900, alto: 640 };
const movil = { ancho: 360, alto: 640, movil: true };

async function foto(m, nombre, vista, accion, direccion = EJEMPLO) {
  const p = await m.abrir(vista);
  await p.ir(sitio.url + direccion);
  await p.esperar((id) => document.getElementById(id)?.hidden === false,
    direccion === EJEMPLO ? 'grafica' : 'grafica-motores');
  if (accion) await accion(p);
  await p.captura(`${carpeta}/${nombre}.png`);
  await p.cerrar();
}

for (const nombre of ['chromium', 'firefox', 'webkit']) {
  const m = await motor(nombre);
  await foto(m, nombre === 'chromium' ? 'web-movil' : `web-movil-${nombre}`, movil);
  if (nombre === 'chromium') {
    await foto(m, 'web-velmora', escritorio);
    await foto(m, 'web-otros-motores', escritorio, null, ELECTRICO);
    await foto(m, 'web-otros-motores-movil', movil, null, ELECTRICO);
    await foto(m, 'web-otros-motores-colores-forzados', { ...escritorio, forcedColors: 'active',
      colorScheme: 'dark' }, null, ELECTRICO);
    // The picture alone, for other answers.
    const cifras = (pcd, cmd, pgas, pcg, cmg, pg) => new URLSearchParams({
      txtPrecioCocheDiesel: pcd, txtConsumoMedioDiesel: cmd, txtPrecioLitroGasoil: pgas,
      txtPrecioCocheGasolina: pcg, txtConsumoMedioGasolina: cmg, txtPrecioLitroGasolina: pg,
    }).toString();
    for (const [archivo, fragmento] of [
      ['web-grafica-pequena', cifras('2.300.007', '6', '115', '2.300.000', '8', '145')],
      ['web-grafica-enorme', cifras('3E+38', '1', '1', '0', '1', '91')],
      ['web-grafica-cero', cifras('2.300.001', '6', '115', '2.300.000', '8', '145')]]) {
      const p = await m.abrir(escritorio);
      await p.ir(`${sitio.url}#${fragmento}`);
      await p.esperar(() => !document.getElementById('grafica').hidden);
      await p.playwright.locator('#grafica').screenshot({ path: `${carpeta}/${archivo}.png` });
      await p.cerrar();
    }
    // The replay over real prices, scrolled to (it is drawn once seen).
    for (const [archivo, vista, fragmento] of [
      ['web-precios', escritorio, cifras('22.500', '5', '1,45', '20.000', '7', '1,55')],
      ['web-precios-pesetas', escritorio, EJEMPLO.slice(1)],
      ['web-precios-movil', movil, cifras('22.500', '6,9', '1,45', '20.000', '7', '1,55')]]) {
      const p = await m.abrir(vista);
      await p.ir(`${sitio.url}#${fragmento}`);
      await p.esperar(() => {
        document.getElementById('precios').scrollIntoView();
        return Boolean(document.getElementById('precios-frases'));
      });
      await p.playwright.locator('#precios').screenshot({ path: `${carpeta}/${archivo}.png` });
      await p.cerrar();
    }
    await foto(m, 'web-colores-forzados', { ...escritorio, forcedColors: 'active', colorScheme: 'dark' });
    await foto(m, 'web-impresa', { ancho: 794, alto: 1123 }, (p) => p.playwright.emulateMedia({ media: 'print' }));
    for (const [archivo, entrada] of [['web-ejemplos', 'menuEjemplos'],
      ['web-formula', 'menuFormula'], ['web-acerca-de', 'menuAcercaDe']]) {
      await foto(m, archivo, escritorio, async (p) => {
        await p.pulsar('#menuAyuda');
        await p.pulsar(`#${entrada}`);
        await p.modal();
      });
    }
  }
  await m.cerrar();
}
await sitio.cerrar();
