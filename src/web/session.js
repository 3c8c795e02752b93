// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation as the page's JavaScript uses it: a Session class over the
// plain C functions of bindings.cpp, and the model's number text. Emscripten
// puts this file inside the module's factory (--post-js), where the heap
// views and the exported functions are in scope.

// A C string in the module's memory as text.
const textAt = (pointer) => UTF8ToString(pointer);

class Session {
  constructor() {
    this.handle = _korvath_new();
  }
  delete() {
    _korvath_delete(this.handle);
    this.handle = 0;
  }
  tick() {
    _korvath_tick(this.handle);
  }
  clickEarth() {
    _korvath_choose(this.handle, 0);
  }
  clickSun() {
    _korvath_choose(this.handle, 1);
  }
  moveBar(bar, value) {
    return _korvath_move_bar(this.handle, bar, value) !== 0;
  }
  moveBeam(move) {
    return _korvath_move_beam(this.handle, move) !== 0;
  }
  // Traces the ray; returns the number of its segments.
  beam() {
    return _korvath_trace(this.handle);
  }
  setBeamStart(height) {
    return _korvath_set_beam_start(this.handle, height) !== 0;
  }
  body() {
    return _korvath_body(this.handle);
  }
  // {computed, ratio, circle, beamStart, ray: null or {outcome, edge, degrees, steps, swingsRound}}
  picture() {
    const d = HEAPF64.subarray(_korvath_picture(this.handle) / 8).slice(0, 10);
    return {
      computed: d[0] !== 0, ratio: d[1], circle: d[2], beamStart: d[3],
      ray: d[4] ? {outcome: d[5], edge: d[6], degrees: d[7], steps: d[8], swingsRound: d[9] !== 0} : null,
    };
  }
  text(value) {
    return textAt(_korvath_text(this.handle, value));
  }
  barValue(bar) {
    return _korvath_bar_value(this.handle, bar);
  }
  schwarzschildMark() {
    return _korvath_schwarzschild_mark(this.handle);
  }
  // [{kind, arithmetic, value, segments, pass}], oldest first.
  takeFaults() {
    const faults = [];
    for (let i = 0, n = _korvath_take_faults(this.handle); i < n; ++i) {
      const f = HEAPF64.subarray(_korvath_fault(this.handle, i) / 8).slice(0, 5);
      faults.push({kind: f[0], arithmetic: f[1], value: f[2], segments: f[3], pass: f[4]});
    }
    return faults;
  }
  // The canvas's size in device pixels, device pixels per scene unit and the line width.
  setCanvas(width, height, pixelsPerUnit, lineWidth) {
    _korvath_set_canvas(this.handle, width, height, pixelsPerUnit, lineWidth);
  }
  takePictureChanged() {
    return _korvath_take_picture_changed(this.handle) !== 0;
  }
  // The picture as RGBA bytes: a view into the module's memory, valid until
  // the next call into it.
  pixels() {
    const at = _korvath_pixels(this.handle);
    return HEAPU8.subarray(at, at + 4 * _korvath_pixel_count(this.handle));
  }
  keepJournal(on) {
    _korvath_keep_journal(this.handle, on ? 1 : 0);
  }
  takeJournal() {
    return textAt(_korvath_take_journal(this.handle));
  }
}

Module['Session'] = Session;
Module['valueFieldName'] = (value) => textAt(_korvath_value_field_name(value));
Module['barName'] = (bar) => textAt(_korvath_bar_name(bar));
// The separator goes in as its UTF-8 text, on the stack.
Module['numberText'] = (value, separator) => {
  const top = stackSave();
  try {
    const length = lengthBytesUTF8(separator) + 1;
    const text = stackAlloc(length);
    stringToUTF8(separator, text, length);
    return textAt(_korvath_number_text(value, text));
  } finally {
    stackRestore(top);
  }
};
Object.defineProperty(Module, 'valueCount', {get: () => _korvath_value_count()});
