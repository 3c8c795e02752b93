// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation as the page's JavaScript uses it: a Session class over the
// plain C functions of bindings.cpp, the model's enums by name, the model's
// number text, the reading of a link's setup and the "HELP" window's place.
// Emscripten puts this file inside the module's factory (--post-js), where
// the heap views and the exported functions are in scope.

// The model's enums, in their order.
const Body = Object.freeze({Earth: 0, Sun: 1});
const Bar = Object.freeze({RadiusCoarse: 0, MassCoarse: 1, RadiusFine: 2, MassFine: 3});
const BeamMove = Object.freeze({BigUp: 0, Up: 1, Down: 2, BigDown: 3});
// Those of ShownValue the page names.
const ShownValue = Object.freeze({Radius: 0, Mass: 1, SchwarzschildRadius: 3, BeamStart: 16});
const SchwarzschildMark = Object.freeze({NotComputed: 0, Outside: 1, Inside: 2});
const RayOutcome = Object.freeze({LeavesPicture: 0, FallsIntoBody: 1, StopsInPicture: 2});

// A C string in the module's memory as text.
const textAt = (pointer) => UTF8ToString(pointer);

// Calls `call` with each text as a C string on the stack and its length in
// bytes (a text may hold a NUL).
function withTexts(texts, call) {
  const top = stackSave();
  try {
    return call(...texts.flatMap((text) => {
      const length = lengthBytesUTF8(text);
      const at = stackAlloc(length + 1);
      stringToUTF8(text, at, length + 1);
      return [at, length];
    }));
  } finally {
    stackRestore(top);
  }
}

// One run of the simulation. Each intent tells `onChange`, when set, what
// it changed: {values, bars, picture, rayStarted, rayEnded, faults: [{kind,
// arithmetic, value, segments, pass}], oldest first}, as the model's
// SessionChange says; rayStarted: the newest ray travels from now on (while
// animated), rayEnded: a travelling ray has been drawn to its end.
class Session {
  constructor() {
    this.handle = _korvath_new();
    this.onChange = null;
  }
  delete() {
    _korvath_delete(this.handle);
    this.handle = 0;
  }

  // ---- The model's intents ----
  start() {
    _korvath_start(this.handle);
    this.told();
  }
  choose(body) {
    const chosen = _korvath_choose(this.handle, body) !== 0;
    this.told();
    return chosen;
  }
  setBar(bar, position) {
    const moved = _korvath_set_bar(this.handle, bar, position) !== 0;
    this.told();
    return moved;
  }
  moveBeam(move) {
    const moved = _korvath_move_beam(this.handle, move) !== 0;
    this.told();
    return moved;
  }
  setBeamStart(height) {
    const moved = _korvath_set_beam_start(this.handle, height) !== 0;
    this.told();
    return moved;
  }
  // Traces the ray; returns the number of its segments.
  trace() {
    const segments = _korvath_trace(this.handle);
    this.told();
    return segments;
  }
  keepRays(keep) {
    _korvath_keep_rays(this.handle, keep ? 1 : 0);
  }
  keepsRays() {
    return _korvath_keeps_rays(this.handle) !== 0;
  }
  clearRays() {
    const cleared = _korvath_clear_rays(this.handle) !== 0;
    this.told();
    return cleared;
  }
  rayCount() {
    return _korvath_ray_count(this.handle);
  }
  // Brings the started session into the link's setup (readSetup()), told
  // as one change. Returns the name of the first option the session did not
  // reach, or '': then nothing is told, the session is to be dropped.
  applySetup() {
    const refused = textAt(_korvath_setup_apply(this.handle));
    if (refused) this.takeChange();
    else this.told();
    return refused;
  }

