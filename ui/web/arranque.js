// @ts-check
// Velmora's page: the front end in the browser, beside the Linux and Windows
// ones. This module starts it: the module of the calculation and the
// windows (velmora.wasm, built from calc/ and ui/; no table is copied
// here) hands its tables over, the main window is drawn from them
// (principal.js) and implements FrenteVelmora for the shared commands. The
// page is busy until its window is drawn; where the module cannot start
// (not found, broken, a browser without WebAssembly), it says so and what
// to try, visibly and to a screen reader.

import { Principal } from './principal.js';

/** @typedef {import('./velmora').Modulo} Modulo */

const escritorio = /** @type {HTMLElement} */ (document.getElementById('escritorio'));
escritorio.setAttribute('aria-busy', 'true');

function sinArrancar(/** @type {unknown} */ error) {
  document.getElementById('cargando')?.remove();
  const aviso = /** @type {HTMLElement} */ (document.getElementById('sin-arrancar'));
  aviso.setAttribute('role', 'alert');
  aviso.hidden = false;
  escritorio.removeAttribute('aria-busy');
  console.warn('Velmora no ha podido arrancar:', error);
}

// Started in short steps, so that the page answers between them (a phone
// takes each several times as long): the module's tables; the window
// built unseen with its caption; then placed and shown; then what the
// address asks for.
const otraTarea = () => new Promise((listo) => { setTimeout(listo, 0); });

async function arrancar(/** @type {Modulo} */ m) {
  await otraTarea();
  const tablas = m.tablas();
  await otraTarea();
  const principal = new Principal(m, tablas, escritorio);
  m.frente = principal.frente();
  m.formLoad();
  await otraTarea();
  document.getElementById('arranque')?.remove();
  principal.mostrar();
  escritorio.removeAttribute('aria-busy');
  performance.mark('velmora-dibujada');   // the window is drawn (bench/motores)
  await otraTarea();
  principal.seguirLaDireccion();
  let pendiente = 0;
  new ResizeObserver(() => {
    clearTimeout(pendiente);
    pendiente = setTimeout(() => principal.colocar(), 100);
  }).observe(escritorio);
  document.documentElement.dataset.listo = 'si';
}

// The module started as it loaded (modulo.post.js), or it did not.
if (typeof velmoraCargado === 'undefined') sinArrancar(new Error('velmora.js no ha cargado'));
else velmoraCargado.then(arrancar, sinArrancar);

// The service worker keeps the site for offline use (sw.js); the browser
// itself looks for a new version of it on each visit, and the next visit
// shows what it found.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
