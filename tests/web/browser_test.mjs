// SPDX-License-Identifier: GPL-3.0-or-later
// The web page as a person uses it, in one browser engine (src/web/tools/engines.mjs):
// the first values, a seeded walk of bar keys, a bar dragged with the mouse
// and by touch, clicks and taps, Beam with its travelling ray and the ray's
// pixels where the native build puts them, the help, Exit and starting
// again, ?lang=de, the single file from the disk, links to a setup and to
// kept rays, and the failures the page tells.
// The same checks run in Chromium, Firefox and WebKit.
//
//   node browser_test.mjs PAGE_FOLDER NATIVE_DRIVER ENGINE
//
// Every value the page shows is compared with the native trace driver's text
// for the same actions. Exits 77 (skipped) when the page was not built; a
// missing engine fails (harness.mjs).
import {copyFileSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
import {shownValues, startPageTest} from './harness.mjs';

const test = await startPageTest();
const {engine, native, check} = test;
const problems = [];

function equal(actual, expected, what) {
  const same = JSON.stringify(actual) === JSON.stringify(expected);
  check(same, `${what}${same ? '' : `: ${JSON.stringify(actual)} (expected ${JSON.stringify(expected)})`}`);
}

const open = (url, screen) => engine.open(url, screen);
// (Chromium advises on the checks' own reading of the canvas: not the page's.)
const close = async (page) => {
  await page.close();
  problems.push(...page.problems.filter((p) => !/willReadFrequently/.test(p)));
};
const shown = shownValues;
const waitForText = (page, field, text) =>
  page.waitFor((f, t) => document.querySelector(`#${f} .text`)?.textContent === t, field, text);
const ready = (page) => page.waitFor(() => document.querySelector('#radiusValue .text')?.textContent ||
  document.body.dataset.state === 'failed');
const barValue = (page, name) => page.evaluate((n) => Number(document.getElementById(n).getAttribute('aria-valuenow')), name);
const notice = (page) => page.evaluate(() => (document.getElementById('faultNotice').open ? document.getElementById('faultText').textContent : ''));
const centre = (b) => [b.x + b.width / 2, b.y + b.height / 2];
const BARS = ['radiusCoarseBar', 'massCoarseBar', 'radiusFineBar', 'massFineBar'];  // by the model's bar index
const DEFAULT = native(['load', 'tick']).texts;

// A travelling ray keeps the picture busy until it ends.
const rayEnded = (page) => page.waitFor(() => !document.getElementById('scenePicture').hasAttribute('aria-busy'));
const description = (page) => page.evaluate(() => document.getElementById('scenePicture-description').textContent);
const menuItem = (page, id) => page.evaluate((i) => [document.getElementById(i).getAttribute('aria-checked'),
  document.getElementById(i).getAttribute('aria-disabled') !== 'true'], id);
// The canvas's pixels as a digest, and how many have each of some colours.
const pixels = (page, colours = []) => page.evaluate((wanted) => {
  const canvas = document.getElementById('scenePictureCanvas');
  const data = new Uint32Array(canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.buffer);
  const rgba = wanted.map(([r, g, b]) => (0xff000000 | (b << 16) | (g << 8) | r) >>> 0);
  const counts = wanted.map(() => 0);
  let digest = 2166136261;
  for (const pixel of data) {
    digest = Math.imul(digest ^ pixel, 16777619);
    const i = rgba.indexOf(pixel);
    if (i >= 0) ++counts[i];
  }
  return {digest, counts};
}, colours);

// The picture's white pixels (the ray) in the canvas's own device pixels.
const whitePixels = (page) => page.evaluate(() => {
  const canvas = document.getElementById('scenePictureCanvas');
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  const white = [];
  for (let i = 0; i < data.length; i += 4) if (data[i] === 255 && data[i + 1] === 255 && data[i + 2] === 255) white.push(i / 4);
  return {width: canvas.width, height: canvas.height, white};
});

try {
  const page = await open(test.address, {touch: true});
  const actions = ['load', 'tick'];

  // The first tick shows the Earth.
  await waitForText(page, 'radiusValue', '6378000');
  const first = await shown(page);
  equal(first.slice(0, 4), ['6378000', '5.59736E+24', '5.15040585101977', '0.00826186203267893'],
    'first values after the first tick');
  equal(first, DEFAULT, 'every value after the first tick, as the native build shows it');
  const started = await page.evaluate(() => ({
    values: performance.getEntriesByName('korvath-first-values')[0]?.startTime,
    timer: performance.getEntriesByName('korvath-timer-started')[0]?.startTime,
    mark: document.getElementById('schwarzschildRadiusValue').className,
  }));
  const afterTimer = started.values - started.timer;
  check(afterTimer >= 99.5 && afterTimer < 1000,
    `the first values come with the first tick, 100 ms after its timer started (${afterTimer.toFixed(1)} ms)`);
  check(/mark-1/.test(started.mark), 'the Schwarzschild radius is marked: the Earth lies outside it');
  await page.waitFor(() => new Promise((done) => requestAnimationFrame(() => setTimeout(() => done(true), 50))));
  equal(await page.evaluate(() => [...document.querySelectorAll('.caption, button.control, .value')]
    .filter((e) => e.scrollWidth > e.clientWidth).map((e) => e.id)), [], 'no caption, button or value cut off');

  // A seeded walk of bar keys: arrows by 1, Page keys by 10, Home and End.
  const STEPS = {ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1, PageDown: 10, PageUp: -10};
  const KEYS = [...Object.keys(STEPS), 'Home', 'End'];
  let seed = 23;
  const random = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % n;
  };
  const positions = [50, 50, 50, 50];
  const reached = [], expected = [];
  for (let i = 0; i < 40; ++i) {
    const bar = random(4), key = KEYS[random(KEYS.length)];
    await page.press(`#${BARS[bar]}`, key);
    const to = key === 'Home' ? 0 : key === 'End' ? 100 : Math.min(Math.max(positions[bar] + STEPS[key], 0), 100);
    if (to !== positions[bar]) actions.push(`bar ${bar} ${to}`);
    positions[bar] = to;
    expected.push(to);
    reached.push(await barValue(page, BARS[bar]));
  }
  equal(reached, expected, 'a seeded walk of 40 bar keys moves each bar as the keys say');
  equal(await shown(page), native(actions).texts, 'every value after the walk');
  await page.press('#earthButton', 'Space');
  actions.push('earth');
  equal(await shown(page), DEFAULT, 'Space on Earth: the Earth again');

  // A bar dragged with the mouse: nothing changes until the thumb is released.
  const thumb = await page.box('#massCoarseBar .thumb');
  const track = await page.box('#massCoarseBar .track');
  const from = centre(thumb);
  const path = Array.from({length: 10}, (_, i) => [from[0] + ((i + 1) * (track.width - thumb.width)) / 25, from[1]]);
  await page.drag('mouse', from, path, async () => {
    equal(await shown(page), DEFAULT, 'while the thumb is dragged nothing is recomputed');
    check((await page.box('#massCoarseBar .thumb')).x > thumb.x + 10, 'the thumb follows the pointer');
  });
  const dragged = await barValue(page, 'massCoarseBar');
  check(dragged >= 85 && dragged <= 95, `the released thumb sets the bar to about 90: ${dragged}`);
  actions.push(`bar 1 ${dragged}`);

  // An arrow clicked with the mouse steps by one; the track by a page.
  await page.click('#massFineBar .arrow.up', ...centre(await page.box('#massFineBar .arrow.up')));
  const fineTrack = await page.box('#massFineBar .track');
  await page.click('#massFineBar .track', fineTrack.x + 3, fineTrack.y + fineTrack.height / 2);
  actions.push('bar 3 51', 'bar 3 41');
  equal([await barValue(page, 'massFineBar'), (await page.evaluate(() => document.getElementById('massFineBar').getAttribute('aria-valuetext'))).split(',')[0]],
    [41, '41: minus 9 percent of the coarse value'], 'an arrow click +1, then a click in the track -10; the bar says minus 9 percent');
  equal(await shown(page), native(actions).texts, 'every value after the drag and the clicks');

  // Beam: the ray travels, the picture busy and nothing told, and ends on
  // the pixels an instant Beam draws, told once; Animate the ray is on at
  // first and remembered when turned off.
  const beforeBeam = await whitePixels(page);
  const travelling = await page.evaluate(() => {
    const announcer = document.getElementById('announcer');
    const [told, before] = [window.toldRays = [], announcer.textContent];
    new MutationObserver((records) => told.push(...records.map((r) => r.target.textContent))).observe(announcer, {childList: true});
    document.getElementById('beamButton').click();
    return document.getElementById('scenePicture').getAttribute('aria-busy') === 'true' && announcer.textContent === before;
  });
  actions.push('beam');
  await rayEnded(page);
  const [travelled, toldRays] = [await pixels(page), await page.evaluate(() => window.toldRays)];
  check(travelling && toldRays.length === 1 && (await description(page)).endsWith(` ${toldRays[0]}`),
    `a Beam travels, then tells where the ray went, once: ${toldRays.join(' / ')}`);
  equal(await menuItem(page, 'animateRayAction'), ['true', true], 'Animate the ray is on at first');
  await page.click('#viewMenu');
  await page.click('#animateRayAction');
  await page.click('#beamButton');
  equal([await menuItem(page, 'animateRayAction'), (await pixels(page)).digest], [['false', true], travelled.digest],
    'with Animate the ray off, Beam draws the same pixels at once');
  const result = native(actions);
  equal(await shown(page), result.texts, 'every value after Beam');
  const segments = result.drawing.filter((l) => l.startsWith('line ')).map((l) => l.split(' ').slice(1, 5).map(Number));
  const afterBeam = await whitePixels(page);
  const {width, height} = afterBeam;
  const [was, is] = [new Set(beforeBeam.white), new Set(afterBeam.white)];
  const unitsToPixels = width / (8415 - 4 * 15);
  let onRay = 0, inside = 0, newlyWhite = 0;
  for (const [x1, y1, x2, y2] of segments) {
    const x = Math.floor(((x1 + x2) / 2) * unitsToPixels), y = Math.floor(((y1 + y2) / 2) * unitsToPixels);
    if (x < 1 || y < 1 || x >= width - 1 || y >= height - 1) continue;
    ++inside;
    let white = false, wasWhite = false;
    for (let dy = -1; dy <= 1; ++dy) for (let dx = -1; dx <= 1; ++dx) {
      white ||= is.has((y + dy) * width + x + dx);
      wasWhite ||= was.has((y + dy) * width + x + dx);
    }
    onRay += white;
    newlyWhite += white && !wasWhite;
  }
  check(segments.length > 10 && inside > 10 && onRay === inside,
    `Beam draws the ray's ${segments.length} segments, white at every one in view: ${onRay} of ${inside}`);
  check(newlyWhite === onRay, 'and none of them was white before Beam');

  // A preset tapped, and a bar's thumb dragged, by touch.
  await page.tap('#sunButton');
  actions.push('sun');
  await waitForText(page, 'radiusValue', '696000000');
  const touchThumb = await page.box('#radiusFineBar .thumb');
  const touchTrack = await page.box('#radiusFineBar .track');
  await page.drag('touch', centre(touchThumb), [[touchTrack.x + 2, centre(touchThumb)[1]]]);
  equal(await barValue(page, 'radiusFineBar'), 0, 'the fine radius bar dragged to its left end by touch');
  actions.push('bar 2 0');
  await page.press('#beamBigDownButton', 'Space');
  actions.push('move 3');
  equal(await shown(page), native(actions).texts, 'every value after Sun tapped, a touch drag and DOWN pressed with Space');

  // Help: "HELP" for two ticks, then the help; F1 opens it again.
  await page.click('#helpAction');
  equal(await page.evaluate(() => [document.getElementById('helpSplash').open, document.getElementById('helpSplashTitle').textContent]),
    [true, 'HELP'], 'the HELP window');
  await page.waitFor(() => !document.getElementById('helpSplash').open && document.getElementById('helpText')?.srcdoc.includes('Contents'));
  equal(await page.evaluate(() => [document.getElementById('helpViewer').open, document.getElementById('helpViewerTitle').textContent,
    new DOMParser().parseFromString(document.getElementById('helpText').srcdoc, 'text/html').querySelector('h1')?.textContent.includes('Korvath simulation')]),
  [true, 'Korvath simulation Help', true], 'then the help, its text shown');
  await page.click('#helpViewer [data-close]');
  await page.press('#earthButton', 'F1');
  await page.waitFor(() => document.getElementById('helpViewer').open);
  check(true, 'F1 opens the help once the Help command has run');
  await page.click('#helpViewer [data-close]');

  // Exit, and starting again.
  await page.key('x', 'Alt');
  equal(await page.evaluate(() => [document.body.dataset.state, document.getElementById('mainWindow').hidden,
    document.getElementById('endedText').textContent, document.getElementById('startAgain').textContent]),
  ['ended', true, 'The simulation has ended.', 'Start again'], 'Alt+X ends the simulation');
  await page.click('#startAgain');
  await waitForText(page, 'massValue', '5.59736E+24');
  equal(await shown(page), DEFAULT, 'started again: the Earth after the first tick');
  await close(page);

  // The language asked for: its texts, its decimal separator and its help.
  const german = await open(`${test.address}?lang=de`);
  await waitForText(german, 'massValue', '5,59736E+24');
  equal([...(await shown(german)).slice(0, 4), ...await german.evaluate(() => [document.getElementById('earthButton').textContent,
    document.getElementById('radiusCoarseBar').getAttribute('aria-label')])],
  ['6378000', '5,59736E+24', '5,15040585101977', '0,00826186203267893', 'Erde', 'Radius, grob: Zweierpotenzen'],
  '?lang=de: the values with a decimal comma, German captions and names');
  await german.click('#helpAction');
  await german.waitFor(() => document.getElementById('helpText')?.srcdoc.includes('lang="de"'));
  check(true, '?lang=de: the help in German');
  await close(german);

  // A link to a setup, applied as the command line would.
  const link = '?body=sun&radius-bars=51,50&mass-bars=79,50&beam=2500&trace';
  const sun = await open(test.address + link);
  // (The picture's description before the first tick names a light ray too.)
  await sun.waitFor(() => /Beam start at 2500\. The light ray/.test(document.getElementById('scenePicture-description').textContent));
  equal(await shown(sun), native(['load', 'tick', 'sun', 'bar 0 51', 'bar 2 50', 'bar 1 79', 'bar 3 50',
    ...Array(20).fill('move 2'), 'beam']).texts, `${link}: the Sun, the bars, the beam start and the ray as the native build shows them`);
  await close(sun);
  // Kept rays from a link, in their colours and each named; Animate the ray
  // as last chosen; Delete clears them.
  const fan = await open(`${test.address}?mass-bars=79,50&rays=1500,800,300`);
  await ready(fan);
  await rayEnded(fan);
  const RAYS = [[255, 255, 255], [230, 159, 0], [86, 180, 233]];  // the scene's first three ray colours
  const fanShown = await pixels(fan, RAYS);
  check(/Ray 1, from 1500: .* Ray 2, from 800: .* Ray 3, from 300: /.test(await description(fan)) && fanShown.counts.every((n) => n > 50),
    `?mass-bars=79,50&rays=1500,800,300: three rays in three colours (${fanShown.counts} pixels), each described`);
  equal([await menuItem(fan, 'keepRaysAction'), await menuItem(fan, 'clearRaysAction'), await menuItem(fan, 'animateRayAction')],
    [['true', true], [null, true], ['false', true]], 'and Keep earlier rays checked, Clear rays offered, Animate the ray off as chosen');
  await fan.press('#scenePicture', 'Delete');
  equal([(await pixels(fan, RAYS)).counts.slice(1), /light ray/.test(await description(fan)), await menuItem(fan, 'clearRaysAction')],
    [[0, 0], false, [null, false]], 'Delete clears the rays');
  await close(fan);
  // Bad parameters, hostile ones too (names of JavaScript's objects, replacement
  // patterns, a long value, a reversing mark, a NUL, a path): each named as it was, cut
  // where long, isolated from the sentence; English, the default state, the page
  // and the notice's text no wider than their boxes, no console error.
  // [query, named if not the query]
  const long = 'W'.repeat(10000);
  const bad = [['body=moon'], ['radius-bars=101,50'], ['mass-bars=a,b'], ['beam=2525'], ['trace=1'], ['lang=xx'],
    ['body=sun&body=earth', 'body=earth'], ['lang=constructor'], ['lang=__proto__'], ['constructor=1,1'], ['lang=de-../../etc'],
    ['body=$$'], ['body=$%26', 'body=$&'], ['body=$%60', 'body=$`'], ["body=$'"], ['body=%E2%80%AEnus'], ['body=sun%00'], [`body=${long}`, `body=${long.slice(0, 54)}\u2026`]];
  const told = [];
  for (const [query, named = query] of bad) {
    const p = await open(`${test.address}?beam=2000&${query}`);
    await p.waitFor(() => document.getElementById('faultNotice').open).catch(() => {});
    const text = await notice(p);
    const state = [...await shown(p), ...await p.evaluate((t = document.getElementById('faultText')) => [document.documentElement.lang,
      document.documentElement.scrollWidth <= innerWidth && t.scrollWidth <= t.clientWidth])];
    if (!text.includes(`"\u2068${named}\u2069"`) || JSON.stringify(state) !== JSON.stringify([...DEFAULT, 'en', true]))
      told.push(`${query.slice(0, 70)}: ${text} ${state.slice(-2)}`);
    await close(p);
  }
  equal(told, [], 'every bad parameter named in a notice, in English, the default state, the page as wide as the screen');

  // The single file from the disk: small enough to mail, and whole without a
  // server (offline where the engine can take the network away).
  const single = readFileSync(join(test.pageFolder, 'korvath-offline.html'));
  const size = gzipSync(single, {level: 9}).length;
  check(size <= 200 * 1024, `the single file is ${(size / 1024).toFixed(1)} KB gzipped (at most 200)`);
  const offline = await open(`file://${test.servedFolder}/korvath-offline.html?lang=ja`, {offline: engine.can.offline});
  await ready(offline);
  equal([...await shown(offline), await offline.evaluate(() => document.getElementById('earthButton').textContent)], [...DEFAULT, '地球'],
    `the single file from the disk${engine.can.offline ? ', offline' : ''}: the first values, in Japanese`);
  await offline.click('#helpAction');
  await offline.waitFor(() => document.getElementById('helpText')?.srcdoc.includes('lang="ja"'));
  check(true, 'and its help, which it carries');
  await close(offline);

  // Failures, told with what to do: pages served without a file, or in a
  // browser without WebAssembly.
  const failures = [
    ['no WebAssembly', '', '<script>delete window.WebAssembly;</script>', /no WebAssembly/],
    ['no WebAssembly, in German', '?lang=de', '<script>delete window.WebAssembly;</script>', /kein WebAssembly/],
    ['korvath.wasm missing', '', 'korvath.wasm', /could not be loaded .*Reload/],
    ['korvath.js missing', '', 'korvath.js', /could not be loaded/],
    ['app.js missing', '', 'app.js', /could not be loaded/],
  ];
  for (const [what, query, change, expected] of failures) {
    const address = await test.serveChanged((folder) => {
      if (!change.startsWith('<')) return rmSync(join(folder, change));
      const index = join(folder, 'index.html');
      writeFileSync(index, readFileSync(index, 'utf8').replace('<head>', `<head>${change}`));
    });
    const p = await open(address + query);
    await ready(p);
    const [text, hidden] = await p.evaluate(() => [document.getElementById('failureText').textContent, document.getElementById('mainWindow').hidden]);
    check(expected.test(text) && hidden, `${what}: "${text}", and no window`);
    await p.close();  // its console tells of the failure
  }
  copyFileSync(join(test.servedFolder, 'index.html'), join(test.servedFolder, 'served.html'));
  const disk = await open(`file://${test.servedFolder}/served.html`);
  await ready(disk);
  check(/single-file version \(korvath-offline\.html\)/.test(await disk.evaluate(() => document.getElementById('failureText').textContent)),
    'the served page opened from the disk points to the single file');
  await disk.close();

  await test.finish();
} catch (error) {
  await test.finish(error);
}
equal([...problems, ...test.failedRequests], [], `no console error or warning, no failed request${engine.can.console ? '' :
  ' (this engine\'s driver reads no console: the page served for the checks records its own)'}`);
test.exit();
