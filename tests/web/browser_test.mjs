// SPDX-License-Identifier: GPL-3.0-or-later
// The web page in headless Chromium, as a person uses it: the first values,
// a bar from the keyboard and one dragged with the mouse, a preset by touch,
// Beam with the ray's pixels where the native build puts them, the help,
// Exit and starting again, the accessibility tree and the decimal separator
// of ?lang=de. layout_test.mjs fits the window to screens of every size.
//
//   node browser_test.mjs PAGE_FOLDER NATIVE_DRIVER
//
// Every value the page shows is compared with the native trace driver's text
// for the same actions. Exits 77 (skipped) when the page, Chromium or
// puppeteer-core is missing (harness.mjs).
import {inflateSync} from 'node:zlib';
import {shownValues, startPageTest} from './harness.mjs';

const test = await startPageTest();
const {browser, native, check} = test;

// ---------------------------------------------------------------------------
// A PNG screenshot's pixels (8-bit RGB or RGBA, not interlaced).
function decodePng(buffer) {
  let pos = 8;
  let width = 0, height = 0, channels = 0;
  const data = [];
  while (pos < buffer.length) {
    const length = buffer.readUInt32BE(pos);
    const type = buffer.toString('latin1', pos + 4, pos + 8);
    const body = buffer.subarray(pos + 8, pos + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0) throw new Error('unexpected PNG format');
      channels = {2: 3, 6: 4}[body[9]];
      if (!channels) throw new Error(`unexpected PNG colour type ${body[9]}`);
    } else if (type === 'IDAT') {
      data.push(body);
    }
    pos += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const v = raw[y * (stride + 1) + 1 + x];
      const a = x >= channels ? out[y * stride + x - channels] : 0;
      const b = y > 0 ? out[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? out[(y - 1) * stride + x - channels] : 0;
      let p;
      if (filter === 0) p = 0;
      else if (filter === 1) p = a;
      else if (filter === 2) p = b;
      else if (filter === 3) p = (a + b) >> 1;
      else {
        const pa = Math.abs(b - c), pb = Math.abs(a - c), pc = Math.abs(a + b - 2 * c);
        p = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      out[y * stride + x] = (v + p) & 255;
    }
  }
  return {width, height, pixel: (x, y) => [...out.subarray(y * stride + x * channels, y * stride + x * channels + 3)]};
}

// ---------------------------------------------------------------------------
// The checks

function equal(actual, expected, what) {
  check(JSON.stringify(actual) === JSON.stringify(expected), `${what}: ${JSON.stringify(actual)}` +
    (JSON.stringify(actual) === JSON.stringify(expected) ? '' : ` (expected ${JSON.stringify(expected)})`));
}

const problems = [];

async function openPage(query = '', viewport = {width: 1000, height: 600, deviceScaleFactor: 1, hasTouch: true}) {
  const page = await browser.newPage();
  page.on('console', (m) => {
    if (m.type() === 'error' || m.type() === 'warn' || m.type() === 'warning') problems.push(`console ${m.type()}: ${m.text()}`);
  });
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()}`));
  page.on('response', (r) => {
    if (r.status() >= 400) problems.push(`HTTP ${r.status()}: ${r.url()}`);
  });
  await page.setViewport(viewport);
  await page.goto(test.address + query, {waitUntil: 'load'});
  return page;
}

const shown = shownValues;
const waitForText = (page, field, text) =>
  page.waitForFunction((f, t) => document.querySelector(`#${f} .text`)?.textContent === t, {timeout: 5000}, field, text);
const barValue = (page, name) => page.$eval(`#${name}`, (e) => Number(e.getAttribute('aria-valuenow')));

