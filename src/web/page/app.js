// SPDX-License-Identifier: GPL-3.0-or-later
// Korvath simulation in the browser. The main window is built from the layout
// the desktop window is built from (layout.json and the English texts, which
// the build puts into index.html, and strings/LANGUAGE.json, all exported from
// its sources); the simulation is the desktop's model and scene
// compiled to WebAssembly (korvath.js). This module only shows what the
// simulation holds and passes the user's actions to it.
//
// The single-file page (korvath-offline.html) carries all of it: the module
// with its WebAssembly as window.korvathFactory, and the texts of every
// language and the help in bundleData.

const TWIPS_PER_PIXEL = 15;  // at scale 1, as on a 96 dpi screen
const MENU_HEIGHT = 20;  // CSS pixels at scale 1
const FRAME = 2;  // the picture's sunken frame, CSS pixels at scale 1
const COARSE_TARGET = 44;  // CSS pixels: the smallest target a finger hits reliably
const SMALLEST_TARGET = 15;  // CSS pixels at scale 1: a bar's arrow
const REPEAT_DELAY = 500;  // ms before a held arrow or track repeats
const REPEAT_INTERVAL = 50;  // ms between repeats
const WHEEL_STEPS = 3;  // arrow steps per wheel notch
const BEAM_MOVES = {beamBigUpButton: 0, beamUpButton: 1, beamDownButton: 2, beamBigDownButton: 3};
// The window reflowed for a screen too small for it: sections from top to
// bottom, each of blocks that stay together. The controls the list does not
// name go to the value list, a block for each caption and what follows it.
const FLOW = [
  ['picture', [['scenePicture']]],
  ['bodies', [['earthButton', 'sunButton']]],
  ['bars', [
    ['radiusCaption', 'radiusCoarseMark', 'radiusCoarseBar', 'radiusCoarseValue',
      'radiusFineMark', 'radiusFineBar', 'radiusFineValue', 'radiusValue'],
    ['massCaption', 'massCoarseMark', 'massCoarseBar', 'massCoarseValue',
      'massFineMark', 'massFineBar', 'massFineValue', 'massValue']]],
  ['beam', [['beamBigUpButton', 'beamUpButton', 'beamDownButton', 'beamBigDownButton', 'beamButton', 'beamStartValue']]],
  ['values', null],
];
const coarsePointer = matchMedia('(pointer: coarse)');
// The model's bar indices (Bar) by the names links and the command line use.
const SETUP_BARS = {'radius-bars': ['radiusCoarseBar', 'radiusFineBar'], 'mass-bars': ['massCoarseBar', 'massFineBar']};
const BEAM_LOWEST = 50;
const BEAM_HIGHEST = 6150;
const BEAM_STEP = 50;
const SHOWN_PARAMETER = 60;  // characters of a bad parameter a notice shows, the last an ellipsis if cut
const boot = window.korvathPage;  // index.html's start-up checks and failure notice
const {fill} = boot;  // a template's %1 ... or {name}s filled in
const bundle = document.getElementById('bundleData') ? JSON.parse(document.getElementById('bundleData').textContent) : null;

