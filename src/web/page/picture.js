// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's picture: a canvas at its exact size in device pixels, on which
// the simulation's pixels are put. The simulation draws the scene again at
// each new size, sharp rather than resampled.
import {FRAME, TWIPS_PER_PIXEL} from './window_layout.js';

export class Picture {
  // `element` is the picture's control, `item` its layout entry; `session()`
  // gives the session to draw, or null.
  constructor(element, item, session) {
    this.element = element;
    this.item = item;
    this.session = session;
    this.canvas = document.createElement('canvas');
    this.canvas.id = `${item.objectName}Canvas`;
    this.canvas.setAttribute('aria-hidden', 'true');
    element.append(this.canvas);
    this.context = this.canvas.getContext('2d', {alpha: false});
    this.observeSize();
  }

  // Until the canvas has its size, which it takes once the window is shown,
  // there is nothing to draw on.
  get sized() {
    return !!this.canvas.dataset.sized;
  }

  // Draw at the canvas's exact size in device pixels where the browser counts
  // them (device-pixel-content-box); where it does not (WebKit throws a
  // TypeError for that box), from the CSS size times the device pixel ratio,
  // which may be a pixel off at some fractional ratios.
  observeSize() {
    const observer = new ResizeObserver((entries) => this.resized(entries));
    try {
      observer.observe(this.canvas, {box: 'device-pixel-content-box'});
    } catch {
      observer.observe(this.canvas);
    }
  }

  // The browser's own count of device pixels is exact where it agrees with
  // the CSS size times the device pixel ratio (it may not, when the ratio is
  // emulated).
  resized(entries) {
    const {canvas} = this;
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
    if (this.session()) this.fit();
  }

  // The scene's drawing area is the picture inside its frame; one scene unit is
  // a twip. Lines are one pixel of the window at scale 1, scaled with the
  // picture, and never thinner than a CSS pixel.
  fit(draw = true) {
    const {canvas} = this;
    const areaTwips = this.item.width - 2 * FRAME * TWIPS_PER_PIXEL;
    const dpr = devicePixelRatio || 1;
    const pictureScale = canvas.width / dpr / (areaTwips / TWIPS_PER_PIXEL);
    const lineWidth = Math.max(Math.ceil(dpr - 1e-6), Math.round(pictureScale * dpr));
    this.session().setCanvas(canvas.width, canvas.height, canvas.width / areaTwips, lineWidth);
    if (draw) this.show();
  }

  // The session's pixels on the canvas: those painted since they were last
  // put there (a travelling ray's frame puts only its new part).
  show() {
    const {canvas} = this;
    if (!canvas.dataset.sized || !canvas.width || !canvas.height) return;
    const session = this.session();
    const {left, top, width, height} = session.takePainted();
    if (!width || !height) return;
    const bytes = session.pixels();
    const image = new ImageData(new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, canvas.width * canvas.height * 4), canvas.width, canvas.height);
    this.context.putImageData(image, 0, 0, left, top, width, height);
  }
}