try {
  const page = await openPage();
  const actions = ['load', 'tick'];

  // The first tick shows the Earth.
  await waitForText(page, 'radiusValue', '6378000');
  const first = await shown(page);
  equal(first.slice(0, 4), ['6378000', '5.59736E+24', '5.15040585101977', '0.00826186203267893'],
    'first values after the first tick');
  equal(first, native(actions).texts, 'every value after the first tick, as the native build shows it');
  const started = await page.evaluate(() => ({
    values: performance.getEntriesByName('korvath-first-values')[0]?.startTime,
    timer: performance.getEntriesByName('korvath-timer-started')[0]?.startTime,
    mark: document.getElementById('schwarzschildRadiusValue').className,
  }));
  const afterTimer = started.values - started.timer;
  check(afterTimer >= 99.5 && afterTimer < 1000,
    `the first values come with the first tick, 100 ms after the window was ready (${afterTimer.toFixed(1)} ms)`);
  check(/mark-1/.test(started.mark), 'the Schwarzschild radius is marked: the Earth lies outside it');

  // A bar from the keyboard: Right +1, Page Down +10, Home, End, Left -1.
  await page.focus('#radiusCoarseBar');
  const keys = [['ArrowRight', 51], ['PageDown', 61], ['ArrowDown', 62], ['Home', 0], ['End', 100],
    ['ArrowLeft', 99], ['ArrowUp', 98], ['PageUp', 88], ['ArrowRight', 89]];
  const reached = [];
  for (const [key, value] of keys) {
    await page.keyboard.press(key);
    reached.push(await barValue(page, 'radiusCoarseBar'));
    actions.push(`bar 0 ${value}`);
  }
  equal(reached, keys.map(([, value]) => value), 'the coarse radius bar after Right, Page Down, Down, Home, End, Left, Up, Page Up, Right');
  equal(await shown(page), native(actions).texts, 'every value after the keyboard moved the bar');

  // A bar dragged with the mouse: nothing changes until the thumb is released.
  const thumb = await (await page.$('#massCoarseBar .thumb')).boundingBox();
  const track = await (await page.$('#massCoarseBar .track')).boundingBox();
  const before = await shown(page);
  await page.mouse.move(thumb.x + thumb.width / 2, thumb.y + thumb.height / 2);
  await page.mouse.down();
  for (let i = 1; i <= 10; ++i) await page.mouse.move(thumb.x + thumb.width / 2 + (i * (track.width - thumb.width)) / 25, thumb.y + thumb.height / 2);
  equal(await shown(page), before, 'while the thumb is dragged nothing is recomputed');
  const thumbMoved = (await (await page.$('#massCoarseBar .thumb')).boundingBox()).x;
  check(thumbMoved > thumb.x + 10, 'the thumb follows the pointer');
  await page.mouse.up();
  const dragged = await barValue(page, 'massCoarseBar');
  check(dragged >= 85 && dragged <= 95, `the released thumb sets the bar to about 90: ${dragged}`);
  actions.push(`bar 1 ${dragged}`);
  equal(await shown(page), native(actions).texts, 'every value after the drag');

  // An arrow clicked with the mouse steps by one; the track by a page.
  const arrow = await (await page.$('#massFineBar .arrow.up')).boundingBox();
  await page.mouse.click(arrow.x + arrow.width / 2, arrow.y + arrow.height / 2);
  actions.push('bar 3 51');
  const fineTrack = await (await page.$('#massFineBar .track')).boundingBox();
  await page.mouse.click(fineTrack.x + 3, fineTrack.y + fineTrack.height / 2);
  actions.push('bar 3 41');
  equal(await barValue(page, 'massFineBar'), 41, 'an arrow click +1, then a click in the track -10');
  equal(await shown(page), native(actions).texts, 'every value after the clicks');

  // Beam: the white ray where the native build draws it.
  const canvas = await page.$('#scenePictureCanvas');
  const size = await page.$eval('#scenePictureCanvas', (c) => ({width: c.width, height: c.height}));
  const beforeBeam = decodePng(await canvas.screenshot({type: 'png', captureBeyondViewport: false}));
  await page.click('#beamButton');
  actions.push('beam');
  const result = native(actions);
  equal(await shown(page), result.texts, 'every value after Beam');
  const segments = result.drawing.filter((l) => l.startsWith('line ')).map((l) => l.split(' ').slice(1, 5).map(Number));
  check(segments.length > 10, `Beam draws the ray: ${segments.length} segments`);
  const afterBeam = decodePng(await canvas.screenshot({type: 'png', captureBeyondViewport: false}));
  equal([afterBeam.width, afterBeam.height], [size.width, size.height], 'the screenshot has the canvas\'s device pixels');
  const unitsToPixels = size.width / (8415 - 4 * 15);
  let onRay = 0, inside = 0, newlyWhite = 0;
  for (const [x1, y1, x2, y2] of segments) {
    const x = Math.floor(((x1 + x2) / 2) * unitsToPixels), y = Math.floor(((y1 + y2) / 2) * unitsToPixels);
    if (x < 1 || y < 1 || x >= size.width - 1 || y >= size.height - 1) continue;
    ++inside;
    let white = false, wasWhite = false;
    for (let dy = -1; dy <= 1; ++dy) for (let dx = -1; dx <= 1; ++dx) {
      white ||= afterBeam.pixel(x + dx, y + dy).every((c) => c === 255);
      wasWhite ||= beforeBeam.pixel(x + dx, y + dy).every((c) => c === 255);
    }
    onRay += white;
    newlyWhite += white && !wasWhite;
  }
  check(inside > 10 && onRay === inside, `the ray's pixels are white at every segment in view: ${onRay} of ${inside}`);
  check(newlyWhite === onRay, 'and none of them was white before Beam');

  // A preset by touch.
  const sun = await (await page.$('#sunButton')).boundingBox();
  await page.touchscreen.tap(sun.x + sun.width / 2, sun.y + sun.height / 2);
  actions.push('sun');
  await waitForText(page, 'radiusValue', '696000000');
  equal(await shown(page), native(actions).texts, 'every value after Sun tapped on a touch screen');
  // A bar dragged by touch.
  const touchThumb = await (await page.$('#radiusFineBar .thumb')).boundingBox();
  const touchTrack = await (await page.$('#radiusFineBar .track')).boundingBox();
  await page.touchscreen.touchStart(touchThumb.x + touchThumb.width / 2, touchThumb.y + touchThumb.height / 2);
  await page.touchscreen.touchMove(touchTrack.x + 2, touchThumb.y + touchThumb.height / 2);
  await page.touchscreen.touchEnd();
  equal(await barValue(page, 'radiusFineBar'), 0, 'the fine radius bar dragged to its left end by touch');
  actions.push('bar 2 0');
  equal(await shown(page), native(actions).texts, 'every value after the touch drag');

  // The move buttons from the keyboard: Space on a focused button.
  await page.focus('#beamBigDownButton');
  await page.keyboard.press('Space');
  actions.push('move 3');
  equal(await shown(page), native(actions).texts, 'every value after DOWN pressed with the space bar');

  // Every control named in Chromium's accessibility tree.
  const tree = await page.accessibility.snapshot({interestingOnly: true});
  const nodes = [];
  (function walk(n) {
    if (!n) return;
    nodes.push(n);
    for (const c of n.children || []) walk(c);
  })(tree);
  const named = (role) => nodes.filter((n) => n.role === role);
  const buttons = named('button').map((n) => n.name);
  equal(buttons.filter((n) => ['Earth', 'Sun', 'UP', 'up', 'down', 'DOWN', 'Beam'].includes(n)).length, 7, 'the seven buttons by their captions');
  equal(named('menuitem').map((n) => n.name), ['Exit', 'Help', 'Keys', 'Copy link to this setup', 'Download for offline use'],
    'the menu commands and the page\'s own');
  const bars = named('scrollbar');
  equal(bars.map((n) => n.name), ['Radius, coarse: powers of two', 'Radius, fine: whole percents',
    'Mass, coarse: powers of two', 'Mass, fine: whole percents'], 'the four bars by what they scale');
  check(bars.every((n) => n.description), 'the bars are described');
  equal(bars.map((n) => n.value), [50, 0, 50, 50], 'the bars tell their values');
  const values = named('textbox');
  const texts = await shown(page);
  equal(values.length, 17, 'seventeen value fields, none of them a live region');
  check(values.every((n) => texts.some((t) => n.name.endsWith(`: ${t}`)) && !/^:/.test(n.name)), 'each value field is read as its quantity and value');
  const picture = [...named('img'), ...named('image')];
  equal(picture.map((n) => n.name), ['Scene'], 'the picture is an image named "Scene"');
  check(nodes.filter((n) => ['button', 'menuitem', 'scrollbar', 'textbox', 'img'].includes(n.role)).every((n) => n.name),
    'no control without a name');

  // Help: "HELP" for two ticks, then the help; F1 opens it again.
  await page.click('#helpAction');
  const splash = await page.evaluate(() => ({open: document.getElementById('helpSplash').open,
    title: document.getElementById('helpSplashTitle').textContent}));
  equal(splash, {open: true, title: 'HELP'}, 'the HELP window');
  await page.waitForFunction(() => !document.getElementById('helpSplash').open, {timeout: 2000});
  await page.waitForFunction(() => document.getElementById('helpText').srcdoc.includes('Contents'), {timeout: 5000});
  const help = await page.evaluate(() => ({open: document.getElementById('helpViewer').open,
    title: document.getElementById('helpViewerTitle').textContent}));
  equal(help, {open: true, title: 'Korvath simulation Help'}, 'then the help');
  const helpHeading = await (await page.$('#helpText')).contentFrame().then((f) => f.$eval('h1', (h) => h.textContent));
  check(/Korvath simulation/.test(helpHeading), `the help text is shown: "${helpHeading}"`);
  await page.click('#helpViewer [data-close]');
  await page.focus('#earthButton');
  await page.keyboard.press('F1');
  await page.waitForFunction(() => document.getElementById('helpViewer').open, {timeout: 2000});
  check(true, 'F1 opens the help once the Help command has run');
  await page.click('#helpViewer [data-close]');

  // Exit, and starting again.
  await page.keyboard.down('Alt');
  await page.keyboard.press('x');
  await page.keyboard.up('Alt');
  const ended = await page.evaluate(() => ({state: document.body.dataset.state,
    window: document.getElementById('mainWindow').hidden, text: document.getElementById('endedText').textContent,
    again: document.getElementById('startAgain').textContent}));
  equal(ended, {state: 'ended', window: true, text: 'The simulation has ended.', again: 'Start again'}, 'Alt+X ends the simulation');
  await page.click('#startAgain');
  await waitForText(page, 'massValue', '5.59736E+24');
  equal(await shown(page), native(['load', 'tick']).texts, 'started again: the Earth after the first tick');
  await page.close();

  // The language asked for: its texts and its decimal separator.
  const german = await openPage('?lang=de');
  await waitForText(german, 'massValue', '5,59736E+24');
  equal((await shown(german)).slice(0, 4), ['6378000', '5,59736E+24', '5,15040585101977', '0,00826186203267893'],
    '?lang=de: the values with a decimal comma');
  equal(await german.$eval('#earthButton', (b) => b.textContent), 'Erde', '?lang=de: German captions');
  equal(await german.$eval('#radiusCoarseBar', (b) => b.getAttribute('aria-label')), 'Radius, grob: Zweierpotenzen',
    '?lang=de: German names for the screen reader');
  await german.click('#helpAction');
  await german.waitForFunction(() => document.getElementById('helpSplash').open);
  equal(await german.$eval('#helpSplashTitle', (e) => e.textContent), 'HILFE', '?lang=de: the HELP window in German');
  await german.waitForFunction(() => document.getElementById('helpText').srcdoc.includes('Schwarzschild-Radius'));
  equal(await german.$eval('#helpText', (f) => f.srcdoc.includes('lang="de"')), true, '?lang=de: the help in German');
  await german.close();

  await test.finish();
} catch (error) {
  await test.finish(error);
}
equal(problems, [], 'no console error or warning, no failed request');
test.exit();
