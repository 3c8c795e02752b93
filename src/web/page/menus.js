// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar: the window's commands (Exit, Help) and its Picture and View
// menus with the ray commands, then the page's own commands: the keys, a
// link to the setup and, served, the single file to keep. A menu opens
// below its title by a click or tap, Enter, Space, Down or Alt with its
// letter; Up and Down go through its items, a click, Enter, Space or an
// item's letter runs one, and Escape, Tab or a click elsewhere closes it.
import {$} from './page.js';

// The window's menus that the page has, each before Help, with their items.
const MENUS = [
  ['pictureMenu', ['printAction', 'keepRaysAction', 'clearRaysAction']],
  ['viewMenu', ['animateRayAction']],
];
const CHECKABLE = new Set(['keepRaysAction', 'animateRayAction']);
const SHORTCUTS = {printAction: 'Control+P', clearRaysAction: 'Delete'};  // (keys.js; Ctrl+P is the browser's)

// "E&xit": the letter after '&' is the mnemonic, underlined.
function setCaption(element, caption) {
  const i = caption.search(/&[^&]/);
  const plain = caption.replace(/&(.)/g, '$1');
  element.setAttribute('aria-label', plain);
  if (i < 0) {
    element.textContent = plain;
    return;
  }
  const u = document.createElement('u');
  u.textContent = caption[i + 1];
  element.append(caption.slice(0, i).replace(/&&/g, '&'), u, caption.slice(i + 2).replace(/&&/g, '&'));
  element.dataset.mnemonic = caption[i + 1].toLowerCase();
}

function menuButton(id, role, caption, run) {
  const button = document.createElement('button');
  button.type = 'button';
  button.id = id;
  button.setAttribute('role', role);
  button.tabIndex = -1;
  setCaption(button, caption);
  if (run) button.addEventListener('click', run);
  return button;
}

// The menu bar; `commands` runs each command by its name.
export function buildMenu(page, commands) {
  const {texts} = page;
  const bar = $('menuBar');
  for (const item of page.layout.menu) {
    const button = menuButton(item.objectName, 'menuitem', texts.menu[item.objectName], commands[item.objectName]);
    // Alt with the underlined letter runs the command.
    if (button.dataset.mnemonic) button.setAttribute('aria-keyshortcuts', `Alt+${button.dataset.mnemonic.toUpperCase()}`);
    bar.append(button);
  }
  for (const [id, items] of MENUS) bar.insertBefore(buildPopupMenu(page, id, items, commands), $('helpAction'));
  bar.firstChild.tabIndex = 0;
  const command = (id, caption, run) => {
    const b = document.createElement(run ? 'button' : 'a');
    if (run) {
      b.type = 'button';
      b.addEventListener('click', run);
    }
    b.id = id;
    b.className = 'page-command';
    b.setAttribute('role', 'menuitem');
    b.tabIndex = -1;
    b.textContent = caption;
    bar.append(b);
    return b;
  };
  command('keysAction', texts.page.keys, commands.keysAction);
  command('copyLinkAction', texts.page.copyLink, commands.copyLinkAction);
  if (!page.bundle) {
    const a = command('downloadAction', texts.page.download);
    a.href = 'korvath-offline.html';
    a.download = 'korvath-offline.html';
  }
}

// A menu's title in the bar, and its items in a list that opens below it.
function buildPopupMenu(page, id, itemIds, commands) {
  const title = menuButton(id, 'menuitem', page.texts.menu[id]);
  if (title.dataset.mnemonic) title.setAttribute('aria-keyshortcuts', `Alt+${title.dataset.mnemonic.toUpperCase()}`);
  const list = document.createElement('div');
  list.id = `${id}Items`;
  list.className = 'menu';
  list.setAttribute('role', 'menu');
  list.setAttribute('aria-labelledby', id);
  list.hidden = true;
  title.setAttribute('aria-haspopup', 'menu');
  title.setAttribute('aria-controls', list.id);
  title.setAttribute('aria-expanded', 'false');
  const items = itemIds.map((itemId) => {
    const item = menuButton(itemId, CHECKABLE.has(itemId) ? 'menuitemcheckbox' : 'menuitem', page.texts.menu[itemId]);
    if (CHECKABLE.has(itemId)) item.setAttribute('aria-checked', 'false');
    if (SHORTCUTS[itemId]) item.setAttribute('aria-keyshortcuts', SHORTCUTS[itemId]);
    item.addEventListener('click', () => {
      if (item.getAttribute('aria-disabled') === 'true') return;
      close(title, list, true);
      commands[itemId]();
    });
    return item;
  });
  list.append(...items);
  $('mainWindow').append(list);

  // Opened by the keyboard (a click of no pointer), on its first item.
  title.addEventListener('click', (e) => (list.hidden ? open(title, list, e.detail === 0) : close(title, list, false)));
  title.addEventListener('keydown', (e) => {
    if (e.key !== 'ArrowDown') return;
    e.preventDefault();
    open(title, list, true);
  });
  list.addEventListener('keydown', (e) => onMenuKey(e, title, list, items));
  // (Focus that goes nowhere, as a click on an item that takes none, keeps it open.)
  list.addEventListener('focusout', (e) => {
    if (e.relatedTarget && !list.contains(e.relatedTarget) && e.relatedTarget !== title) close(title, list, false);
  });
  document.addEventListener('pointerdown', (e) => {
    if (!list.hidden && !list.contains(e.target) && !title.contains(e.target)) close(title, list, false);
  });
  return title;
}

// Below its title, within the viewport.
function open(title, list, focusFirst) {
  const box = title.getBoundingClientRect();
  list.hidden = false;
  list.style.left = `${Math.max(0, Math.min(box.left, document.documentElement.clientWidth - list.offsetWidth))}px`;
  list.style.top = `${box.bottom}px`;
  title.setAttribute('aria-expanded', 'true');
  if (focusFirst) list.firstChild.focus();
}

function close(title, list, refocus) {
  if (list.hidden) return;
  list.hidden = true;
  title.setAttribute('aria-expanded', 'false');
  if (refocus || list.contains(document.activeElement)) title.focus();
}

function onMenuKey(e, title, list, items) {
  const at = items.indexOf(document.activeElement);
  const focus = (i) => items[(i + items.length) % items.length].focus();
  const mnemonic = !e.altKey && !e.ctrlKey && !e.metaKey && e.key.length === 1 &&
    items.find((item) => item.dataset.mnemonic === e.key.toLowerCase());
  if (e.key === 'ArrowDown') focus(at + 1);
  else if (e.key === 'ArrowUp') focus(at - 1);
  else if (e.key === 'Home') focus(0);
  else if (e.key === 'End') focus(items.length - 1);
  else if (e.key === 'Escape') close(title, list, true);
  else if (mnemonic) mnemonic.click();
  else return;
  e.preventDefault();
  e.stopPropagation();
}

// Every open menu closed (the simulation ends).
export function closeMenus() {
  for (const [id] of MENUS) close($(id), $(`${id}Items`), false);
}

// A command's check mark, and whether it can run (each change of the
// session sets them: only a new state is written).
export function setChecked(id, on) {
  if ($(id).getAttribute('aria-checked') !== String(on)) $(id).setAttribute('aria-checked', String(on));
}
export function setEnabled(id, on) {
  if (on) $(id).removeAttribute('aria-disabled');
  else if (!$(id).hasAttribute('aria-disabled')) $(id).setAttribute('aria-disabled', 'true');
}
