// SPDX-License-Identifier: GPL-3.0-or-later
// Korvath simulation in the browser. The main window is built from the layout
// the desktop window is built from (layout.json and the English texts, which
// the build puts into index.html, and strings/LANGUAGE.json, all exported from
// its sources); the simulation is the desktop's model and scene
// compiled to WebAssembly (korvath.js). This module starts the page; its
// parts (the modules it imports) show what the simulation holds and pass the
// user's actions to it, sharing one Page object.
//
// The single-file page (korvath-offline.html) carries all of it: the module
// with its WebAssembly as window.korvathFactory, and the texts of every
// language and the help in bundleData.

import {makeBars, makeControls} from './controls.js';
import {buildDialogs, runHelp, showKeys} from './dialogs.js';
import {listenToKeys} from './keys.js';
import {listenToPrint, printWorksheet} from './worksheet.js';
import {buildMenu, closeMenus} from './menus.js';
import {$, Page} from './page.js';
import {animateAtFirst, rayCommands} from './rays.js';
import {applyLink, copyLink, readLink, showBadParameter} from './setup_link.js';
import {showChange, showSession} from './view.js';
import {buildSections, coarsePointer, fitTextsSoon, placeWindow} from './window_layout.js';

const boot = window.korvathPage;  // index.html's start-up checks and failure notice
const bundle = document.getElementById('bundleData') ? JSON.parse(document.getElementById('bundleData').textContent) : null;

// What failed, as the notice names it in the page's language: a file, with
// its HTTP status; the browser's own words for an error are English, and go
// to the console only.
const failedPart = (error, file) => (/^[\w./-]+(: \d{3})?$/.test(error?.message) ? error.message : file);

const fetchJson = async (url) => {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  return response.json();
};

// The module starts at once, with the WebAssembly that index.html has been
// compiling (compiled here if that failed, say for a server that sends it
// with another type); the layout and the English texts are in the page.
// A module or WebAssembly that fails to load or compile is told to the user.
const modulePromise = new Promise((resolve, reject) => {
  if (boot.failed) return;  // index.html tells why
  const failed = (error) => {
    boot.fail('moduleFailed', failedPart(error, 'korvath.wasm'));
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
          if (!r.ok) throw new Error(`korvath.wasm: ${r.status}`);
          return r.arrayBuffer();
        }).then((bytes) => WebAssembly.compile(bytes)));
      compiled.then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
        .catch(failed);
      return {};
    },
  }).then(resolve, failed);
});
const embedded = (id) => JSON.parse(document.getElementById(id).textContent);

async function main() {
  const page = new Page(boot, embedded('layoutData'), embedded('englishData'), bundle);
  if (boot.failed) return;
  // ?lang=de picks a language; without it the browser's, as the desktop
  // program follows the user's locale.
  const language = boot.language();
  const {layout} = page;
  if (Object.hasOwn(layout.decimalSeparators, language)) {
    page.separator = layout.decimalSeparators[language];
    // Only English texts may exist yet: any other language falls back to them.
    if (language !== 'en' && layout.languagesWithTexts.includes(language))
      page.texts = bundle ? bundle.strings[language] : await fetchJson(`strings/${language}.json`);
  }
  document.documentElement.lang = page.texts.language;
  document.title = page.texts.title;
  page.animateRays = animateAtFirst();
  buildWindow(page);
  page.M = await modulePromise;
  readLink(page);
  start(page, boot.started);
}

function buildWindow(page) {
  const win = $('mainWindow');
  win.setAttribute('aria-label', page.texts.title);
  buildMenu(page, {
    exitAction: () => exit(page),
    helpAction: () => runHelp(page),
    keysAction: showKeys,
    copyLinkAction: () => copyLink(page),
    printAction: printWorksheet,
    ...rayCommands(page),
  });
  makeControls(page);
  buildSections(page);
  makeBars(page);
  $('startAgain').textContent = page.texts.page.startAgain;
  $('startAgain').addEventListener('click', () => start(page));
  buildDialogs(page);
  listenToKeys(page);
  listenToPrint(page);
  const place = () => placeWindow(page);
  addEventListener('resize', place);
  coarsePointer.addEventListener('change', place);
  // Placed while hidden (placeWindow() reads the viewport's size, which
  // would otherwise lay out the whole window before its controls are
  // placed); shown by the first tick.
  place();
}

// The start timer runs from `startedAt`: for the first start, from the
// page's first script (index.html), so that loading the simulation overlaps
// the timer's 100 ms; for Start again, from the click. Loading that outlasts
// the timer is followed by the tick at once, and the first picture drawn is
// the tick's.
function start(page, startedAt = performance.now()) {
  page.session = new page.M.Session();
  page.session.onChange = (change) => showChange(page, change);
  page.session.setAnimated(page.animateRays);
  page.helpNamed = false;
  page.lastMark = 0;
  $('ended').hidden = true;
  const due = startedAt + page.layout.window.startTimerMs - performance.now();
  if (page.picture.sized) page.picture.fit(due > 0);
  document.body.dataset.state = 'running';
  performance.mark('korvath-timer-started', {startTime: startedAt});
  if (due <= 0) return tick(page);
  showSession(page);
  page.startTimer = setTimeout(() => tick(page), due);
}

// The first tick shows the window with the body (and a link's setup), in
// one layout and paint; later ticks would do nothing. The picture takes the
// first focus, as in the window.
function tick(page) {
  page.startTimer = 0;
  $('mainWindow').hidden = false;
  fitTextsSoon();
  page.act((s) => s.start());
  // (After the values: focusing lays the window out.)
  page.picture.element.focus({preventScroll: true});
  if (page.setupWanted) {
    if (applyLink(page)) start(page);
  } else if (page.badParameter) {
    showBadParameter(page);
  }
}

// Exit: the simulation ends, its windows close; it can be started again.
function exit(page) {
  if (!page.session) return;
  clearTimeout(page.startTimer);
  cancelAnimationFrame(page.rayFrame);
  closeMenus();
  for (const d of document.querySelectorAll('dialog[open]')) d.close();
  page.session.delete();
  page.session = null;
  $('mainWindow').hidden = true;
  $('endedText').textContent = page.texts.page.ended;
  $('ended').hidden = false;
  document.body.dataset.state = 'ended';
  $('startAgain').focus();
}

// Everything above is defined: start.
main().catch((error) => {
  console.error(error);
  boot.fail('moduleFailed', failedPart(error, 'app.js'));
});
