// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet the page prints, from its menu's Print or the browser's own:
// the window's sheet in the page's language, made just before printing and
// shown only on paper (style.css, @media print). The program's name and the
// date, the body and the bars with the link that sets them up again, the
// picture drawn anew at four times its size for print, every value with
// its quantity and unit, the picture's description and lines for notes.
import {$} from './page.js';
import {setupLink} from './setup_link.js';
import {FRAME, TWIPS_PER_PIXEL} from './window_layout.js';

const PRINT_SCALE = 4;  // the picture's pixels per CSS pixel on paper
const NOTE_LINES = 8;

const element = (tag, text, className) => {
  const e = document.createElement(tag);
  if (text !== undefined) e.textContent = text;
  if (className) e.className = className;
  return e;
};

// The picture as an image, drawn by the simulation at PRINT_SCALE times the
// canvas's CSS size, then the canvas drawn again at its own.
function pictureForPrint(page) {
  const {canvas} = page.picture;
  const cssWidth = canvas.width / (devicePixelRatio || 1);
  const width = Math.round(cssWidth * PRINT_SCALE);
  const height = Math.round(width * canvas.height / canvas.width);
  const unitsWide = page.picture.item.width - 2 * FRAME * TWIPS_PER_PIXEL;  // as Picture.fit has it
  page.session.setCanvas(width, height, width / unitsWide, PRINT_SCALE);
  const bytes = page.session.pixels();
  const drawn = document.createElement('canvas');
  drawn.width = width;
  drawn.height = height;
  drawn.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, width * height * 4), width, height), 0, 0);
  page.picture.fit();
  const image = element('img');
  image.src = drawn.toDataURL('image/png');
  image.alt = $('scenePicture-description').textContent;
  return image;
}

// Builds the sheet from what the page shows now.
function build(page) {
  const sheet = $('worksheet');
  sheet.replaceChildren();
  if (!page.session) return;
  const words = page.texts.worksheet;
  const heading = element('header');
  heading.append(element('h1', words.title),
    element('span', new Intl.DateTimeFormat(document.documentElement.lang, {dateStyle: 'full'}).format(new Date())));
  const bar = (name) => String(page.session.bar(page.M.Bar[name]));
  const setup = element('table', undefined, 'setup');
  for (const [label, value] of [
    [words.body, new URLSearchParams(page.session.setupQuery()).get('body') === 'sun' ? words.sun : words.earth],
    [words.radiusBars, `${bar('RadiusCoarse')}, ${bar('RadiusFine')}`],
    [words.massBars, `${bar('MassCoarse')}, ${bar('MassFine')}`],
    [words.beamStart, page.fields[page.M.ShownValue.BeamStart].textContent],
  ]) {
    const row = setup.insertRow();
    row.insertCell().textContent = label;
    row.insertCell().textContent = value;
  }
  const values = element('table', undefined, 'values');
  words.values.forEach(([quantity, unit], i) => {
    const row = values.insertRow();
    for (const text of [quantity, page.fields[i].textContent, unit]) row.insertCell().textContent = text;
  });
  const notes = element('div', undefined, 'notes');
  notes.append(element('h2', words.notes));
  for (let i = 0; i < NOTE_LINES; ++i) notes.append(element('div', undefined, 'line'));
  sheet.append(heading, element('p', words.name, 'name'), setup, element('p', words.setUp),
    element('p', setupLink(page), 'link'), pictureForPrint(page),
    element('p', $('scenePicture-description').textContent, 'description'), values, notes);
}

// The sheet is made before each print, however it is asked for.
export function listenToPrint(page) {
  addEventListener('beforeprint', () => build(page));
  addEventListener('afterprint', () => $('worksheet').replaceChildren());
}

export function printWorksheet() {
  print();
}
