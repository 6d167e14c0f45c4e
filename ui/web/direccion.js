// @ts-check
// A calculation you can send: the texts of the last calculation that gave a
// result in the address's fragment (which a browser never sends to a
// server), and an address whose fragment holds field texts filling the
// fields and calculating, as if the user had pressed "Calcular".

/** @typedef {import('./velmora').Modulo} Modulo */

/** Whether the address asks for the view "Otros motores" (#motores, or #motores& and its texts). */
export const pideLosMotores = () => location.hash === '#motores' || location.hash.startsWith('#motores&');

/**
 * Writes the fields' texts into the address; gives the address.
 * @param {string[]} nombres   the fields' names, by their number
 * @param {HTMLInputElement[]} campos   the fields, by their number
 */
export function enLaDireccion(nombres, campos) {
  const parametros = new URLSearchParams();
  nombres.forEach((nombre, i) => parametros.set(nombre, campos[i].value));
  history.replaceState(null, '', `#${parametros.toString()}`);
  return location.href;
}

/**
 * Where the address holds field texts: each field takes its text by the
 * module's rule and the calculation runs; a text a field refuses gets the
 * module's message instead, and nothing changes.
 * @param {Modulo} m
 * @param {string[]} nombres
 * @param {HTMLInputElement[]} campos
 */
export function desdeLaDireccion(m, nombres, campos) {
  if (location.hash.length < 2) return;
  const parametros = new URLSearchParams(location.hash.slice(1));
  if (!nombres.some((nombre) => parametros.has(nombre))) return;
  const tomados = nombres.map((nombre, i) => m.entrada(i, 0, 0, parametros.get(nombre) || '', false));
  if (tomados.includes(null)) return;
  tomados.forEach((texto, i) => { campos[i].value = /** @type {string} */ (texto); });
  m.ejecutar(m.Orden.Calcular);
}