  // ---- What is shown ----
  text(value) {
    return textAt(_korvath_text(this.handle, value));
  }
  bar(bar) {
    return _korvath_bar(this.handle, bar);
  }
  schwarzschildMark() {
    return _korvath_schwarzschild_mark(this.handle);
  }
  // {computed, ratio, circle, beamStart, rays, ray}: rays oldest first, each
  // {outcome, edge, degrees, steps, swingsRound, start, number}; ray the
  // newest, or null.
  picture() {
    const at = _korvath_picture(this.handle) / 8;
    const d = HEAPF64.subarray(at, at + 5 + 7 * HEAPF64[at + 4]);
    const rays = [];
    for (let i = 5; i < d.length; i += 7)
      rays.push({outcome: d[i], edge: d[i + 1], degrees: d[i + 2], steps: d[i + 3], swingsRound: d[i + 4] !== 0, start: d[i + 5], number: d[i + 6]});
    return {computed: d[0] !== 0, ratio: d[1], circle: d[2], beamStart: d[3], rays, ray: rays[rays.length - 1] || null};
  }
  // The link's query that opens a new session in this one's state.
  setupQuery() {
    return textAt(_korvath_setup_link_query(this.handle));
  }

  // What changed since the last call.
  takeChange() {
    const flags = _korvath_take_change(this.handle);
    const faults = [];
    for (let i = 0, n = _korvath_fault_count(this.handle); i < n; ++i) {
      const f = HEAPF64.subarray(_korvath_fault(this.handle, i) / 8).slice(0, 5);
      faults.push({kind: f[0], arithmetic: f[1], value: f[2], segments: f[3], pass: f[4]});
    }
    return {
      values: (flags & 1) !== 0, bars: (flags & 2) !== 0, picture: (flags & 4) !== 0,
      rayStarted: (flags & 8) !== 0, rayEnded: (flags & 16) !== 0, faults,
    };
  }
  told() {
    const change = this.takeChange();
    if (this.onChange && (change.values || change.bars || change.picture || change.rayEnded || change.faults.length))
      this.onChange(change);
  }

  // ---- The travelling ray ----
  // Whether the newest ray travels after Beam (off at first); off finishes
  // a travelling ray.
  setAnimated(on) {
    _korvath_set_animated(this.handle, on ? 1 : 0);
    this.told();
  }
  travelling() {
    return _korvath_travelling(this.handle) !== 0;
  }
  // Draws the travelling ray on as far as it goes `elapsedMs` after it
  // started; false once it has ended (or none travels).
  advance(elapsedMs) {
    const travelling = _korvath_advance(this.handle, elapsedMs) !== 0;
    this.told();
    return travelling;
  }
  // Draws the rest of a travelling ray at once.
  finishRay() {
    _korvath_finish_ray(this.handle);
    this.told();
  }

  // ---- The picture's pixels ----
  // The canvas's size in device pixels, device pixels per scene unit and the
  // line width; the picture is drawn again at it.
  setCanvas(width, height, pixelsPerUnit, lineWidth) {
    _korvath_set_canvas(this.handle, width, height, pixelsPerUnit, lineWidth);
    this.told();  // a travelling ray ended
  }
  // The picture as RGBA bytes: a view into the module's memory, valid until
  // the next call into it.
  pixels() {
    const at = _korvath_pixels(this.handle);
    return HEAPU8.subarray(at, at + 4 * _korvath_pixel_count(this.handle));
  }
  // The pixels painted since the last call: {left, top, width, height}.
  takePainted() {
    const at = _korvath_take_painted(this.handle) / 4;
    return {left: HEAP32[at], top: HEAP32[at + 1], width: HEAP32[at + 2], height: HEAP32[at + 3]};
  }
  keepJournal(on) {
    _korvath_keep_journal(this.handle, on ? 1 : 0);
  }
  takeJournal() {
    return textAt(_korvath_take_journal(this.handle));
  }
}

Object.assign(Module, {Session, Body, Bar, BeamMove, ShownValue, SchwarzschildMark, RayOutcome});
// The separator goes in as its UTF-8 text.
Module['numberText'] = (value, separator) => withTexts([separator], (text, length) => textAt(_korvath_number_text(value, text, length)));
// The link's setup, read by the command line's rules: clearSetup(), then
// readSetup(name, value) for each parameter (1 read, 0 a value the option
// does not take, -1 no such option); a session applies it (applySetup()).
Module['clearSetup'] = () => _korvath_setup_clear();
Module['readSetup'] = (name, value) => withTexts([name, value], _korvath_setup_read);
// Where the "HELP" window goes on a screen of this size: {left, top}.
Module['splashPlace'] = (width, height) => {
  const at = _korvath_splash_place(width, height) / 4;
  return {left: HEAP32[at], top: HEAP32[at + 1]};
};
