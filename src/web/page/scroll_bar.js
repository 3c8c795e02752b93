// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter bars: a horizontal scroll bar with an arrow at either end.
// Arrows step by 1, the track by a page; a dragged thumb counts when it is
// released; the keyboard works as on the desktop.

const REPEAT_DELAY = 500;  // ms before a held arrow or track repeats
const REPEAT_INTERVAL = 50;  // ms between repeats
const WHEEL_STEPS = 3;  // arrow steps per wheel notch

export class ParameterBar {
  // `range` is the layout's {minimum, maximum, arrowStep, pageStep};
  // `moved(value)` passes a position the user chose on, `active()` tells
  // whether there is a simulation to take it.
  constructor(element, range, moved, active) {
    this.element = element;
    this.range = range;
    this.moved = moved;
    this.active = active;
    this.min = range.minimum;
    this.max = range.maximum;
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
    if (v !== this.value) this.moved(v);
  }

  onKey(e) {
    if (e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    const {arrowStep, pageStep} = this.range;
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
    this.moveTo(this.value + notches * WHEEL_STEPS * this.range.arrowStep);
  }

  onPointerDown(e) {
    if (e.button !== 0 || !this.active()) return;
    e.preventDefault();
    this.element.focus({preventScroll: true});
    this.element.setPointerCapture(e.pointerId);
    this.pointerX = e.clientX;
    const {arrowStep, pageStep} = this.range;
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
