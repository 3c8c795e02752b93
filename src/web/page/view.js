// SPDX-License-Identifier: GPL-3.0-or-later
// What the session shows, on the page: each intent's change updates what it
// says changed, as the desktop window does (MainWindow::sessionChanged) —
// the values (texts and the Schwarzschild mark), the bars, the picture
// (its pixels and its description), the ray commands, and the last fault in
// a notice. While a ray travels the picture is busy: its description, and
// Beam's ray told to the screen reader, wait for the ray's end.
import {$} from './page.js';
import {showNotice} from './dialogs.js';
import {showRayCommands, travel} from './rays.js';
import {barValueText, faultText, localized, pictureText, rayText} from './wording.js';

// The Schwarzschild radius's caption shows the mark with its value.
const MARKED_CAPTION = 'schwarzschildRadiusCaption';

export function showChange(page, {values, bars, picture, rayStarted, rayEnded, faults}) {
  if (values) showValues(page);
  // A bar's text names the value it produces.
  if (values || bars) showBars(page);
  if (picture || rayEnded) describePicture(page);
  if (picture) page.picture.show();
  showRayCommands(page);
  if (rayStarted) travel(page);
  if (rayEnded && page.rayToTell && !page.session.travelling()) tellRay(page);
  if (faults.length) showNotice(page, faultText(page, faults[faults.length - 1]));
  if (values && !page.firstValuesMarked && page.session.text(page.M.ShownValue.Radius)) {
    page.firstValuesMarked = true;
    performance.mark('korvath-first-values');
  }
}

// All of a new session but its pixels, which the picture draws when it fits.
export function showSession(page) {
  showValues(page);
  showBars(page);
  describePicture(page);
  showRayCommands(page);
}

// Where Beam's ray went, once.
export function tellRay(page) {
  page.rayToTell = false;
  const ray = rayText(page, page.session.picture().ray);
  if (ray) page.announce(ray);
}

function showValues(page) {
  const {session} = page;
  page.fields.forEach((field, i) => {
    const text = localized(page, session.text(i));
    const shown = field.firstChild;
    if (shown.textContent === text) return;
    shown.textContent = text;
    field.setAttribute('aria-label', text ? `${field.dataset.quantity}: ${text}` : field.dataset.quantity);
  });
  const {SchwarzschildMark, ShownValue} = page.M;
  const markNow = session.schwarzschildMark();
  if (page.lastMark && markNow && markNow !== page.lastMark)
    page.announce(markNow === SchwarzschildMark.Inside ? page.texts.page.insideSchwarzschild : page.texts.page.outsideSchwarzschild);
  page.lastMark = markNow;
  const mark = `mark-${markNow}`;
  for (const element of [page.control(MARKED_CAPTION), page.fields[ShownValue.SchwarzschildRadius]]) {
    if (!element.classList.contains(mark)) {
      element.classList.remove('mark-0', 'mark-1', 'mark-2');
      element.classList.add(mark);
    }
  }
}

function showBars(page) {
  page.bars.forEach((bar, i) => {
    const position = page.session.bar(i);
    bar.set(position, barValueText(page, i, position));
  });
}

function describePicture(page) {
  const {element} = page.picture;
  if (page.session.travelling()) {
    element.setAttribute('aria-busy', 'true');
    return;
  }
  element.removeAttribute('aria-busy');
  const description = pictureText(page, page.session.picture());
  const described = $(`${element.id}-description`);
  if (described.textContent !== description) described.textContent = description;
}
