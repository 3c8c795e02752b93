// SPDX-License-Identifier: GPL-3.0-or-later
// The page a teacher hands out, in headless Chromium: the single file from
// a file:// URL with the network off, the served page reloaded offline
// through its service worker, links to a setup in and out, the failures it
// tells, and what a screen reader hears after Beam and after a bar step.
//
//   node offline_test.mjs PAGE_FOLDER NATIVE_DRIVER
import {copyFileSync, cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
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
const failureText = (page) => page.evaluate(() => (document.getElementById('failure').hidden ? '' : document.getElementById('failureText').textContent));
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
// The native driver's actions for a link's setup, in the order the page applies it.
const barActions = (coarse, fine, pair) => [`bar ${coarse} ${pair[0]}`, `bar ${fine} ${pair[1]}`];
const beamActions = (y) => Array.from({length: Math.abs(y - 1500) / 50}, () => (y > 1500 ? 'move 2' : 'move 1'));

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
  // 1. The single file: small enough to mail, whole from the disk with no network.
  const single = readFileSync(join(pageFolder, 'korvath-offline.html'));
  const size = gzipSync(single, {level: 9}).length;
  check(size <= 200 * 1024, `the single file is ${(size / 1024).toFixed(1)} KB gzipped (at most 200)`);
  copyFileSync(join(pageFolder, 'korvath-offline.html'), join(folder, 'korvath-offline.html'));
  const requests = [];
  const offline = await open(`file://${folder}/korvath-offline.html?lang=ja`, async (page) => {
    await page.setOfflineMode(true);
    page.on('request', (r) => r.url().startsWith('file:') || r.url().startsWith('data:') || requests.push(r.url()));
  });
  equal(await shownValues(offline), DEFAULT.map((t) => t), 'the single file from the disk, offline: the first values as the native build shows them');
  equal(await offline.$eval('#earthButton', (b) => b.textContent), '地球', 'the single file carries the other languages');
  await offline.click('#helpAction');
  await offline.waitForFunction(() => document.getElementById('helpText').srcdoc.includes('lang="ja"'), {timeout: 5000});
  equal(requests, [], 'and the help, with no request beyond the file');
  await offline.close();

  // 2. Served: after the first visit its service worker keeps it working
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

  // 3. Links in and out.
  const link = '?body=sun&radius-bars=51,50&mass-bars=79,50&beam=2500&trace';
  const sun = await open(test.address + link);
  await sun.waitForFunction(() => document.getElementById('scenePicture-description').textContent.includes('light ray'));
  equal(await shownValues(sun), native(['load', 'tick', 'sun', ...barActions(0, 2, [51, 50]), ...barActions(1, 3, [79, 50]),
    ...beamActions(2500), 'beam']).texts, `${link}: the Sun, the bars, the beam start and the ray as the native build shows them`);
  await sun.close();

  const context = browser.defaultBrowserContext();
  await context.overridePermissions(test.address, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const page = await open(test.address);
  const rounds = [];
  let seed = 18;
  const random = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % n;
  };
  const state = (p) => p.evaluate(() => [...document.querySelectorAll('.control.value .text, [role=scrollbar]')]
    .map((e) => e.getAttribute('aria-valuenow') ?? e.textContent).concat(document.getElementById('scenePicture-description').textContent));
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
    await page.click('#copyLinkAction');
    const url = await page.evaluate(() => navigator.clipboard.readText());
    const copy = await open(url);
    const [before, after] = [await state(page), await state(copy)];
    rounds.push(JSON.stringify(before) === JSON.stringify(after) ? 'same' : `${url}: ${JSON.stringify(after)} against ${JSON.stringify(before)}`);
    await copy.close();
  }
  equal(rounds, rounds.map(() => 'same'), 'random states: the copied link opens the same values, bars and picture');
  await page.close();

  const bad = ['body=moon', 'radius-bars=101,50', 'mass-bars=50', 'mass-bars=a,b', 'beam=2525', 'beam=6200', 'beam=0',
    'trace=1', 'lang=xx', 'colour=red', 'body=sun&body=earth'];
  const told = [];
  for (const query of bad) {
    const p = await open(`${test.address}?beam=2000&${query}`);
    await p.waitForFunction(() => document.getElementById('faultNotice').open, {timeout: 5000}).catch(() => {});
    const named = query.includes('&') ? query.split('&')[1] : query;
    const text = await notice(p);
    if (!text.includes(`"${named}"`) || JSON.stringify(await shownValues(p)) !== JSON.stringify(DEFAULT)) told.push(`${query}: ${text}`);
    await p.close();
  }
  equal(told, [], 'every bad parameter named in a notice, and the default state');
  const german = await open(`${test.address}?lang=de&beam=17`);
  await german.waitForFunction(() => document.getElementById('faultNotice').open);
  const germanNotice = await notice(german);
  check(germanNotice.includes('„beam=17“'), 'the notice in the page\'s language');
  equal(await german.$eval('#announcer', (e) => e.textContent), germanNotice, 'and announced by the live region');
  await german.close();

  // 4. Failures, told with what to do.
  const failures = [
    ['no WebAssembly', '', (p) => p.evaluateOnNewDocument(() => delete window.WebAssembly), /no WebAssembly/],
    ['no WebAssembly, in German', '?lang=de', (p) => p.evaluateOnNewDocument(() => delete window.WebAssembly), /kein WebAssembly/],
    ['korvath.wasm missing', '', (p) => block(p, 'korvath.wasm'), /could not be loaded .*Reload/],
    ['korvath.js missing', '', (p) => block(p, 'korvath.js'), /could not be loaded/],
    ['app.js missing', '', (p) => block(p, 'app.js'), /could not be loaded/],
  ];
  async function block(p, file) {
    await p.setBypassServiceWorker(true);
  await p.setRequestInterception(true);
    p.on('request', (r) => (r.url().endsWith(`/${file}`) ? r.respond({status: 404, body: 'gone'}) : r.continue()));
  }
  for (const [what, query, setup, expected] of failures) {
    const p = await open(test.address + query, setup);
    const text = await failureText(p);
    const hidden = await p.$eval('#mainWindow', (w) => w.hidden);
    check(expected.test(text) && hidden, `${what}: "${text}", and no window`);
    await p.close();
  }
  copyFileSync(join(pageFolder, 'index.html'), join(folder, 'index.html'));
  const disk = await open(`file://${folder}/index.html`);
  check(/single-file version \(korvath-offline\.html\)/.test(await failureText(disk)), 'the served page opened from the disk points to the single file');
  await disk.close();

  // 5. What a screen reader hears.
  const reader = await open(test.address);
  equal(await reader.evaluate(() => document.activeElement.id), 'scenePicture', 'the first focus on the picture, as in the window');
  await reader.click('#beamButton');
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
  await reader.click('#keysAction');
  equal(await reader.$eval('#keysDialog', (d) => [d.open, d.querySelectorAll('li').length]), [true, 8], 'Keys lists the keyboard commands');
  await reader.close();
  await test.finish();
} catch (error) {
  await test.finish(error);
}
rmSync(folder, {recursive: true, force: true});
test.exit();
