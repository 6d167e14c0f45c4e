// Velmora's page: the front end in the browser, beside the Linux and Windows
// ones.
//
// It draws the windows of the tables the module hands it (velmora.wasm,
// built from calc/ and ui/; no table is copied here), implements
// FrenteVelmora as Module.frente for the shared commands of
// ui/FormularioVelmora, and turns the user's events into calls of them. What
// a command does, what a calculation gives, how much room a control needs,
// how a window fits the screen, what a field takes of a text, which menu a
// key opens and what the picture of an answer says are the module's; this
// script only measures, draws and listens.
//
// Texts reach the page only as text (textContent, value), never as markup.
'use strict';

(() => {
  const PUNTOS_POR_PIXEL = 0.75;    // 72 points to 96 CSS pixels

  let velmora = null;               // the module: its tables, commands and rules
  let tablas = null;                // the window tables, the menu bar, the fixed texts
  const lienzo = document.createElement('canvas').getContext('2d');
  const escritorio = document.getElementById('escritorio');
  let principal = null;             // the main window, once drawn
  let terminado = false;

  const px = (elemento, propiedad) => parseFloat(getComputedStyle(elemento)[propiedad]) || 0;

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
      return;
    }
    const tecla = document.createElement('u');
    tecla.textContent = titulo[i + 1];
    elemento.append(titulo.slice(0, i), tecla, titulo.slice(i + 2));
  }

  function crear(etiqueta, clase) {
    const e = document.createElement(etiqueta);
    if (clase) e.className = clase;
    return e;
  }

  // ---- a window drawn from its table ------------------------------------

  // The controls of window `indice` inside `cliente`, each frame's controls
  // inside their frame, in the order of the table (which is the keyboard's).
  function construir(indice, cliente) {
    const { Tipo } = velmora;
    const controles = tablas.ventanas[indice].controles;
    const elementos = [];
    controles.forEach((c, i) => {
      const padre = c.contenedor === null ? cliente : elementos[c.contenedor];
      const siguiente = controles[i + 1];
      let e;
      if (c.tipo === Tipo.Marco) {
        // A group named by its caption.
        e = crear('fieldset', 'marco');
        const leyenda = crear('legend');
        leyenda.textContent = c.titulo;
        e.append(crear('div', 'borde-marco'), leyenda);
      } else if (c.tipo === Tipo.Etiqueta) {
        if (c.resultado) {
          // The result box: a status region, read out when it changes.
          e = crear('output', 'etiqueta');
          e.setAttribute('role', 'status');
          e.setAttribute('aria-live', 'polite');
        } else if (siguiente && siguiente.campo !== null && siguiente.contenedor === c.contenedor) {
          // The caption beside a field labels it.
          e = crear('label', 'etiqueta');
          e.htmlFor = siguiente.nombre;
        } else {
          e = crear('span', 'etiqueta');
        }
        e.textContent = c.titulo;
        e.classList.toggle('centrado', c.centrado);
        e.classList.toggle('opaco', c.opaco);
        e.classList.toggle('fondo-blanco', c.fondoBlanco);
      } else if (c.tipo === Tipo.Campo) {
        e = crear('input', 'campo');
        Object.assign(e, { type: 'text', inputMode: 'decimal', autocomplete: 'off', spellcheck: false });
        e.setAttribute('autocapitalize', 'off');
        e.setAttribute('autocorrect', 'off');
      } else if (c.tipo === Tipo.Boton) {
        e = crear('button', 'boton');
        e.type = 'button';
        e.textContent = c.titulo;
        if (c.orden !== velmora.Orden.Ninguna) e.addEventListener('click', () => velmora.ejecutar(c.orden));
      } else if (c.tipo === Tipo.Lista) {
        // A sorted list box: its rows in ascending order without regard
        // to case, whatever the order they are added in.
        e = crear('select', 'lista');
        e.size = c.filas.length;
        for (const fila of c.filas) {
          const opcion = crear('option');
          opcion.textContent = fila;
          const despues = [...e.options].find((o) => o.text.toLowerCase() > fila.toLowerCase());
          e.insertBefore(opcion, despues || null);
        }
        e.selectedIndex = -1;
      } else {
        e = crear('div', 'linea');
        e.setAttribute('aria-hidden', 'true');
      }
      // A field is named by the caption that labels it.
      if (c.nombreAccesible && c.tipo !== Tipo.Campo) e.setAttribute('aria-label', c.nombreAccesible);
      e.id = c.nombre;
      padre.append(e);
      elementos.push(e);
    });
    return elementos;
  }

  // Places the controls of window `indice` by the module's fit rule, at the
  // font the window's style gives, shrunk where the window would be wider
  // than `ancho` pixels. The module measures through the page: a text's
  // width, a line, a list's row and the borders, at each font it tries.
  function colocar(indice, raiz, cliente, elementos, ancho) {
    const familia = getComputedStyle(raiz).fontFamily;
    const interlineado = parseFloat(getComputedStyle(raiz).getPropertyValue('--interlineado'));
    const primero = (etiqueta) => elementos.find((e) => e.tagName === etiqueta);
    const borde = (e) => (e ? px(e, 'borderTopWidth') : 0);
    const bordes = { bordeCampo: borde(primero('INPUT')), bordeLista: borde(primero('SELECT')) };
    const anchos = new Map();   // a text's width at the font in use
    let letra = 0;
    const medidor = {
      PonerLetra(puntos) {
        letra = puntos / PUNTOS_POR_PIXEL;
        lienzo.font = `${letra}px ${familia}`;
        anchos.clear();
        const linea = Math.ceil(letra * interlineado);
        const lista = primero('SELECT');
        let fila = linea;
        if (lista && lista.options.length) {
          cliente.style.fontSize = `${letra}px`;
          fila = Math.ceil(lista.options[0].getBoundingClientRect().height) || linea;
        }
        return { altoDeLetra: linea, altoFilaLista: fila, ...bordes };
      },
      AnchoDeTexto(texto) {
        if (!anchos.has(texto)) anchos.set(texto, Math.ceil(lienzo.measureText(texto).width));
        return anchos.get(texto);
      },
    };
    cliente.style.fontSize = '';
    const hecho = velmora.ajustar(indice,
      { puntos: px(cliente, 'fontSize') * PUNTOS_POR_PIXEL, ancho: Math.max(1, Math.floor(ancho)), alto: 1 << 20 },
      medidor);
    cliente.style.fontSize = `${letra}px`;
    tablas.ventanas[indice].controles.forEach((c, i) => {
      const { x, y, ancho: w, alto: h } = hecho.cajas[i];
      Object.assign(elementos[i].style, { left: `${x}px`, top: `${y}px`, width: `${w}px`, height: `${h}px` });
      // The frame's line runs through the middle of its caption band.
      if (c.tipo === velmora.Tipo.Marco) {
        elementos[i].firstChild.style.top = `${Math.ceil(Math.ceil(letra * interlineado) / 2)}px`;
      }
    });
    Object.assign(cliente.style, { width: `${hecho.ancho}px`, height: `${hecho.alto}px` });
    raiz.classList.toggle('en-columna', hecho.enColumna);
  }

  // The width a window may take: what `contenedor` leaves inside its
  // padding, or the window's own largest width, less the window's borders.
  function anchoPara(ventana, contenedor) {
    const libre = contenedor ? contenedor.clientWidth - px(contenedor, 'paddingLeft') -
      px(contenedor, 'paddingRight') : px(ventana, 'maxWidth');
    return libre - px(ventana, 'borderLeftWidth') - px(ventana, 'borderRightWidth');
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
      boton.setAttribute('aria-label', tablas.cerrar);
      boton.addEventListener('click', cerrar);
      barra.append(boton);
    }
    raiz.append(barra);
    raiz.setAttribute('aria-labelledby', cabecera.id);
    return cabecera;
  }

  // ---- modal windows ----------------------------------------------------

  const modalAbierto = () => document.querySelector('dialog[open]') !== null;

  // Shows `dialogo` modally: the rest of the page takes no input until it
  // closes, Escape closes it, and it is gone once closed, which the module
  // hears (a page's dialog does not block the handler that opened it).
  function mostrarModal(dialogo) {
    cerrarMenus(false);
    escritorio.append(dialogo);
    dialogo.addEventListener('close', () => {
      dialogo.remove();
      if (!terminado) velmora.modalCerrado();
    });
    dialogo.showModal();
  }

  // A message box: titled "Velmora", the text as its only content, one
  // "Aceptar" button.
  function mostrarMensaje(texto) {
    const dialogo = crear('dialog', 'ventana mensaje-velmora');
    const titulo = marcoDeVentana(dialogo, tablas.tituloAplicacion, 'h2', null);
    const parrafo = crear('p', 'mensaje');
    parrafo.id = `${titulo.id}-texto`;
    parrafo.textContent = texto.replace(/\r\n/g, '\n');
    parrafo.classList.toggle('lineas', parrafo.textContent.includes('\n'));
    dialogo.setAttribute('aria-describedby', parrafo.id);
    const botones = crear('div', 'botones');
    const aceptar = crear('button');
    aceptar.type = 'button';
    aceptar.textContent = tablas.aceptar;
    aceptar.addEventListener('click', () => dialogo.close());
    botones.append(aceptar);
    dialogo.append(parrafo, botones);
    mostrarModal(dialogo);
    aceptar.focus();
  }

  // The examples or the formula window, built afresh from its table each
  // time it opens.
  function mostrarVentanaFija(nombre) {
    const indice = tablas.ventanas.findIndex((v) => v.nombre === nombre);
    const v = tablas.ventanas[indice];
    const dialogo = crear('dialog', 'ventana');
    dialogo.id = v.nombre;
    marcoDeVentana(dialogo, v.titulo, 'h2', () => dialogo.close());
    const cliente = crear('div', 'cliente');
    dialogo.append(cliente);
    // Open first, so that its controls are measured as they are drawn.
    mostrarModal(dialogo);
    const elementos = construir(indice, cliente);
    colocar(indice, dialogo, cliente, elementos, anchoPara(dialogo, null));
    const c = v.controles.findIndex((x) => x.foco);
    (c >= 0 ? elementos[c] : dialogo.querySelector('.cerrar')).focus();
  }

  // ---- the menu bar -----------------------------------------------------

  const menus = [];   // {boton, desplegable, entradas: [{boton, tecla, orden}]}
  let focoAntesDelMenu = null;

  function construirMenus(barra) {
    let actual = null;
    for (const entrada of tablas.menu) {
      const boton = crear('button', entrada.tipo === velmora.TipoEntrada.Orden ? 'entrada' : '');
      boton.type = 'button';
      boton.id = entrada.nombre;
      boton.setAttribute('role', 'menuitem');
      boton.tabIndex = -1;
      if (entrada.tipo === velmora.TipoEntrada.Menu) {
        const menu = crear('div', 'menu');
        boton.setAttribute('aria-haspopup', 'menu');
        boton.setAttribute('aria-expanded', 'false');
        conTecla(boton, entrada.titulo);
        const desplegable = crear('div', 'desplegable');
        desplegable.setAttribute('role', 'menu');
        desplegable.setAttribute('aria-labelledby', boton.id);
        desplegable.hidden = true;
        menu.append(boton, desplegable);
        barra.append(menu);
        const i = menus.length;
        actual = { boton, desplegable, entradas: [] };
        menus.push(actual);
        boton.addEventListener('click', () => (desplegable.hidden ? abrirMenu(i) : cerrarMenus(true)));
        boton.addEventListener('keydown', (e) => teclaEnBarra(e, i));
      } else if (entrada.tipo === velmora.TipoEntrada.Separador) {
        const linea = crear('div', 'separador');
        linea.id = entrada.nombre;
        linea.setAttribute('role', 'separator');
        actual.desplegable.append(linea);
      } else {
        conTecla(boton, entrada.titulo);
        boton.addEventListener('click', () => ejecutar(entrada.orden));
        const menu = actual;
        boton.addEventListener('keydown', (e) => teclaEnMenu(e, menu));
        actual.desplegable.append(boton);
        actual.entradas.push({ boton, tecla: entrada.tecla, orden: entrada.orden });
      }
    }
    // The first menu is reached by Tab from nowhere else: the bar is one
    // stop, as a desktop's menu bar is reached by its keys.
    if (menus.length) menus[0].boton.tabIndex = 0;
  }

  function abrirMenu(i, primera = true) {
    if (modalAbierto() || terminado) return;
    if (!menus.some((m) => !m.desplegable.hidden)) focoAntesDelMenu = document.activeElement;
    cerrarMenus(false);
    const menu = menus[i];
    menu.desplegable.hidden = false;
    menu.boton.setAttribute('aria-expanded', 'true');
    (primera && menu.entradas.length ? menu.entradas[0].boton : menu.boton).focus();
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

  const otroMenu = (i, tecla) => (i + (tecla === 'ArrowRight' ? 1 : menus.length - 1)) % menus.length;

  function teclaEnBarra(e, i) {
    if (e.key === 'ArrowDown' || e.key === 'Enter' || e.key === ' ') {
      e.preventDefault();
      abrirMenu(i);
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      menus[otroMenu(i, e.key)].boton.focus();
    } else if (e.key === 'Escape') {
      cerrarMenus(true);
    }
  }

  // Inside an open menu: arrows move, the access key or Return chooses,
  // Escape closes, left and right go to the next menu.
  function teclaEnMenu(e, menu) {
    const entradas = menu.entradas.map((x) => x.boton);
    const i = entradas.indexOf(document.activeElement);
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      e.preventDefault();
      entradas[(i + (e.key === 'ArrowDown' ? 1 : entradas.length - 1)) % entradas.length].focus();
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      abrirMenu(otroMenu(menus.indexOf(menu), e.key));
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
  // the command runs once this event has ended (as a desktop's menu runs it
  // from its event loop).
  function ejecutar(orden) {
    cerrarMenus(true);
    setTimeout(() => {
      if (!terminado) velmora.ejecutar(orden);
    }, 0);
  }

  // Alt and an access key opens the first menu that has that key.
  document.addEventListener('keydown', (e) => {
    if (!principal || terminado || modalAbierto()) return;
    if (e.altKey && !e.ctrlKey && !e.metaKey && /^Key[A-Z]$/.test(e.code)) {
      const i = velmora.menuDeTecla(e.code.slice(3));
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

  // Every edit of a field: what the field takes of what it brings (the
  // module's rule: the first line of a paste or a drop, no character that
  // draws nothing, a tab as a blank, nothing where the field would hold too
  // much, and then the message that names the field).
  function vigilarCampo(campo, indice) {
    campo.addEventListener('beforeinput', (e) => {
      if (!e.inputType.startsWith('insert') || e.inputType === 'insertCompositionText') return;
      let entrante = e.data;
      if (entrante == null && e.dataTransfer) entrante = e.dataTransfer.getData('text/plain');
      if (entrante == null) entrante = e.inputType === 'insertLineBreak' ? '\n' : '';
      const pegado = e.inputType === 'insertFromPaste' || e.inputType === 'insertFromDrop';
      const inicio = campo.selectionStart ?? campo.value.length;
      const fin = campo.selectionEnd ?? inicio;
      const tomado = velmora.entrada(indice, campo.value.length, fin - inicio, entrante, pegado);
      if (tomado !== entrante) {
        e.preventDefault();
        if (tomado !== null && (tomado || fin > inicio)) {
          campo.setRangeText(tomado, inicio, fin, 'end');
          campo.dispatchEvent(new Event('input', { bubbles: true }));
        }
      }
    });
  }

  // ---- a calculation you can send ----------------------------------------

  // The texts of the last calculation that gave a result, in the address's
  // fragment, which a browser never sends to a server.
  function enLaDireccion() {
    const parametros = new URLSearchParams();
    tablas.campos.forEach((nombre, i) => parametros.set(nombre, campos[i].value));
    history.replaceState(null, '', `#${parametros.toString()}`);
    principal.direccion.textContent = location.href;
  }

  // An address whose fragment holds field texts fills the fields and
  // calculates, as if the user had pressed "Calcular"; a text a field
  // refuses gets its message instead.
  function desdeLaDireccion() {
    if (location.hash.length < 2) return;
    const parametros = new URLSearchParams(location.hash.slice(1));
    if (!tablas.campos.some((nombre) => parametros.has(nombre))) return;
    const tomados = tablas.campos.map((nombre, i) => velmora.entrada(i, 0, 0, parametros.get(nombre) || '', false));
    if (tomados.includes(null)) return;
    tomados.forEach((texto, i) => { campos[i].value = texto; });
    velmora.ejecutar(velmora.Orden.Calcular);
  }

  // ---- the main window ----------------------------------------------------

  // The main window, built unseen; mostrarPrincipal places and shows it.
  function construirPrincipal() {
    const v = tablas.ventanas[0];
    const ventana = crear('section', 'ventana');
    ventana.id = v.nombre;
    const titulo = marcoDeVentana(ventana, v.titulo, 'h1', null);
    const barra = crear('nav', 'barra-menus');
    barra.setAttribute('role', 'menubar');
    barra.setAttribute('aria-label', 'Menu');
    ventana.append(barra);
    construirMenus(barra);
    const cliente = crear('div', 'cliente');
    ventana.append(cliente);
    escritorio.append(ventana);
    ventana.style.visibility = 'hidden';
    const elementos = construir(0, cliente);
    campos = [];
    v.controles.forEach((c, i) => { if (c.campo !== null) campos[c.campo] = elementos[i]; });
    tablas.campos = v.controles.filter((c) => c.campo !== null).sort((a, b) => a.campo - b.campo)
      .map((c) => c.nombre);
    campos.forEach(vigilarCampo);
    // Below the window, after each calculation, the picture of the answer.
    const grafica = crear('section', 'grafica');
    grafica.id = 'grafica';
    grafica.setAttribute('aria-labelledby', 'grafica-titulo');
    grafica.hidden = true;
    // On paper, the address that holds the calculation, to open it again.
    const direccion = crear('p', 'direccion');
    direccion.textContent = location.href;
    escritorio.append(grafica, direccion);
    const resultado = elementos[v.controles.findIndex((c) => c.resultado)];
    const foco = elementos[v.controles.findIndex((c) => c.foco)];
    principal = { ventana, cliente, elementos, titulo, grafica, resultado, direccion, foco };
  }

  function mostrarPrincipal() {
    colocarPrincipal();
    principal.ventana.style.visibility = '';
    principal.foco.focus();
  }

  // Lays the main window out again where the width the page leaves it has
  // changed: a turned phone, a resized browser, or a scroll bar that came
  // with a longer page (or with this very layout, hence a second look).
  let anchoColocado = 0;
  function colocarPrincipal() {
    for (let vez = 0; vez < 2 && principal && !terminado; vez += 1) {
      const ancho = anchoPara(principal.ventana, escritorio);
      if (ancho === anchoColocado) return;
      anchoColocado = ancho;
      colocar(0, principal.ventana, principal.cliente, principal.elementos, ancho);
      dibujarGrafica();   // drawn for the new width
    }
  }

  // After "&Salir": an installed app's window closes; a tab, which a page
  // may not close (and which some engines would close all the same, were it
  // opened by a script), says that the program has ended and offers to
  // start again.
  function terminar() {
    terminado = true;
    cerrarMenus(false);
    for (const d of document.querySelectorAll('dialog')) d.remove();
    if (matchMedia('(display-mode: standalone), (display-mode: minimal-ui)').matches) window.close();
    escritorio.replaceChildren();
    const aviso = crear('section', 'terminado');
    aviso.setAttribute('role', 'alert');
    const texto = crear('p');
    texto.textContent = tablas.terminado;
    const otraVez = crear('button');
    otraVez.type = 'button';
    otraVez.textContent = tablas.volverAEmpezar;
    otraVez.addEventListener('click', () => location.replace(location.pathname));
    aviso.append(texto, otraVez);
    escritorio.append(aviso);
    document.title = tablas.tituloAplicacion;
    otraVez.focus();
  }

  // What the shared commands ask of the page (FrenteVelmora).
  const frente = {
    LeerCampo: (i) => campos[i].value,
    ConfiguracionDelUsuario: configuracion,
    TituloVentana: () => principal.titulo.textContent,
    PonerTituloVentana(titulo) {
      principal.titulo.textContent = titulo;
      document.title = titulo;
    },
    EscribirResultado(texto) {
      principal.resultado.textContent = texto;
      enLaDireccion();
    },
    MostrarMensaje: mostrarMensaje,
    MostrarVentanaFija: mostrarVentanaFija,
    PedirTurno: () => setTimeout(() => velmora.turno(), 0),
    Terminar: terminar,
    MostrarGrafica(hay) {
      principal.hayGrafica = hay;
      dibujarGrafica();
    },
  };

  // The picture of the last answer. It is a script of its own (grafica.js),
  // the page's last: the window works without it, and an answer given
  // before it has run (an address that holds a calculation, where it
  // arrives late) is drawn once it has, when the document is loaded.
  function dibujarGrafica() {
    if (!principal || terminado) return;
    if (principal.hayGrafica && typeof VelmoraGrafica !== 'undefined') {
      VelmoraGrafica.mostrar(principal.grafica, velmora);
    } else {
      principal.grafica.replaceChildren();
      principal.grafica.hidden = true;
    }
  }

  document.addEventListener('DOMContentLoaded', dibujarGrafica);

  // The page is busy until its window is drawn. Where the module cannot
  // start (not found, broken, a browser without WebAssembly), it says so and
  // what to try, visibly and to a screen reader.
  escritorio.setAttribute('aria-busy', 'true');
  function sinArrancar(error) {
    document.getElementById('cargando').remove();
    const aviso = document.getElementById('sin-arrancar');
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
  async function arrancar(modulo) {
    velmora = modulo;
    velmora.frente = frente;
    await otraTarea();
    tablas = velmora.tablas();
    await otraTarea();
    construirPrincipal();
    velmora.formLoad();
    await otraTarea();
    document.getElementById('arranque').remove();
    mostrarPrincipal();
    escritorio.removeAttribute('aria-busy');
    performance.mark('velmora-dibujada');   // the window is drawn (bench/motores)
    await otraTarea();
    desdeLaDireccion();
    window.addEventListener('hashchange', desdeLaDireccion);
    let pendiente = 0;
    new ResizeObserver(() => {
      clearTimeout(pendiente);
      pendiente = setTimeout(colocarPrincipal, 100);
    }).observe(escritorio);
    document.documentElement.dataset.listo = 'si';
  }
  // The module started as it loaded (modulo.post.js), or it did not.
  /* global velmoraCargado */
  if (typeof velmoraCargado === 'undefined') sinArrancar(new Error('velmora.js no ha cargado'));
  else velmoraCargado.then(arrancar, sinArrancar);

  // The service worker keeps the site for offline use (sw.js); the browser
  // itself looks for a new version of it on each visit, and the next visit
  // shows what it found.
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
})();
