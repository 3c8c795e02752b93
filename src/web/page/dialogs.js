// SPDX-License-Identifier: GPL-3.0-or-later
// The page's dialogs: the notice that tells a fault, the keys, and the help
// ("HELP" for two ticks of its timer, then the help text).
import {$} from './page.js';
import {TWIPS_PER_PIXEL} from './window_layout.js';


// The dialogs' titles, buttons and close boxes in the page's language.
export function buildDialogs(page) {
  const {texts} = page;
  $('helpSplashTitle').textContent = texts.helpSplashTitle;
  $('helpSplash').setAttribute('aria-label', texts.helpSplashTitle);
  $('helpViewerTitle').textContent = texts.helpTitle;
  $('helpViewer').setAttribute('aria-label', texts.helpTitle);
  $('faultNoticeTitle').textContent = texts.title;
  $('faultNotice').setAttribute('aria-label', texts.title);
  $('faultOk').textContent = texts.page.ok;
  $('keysTitle').textContent = texts.page.keys;
  $('keysDialog').setAttribute('aria-label', texts.page.keys);
  $('keysOk').textContent = texts.page.ok;
  for (const key of ['keyTab', 'keyButton', 'keyBarStep', 'keyBarPage', 'keyBarEnds', 'keyMenu', 'keyHelp', 'keyDelete', 'keyClose']) {
    const li = document.createElement('li');
    li.textContent = texts.page[key];
    $('keysList').append(li);
  }
  for (const box of document.querySelectorAll('[data-close]')) {
    box.textContent = '\u00d7';
    box.setAttribute('aria-label', texts.page.close);
    box.addEventListener('click', () => box.closest('dialog').close());
  }
}

// The notice with `text`, which is announced too.
export function showNotice(page, text) {
  page.announce(text);
  $('faultText').textContent = text;
  const notice = $('faultNotice');
  if (!notice.open) notice.show();
}

export function showKeys() {
  const keys = $('keysDialog');
  if (!keys.open) keys.showModal();
}

// Help: "HELP" for two ticks of its timer, then the help, as one press of F1.
export function runHelp(page) {
  const splash = $('helpSplash');
  if (!page.session || splash.open) return;
  const {clientWidthTwips, clientHeightTwips, tickMs, ticksShown} = page.layout.helpSplash;
  // Where the desktop puts it, moved in so that it fits a narrow screen
  // with its border (a pixel either side), beside the page's scroll bar
  // where that takes room.
  const {clientWidth: screenWidth, clientHeight: screenHeight} = document.documentElement;
  const width = Math.min((clientWidthTwips / TWIPS_PER_PIXEL) * page.scale, screenWidth - 2);
  const height = Math.min((clientHeightTwips / TWIPS_PER_PIXEL) * page.scale, screenHeight - 2);
  const place = page.M.splashPlace(screenWidth, screenHeight);
  Object.assign(splash.style, {
    left: `${Math.min(place.left, screenWidth - width - 2)}px`,
    top: `${Math.min(place.top, screenHeight - height - 2)}px`,
    width: `${width}px`, height: `${height}px`,
  });
  let ticks = 0;
  const timer = setInterval(() => {
    if (++ticks === ticksShown) splash.close();
  }, tickMs);
  splash.addEventListener('close', () => {
    clearInterval(timer);
    if (!page.session) return;
    page.helpNamed = true;
    openHelp(page);
  }, {once: true});
  splash.showModal();
}

// The help's frame is made when the help first opens: a frame in the page
// would cost its start a browsing context of its own.
function helpFrame(viewer) {
  const frame = document.createElement('iframe');
  frame.id = 'helpText';
  frame.setAttribute('sandbox', 'allow-popups allow-popups-to-escape-sandbox');
  viewer.append(frame);
  return frame;
}

// The help describes the window and the page alike; what only the desktop
// window has (class "window") is not shown here.
const forThePage = (html) => {
  const style = '<style>.window { display: none; }</style>';
  const head = /<head[^>]*>/i.exec(html);
  return head ? html.slice(0, head.index + head[0].length) + style + html.slice(head.index + head[0].length) : style + html;
};

export async function openHelp(page) {
  const {texts, bundle} = page;
  const viewer = $('helpViewer');
  const frame = $('helpText') || helpFrame(viewer);
  if (!viewer.open) viewer.show();
  frame.focus();
  // The help in the window's language, as on the desktop: vesker_de.hlp and
  // so on, the English vesker.hlp otherwise.
  const file = texts.language === 'en' ? 'vesker.hlp' : `vesker_${texts.language}.hlp`;
  if (bundle) {
    frame.srcdoc = forThePage(bundle.help[file]);
    frame.title = texts.helpTitle;
    return;
  }
  try {
    const response = await fetch(file, {cache: 'no-cache'});
    if (!response.ok) throw new Error(String(response.status));
    frame.srcdoc = forThePage(await response.text());
  } catch (error) {
    // The HTTP status, or no detail: the browser's words for it are English.
    frame.srcdoc = page.fill(texts.helpFailed, [file, /^\d{3}$/.test(error.message) ? error.message : '\u2014']);
  }
  frame.title = texts.helpTitle;
}
