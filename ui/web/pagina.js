// Velmora's page: the third front end, beside the Linux and Windows ones.
//
// It draws the windows of the tables the module hands it (velmora.wasm,
// built from calc/ and ui/; no table is copied here), implements
// FrenteVelmora as Module.frente for the shared handlers of
// ui/FormularioVelmora, and turns the user's events into calls of those
// handlers. What a command does, what a calculation gives, how much room a
// control needs, how a window fits the screen and what a field takes of a
// text are the module's; this script only measures, draws and listens.
//
// Texts reach the page only as text (textContent, value), never as markup.
'use strict';

(() => {
  const LETRA = 13;                 // CSS pixels of the windows' font before it is fitted
  const PUNTOS_POR_PIXEL = 0.75;    // 72 points to 96 CSS pixels
  const MARGEN_PAGINA = 16;         // CSS pixels around the main window

  let M = null;                     // the module
  let T = null;                     // the window tables, the menu bar, the constants
  const lienzo = document.createElement('canvas').getContext('2d');
  const escritorio = document.getElementById('escritorio');
  let principal = null;             // the main window, once drawn
  let terminado = false;

  // ---- texts between the page and the module ----------------------------

  const cadena = (puntero) => M.UTF8ToString(puntero);

  // A UTF-16 text through one of the module's UTF-16 functions.
  function porUtf16(funcion, texto) {
    const bytes = (texto.length + 1) * 2;
    const puntero = M._malloc(bytes);
    try {
      M.stringToUTF16(texto, puntero, bytes);
      return M.UTF16ToString(funcion(puntero, texto.length));
    } finally {
      M._free(puntero);
    }
  }
  const textoPegado = (texto) => porUtf16(M._velmora_texto_pegado, texto);
  const textoTecleado = (texto) => porUtf16(M._velmora_texto_tecleado, texto);

  // The user's decimal and digit-group separators, from the browser's
  // language: "1.234.567,5" in Spanish, "1,234,567.5" in English.
  function configuracion() {
    const partes = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
    const parte = (tipo, si) => (partes.find((p) => p.type === tipo) || { value: si }).value;
    return { separadorDecimal: parte('decimal', '.'), separadorGrupos: parte('group', '') };
  }

  // "&Amortizacion" as its text with the access key underlined.
  function conTecla(elemento, titulo) {
    const i = titulo.indexOf('&');
    if (i < 0 || i + 1 >= titulo.length) {
      elemento.textContent = titulo;
      return '';
    }
    const tecla = document.createElement('u');
    tecla.textContent = titulo[i + 1];
    elemento.append(titulo.slice(0, i), tecla, titulo.slice(i + 2));
    return titulo[i + 1].toLowerCase();
  }

  // ---- a window drawn from its table ------------------------------------

  function crear(etiqueta, clase) {
    const e = document.createElement(etiqueta);
    if (clase) e.className = clase;
    return e;
  }

  // The controls of window `indice` inside `cliente`, each frame's controls
  // inside their frame, in the order of the table (which is the keyboard's).
  function construir(indice, cliente) {
    const controles = T.ventanas[indice].controles;
    const elementos = new Map();
    controles.forEach((c, i) => {
      const padre = c.contenedor ? elementos.get(c.contenedor) : cliente;
      const siguiente = controles[i + 1];
      let e;
      switch (c.tipo) {
        case 'Marco': {
          // A group named by its caption.
          e = crear('fieldset', 'marco');
          const leyenda = crear('legend');
          leyenda.textContent = c.titulo;
          e.append(crear('div', 'borde-marco'), leyenda);
          break;
        }
        case 'Etiqueta':
          if (c.nombre === 'lblResultado') {
            // The result box: a status region, read out when it changes.
            e = crear('output', 'etiqueta');
            e.setAttribute('role', 'status');
            e.setAttribute('aria-live', 'polite');
            if (c.nombreAccesible) e.setAttribute('aria-label', c.nombreAccesible);
          } else if (siguiente && siguiente.tipo === 'Campo' &&
                     siguiente.contenedor === c.contenedor) {
            // The caption beside a field labels it.
            e = crear('label', 'etiqueta');
            e.htmlFor = siguiente.nombre;
          } else {
            e = crear('span', 'etiqueta');
          }
          e.textContent = c.titulo;
          if (c.centrado) e.classList.add('centrado');
          if (c.opaco) e.classList.add('opaco');
          if (c.fondoBlanco) e.classList.add('fondo-blanco');
          break;
        case 'Campo':
          e = crear('input', 'campo');
          e.type = 'text';
          e.inputMode = 'decimal';
          e.autocomplete = 'off';
          e.spellcheck = false;
          e.setAttribute('autocapitalize', 'off');
          e.setAttribute('autocorrect', 'off');
          break;
        case 'Boton':
          e = crear('button', 'boton');
          e.type = 'button';
          e.textContent = c.titulo;
          break;
        case 'Lista': {
          // A sorted list box: its rows in ascending order without regard
          // to case, whatever the order they are added in.
          e = crear('select', 'lista');
          e.size = c.filas.length;
          if (c.nombreAccesible) e.setAttribute('aria-label', c.nombreAccesible);
          for (const fila of c.filas) {
            const opcion = crear('option');
            opcion.textContent = fila;
            const despues = [...e.options].find(
              (o) => o.text.toLowerCase() > fila.toLowerCase());
            e.insertBefore(opcion, despues || null);
          }
          e.selectedIndex = -1;
          break;
        }
        case 'Linea':
          e = crear('div', 'linea');
          e.setAttribute('aria-hidden', 'true');
          break;
        default:
          return;
      }
      e.id = c.nombre;
      padre.append(e);
      elementos.set(c.nombre, e);
    });
    return elementos;
  }

  // Places the controls of window `indice` by the fit rule: the factor with
  // which every caption, field, button and list row fits at the font in use,
  // the font shrinking where the window would be wider than `ancho` pixels.
  function colocar(indice, raiz, cliente, elementos, ancho) {
    const familia = getComputedStyle(raiz).fontFamily;
    const medir = (px) => {
      cliente.style.fontSize = `${px}px`;
      lienzo.font = `${px}px ${familia}`;
      const linea = Math.ceil(px * 1.2);
      return M._velmora_ajustar(indice, linea, linea, filaDeLista(elementos, linea), 1, 1);
    };
    let px = LETRA;
    let factor = medir(px);
    const cabe = M._velmora_factor_que_cabe(indice, Math.max(1, ancho), 1 << 20);
    const minimos = M._velmora_puntos_minimos();
    while (factor > cabe && px * PUNTOS_POR_PIXEL > minimos) {
      px = M._velmora_puntos_para_caber(px * PUNTOS_POR_PIXEL, factor, cabe) / PUNTOS_POR_PIXEL;
      factor = medir(px);
    }
    const controles = T.ventanas[indice].controles;
    const cajas = new Int32Array(M.HEAP32.buffer, M._velmora_cajas(), 4 * controles.length + 2);
    controles.forEach((c, i) => {
      const e = elementos.get(c.nombre);
      const [x, y, w, h] = cajas.subarray(4 * i, 4 * i + 4);
      Object.assign(e.style, { left: `${x}px`, top: `${y}px`, width: `${w}px`, height: `${h}px` });
      if (c.tipo === 'Marco') {
        // The frame's line runs through the middle of its caption band.
        e.firstChild.style.top = `${Math.ceil(px * 1.2 / 2)}px`;
      }
    });
    cliente.style.width = `${cajas[4 * controles.length]}px`;
    cliente.style.height = `${cajas[4 * controles.length + 1]}px`;
  }

  // The height of a list's row at the font in use, as the list draws it.
  function filaDeLista(elementos, linea) {
    for (const e of elementos.values()) {
      if (e.tagName === 'SELECT' && e.options.length) {
        const alto = e.options[0].getBoundingClientRect().height;
        if (alto > 0) return Math.ceil(alto);
      }
    }
    return linea;
  }

  // A window's frame: the title bar (the icon, its title, a close button
  // for the modal ones) and its client area.
  function marcoDeVentana(raiz, titulo, nivel, cerrar) {
    const barra = crear('div', 'barra-titulo');
    const icono = crear('img');
    icono.src = 'icono-32.png';
    icono.alt = '';
    const cabecera = crear(nivel);
    cabecera.textContent = titulo;
    cabecera.id = `titulo-${Math.random().toString(36).slice(2)}`;
    barra.append(icono, cabecera);
    if (cerrar) {
      const boton = crear('button', 'cerrar');
      boton.type = 'button';
      boton.textContent = '×';
      boton.setAttribute('aria-label', 'Cerrar');
      boton.addEventListener('click', cerrar);
      barra.append(boton);
    }
    raiz.append(barra);
    return cabecera;
  }

  // ---- modal windows ----------------------------------------------------

  const modalAbierto = () => document.querySelector('dialog[open]') !== null;

  // Shows `dialogo` modally: the rest of the page takes no input until it
  // closes, Escape closes it, and it is gone once closed.
  function mostrarModal(dialogo, foco) {
    cerrarMenus();
    escritorio.append(dialogo);
    dialogo.addEventListener('close', () => dialogo.remove());
    dialogo.showModal();
    if (foco) foco.focus();
  }

  // A message box: titled "Velmora", the text as its only content, one
  // "Aceptar" button. One box at a time: a message that comes while one is
  // open is not stacked on it.
  function mostrarMensaje(texto) {
    if (modalAbierto() || terminado) return;
    const dialogo = crear('dialog', 'ventana mensaje-velmora');
    const titulo = marcoDeVentana(dialogo, T.tituloAplicacion, 'h2', null);
    dialogo.setAttribute('aria-labelledby', titulo.id);
    const parrafo = crear('p', 'mensaje');
    parrafo.id = `${titulo.id}-texto`;
    parrafo.textContent = texto.replace(/\r\n/g, '\n');
    dialogo.setAttribute('aria-describedby', parrafo.id);
    const botones = crear('div', 'botones');
    const aceptar = crear('button');
    aceptar.type = 'button';
    aceptar.textContent = 'Aceptar';
    aceptar.addEventListener('click', () => dialogo.close());
    botones.append(aceptar);
    dialogo.append(parrafo, botones);
    mostrarModal(dialogo, aceptar);
  }

  // The examples or the formula window, built afresh from its table each
  // time it opens.
  function mostrarVentanaFija(nombre) {
    if (modalAbierto() || terminado) return;
    const indice = T.ventanas.findIndex((v) => v.nombre === nombre);
    if (indice < 0) return;
    const v = T.ventanas[indice];
    const dialogo = crear('dialog', 'ventana');
    dialogo.id = v.nombre;
    const titulo = marcoDeVentana(dialogo, v.titulo, 'h2', () => dialogo.close());
    dialogo.setAttribute('aria-labelledby', titulo.id);
    const cliente = crear('div', 'cliente');
    dialogo.append(cliente);
    // Open first, so that its controls are measured as they are drawn.
    mostrarModal(dialogo, null);
    const elementos = construir(indice, cliente);
    colocar(indice, dialogo, cliente, elementos, anchoDisponible() - 16);
    const foco = [...elementos.values()].find((e) => e.matches('input, button, select')) ||
                 dialogo.querySelector('.cerrar');
    foco.focus();
  }

  // ---- the menu bar -----------------------------------------------------

  const menus = [];   // {boton, desplegable, tecla, entradas: [{boton, tecla}]}

  function construirMenus(barra) {
    let actual = null;
    for (const entrada of T.menu) {
      if (entrada.tipo === 'Menu') {
        const menu = crear('div', 'menu');
        const boton = crear('button');
        boton.type = 'button';
        boton.id = entrada.nombre;
        boton.setAttribute('role', 'menuitem');
        boton.setAttribute('aria-haspopup', 'menu');
        boton.setAttribute('aria-expanded', 'false');
        boton.tabIndex = -1;
        const tecla = conTecla(boton, entrada.titulo);
        const desplegable = crear('div', 'desplegable');
        desplegable.setAttribute('role', 'menu');
        desplegable.setAttribute('aria-labelledby', boton.id);
        desplegable.hidden = true;
        menu.append(boton, desplegable);
        barra.append(menu);
        actual = { boton, desplegable, tecla, entradas: [] };
        menus.push(actual);
        boton.addEventListener('click', () => {
          if (desplegable.hidden) abrirMenu(menus.indexOf(menuDe(boton)));
          else cerrarMenus(true);
        });
        boton.addEventListener('keydown', (e) => teclaEnBarra(e, menus.indexOf(menuDe(boton))));
      } else if (entrada.tipo === 'Separador') {
        const linea = crear('div', 'separador');
        linea.id = entrada.nombre;
        linea.setAttribute('role', 'separator');
        actual.desplegable.append(linea);
      } else {
        const boton = crear('button', 'entrada');
        boton.type = 'button';
        boton.id = entrada.nombre;
        boton.setAttribute('role', 'menuitem');
        boton.tabIndex = -1;
        const tecla = conTecla(boton, entrada.titulo);
        const orden = entrada.orden;
        boton.addEventListener('click', () => ejecutar(orden));
        const menu = actual;
        boton.addEventListener('keydown', (e) => teclaEnMenu(e, menu));
        actual.desplegable.append(boton);
        actual.entradas.push({ boton, tecla, orden });
      }
    }
    // The first menu is reached by Tab from nowhere else: the bar is one
    // stop, as a desktop's menu bar is reached by its keys.
    if (menus.length) menus[0].boton.tabIndex = 0;
  }

  const menuDe = (boton) => menus.find((m) => m.boton === boton);
  let focoAntesDelMenu = null;

  function abrirMenu(i, primera = true) {
    if (modalAbierto() || terminado) return;
    if (!menus.some((m) => !m.desplegable.hidden)) focoAntesDelMenu = document.activeElement;
    cerrarMenus(false);
    const menu = menus[i];
    menu.desplegable.hidden = false;
    menu.boton.setAttribute('aria-expanded', 'true');
    if (primera && menu.entradas.length) menu.entradas[0].boton.focus();
    else menu.boton.focus();
  }

  function cerrarMenus(devolverFoco) {
    for (const m of menus) {
      m.desplegable.hidden = true;
      m.boton.setAttribute('aria-expanded', 'false');
    }
    if (devolverFoco && focoAntesDelMenu && document.contains(focoAntesDelMenu)) {
      focoAntesDelMenu.focus();
    }
    if (devolverFoco) focoAntesDelMenu = null;
  }

  function teclaEnBarra(e, i) {
    if (e.key === 'ArrowDown' || e.key === 'Enter' || e.key === ' ') {
      e.preventDefault();
      abrirMenu(i);
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      const otro = (i + (e.key === 'ArrowRight' ? 1 : menus.length - 1)) % menus.length;
      menus[otro].boton.focus();
    } else if (e.key === 'Escape') {
      cerrarMenus(true);
    }
  }

  // Inside an open menu: arrows move, the access key or Return chooses,
  // Escape closes, left and right go to the next menu.
  function teclaEnMenu(e, menu) {
    const entradas = menu.entradas.map((x) => x.boton);
    const i = entradas.indexOf(document.activeElement);
    const m = menus.indexOf(menu);
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      e.preventDefault();
      const paso = e.key === 'ArrowDown' ? 1 : entradas.length - 1;
      entradas[(i + paso) % entradas.length].focus();
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      abrirMenu((m + (e.key === 'ArrowRight' ? 1 : menus.length - 1)) % menus.length);
    } else if (e.key === 'Escape') {
      e.preventDefault();
      cerrarMenus(true);
    } else if (e.key === 'Tab') {
      cerrarMenus(true);
    } else if (e.key.length === 1 && !e.altKey && !e.ctrlKey && !e.metaKey) {
      const elegida = menu.entradas.find((x) => x.tecla === e.key.toLowerCase());
      if (elegida) {
        e.preventDefault();
        ejecutar(elegida.orden);
      }
    }
  }

  // A menu command: the menus close, the focus goes back where it was, and
  // the command's handler runs once this event has ended (as a desktop's
  // menu runs it from its event loop).
  function ejecutar(orden) {
    cerrarMenus(true);
    setTimeout(() => {
      if (!terminado) M._velmora_orden(orden);
    }, 0);
  }

  // Alt and an access key opens the first menu that has that key (both menus
  // use A: Alt+A opens "Amortizacion", as on the desktop).
  document.addEventListener('keydown', (e) => {
    if (!principal || terminado || modalAbierto()) return;
    if (e.altKey && !e.ctrlKey && !e.metaKey && /^Key[A-Z]$/.test(e.code)) {
      const tecla = e.code.slice(3).toLowerCase();
      const i = menus.findIndex((m) => m.tecla === tecla);
      if (i >= 0) {
        e.preventDefault();
        abrirMenu(i);
      }
    }
  });
  document.addEventListener('pointerdown', (e) => {
    if (!e.target.closest || !e.target.closest('.menu')) cerrarMenus(false);
  });

  // ---- the fields -------------------------------------------------------

  let campos = [];

  // Every edit of a field: what the field takes of the text (the first line
  // of a paste or a drop, no character that draws nothing, a tab as a
  // blank), and a text longer than the bound refused whole, with the
  // message that names the field, which keeps its text.
  function vigilarCampo(campo, indice) {
    campo.addEventListener('beforeinput', (e) => {
      if (!e.inputType.startsWith('insert') || e.inputType === 'insertCompositionText') return;
      let entrante = e.data;
      if (entrante == null && e.dataTransfer) entrante = e.dataTransfer.getData('text/plain');
      if (entrante == null) entrante = e.inputType === 'insertLineBreak' ? '\n' : '';
      const pegado = e.inputType === 'insertFromPaste' || e.inputType === 'insertFromDrop';
      const tomado = pegado ? textoPegado(entrante) : textoTecleado(entrante);
      const inicio = campo.selectionStart ?? campo.value.length;
      const fin = campo.selectionEnd ?? inicio;
      if (campo.value.length - (fin - inicio) + tomado.length > T.largoMaximoCampo) {
        e.preventDefault();
        M._velmora_texto_demasiado_largo(indice);
        return;
      }
      if (tomado !== entrante) {
        e.preventDefault();
        if (tomado || fin > inicio) {
          campo.setRangeText(tomado, inicio, fin, 'end');
          campo.dispatchEvent(new Event('input', { bubbles: true }));
        }
      }
    });
  }

  // Sets a field as a program does (the address's fragment): as the field
  // takes a typed text, or not at all when it is too long.
  function ponerCampo(indice, texto) {
    const tomado = textoTecleado(texto);
    if (tomado.length > T.largoMaximoCampo) {
      M._velmora_texto_demasiado_largo(indice);
      return;
    }
    campos[indice].value = tomado;
  }

  // ---- a calculation you can send ----------------------------------------

  // The texts of the last calculation that gave a result, in the address's
  // fragment, which a browser never sends to a server.
  function enLaDireccion() {
    const parametros = new URLSearchParams();
    T.campos.forEach((nombre, i) => parametros.set(nombre, campos[i].value));
    history.replaceState(null, '', `#${parametros.toString()}`);
  }

  // An address whose fragment holds field texts fills the fields and
  // calculates, as if the user had pressed "Calcular".
  function desdeLaDireccion() {
    if (location.hash.length < 2) return;
    const parametros = new URLSearchParams(location.hash.slice(1));
    if (!T.campos.some((nombre) => parametros.has(nombre))) return;
    T.campos.forEach((nombre, i) => ponerCampo(i, parametros.get(nombre) || ''));
    M._velmora_calcular();
  }

  // ---- the main window ----------------------------------------------------

  function anchoDisponible() {
    return document.documentElement.clientWidth - 2 * MARGEN_PAGINA;
  }

  function dibujarPrincipal() {
    const v = T.ventanas[0];
    const ventana = crear('section', 'ventana');
    ventana.id = v.nombre;
    const titulo = marcoDeVentana(ventana, v.titulo, 'h1', null);
    titulo.id = 'titulo';
    ventana.setAttribute('aria-labelledby', titulo.id);
    const barra = crear('nav', 'barra-menus');
    barra.setAttribute('role', 'menubar');
    barra.setAttribute('aria-label', 'Menu');
    ventana.append(barra);
    construirMenus(barra);
    const cliente = crear('div', 'cliente');
    ventana.append(cliente);
    escritorio.append(ventana);
    const elementos = construir(0, cliente);
    campos = T.campos.map((nombre) => elementos.get(nombre));
    campos.forEach(vigilarCampo);
    elementos.get('cmdCalcular').addEventListener('click', () => M._velmora_calcular());
    // Below the window, after each calculation, the picture of the answer.
    const grafica = crear('section', 'grafica');
    grafica.id = 'grafica';
    grafica.setAttribute('aria-labelledby', 'grafica-titulo');
    grafica.hidden = true;
    escritorio.append(grafica);
    principal = { ventana, cliente, elementos, titulo, grafica };
    colocarPrincipal();
  }

  // A calculation request has ended: the picture follows what the window
  // shows, or goes where it shows no answer.
  function alCalcular() {
    if (terminado) return;
    VelmoraGrafica.mostrar(principal.grafica, JSON.parse(cadena(M._velmora_grafica())));
  }

  function colocarPrincipal() {
    if (!principal || terminado) return;
    colocar(0, principal.ventana, principal.cliente, principal.elementos, anchoDisponible() - 2);
  }

  // After "&Salir": an installed app's window closes; a tab, which a page
  // may not close, says that the program has ended and offers to start
  // again.
  function terminar() {
    terminado = true;
    cerrarMenus(false);
    for (const d of document.querySelectorAll('dialog')) d.remove();
    window.close();
    escritorio.replaceChildren();
    const aviso = crear('section', 'terminado');
    aviso.setAttribute('role', 'alert');
    const texto = crear('p');
    texto.textContent = 'Velmora ha terminado.';
    const otraVez = crear('button');
    otraVez.type = 'button';
    otraVez.textContent = 'Volver a empezar';
    otraVez.addEventListener('click', () => location.replace(location.pathname));
    aviso.append(texto, otraVez);
    escritorio.append(aviso);
    document.title = T.tituloAplicacion;
    otraVez.focus();
  }

  // What the shared handlers ask of the page (FrenteVelmora).
  const frente = {
    LeerCampo: (i) => campos[i].value,
    ConfiguracionDelUsuario: configuracion,
    TituloVentana: () => principal.titulo.textContent,
    PonerTituloVentana(titulo) {
      principal.titulo.textContent = titulo;
      document.title = titulo;
    },
    EscribirResultado(texto) {
      principal.elementos.get('lblResultado').textContent = texto;
      enLaDireccion();
    },
    MostrarMensaje: mostrarMensaje,
    MostrarVentanaFija: mostrarVentanaFija,
    Despues: () => setTimeout(() => M._velmora_tareas(), 0),
    Terminar: terminar,
    AnchoDeTexto: (texto) => Math.ceil(lienzo.measureText(texto).width),
  };

  CrearVelmora({ frente, alCalcular }).then((modulo) => {
    M = modulo;
    T = JSON.parse(cadena(M._velmora_tablas()));
    dibujarPrincipal();
    M._velmora_form_load();
    escritorio.removeAttribute('aria-busy');
    campos[0].focus();
    desdeLaDireccion();
    window.addEventListener('hashchange', desdeLaDireccion);
    let pendiente = 0;
    window.addEventListener('resize', () => {
      clearTimeout(pendiente);
      pendiente = setTimeout(colocarPrincipal, 100);
    });
    document.documentElement.dataset.listo = 'si';
  });

  // The service worker keeps the site for offline use (sw.js); the browser
  // itself looks for a new version of it on each visit, and the next visit
  // shows what it found.
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
})();
