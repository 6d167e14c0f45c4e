// Appended to velmora.js by the build: the module is created, and its
// window tables read, as soon as it loads, in the task that loads it;
// pagina.js takes them from here (or the error that kept the module from
// starting).
// eslint-disable-next-line no-unused-vars
var velmoraCargado = (() => {
  try {
    if (typeof WebAssembly !== 'object') throw new Error('sin WebAssembly');
    const modulo = CrearVelmora();  // compiled as it loads: not a promise
    return { modulo, tablas: modulo.tablas() };
  } catch (error) {
    return { error };
  }
})();
