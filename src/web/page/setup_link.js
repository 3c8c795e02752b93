// SPDX-License-Identifier: GPL-3.0-or-later
// A link to a setup: the command line's option names as query parameters
// (?body=sun&mass-bars=79,50&trace), read by the model's rules and applied
// at the start tick. What is the link's own is here: its decoding, the
// page's language (lang), a parameter given twice or unknown, and the
// notice that names a bad one; a bad parameter leaves the default state.
import {showNotice} from './dialogs.js';

const SHOWN_PARAMETER = 60;  // characters of a bad parameter a notice shows, the last an ellipsis if cut

// Reads the page's link into the module's setup; the first bad parameter
// goes to page.badParameter.
export function readLink(page) {
  const {M} = page;
  M.clearSetup();
  page.badParameter = '';
  let wanted = false;
  const seen = new Set();
  for (const [name, value] of new URLSearchParams(location.search)) {
    let read;
    if (seen.has(name)) read = 0;
    else if (name === 'lang') read = page.boot.languageOf(value) ? 1 : 0;
    else read = M.readSetup(name, value);
    seen.add(name);
    if (read === 1) {
      wanted ||= name !== 'lang';
      continue;
    }
    // A name the link does not know is named alone when it has no value.
    page.badParameter = read === 0 || value ? `${name}=${value}` : name;
    break;
  }
  page.setupWanted = wanted && !page.badParameter;
}

// Brings the started session into the link's setup. Should the model refuse
// a step (a body it cannot compute), the session is dropped, never left in
// only some of it: true, and the link's setup is forgotten, its step named
// as the bad parameter.
export function applyLink(page) {
  const refused = page.session.applySetup();
  if (!refused) return false;
  const value = new URLSearchParams(location.search).get(refused);
  page.session.delete();
  page.session = null;
  page.setupWanted = false;
  page.badParameter = value ? `${refused}=${value}` : refused;
  return true;
}

// The notice that names the link's bad parameter.
export function showBadParameter(page) {
  showNotice(page, page.fill(page.boot.text('badParameter'), [shownParameter(page.badParameter)]));
}

// A link's parameter as a notice names it: invisible and direction
// characters written as in the link, cut to a readable length, and isolated
// from the sentence's direction, so that no value can widen the page or turn
// the sentence around.
function shownParameter(parameter) {
  const chars = [...parameter.replace(/[\p{Cc}\p{Cf}\p{Zl}\p{Zp}]/gu, encodeURIComponent)];
  const cut = chars.length > SHOWN_PARAMETER ? [...chars.slice(0, SHOWN_PARAMETER - 1), '\u2026'] : chars;
  return `\u2068${cut.join('')}\u2069`;
}

// The link that opens the page in the state it shows now, in its language.
export function setupLink(page) {
  const lang = new URLSearchParams(location.search).get('lang');
  const query = lang ? `${new URLSearchParams({lang})}&` : '';
  const link = new URL(location.href);
  link.search = query + page.session.setupQuery();
  link.hash = '';
  return link.href;
}

export async function copyLink(page) {
  if (!page.session) return;
  const link = setupLink(page);
  try {
    await navigator.clipboard.writeText(link);
    page.announce(page.texts.page.linkCopied);
  } catch {
    showNotice(page, page.fill(page.texts.page.linkNotCopied, [link]));
  }
}
