// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, made from the layout's entries: each value field
// and bar takes the value or bar the layout says it shows, each button its
// intent on the session.
import {Picture} from './picture.js';
import {ParameterBar} from './scroll_bar.js';
import {tellRay} from './view.js';

// What each button does, by its name in the layout: the model's intents,
// the beam moves in the order of the model's BeamMove.
const BUTTONS = {
  earthButton: (page) => page.act((s) => s.choose(page.M.Body.Earth)),
  sunButton: (page) => page.act((s) => s.choose(page.M.Body.Sun)),
  beamBigUpButton: (page) => page.act((s) => s.moveBeam(page.M.BeamMove.BigUp)),
  beamUpButton: (page) => page.act((s) => s.moveBeam(page.M.BeamMove.Up)),
  beamDownButton: (page) => page.act((s) => s.moveBeam(page.M.BeamMove.Down)),
  beamBigDownButton: (page) => page.act((s) => s.moveBeam(page.M.BeamMove.BigDown)),
  beamButton: (page) => {
    if (!page.act((s) => s.trace())) return;
    // Where the ray went, told once it is drawn: at once, or when it has
    // travelled (view.js).
    page.rayToTell = true;
    if (!page.session.travelling()) tellRay(page);
  },
};

// Makes every control of the layout into page.controls, page.fields,
// page.bars and page.picture.
export function makeControls(page) {
  for (const item of page.layout.controls) {
    const element = makeControl(page, item, page.texts.controls[item.objectName] || {});
    element.id = item.objectName;
    element.classList.add('control', item.kind);
    page.controls.set(item.objectName, element);
    if ('value' in item) page.fields[item.value] = element;
  }
}

// Once the controls are in the page: the bars, which measure their parts.
export function makeBars(page) {
  for (const item of page.layout.controls) {
    if (item.kind !== 'bar') continue;
    const moved = (position) => page.act((s) => s.setBar(item.bar, position));
    page.bars[item.bar] = new ParameterBar(page.controls.get(item.objectName), page.layout.bar, moved, () => !!page.session);
  }
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

function makeControl(page, item, t) {
  let element;
  switch (item.kind) {
    case 'button':
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = t.caption;
      if (Object.hasOwn(BUTTONS, item.objectName)) element.addEventListener('click', () => BUTTONS[item.objectName](page));
      break;
    case 'caption':
      element = document.createElement('span');
      element.textContent = t.caption;
      break;
    case 'value': {
      // Named by its quantity and unit with its current text (view.js);
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
    case 'picture':
      // The picture takes the first focus, as in the window; its
      // description says what it shows now (view.js).
      element = document.createElement('div');
      element.id = item.objectName;
      element.setAttribute('role', 'img');
      element.setAttribute('aria-label', t.accessibleName);
      page.picture = new Picture(element, item, () => page.session);
      describe(element, t.accessibleDescription);
      break;
    default:
      throw new Error(`unknown kind of control ${item.kind}`);
  }
  element.dataset.font = String(item.fontPoints);
  return element;
}
