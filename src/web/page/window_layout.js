// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout on the page: placed and scaled from the desktop's
// layout (in twips), or reflowed into sections for a screen too small for it.
import {$} from './page.js';

export const TWIPS_PER_PIXEL = 15;  // at scale 1, as on a 96 dpi screen
export const FRAME = 2;  // the picture's sunken frame, CSS pixels at scale 1
const MENU_HEIGHT = 20;  // CSS pixels at scale 1
const COARSE_TARGET = 44;  // CSS pixels: the smallest target a finger hits reliably
const SMALLEST_TARGET = 15;  // CSS pixels at scale 1: a bar's arrow
export const coarsePointer = matchMedia('(pointer: coarse)');
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

// The controls in the sections of the reflowed window. The sections and
// blocks generate no boxes while the window is shown at its own layout
// (style.css), so the controls are placed in the client area as before.
export function buildSections(page) {
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
        for (const n of names.filter((n) => page.controls.has(n))) {
          block.append(page.controls.get(n));
          placed.add(n);
        }
      }
    } else {
      let block = null;
      for (const item of page.layout.controls) {
        if (placed.has(item.objectName)) continue;
        if (!block || item.kind === 'caption') block = box('block', section);
        block.append(page.controls.get(item.objectName));
      }
    }
  }
}

// The window keeps its proportions and fills as much of the viewport as it
// can; every length is a whole number of device pixels. Where that would
// make its text smaller than at scale 1 (12 px), or, for a finger, its
// smallest target smaller than 44 px, the window reflows to the viewport's
// width instead (style.css) and the page scrolls vertically.
export function placeWindow(page) {
  const {layout, controls} = page;
  const dpr = devicePixelRatio || 1;
  const snap = (px) => Math.round(px * dpr) / dpr;
  const w = layout.window.clientWidthTwips / TWIPS_PER_PIXEL;
  const h = layout.window.clientHeightTwips / TWIPS_PER_PIXEL + MENU_HEIGHT;
  const fit = Math.min(innerWidth / w, innerHeight / h);
  const smallest = coarsePointer.matches ? COARSE_TARGET / SMALLEST_TARGET : 1;
  const flow = fit < smallest;
  document.documentElement.dataset.layout = flow ? 'flow' : 'scaled';
  page.scale = flow ? 1 : fit;
  const {scale} = page;
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
export function fitTextsSoon() {
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
