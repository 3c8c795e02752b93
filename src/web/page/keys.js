// SPDX-License-Identifier: GPL-3.0-or-later
// The page's keys beyond each control's own: F1 for the help once the Help
// command has named it, Delete for Clear rays, Alt with a menu command's
// underlined letter, and Left and Right between the menu's commands.
import {$} from './page.js';
import {openHelp} from './dialogs.js';
import {clearRays} from './rays.js';

export function listenToKeys(page) {
  document.addEventListener('keydown', (e) => onKey(page, e));
  const bar = $('menuBar');
  bar.addEventListener('keydown', (e) => {
    if (e.key !== 'ArrowLeft' && e.key !== 'ArrowRight') return;
    const items = [...bar.children];
    const next = items[(items.indexOf(document.activeElement) + (e.key === 'ArrowRight' ? 1 : items.length - 1)) % items.length];
    items.forEach((b) => (b.tabIndex = b === next ? 0 : -1));
    next.focus();
    e.preventDefault();
  });
}

function onKey(page, e) {
  if (document.body.dataset.state !== 'running') return;
  if (e.key === 'F1') {
    e.preventDefault();
    if (page.helpNamed && !document.querySelector('dialog[open]:modal')) openHelp(page);
    return;
  }
  if (e.key === 'Delete' && !e.altKey && !e.ctrlKey && !e.metaKey && !e.shiftKey && !document.querySelector('dialog[open]:modal')) {
    e.preventDefault();
    clearRays(page);
    return;
  }
  if (e.altKey && !e.ctrlKey && !e.metaKey && e.key.length === 1) {
    const item = document.querySelector(`#menuBar [data-mnemonic="${CSS.escape(e.key.toLowerCase())}"]`);
    if (item) {
      e.preventDefault();
      item.click();
    }
  }
}
