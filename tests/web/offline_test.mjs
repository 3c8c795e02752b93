// SPDX-License-Identifier: GPL-3.0-or-later
// What only Chromium's driver can check: the served page reloaded offline
// through its service worker, copied links that open the same state (the
// clipboard), the page's language before its script, its help and its
// printed worksheet (read back with pdftotext), and what a screen reader
// hears (the accessibility tree).
// browser_test.mjs checks the single file, links and failures in every engine.
//
//   node offline_test.mjs PAGE_FOLDER NATIVE_DRIVER
import {execFileSync} from 'node:child_process';
import {cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {shownValues, startPageTest} from './harness.mjs';

const test = await startPageTest();
const {browser, native, check, pageFolder} = test;
const equal = (actual, expected, what) => {
  const same = JSON.stringify(actual) === JSON.stringify(expected);
  check(same, `${what}${same ? '' : `: ${JSON.stringify(actual)} (expected ${JSON.stringify(expected)})`}`);
};
const DEFAULT = native(['load', 'tick']).texts;
const ready = (page) => page.waitForFunction(() => document.querySelector('#radiusValue .text')?.textContent ||
  document.body.dataset.state === 'failed', {timeout: 10000});
// A travelling ray's description comes at its end.
const settled = (page) => page.waitForFunction(() => !document.getElementById('scenePicture').hasAttribute('aria-busy'));
const notice = (page) => page.evaluate(() => (document.getElementById('faultNotice').open ? document.getElementById('faultText').textContent : ''));
const tree = async (page) => {
  const nodes = [];
  (function walk(n) {
    if (!n) return;
    nodes.push(n);
    for (const c of n.children || []) walk(c);
  })(await page.accessibility.snapshot({interestingOnly: true}));
  return nodes;
};
async function open(url, setup) {
  const page = await browser.newPage();
  await page.setViewport({width: 1000, height: 600});
  if (setup) await setup(page);
  await page.goto(url, {waitUntil: 'load'});
  await ready(page);
  return page;
}

const folder = mkdtempSync(join(tmpdir(), 'korvath-offline-'));
try {
  // 1. Served: after the first visit its service worker keeps it working
  // offline, and a new build reaches the next visit.
  const {serve, addressOf} = await import('../../src/web/tools/serve.mjs');
  const copy = join(folder, 'served');
  cpSync(pageFolder, copy, {recursive: true});
  const server = await serve(copy);
  const served = await open(addressOf(server));
  await served.evaluate(() => navigator.serviceWorker.ready);
  await served.waitForFunction(() => navigator.serviceWorker.controller, {timeout: 10000}).catch(() => served.reload());
  const index = join(copy, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('<body data-state="loading">', '<body data-state="loading" data-build="new">'));
  await served.reload({waitUntil: 'load'});
  equal(await served.evaluate(() => [document.body.dataset.build, !!navigator.serviceWorker.controller]), ['new', true],
    'a new build comes with the next visit, through the service worker');
  server.close();
  server.closeAllConnections();
  await served.reload({waitUntil: 'load'});
  await ready(served);
  equal(await shownValues(served), DEFAULT, 'the served page reloaded with its server gone: the first values');
  const manifest = await served.$eval('link[rel=manifest]', (l) => fetch(l.href).then((r) => r.json()));
  check(manifest.icons.length > 0 && manifest.start_url, 'a web app manifest with the icons');
  await served.close();

  // 2. Links out: what "Copy link to this setup" writes opens the same state.
  const context = browser.defaultBrowserContext();
  await context.overridePermissions(test.address, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const page = await open(test.address);
  const rounds = [];
  let seed = 18;
  const random = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % n;
  };
  // The link Copy link writes, and whether it opens the same state.
  const copiedLink = async () => {
    await page.click('#copyLinkAction');
    const url = await page.evaluate(() => navigator.clipboard.readText());
    // (A page in the background draws no animation frames.)
    const before = await state(page);
    const copy = await open(url);
    const after = await state(copy);
    await copy.close();
    return [url, JSON.stringify(before) === JSON.stringify(after) ? 'same' : `${url}: ${JSON.stringify(after)} against ${JSON.stringify(before)}`];
  };
  const state = async (p) => {
    await settled(p);
    return p.evaluate(() => [...document.querySelectorAll('.control.value .text, [role=scrollbar]')]
      .map((e) => e.getAttribute('aria-valuenow') ?? e.textContent).concat(document.getElementById('scenePicture-description').textContent));
  };
  for (let round = 0; round < 6; ++round) {
    for (let step = 0; step < 6; ++step) {
      const what = random(5);
      if (what === 0) await page.click(random(2) ? '#sunButton' : '#earthButton');
      else if (what === 1 || what === 2) {
        await page.focus(['#radiusCoarseBar', '#radiusFineBar', '#massCoarseBar', '#massFineBar'][random(4)]);
        await page.keyboard.press(['ArrowRight', 'ArrowLeft', 'PageUp', 'PageDown'][random(4)]);
      } else if (what === 3) await page.click(['#beamBigUpButton', '#beamUpButton', '#beamDownButton', '#beamBigDownButton'][random(4)]);
      else await page.click('#beamButton');
    }
    // A ray from an earlier beam start is traced anew from the current one
    // by a link: the round ends with Beam or a body.
    await page.click(round % 2 ? '#beamButton' : ['#earthButton', '#sunButton'][random(2)]);
    if (await notice(page)) await page.click('#faultOk');
    rounds.push(await copiedLink());
  }
  equal(rounds.map(([, same]) => same), rounds.map(() => 'same'), 'random states: the copied link opens the same values, bars and picture');
  // Kept rays: each one's start in the link.
  await page.click('#earthButton');
  await page.click('#pictureMenu');
  await page.click('#keepRaysAction');
  for (const button of ['#beamButton', '#beamDownButton', '#beamButton']) await page.click(button);
  const [kept, same] = await copiedLink();
  const starts = new URL(kept).searchParams.get('rays')?.split(',').map(Number);
  equal([starts?.length, starts?.[1] - starts?.[0], same], [2, 50, 'same'], `and with kept rays, each one's start: ${kept}`);
  await page.close();

  const german = await open(`${test.address}?lang=de_AT&beam=17`);
  await german.waitForFunction(() => document.getElementById('faultNotice').open);
  const germanNotice = await notice(german);
  check(germanNotice.includes('„\u2068beam=17\u2069“'), 'the notice in the page\'s language');
  equal(await german.$eval('#announcer', (e) => e.textContent), germanNotice, 'and announced by the live region');
  await german.close();

  // 3. In Japanese from the first script, the help without what only the
  // window has, and the printed worksheet's own text.
  const japanese = await open(`${test.address}?lang=ja&mass-bars=79,50&trace`);
  equal(await japanese.evaluate(() => [document.title, document.documentElement.lang, document.querySelector('link[rel=manifest]').href.replace(/.*\//, '')]),
    ['Korvath シミュレーション', 'ja', 'manifest.ja.webmanifest'], 'the page\'s title, language and manifest in Japanese');
  await settled(japanese);
  await japanese.click('#helpAction');
  await japanese.waitForFunction(() => document.getElementById('helpText')?.srcdoc.includes('lang="ja"'));
  const help = japanese.frames().find((f) => f !== japanese.mainFrame());
  await help.waitForFunction(() => document.body?.innerText.length > 1000);
  equal(await help.evaluate(() => [...document.querySelectorAll('.window, .page')].map((e) => [e.className, e.checkVisibility()])
    .reduce((seen, [kind, shown]) => ({...seen, [kind]: [...new Set([...(seen[kind] || []), shown])]}), {})),
  {window: [false], page: [true]}, 'the page\'s help shows what the page has and none of what only the window has');
  await japanese.click('#helpViewer [data-close]');
  const sheet = join(folder, 'sheet.pdf');
  await japanese.pdf({path: sheet});
  // (Its words compared without the spaces the text's layout puts in.)
  const text = execFileSync('pdftotext', [sheet, '-'], {encoding: 'utf8'}).replace(/\s+/g, '');
  const printedValues = await shownValues(japanese);
  check(text.includes('Korvathシミュレーション：ワークシート') && text.includes('mass-bars=79,50') &&
    printedValues.every((v) => text.includes(v)), 'the printed worksheet holds its title, the link and every value');
  await japanese.close();

  // 4. What a screen reader hears.
  const reader = await open(test.address);
  equal(await reader.evaluate(() => document.activeElement.id), 'scenePicture', 'the first focus on the picture, as in the window');
  await reader.click('#beamButton');
  await settled(reader);
  const afterBeam = await tree(reader);
  const picture = afterBeam.find((n) => n.role === 'image' || n.role === 'img');
  const live = afterBeam.filter((n) => n.role === 'status');
  check(/^The body fills the blue disc; .* Beam start at 1500\. The light ray passes the body in a straight line and leaves at the left edge\.$/.test(picture.description),
    `after Beam the picture's description tells the ray: "${picture.description}"`);
  equal([live.length, await reader.$eval('#announcer', (e) => e.textContent), await reader.$$eval('[aria-live]', (l) => l.length)],
    [1, 'The light ray passes the body in a straight line and leaves at the left edge.', 1], 'one live region, announcing where the ray went');
  await reader.focus('#radiusCoarseBar');
  await reader.keyboard.press('ArrowRight');
  const afterStep = await tree(reader);
  // (Chromium's tree leaves a scrollbar's valuetext empty: the attribute is read.)
  const bar = afterStep.find((n) => n.role === 'scrollbar' && n.focused);
  equal([bar.value, await reader.$eval('#radiusCoarseBar', (b) => b.getAttribute('aria-valuetext'))],
    [51, '51: times 2 to the power 1, Radius in metres: 12756000'], 'a bar step: the bar says its factor and the value it produces');
  check(afterStep.some((n) => n.role === 'textbox' && n.name === 'Mass in kilograms: 5.59736E+24'), 'a value is named by quantity, value and unit');
  check(!/light ray/.test(afterStep.find((n) => n.role === 'image' || n.role === 'img').description), 'the description follows the bar step');
  await reader.focus('#massCoarseBar');
  await reader.keyboard.press('End');
  equal(await reader.$eval('#announcer', (e) => e.textContent), 'The body is now inside its Schwarzschild radius.',
    'the body passing inside its Schwarzschild radius is announced');
  // Every control named in Chromium's accessibility tree.
  const nodes = await tree(reader);
  const named = (role) => nodes.filter((n) => n.role === role);
  const buttons = named('button').map((n) => n.name);
  equal(buttons.filter((n) => ['Earth', 'Sun', 'UP', 'up', 'down', 'DOWN', 'Beam'].includes(n)).length, 7, 'the seven buttons by their captions');
  equal(named('menuitem').map((n) => n.name), ['Exit', 'Picture', 'View', 'Help', 'Keys', 'Copy link to this setup', 'Download for offline use'],
    'the menu commands and the page\'s own');
  const bars = named('scrollbar');
  equal(bars.map((n) => n.name), ['Radius, coarse: powers of two', 'Radius, fine: whole percents',
    'Mass, coarse: powers of two', 'Mass, fine: whole percents'], 'the four bars by what they scale');
  check(bars.every((n) => n.description), 'the bars are described');
  equal(bars.map((n) => n.value), [51, 50, 100, 50], 'the bars tell their values');
  const values = named('textbox');
  const texts = await shownValues(reader);
  equal(values.length, 17, 'seventeen value fields, none of them a live region');
  check(values.every((n) => texts.some((t) => n.name.endsWith(`: ${t}`)) && !/^:/.test(n.name)), 'each value field is read as its quantity and value');
  equal([...named('img'), ...named('image')].map((n) => n.name), ['Scene'], 'the picture is an image named "Scene"');
  check(nodes.filter((n) => ['button', 'menuitem', 'scrollbar', 'textbox', 'img'].includes(n.role)).every((n) => n.name),
    'no control without a name');
  await reader.click('#keysAction');
  equal(await reader.$eval('#keysDialog', (d) => [d.open, d.querySelectorAll('li').length]), [true, 9], 'Keys lists the keyboard commands');
  await reader.close();
  await test.finish();
} catch (error) {
  await test.finish(error);
}
rmSync(folder, {recursive: true, force: true});
test.exit();
