// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one state, handed to each of its parts: index.html's start-up
// checks, the layout and the texts, the simulation's module and its session,
// the window's controls, and what the page has shown of the session.

export const $ = (id) => document.getElementById(id);

export class Page {
  constructor(boot, layout, texts, bundle) {
    this.boot = boot;  // index.html's start-up checks and failure notice
    this.layout = layout;
    this.texts = texts;  // the strings of the page's language
    this.bundle = bundle;  // the single file's texts and help, or null
    this.separator = '.';  // the decimal separator of the page's language
    this.M = null;  // the WebAssembly module, once loaded
    this.session = null;
    this.controls = new Map();  // object name -> element
    this.fields = [];  // value field elements, by the model's ShownValue index
    this.bars = [];  // parameter bars, by the model's Bar index
    this.picture = null;  // the scene's picture (picture.js)
    this.scale = 1;  // the window's scale (window_layout.js)
    this.startTimer = 0;
    this.helpNamed = false;  // the Help command has run once: F1 opens the help
    this.lastMark = 0;  // the Schwarzschild mark last shown
    this.firstValuesMarked = false;
    this.setupWanted = false;  // the link asks for a setup, read into the module
    this.badParameter = '';  // the link's first bad parameter
    this.animateRays = true;  // rays travel after Beam (rays.js)
    this.rayFrame = 0;  // the travelling ray's next animation frame
    this.rayToTell = false;  // Beam's ray is told when it has been drawn
  }

  // A template's %1 ... or {name}s filled in.
  fill(template, values) {
    return this.boot.fill(template, values);
  }

  control(name) {
    const element = this.controls.get(name);
    if (!element) throw new Error(`the layout has no control ${name}`);
    return element;
  }

  // Runs one intent on the session, if there is one; the session tells what
  // changed (view.js shows it). A travelling ray ends first, so that nothing
  // is left half-drawn. False without a session.
  act(intent) {
    if (!this.session) return false;
    this.session.finishRay();
    intent(this.session);
    return true;
  }

  // One polite live region says what an action changed.
  announce(text) {
    const region = $('announcer');
    // The same text again is announced again.
    region.textContent = region.textContent === text ? `${text}\u00a0` : text;
  }
}