const $ = (id) => document.getElementById(id);
const fetchJson = async (url) => {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
  return response.json();
};
const escapeHtml = (s) => s.replace(/[&<>"]/g, (c) => `&${{'&': 'amp', '<': 'lt', '>': 'gt', '"': 'quot'}[c]};`);

// The module starts at once, with the WebAssembly that index.html has been
// compiling (compiled here if that failed, say for a server that sends it
// with another type); the layout and the English texts are in the page.
// A module or WebAssembly that fails to load or compile is told to the user.
const modulePromise = new Promise((resolve, reject) => {
  if (boot.failed) return;  // index.html tells why
  const failed = (error) => {
    boot.fail('moduleFailed', error.message || String(error));
    reject(error);
  };
  // Both pages give the module's factory before this module runs: the served
  // one imports korvath.js in index.html (which tells when that fails), the
  // single file carries it with its WebAssembly.
  const createKorvath = window.korvathFactory;
  if (!createKorvath) return failed(new Error('korvath.js'));
  if (!('korvathWasm' in window)) return createKorvath().then(resolve, failed);
  createKorvath({
    instantiateWasm(imports, receive) {
      const compiled = (window.korvathWasm || Promise.reject(new Error('not started')))
        .catch(() => fetch('korvath.wasm').then((r) => {
          if (!r.ok) throw new Error(`korvath.wasm: ${r.status} ${r.statusText}`);
          return r.arrayBuffer();
        }).then((bytes) => WebAssembly.compile(bytes)));
      compiled.then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
        .catch(failed);
      return {};
    },
  }).then(resolve, failed);
});
const embedded = (id) => JSON.parse(document.getElementById(id).textContent);

let M;  // the WebAssembly module
let layout;
let texts;  // the strings of the page's language
let separator = '.';  // the decimal separator of the page's language
let session = null;
let startTimer = 0;
let scale = 1;
let helpNamed = false;  // the Help command has run once: F1 opens the help
let firstValuesMarked = false;
let setup = null;  // the link's setup to apply at the start tick, or null
let badParameter = '';  // the link's first bad parameter
let lastMark = 0;  // the Schwarzschild mark last shown
const controls = new Map();  // object name -> element
const fields = [];  // value field elements, by the model's value index
const bars = [];  // parameter bars, by the model's bar index
const barWidgets = new Map();  // object name -> ParameterBar
let canvas, context2d;

async function main() {
  layout = embedded('layoutData');
  texts = embedded('englishData');
  if (boot.failed) return;
  // ?lang=de picks a language; without it the browser's, as the desktop
  // program follows the user's locale.
  readSetup();
  const language = boot.language();
  if (Object.hasOwn(layout.decimalSeparators, language)) {
    separator = layout.decimalSeparators[language];
    // Only English texts may exist yet: any other language falls back to them.
    if (language !== 'en' && layout.languagesWithTexts.includes(language))
      texts = bundle ? bundle.strings[language] : await fetchJson(`strings/${language}.json`);
  }
  document.documentElement.lang = texts.language;
  document.title = texts.title;
  buildWindow();
  M = await modulePromise;
  // The model's value fields and bars, by the names the binding gives them.
  for (let i = 0; i < M.valueCount; ++i) fields.push(controlNamed(M.valueFieldName(i)));
  for (let i = 0; i < 4; ++i) {
    const bar = barWidgets.get(M.barName(i));
    if (!bar) throw new Error(`the layout has no bar ${M.barName(i)}`);
    bar.index = i;
    bars.push(bar);
  }
  start(boot.started);
}

// ---------------------------------------------------------------------------
// The window

function buildWindow() {
  const win = $('mainWindow');
  win.setAttribute('aria-label', texts.title);
  buildMenu();
  for (const item of layout.controls) {
    const element = makeControl(item, texts.controls[item.objectName] || {});
    element.id = item.objectName;
    element.classList.add('control', item.kind);
    controls.set(item.objectName, element);
  }
  buildSections();
  for (const item of layout.controls)
    if (item.kind === 'bar') barWidgets.set(item.objectName, new ParameterBar(controls.get(item.objectName)));

  $('startAgain').textContent = texts.page.startAgain;
  $('startAgain').addEventListener('click', () => start());
  $('helpSplashTitle').textContent = texts.helpSplashTitle;
  $('helpSplash').setAttribute('aria-label', texts.helpSplashTitle);
  $('helpViewerTitle').textContent = texts.helpTitle;
  $('helpViewer').setAttribute('aria-label', texts.helpTitle);
  $('faultNoticeTitle').textContent = texts.title;
  $('faultNotice').setAttribute('aria-label', texts.title);
  $('faultOk').textContent = texts.page.ok;
  $('keysTitle').textContent = texts.page.keys;
  $('keysDialog').setAttribute('aria-label', texts.page.keys);
  $('keysOk').textContent = texts.page.ok;
  for (const key of ['keyTab', 'keyButton', 'keyBarStep', 'keyBarPage', 'keyBarEnds', 'keyMenu', 'keyHelp', 'keyClose']) {
    const li = document.createElement('li');
    li.textContent = texts.page[key];
    $('keysList').append(li);
  }
  for (const box of document.querySelectorAll('[data-close]')) {
    box.textContent = '\u00d7';
    box.setAttribute('aria-label', texts.page.close);
    box.addEventListener('click', () => box.closest('dialog').close());
  }
  document.addEventListener('keydown', onKey);
  addEventListener('resize', placeWindow);
  coarsePointer.addEventListener('change', placeWindow);
  // Placed while hidden (placeWindow() reads the viewport's size, which
  // would otherwise lay out the whole window before its controls are
  // placed); shown by the first tick.
  placeWindow();
}

// The controls in the sections of the reflowed window. The sections and
// blocks generate no boxes while the window is shown at its own layout
// (style.css), so the controls are placed in the client area as before.
function buildSections() {
  const client = $('clientArea');
  const placed = new Set();
  const box = (kind, parent) => {
    const d = document.createElement('div');
    d.className = kind;
    parent.append(d);
    return d;
  };
  for (const [name, blocks] of FLOW) {
    const section = box(`section ${name}`, client);
    if (blocks) {
      for (const names of blocks) {
        const block = box('block', section);
        for (const n of names.filter((n) => controls.has(n))) {
          block.append(controls.get(n));
          placed.add(n);
        }
      }
    } else {
      let block = null;
      for (const item of layout.controls) {
        if (placed.has(item.objectName)) continue;
        if (!block || item.kind === 'caption') block = box('block', section);
        block.append(controls.get(item.objectName));
      }
    }
  }
}

function controlNamed(name) {
  const element = controls.get(name);
  if (!element) throw new Error(`the layout has no control ${name}`);
  return element;
}

// A description that screen readers read after the name; `host` holds its text.
function describe(element, text, host = element) {
  if (!text) return;
  const description = document.createElement('span');
  description.id = `${element.id}-description`;
  description.hidden = true;
  description.textContent = text;
  host.append(description);
  element.setAttribute('aria-describedby', description.id);
}

function makeControl(item, t) {
  let element;
  switch (item.kind) {
    case 'button':
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = t.caption;
      if (item.objectName === 'earthButton') element.addEventListener('click', () => act((s) => s.clickEarth()));
      else if (item.objectName === 'sunButton') element.addEventListener('click', () => act((s) => s.clickSun()));
      else if (item.objectName === 'beamButton') element.addEventListener('click', () => act((s) => s.beam()));
      else if (item.objectName in BEAM_MOVES)
        element.addEventListener('click', () => act((s) => s.moveBeam(BEAM_MOVES[item.objectName])));
      break;
    case 'caption':
      element = document.createElement('span');
      element.textContent = t.caption;
      break;
    case 'value': {
      // Named by its quantity and unit with its current text (refresh());
      // what an action changed is announced once, by the announcer.
      element = document.createElement('div');
      element.setAttribute('role', 'textbox');
      element.setAttribute('aria-readonly', 'true');
      element.dataset.quantity = t.accessibleDescription || '';
      element.setAttribute('aria-label', element.dataset.quantity);
      const text = document.createElement('span');
      text.className = 'text';
      text.setAttribute('aria-hidden', 'true');
      element.append(text);
      break;
    }
    case 'bar':
      element = document.createElement('div');
      element.id = item.objectName;
      element.setAttribute('aria-label', t.accessibleName);
      describe(element, t.accessibleDescription);
      break;
    case 'picture': {
      // The picture takes the first focus, as in the window; its
      // description says what it shows now (describePicture()).
      element = document.createElement('div');
      element.id = item.objectName;
      element.setAttribute('role', 'img');
      element.setAttribute('aria-label', t.accessibleName);
      canvas = document.createElement('canvas');
      canvas.id = `${item.objectName}Canvas`;
      canvas.setAttribute('aria-hidden', 'true');
      element.append(canvas);
      describe(element, t.accessibleDescription);
      context2d = canvas.getContext('2d', {alpha: false});
      observeCanvasSize();
      break;
    }
    default:
      throw new Error(`unknown kind of control ${item.kind}`);
  }
  element.dataset.font = String(item.fontPoints);
  return element;
}

// "E&xit": the letter after '&' is the mnemonic, underlined; Alt with it runs the command.
function buildMenu() {
  const bar = $('menuBar');
  for (const item of layout.menu) {
    const caption = texts.menu[item.objectName];
    const button = document.createElement('button');
    button.type = 'button';
    button.id = item.objectName;
    button.setAttribute('role', 'menuitem');
    const i = caption.search(/&[^&]/);
    const plain = caption.replace(/&(.)/g, '$1');
    button.setAttribute('aria-label', plain);
    if (i >= 0) {
      const u = document.createElement('u');
      u.textContent = caption[i + 1];
      button.append(caption.slice(0, i).replace(/&&/g, '&'), u, caption.slice(i + 2).replace(/&&/g, '&'));
      button.dataset.mnemonic = caption[i + 1].toLowerCase();
      button.setAttribute('aria-keyshortcuts', `Alt+${caption[i + 1].toUpperCase()}`);
    } else {
      button.textContent = plain;
    }
    button.tabIndex = bar.children.length === 0 ? 0 : -1;
    button.addEventListener('click', item.objectName === 'exitAction' ? exit : runHelp);
    bar.append(button);
  }
  // The page's own commands: the keys, a link to the setup and, served,
  // the single file to keep.
  const command = (id, caption, run) => {
    const b = document.createElement(run ? 'button' : 'a');
    if (run) {
      b.type = 'button';
      b.addEventListener('click', run);
    }
    b.id = id;
    b.className = 'page-command';
    b.setAttribute('role', 'menuitem');
    b.tabIndex = -1;
    b.textContent = caption;
    bar.append(b);
    return b;
  };
  command('keysAction', texts.page.keys, showKeys);
  command('copyLinkAction', texts.page.copyLink, copyLink);
  if (!bundle) {
    const a = command('downloadAction', texts.page.download);
    a.href = 'korvath-offline.html';
    a.download = 'korvath-offline.html';
  }
  // Left and Right move between the menu's commands.
  bar.addEventListener('keydown', (e) => {
    if (e.key !== 'ArrowLeft' && e.key !== 'ArrowRight') return;
    const items = [...bar.children];
    const next = items[(items.indexOf(document.activeElement) + (e.key === 'ArrowRight' ? 1 : items.length - 1)) % items.length];
    items.forEach((b) => (b.tabIndex = b === next ? 0 : -1));
    next.focus();
    e.preventDefault();
  });
}

// The window keeps its proportions and fills as much of the viewport as it
// can; every length is a whole number of device pixels. Where that would
// make its text smaller than at scale 1 (12 px), or, for a finger, its
// smallest target smaller than 44 px, the window reflows to the viewport's
// width instead (style.css) and the page scrolls vertically.
function placeWindow() {
  const dpr = devicePixelRatio || 1;
  const snap = (px) => Math.round(px * dpr) / dpr;
  const w = layout.window.clientWidthTwips / TWIPS_PER_PIXEL;
  const h = layout.window.clientHeightTwips / TWIPS_PER_PIXEL + MENU_HEIGHT;
  const fit = Math.min(innerWidth / w, innerHeight / h);
  const smallest = coarsePointer.matches ? COARSE_TARGET / SMALLEST_TARGET : 1;
  const flow = fit < smallest;
  document.documentElement.dataset.layout = flow ? 'flow' : 'scaled';
  scale = flow ? 1 : fit;
  const px = (twips) => snap((twips / TWIPS_PER_PIXEL) * scale);
  const pt = (points) => `${((points * 96) / 72) * scale}px`;
  const root = document.documentElement.style;
  root.setProperty('--s', String(scale));
  const {minimum, maximum, pageStep} = layout.bar;
  root.setProperty('--page-share', String(pageStep / (maximum - minimum + pageStep)));
  const picture = layout.controls.find((c) => c.kind === 'picture');
  root.setProperty('--picture-aspect', `${picture.width - 2 * FRAME * TWIPS_PER_PIXEL} / ${picture.height - 2 * FRAME * TWIPS_PER_PIXEL}`);

  // In the reflowed window the page's order is the order on the screen.
  layout.focusOrder.forEach((name, i) => controls.get(name).setAttribute('tabindex', flow ? '0' : String(i + 1)));
  const win = $('mainWindow');
  const font = `${layout.window.fontFamily}, "Liberation Sans", Helvetica, sans-serif`;
  if (flow) {
    for (const element of [win, $('menuBar'), $('clientArea'), ...controls.values()]) element.removeAttribute('style');
    win.style.fontFamily = font;
    fitTextsSoon();
    return;
  }
  Object.assign(win.style, {
    left: `${snap((innerWidth - w * scale) / 2)}px`, top: `${snap((innerHeight - h * scale) / 2)}px`,
    width: `${snap(w * scale)}px`, height: `${snap(h * scale)}px`,
    fontFamily: font, fontSize: pt(layout.window.fontPoints),
  });
  const menuHeight = snap(MENU_HEIGHT * scale);
  $('menuBar').style.height = `${menuHeight}px`;
  Object.assign($('clientArea').style, {top: `${menuHeight}px`, width: win.style.width, height: `${snap(h * scale) - menuHeight}px`});
  for (const item of layout.controls) {
    Object.assign(controls.get(item.objectName).style, {
      left: `${px(item.left)}px`, top: `${px(item.top)}px`,
      width: `${px(item.width)}px`, height: `${px(item.height)}px`, fontSize: pt(item.fontPoints),
    });
  }
  fitTextsSoon();
}

// A caption or button whose text the browser sets a little wider than its
// box (WebKit rounds glyph advances at small sizes) takes a smaller font
// rather than being cut. Measured after the frame that shows the window, so
// that it adds no layout to that frame.
function fitTextsSoon() {
  requestAnimationFrame(() => setTimeout(() => {
    for (const element of document.querySelectorAll('#mainWindow .caption, #mainWindow button.control')) {
      // (The width does not follow the size exactly where advances are rounded.)
      for (let tries = 0; tries < 4 && element.clientWidth && element.scrollWidth > element.clientWidth; ++tries) {
        const size = parseFloat(getComputedStyle(element).fontSize);
        element.style.fontSize = `${(size * element.clientWidth * 0.99) / element.scrollWidth}px`;
      }
    }
  }));
}

// Draw at the canvas's exact size in device pixels where the browser counts
// them (device-pixel-content-box); where it does not (WebKit throws a
// TypeError for that box), from the CSS size times the device pixel ratio,
// which may be a pixel off at some fractional ratios.
function observeCanvasSize() {
  const observer = new ResizeObserver(onCanvasResized);
  try {
    observer.observe(canvas, {box: 'device-pixel-content-box'});
  } catch {
    observer.observe(canvas);
  }
}

// The browser's own count of device pixels is exact where it agrees with
// the CSS size times the device pixel ratio (it may not, when the ratio is
// emulated).
function onCanvasResized(entries) {
  const box = entries[0].devicePixelContentBoxSize?.[0];
  const rect = entries[0].contentRect;
  let width = Math.round(rect.width * devicePixelRatio);
  let height = Math.round(rect.height * devicePixelRatio);
  if (box && Math.abs(box.inlineSize - width) <= 1 && Math.abs(box.blockSize - height) <= 1) {
    width = box.inlineSize;
    height = box.blockSize;
  }
  if (width === canvas.width && height === canvas.height && canvas.dataset.sized) return;
  canvas.width = width;
  canvas.height = height;
  canvas.dataset.sized = '1';
  if (session) fitPicture();
}

// The scene's drawing area is the picture inside its frame; one scene unit is
// a twip. Lines are one pixel of the window at scale 1, scaled with the
// picture, and never thinner than a CSS pixel.
function fitPicture(draw = true) {
  const item = layout.controls.find((c) => c.kind === 'picture');
  const areaTwips = item.width - 2 * FRAME * TWIPS_PER_PIXEL;
  const dpr = devicePixelRatio || 1;
  const pictureScale = canvas.width / dpr / (areaTwips / TWIPS_PER_PIXEL);
  const lineWidth = Math.max(Math.ceil(dpr - 1e-6), Math.round(pictureScale * dpr));
  session.setCanvas(canvas.width, canvas.height, canvas.width / areaTwips, lineWidth);
  if (draw) showPicture();
}

// (Until the canvas has its size, which it takes once the window is shown,
// there is nothing to draw on.)
function showPicture() {
  if (!canvas.dataset.sized || !canvas.width || !canvas.height) return;
  const bytes = session.pixels();
  const image = new ImageData(new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, canvas.width * canvas.height * 4), canvas.width, canvas.height);
  context2d.putImageData(image, 0, 0);
}

// ---------------------------------------------------------------------------
// The parameter bars: a horizontal scroll bar with an arrow at either end.
// Arrows step by 1, the track by a page; a dragged thumb counts when it is
// released; the keyboard works as on the desktop.

class ParameterBar {
  constructor(element) {
    this.element = element;
    this.index = -1;  // the model's bar index, once the module is there
    this.min = layout.bar.minimum;
    this.max = layout.bar.maximum;
    this.value = this.min;
    element.setAttribute('role', 'scrollbar');
    element.setAttribute('aria-orientation', 'horizontal');
    element.setAttribute('aria-valuemin', String(this.min));
    element.setAttribute('aria-valuemax', String(this.max));
    const part = (name) => {
      const d = document.createElement('div');
      d.className = name;
      d.setAttribute('aria-hidden', 'true');
      return d;
    };
    this.down = part('arrow down');
    this.track = part('track');
    this.thumb = part('thumb');
    this.up = part('arrow up');
    this.track.append(this.thumb);
    element.prepend(this.down, this.track, this.up);
    element.addEventListener('keydown', (e) => this.onKey(e));
    element.addEventListener('pointerdown', (e) => this.onPointerDown(e));
    element.addEventListener('pointermove', (e) => this.onPointerMove(e));
    element.addEventListener('pointerup', () => {
      const tapped = this.pending;
      this.release();
      tapped?.();
    });
    element.addEventListener('pointercancel', () => this.release());
    element.addEventListener('lostpointercapture', () => this.release());
    element.addEventListener('wheel', (e) => this.onWheel(e), {passive: false});
  }

  // Where the thumb stands, as a fraction of its travel.
  fractionOf(value) {
    return (value - this.min) / (this.max - this.min);
  }
  // The thumb's length and place follow from the track's width (style.css).
  show(fraction) {
    this.thumb.style.setProperty('--at', String(Math.min(Math.max(fraction, 0), 1)));
  }

  // What the simulation holds.
  set(value, valueText) {
    this.value = value;
    this.element.setAttribute('aria-valuenow', String(value));
    this.element.setAttribute('aria-valuetext', valueText);
    if (!this.dragging) this.show(this.fractionOf(value));
  }

  // The user moved the bar to `value`.
  moveTo(value) {
    const v = Math.min(Math.max(value, this.min), this.max);
    if (v !== this.value) act((s) => s.moveBar(this.index, v));
  }

  onKey(e) {
    if (e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    const {arrowStep, pageStep} = layout.bar;
    const target = {
      ArrowRight: this.value + arrowStep, ArrowDown: this.value + arrowStep,
      ArrowLeft: this.value - arrowStep, ArrowUp: this.value - arrowStep,
      PageDown: this.value + pageStep, PageUp: this.value - pageStep,
      Home: this.min, End: this.max,
    }[e.key];
    if (target === undefined) return;
    e.preventDefault();
    this.moveTo(target);
  }

  onWheel(e) {
    if (!e.deltaY && !e.deltaX) return;
    e.preventDefault();
    const notches = Math.sign(e.deltaY || e.deltaX);
    this.moveTo(this.value + notches * WHEEL_STEPS * layout.bar.arrowStep);
  }

  onPointerDown(e) {
    if (e.button !== 0 || !session) return;
    e.preventDefault();
    this.element.focus({preventScroll: true});
    this.element.setPointerCapture(e.pointerId);
    this.pointerX = e.clientX;
    const {arrowStep, pageStep} = layout.bar;
    if (e.target === this.thumb) {
      const travel = this.track.getBoundingClientRect().width - this.thumb.getBoundingClientRect().width;
      const from = this.fractionOf(this.value);
      this.dragging = {x: e.clientX, from, fraction: from, travel: Math.max(travel, 1)};
      return;
    }
    let action;
    if (e.target === this.down || e.target === this.up) {
      const step = e.target === this.down ? -arrowStep : arrowStep;
      action = () => {
        this.moveTo(this.value + step);
        return true;
      };
    } else {
      // A page at a time towards the pointer, until the thumb reaches it.
      action = () => {
        const thumb = this.thumb.getBoundingClientRect();
        if (this.pointerX < thumb.left) this.moveTo(this.value - pageStep);
        else if (this.pointerX > thumb.right) this.moveTo(this.value + pageStep);
        else return false;
        return true;
      };
    }
    if (e.pointerType !== 'touch') {
      this.repeat(action);
      return;
    }
    // A finger on an arrow or the track may be starting to scroll the page
    // (the browser then cancels the pointer): it steps when lifted, or
    // starts repeating when held.
    this.pending = action;
    this.timer = setTimeout(() => {
      this.pending = null;
      this.repeat(action);
    }, REPEAT_DELAY);
  }

  onPointerMove(e) {
    this.pointerX = e.clientX;
    if (!this.dragging) return;
    const {from, x, travel} = this.dragging;
    this.dragging.fraction = Math.min(Math.max(from + (e.clientX - x) / travel, 0), 1);
    this.show(this.dragging.fraction);
  }

  release() {
    clearTimeout(this.timer);
    this.timer = 0;
    this.pending = null;
    if (!this.dragging) return;
    const {fraction} = this.dragging;
    this.dragging = null;
    this.moveTo(this.min + Math.round(fraction * (this.max - this.min)));
    this.show(this.fractionOf(this.value));
  }

  repeat(action) {
    clearTimeout(this.timer);
    if (!action()) return;
    const again = () => {
      if (action()) this.timer = setTimeout(again, REPEAT_INTERVAL);
    };
    this.timer = setTimeout(again, REPEAT_DELAY);
  }
}

// ---------------------------------------------------------------------------
// The simulation

// The start timer runs from `startedAt`: for the first start, from the
// page's first script (index.html), so that loading the simulation overlaps
// the timer's 100 ms; for Start again, from the click. Loading that outlasts
// the timer is followed by the tick at once, and the first picture drawn is
// the tick's.
function start(startedAt = performance.now()) {
  session = new M.Session();
  helpNamed = false;
  lastMark = 0;
  $('ended').hidden = true;
  const due = startedAt + layout.window.startTimerMs - performance.now();
  if (canvas.dataset.sized) fitPicture(due > 0);
  document.body.dataset.state = 'running';
  performance.mark('korvath-timer-started', {startTime: startedAt});
  if (due <= 0) return tick();
  refresh();
  startTimer = setTimeout(tick, due);
}

// The first tick shows the window with the body (and a link's setup), in
// one layout and paint; later ticks would do nothing. The picture takes the
// first focus, as in the window.
function tick() {
  startTimer = 0;
  $('mainWindow').hidden = false;
  fitTextsSoon();
  act((s) => s.tick());
  // (After the values: focusing lays the window out.)
  controls.get('scenePicture').focus({preventScroll: true});
  if (setup) applySetup();
  else if (badParameter) showFault(null, fill(boot.text('badParameter'), [shownParameter(badParameter)]));
}

// ---------------------------------------------------------------------------
// A link to a setup: the command line's option names as query parameters,
// applied at the start tick in the order body, radius bars (coarse, then
// fine), mass bars, beam start, trace. A bad parameter leaves the default
// state and is named in a notice.

function readSetup() {
  const wanted = {};
  const bad = (name, value) => {
    badParameter = value === null ? name : `${name}=${value}`;
  };
  const seen = new Set();
  for (const [name, value] of new URLSearchParams(location.search)) {
    if (badParameter) break;
    if (seen.has(name)) {
      bad(name, value);
      break;
    }
    seen.add(name);
    const pair = /^(\d{1,3}),(\d{1,3})$/.exec(value);
    if (name === 'lang') {
      if (!boot.languageOf(value)) bad(name, value);
    } else if (name === 'body') {
      if (value === 'earth' || value === 'sun') wanted.body = value;
      else bad(name, value);
    } else if (Object.hasOwn(SETUP_BARS, name)) {
      if (pair && Number(pair[1]) <= 100 && Number(pair[2]) <= 100) wanted[name] = [Number(pair[1]), Number(pair[2])];
      else bad(name, value);
    } else if (name === 'beam') {
      const y = /^\d{1,4}$/.test(value) ? Number(value) : NaN;
      if (y >= BEAM_LOWEST && y <= BEAM_HIGHEST && y % BEAM_STEP === 0) wanted.beam = y;
      else bad(name, value);
    } else if (name === 'trace') {
      if (value === '') wanted.trace = true;
      else bad(name, value);
    } else {
      bad(name, value || null);
    }
  }
  setup = badParameter || !Object.keys(wanted).length ? null : wanted;
}

// A link's parameter as a notice names it: invisible and direction
// characters written as in the link, cut to a readable length, and isolated
// from the sentence's direction, so that no value can widen the page or turn
// the sentence around.
function shownParameter(parameter) {
  const chars = [...parameter.replace(/[\p{Cc}\p{Cf}\p{Zl}\p{Zp}]/gu, encodeURIComponent)];
  const cut = chars.length > SHOWN_PARAMETER ? [...chars.slice(0, SHOWN_PARAMETER - 1), '\u2026'] : chars;
  return `\u2068${cut.join('')}\u2069`;
}

const barIndex = (name) => bars.findIndex((b) => b.element.id === name);

// Applies the link's setup; should the model refuse a step (a body it
// cannot compute), the default state instead: never only some of it.
function applySetup() {
  const s = session;
  const steps = [];
  if (setup.body) steps.push(['body', () => (setup.body === 'sun' ? s.clickSun() : s.clickEarth()), () => s.body() === (setup.body === 'sun' ? 1 : 0)]);
  for (const name of Object.keys(SETUP_BARS)) {
    if (!setup[name]) continue;
    const [coarse, fine] = SETUP_BARS[name].map(barIndex);
    steps.push([name, () => {
      s.moveBar(coarse, setup[name][0]);
      s.moveBar(fine, setup[name][1]);
    }, () => s.barValue(coarse) === setup[name][0] && s.barValue(fine) === setup[name][1]]);
  }
  if (setup.beam) steps.push(['beam', () => s.setBeamStart(setup.beam), () => s.picture().beamStart === setup.beam]);
  if (setup.trace) steps.push(['trace', () => s.beam(), () => true]);
  for (const [name, run, done] of steps) {
    run();
    if (done()) continue;
    const value = new URLSearchParams(location.search).get(name);
    session.takeFaults();
    session.delete();
    session = null;
    setup = null;
    badParameter = value ? `${name}=${value}` : name;
    start();
    return;
  }
  refresh();
}

// The link that opens the page in the state it shows now.
function setupLink() {
  const query = new URLSearchParams();
  const lang = new URLSearchParams(location.search).get('lang');
  if (lang) query.set('lang', lang);
  query.set('body', session.body() ? 'sun' : 'earth');
  for (const [name, pair] of Object.entries(SETUP_BARS)) query.set(name, pair.map((n) => session.barValue(barIndex(n))).join(','));
  query.set('beam', String(session.picture().beamStart));
  const link = new URL(location.href);
  link.search = query.toString().replaceAll('%2C', ',');
  if (session.picture().ray) link.search += '&trace';
  link.hash = '';
  return link.href;
}

async function copyLink() {
  if (!session) return;
  const link = setupLink();
  try {
    await navigator.clipboard.writeText(link);
    announce(texts.page.linkCopied);
  } catch {
    showFault(null, fill(texts.page.linkNotCopied, [link]));
  }
}

function showKeys() {
  const keys = $('keysDialog');
  if (!keys.open) keys.showModal();
}

// One polite live region says what an action changed.
function announce(text) {
  const region = $('announcer');
  // The same text again is announced again.
  region.textContent = region.textContent === text ? `${text}\u00a0` : text;
}

// The picture's description in the page's language, worded as the window words it.
function pictureText(d) {
  const t = texts.picture;
  if (!d.computed) return t.empty;
  const body = fill((d.ratio < 1 ? t.below : t.above)[d.circle], {ratio: M.numberText(d.ratio, separator), beam: d.beamStart});
  const ray = rayText(d.ray);
  return ray ? `${body} ${ray}` : body;
}

function rayText(ray) {
  if (!ray) return '';
  const t = texts.picture;
  const counted = (forms, n) => fill(forms[String(n)] ?? forms.many, {n});
  if (ray.outcome === 1) return counted(t.falls, ray.steps);
  if (ray.outcome === 2) return counted(t.stops, ray.steps);
  if (ray.swingsRound) return t.swings[ray.edge];
  if (ray.degrees === 0) return t.straight[ray.edge];
  return counted(t.bent[ray.edge], ray.degrees);
}

// Runs one event of the window and shows what changed.
function act(handler) {
  if (!session) return;
  const traced = handler(session);
  refresh();
  // After Beam, where the ray went.
  if (typeof traced === 'number') {
    const ray = rayText(session.picture().ray);
    if (ray) announce(ray);
  }
}

const localized = (text) => (separator === '.' ? text : text.replaceAll('.', separator));

function refresh() {
  for (let i = 0; i < fields.length; ++i) {
    const text = localized(session.text(i));
    const shown = fields[i].firstChild;
    if (shown.textContent === text) continue;
    shown.textContent = text;
    fields[i].setAttribute('aria-label', text ? `${fields[i].dataset.quantity}: ${text}` : fields[i].dataset.quantity);
  }
  // Each bar says its factor and the value it produces.
  bars.forEach((bar, i) => {
    const position = session.barValue(i);
    const name = bar.element.id;
    const produced = controls.get(name.startsWith('radius') ? 'radiusValue' : 'massValue').getAttribute('aria-label') || '';
    const template = name.includes('Coarse') ? texts.page.coarseBarValue : texts.page.fineBarValue;
    bar.set(position, fill(template, [position, position - 50, produced]));
  });
  const description = pictureText(session.picture());
  const described = $('scenePicture-description');
  if (described.textContent !== description) described.textContent = description;
  const markNow = session.schwarzschildMark();
  if (lastMark && markNow && markNow !== lastMark)
    announce(markNow === 2 ? texts.page.insideSchwarzschild : texts.page.outsideSchwarzschild);
  lastMark = markNow;
  const mark = `mark-${markNow}`;
  for (const name of ['schwarzschildRadiusCaption', 'schwarzschildRadiusValue']) {
    const element = controls.get(name);
    if (!element.classList.contains(mark)) {
      element.classList.remove('mark-0', 'mark-1', 'mark-2');
      element.classList.add(mark);
    }
  }
  if (session.takePictureChanged()) showPicture();
  const faults = session.takeFaults();
  if (faults.length) showFault(faults[faults.length - 1]);
  if (!firstValuesMarked && session.text(0)) {
    firstValuesMarked = true;
    performance.mark('korvath-first-values');
  }
}

// A fault of the model, or (f null) the page's own notice `message`.
function showFault(f, message) {
  let text = message;
  if (f) {
    const kind = `${f.kind}/${f.arithmetic}`;
    const key = Number.isNaN(f.value) ? `${kind}/nan` : Number.isFinite(f.value) ? kind : `${kind}/inf`;
    text = fill(texts.faults[key] || texts.faults[kind] || kind,
      {value: M.numberText(f.value, separator), segments: f.segments, pass: f.pass});
  }
  announce(text);
  $('faultText').textContent = text;
  const notice = $('faultNotice');
  if (!notice.open) notice.show();
}

// Exit: the simulation ends, its windows close; it can be started again.
function exit() {
  if (!session) return;
  clearTimeout(startTimer);
  for (const d of document.querySelectorAll('dialog[open]')) d.close();
  session.delete();
  session = null;
  $('mainWindow').hidden = true;
  $('endedText').textContent = texts.page.ended;
  $('ended').hidden = false;
  document.body.dataset.state = 'ended';
  $('startAgain').focus();
}

// Help: "HELP" for two ticks of its timer, then the help, as one press of F1.
function runHelp() {
  const splash = $('helpSplash');
  if (!session || splash.open) return;
  const {clientWidthTwips, clientHeightTwips, tickMs, ticksShown} = layout.helpSplash;
  // Where the desktop puts it, moved in so that it fits a narrow screen
  // with its border (a pixel either side), beside the page's scroll bar
  // where that takes room.
  const {clientWidth: screenWidth, clientHeight: screenHeight} = document.documentElement;
  const width = Math.min((clientWidthTwips / TWIPS_PER_PIXEL) * scale, screenWidth - 2);
  const height = Math.min((clientHeightTwips / TWIPS_PER_PIXEL) * scale, screenHeight - 2);
  Object.assign(splash.style, {
    left: `${Math.min(Math.floor(screenWidth / 2) - Math.floor(screenWidth / 4), screenWidth - width - 2)}px`,
    top: `${Math.min(Math.floor(screenHeight / 4), screenHeight - height - 2)}px`,
    width: `${width}px`, height: `${height}px`,
  });
  let ticks = 0;
  const timer = setInterval(() => {
    if (++ticks === ticksShown) splash.close();
  }, tickMs);
  splash.addEventListener('close', () => {
    clearInterval(timer);
    if (!session) return;
    helpNamed = true;
    openHelp();
  }, {once: true});
  splash.showModal();
}

// The help's frame is made when the help first opens: a frame in the page
// would cost its start a browsing context of its own.
function helpFrame(viewer) {
  const frame = document.createElement('iframe');
  frame.id = 'helpText';
  frame.setAttribute('sandbox', 'allow-popups allow-popups-to-escape-sandbox');
  viewer.append(frame);
  return frame;
}

async function openHelp() {
  const viewer = $('helpViewer');
  const frame = $('helpText') || helpFrame(viewer);
  if (!viewer.open) viewer.show();
  frame.focus();
  // The help in the window's language, as on the desktop: vesker_de.hlp and
  // so on, the English vesker.hlp otherwise.
  const file = texts.language === 'en' ? 'vesker.hlp' : `vesker_${texts.language}.hlp`;
  if (bundle) {
    frame.srcdoc = bundle.help[file];
    frame.title = texts.helpTitle;
    return;
  }
  try {
    const response = await fetch(file, {cache: 'no-cache'});
    if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
    frame.srcdoc = await response.text();
  } catch (error) {
    frame.srcdoc = fill(texts.helpFailed, [file, escapeHtml(error.message)]);
  }
  frame.title = texts.helpTitle;
}

function onKey(e) {
  if (document.body.dataset.state !== 'running') return;
  if (e.key === 'F1') {
    e.preventDefault();
    if (helpNamed && !document.querySelector('dialog[open]:modal')) openHelp();
    return;
  }
  if (e.altKey && !e.ctrlKey && !e.metaKey && e.key.length === 1) {
    const item = document.querySelector(`#menuBar [data-mnemonic="${CSS.escape(e.key.toLowerCase())}"]`);
    if (item) {
      e.preventDefault();
      item.click();
    }
  }
}

// Everything above is defined: start.
main().catch((error) => {
  console.error(error);
  boot.fail('moduleFailed', error.message || String(error));
});
