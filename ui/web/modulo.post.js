// Appended to velmora.js by the build: the module is created as soon as
// this script runs, velmora.wasm compiled while it downloads (the page asks
// for it early, index.html); arranque.js waits for it here (or for the error
// that kept it from starting).
// eslint-disable-next-line no-unused-vars
var velmoraCargado = typeof WebAssembly !== 'object'
  ? Promise.reject(new Error('sin WebAssembly'))
  : CrearVelmora();
