// SPDX-License-Identifier: GPL-3.0-or-later
// The web page on screens from a phone to a 4K projector, in the engines
// whose drivers emulate a screen: Chromium, and Firefox without touch (its
// driver emulates no touch screen; WebKit's window has the one size of its
// display, where browser_test.mjs runs): nothing wider than the viewport, every control on the page
// within reach, no text under 12 px, targets a finger can hit where the
// pointer is coarse, a crisp picture of the right size, and the values of a
// few taps or clicks as the native build computes them.
//
//   node layout_test.mjs PAGE_FOLDER NATIVE_DRIVER [chromium|firefox]
//
// Exits 77 (skipped) when the page was not built; a missing engine fails
// (harness.mjs).
import {readFileSync} from 'node:fs';
import {join} from 'node:path';
import {shownValues, startPageTest} from './harness.mjs';

const test = await startPageTest();
const {browser, check, pageFolder, engine} = test;

const phone = {deviceScaleFactor: 3, hasTouch: true, isMobile: true};
const SCREENS = [
  {name: 'phone portrait', width: 360, height: 640, ...phone},
  {name: 'tall phone portrait', width: 390, height: 844, ...phone},
  {name: 'phone landscape', width: 640, height: 360, ...phone},
  {name: 'tablet portrait', width: 768, height: 1024, deviceScaleFactor: 2, hasTouch: true, isMobile: true},
  {name: 'laptop', width: 1366, height: 768, deviceScaleFactor: 1},
  {name: 'projector', width: 1920, height: 1080, deviceScaleFactor: 1},
  {name: '4K screen', width: 3840, height: 2160, deviceScaleFactor: 1},
];
// The layout's controls, the menu's two commands and two menus (Picture,
// View), and the page's three commands (Keys, Copy link to this setup,
// Download for offline use).
const controlCount = JSON.parse(readFileSync(join(pageFolder, 'layout.json'), 'utf8')).controls.length + 7;
const WINDOW_ASPECT = 950 / 555;  // the window with its menu, at scale 1
const PICTURE_ASPECT = (8415 - 60) / (6255 - 60);  // the drawing area inside the picture's frame

const list = (items) => (items.length ? items.join(', ') : 'none');

// Everything the test measures, from the rendered page.
function measure() {
  const box = (e) => {
    const r = e.getBoundingClientRect();
    return {left: r.left, right: r.right, top: r.top + scrollY, bottom: r.bottom + scrollY, width: r.width, height: r.height};
  };
  const win = document.getElementById('mainWindow');
  const shown = (e) => e.getClientRects().length > 0;
  const controls = [...document.querySelectorAll('#mainWindow .control, #menuBar [role=menuitem]')].filter(shown);
  const texts = [...win.querySelectorAll('*')].filter((e) => shown(e) &&
    [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim()));
  const targets = [...document.querySelectorAll('#menuBar [role=menuitem], button.control, .bar .arrow, .bar .thumb')];
  const canvas = document.getElementById('scenePictureCanvas');
  return {
    layout: document.documentElement.dataset.layout,
    coarse: matchMedia('(pointer: coarse)').matches,
    viewport: {width: document.documentElement.clientWidth, height: innerHeight},
    scrollWidth: document.documentElement.scrollWidth,
    scrollHeight: document.documentElement.scrollHeight,
    window: box(win),
    controls: controls.map((e) => ({id: e.id || e.textContent, ...box(e)})),
    cut: [...document.querySelectorAll('.caption, button.control, .value')].filter((e) => e.scrollWidth > e.clientWidth + 1).map((e) => e.id),
    smallestText: Math.min(...texts.map((e) => parseFloat(getComputedStyle(e).fontSize))),
    smallText: texts.filter((e) => parseFloat(getComputedStyle(e).fontSize) < 12).map((e) => e.id || e.className || e.textContent),
    smallTargets: targets.map((e) => ({id: `${e.closest('[id]').id} ${e.className}`, ...box(e)}))
      .filter((t) => Math.min(t.width, t.height) < 43.5).map((t) => `${t.id} ${t.width.toFixed(1)}x${t.height.toFixed(1)}`),
    smallestTarget: Math.min(...targets.map((e) => Math.min(e.offsetWidth, e.offsetHeight))),
    picture: {...box(canvas), pixels: [canvas.width, canvas.height],
      devicePixels: [canvas.clientWidth * devicePixelRatio, canvas.clientHeight * devicePixelRatio]},
  };
}

// The ray's thickness in device pixels where it runs level towards its start:
// the white pixels in a column near the picture's right edge.
const rayThickness = (page) => page.evaluate(() => {
  const canvas = document.getElementById('scenePictureCanvas');
  const x = Math.floor(canvas.width * 0.9);
  const column = canvas.getContext('2d').getImageData(x, 0, 1, canvas.height).data;
  let white = 0;
  for (let i = 0; i < column.length; i += 4) white += column[i] === 255 && column[i + 1] === 255 && column[i + 2] === 255;
  return white;
});

const problems = [];
try {
  for (const screen of SCREENS) {
    const {name, width, height} = screen;
    const page = await browser.newPage();
    page.on('pageerror', (e) => problems.push(`${name}: page error: ${e.message}`));
    page.on('console', (m) => {
      if (m.type() === 'error' || m.type() === 'warn') problems.push(`${name}: console ${m.type()}: ${m.text()}`);
    });
    await page.setViewport(engine.can.touchScreen ? screen : {width, height, deviceScaleFactor: screen.deviceScaleFactor});
    await page.goto(test.address);
    await page.waitForFunction(() => document.querySelector('#radiusValue .text')?.textContent === '6378000', {timeout: 10000});
    const m = await page.evaluate(measure);
    const label = `${name} ${width} x ${height}${m.coarse ? ', touch' : ''}: ${m.layout} window`;
    const {viewport} = m;

    check(m.scrollWidth <= viewport.width, `${label}: nothing wider than the viewport (${m.scrollWidth} of ${viewport.width} px)`);
    const outside = m.controls.filter((c) => c.left < -0.5 || c.right > viewport.width + 0.5 || c.top < -0.5 || c.bottom > m.scrollHeight + 0.5);
    check(m.controls.length === controlCount && !outside.length,
      `${label}: all ${m.controls.length} controls within the page's width and height (outside: ${list(outside.map((c) => c.id))})`);
    check(!m.cut.length, `${label}: no caption, button or value cut off (${list(m.cut)})`);
    check(m.smallestText >= 12, `${label}: no text under 12 px (smallest ${m.smallestText.toFixed(1)} px; ${list(m.smallText.slice(0, 5))})`);
    if (m.coarse)
      check(!m.smallTargets.length, `${label}: every target at least 44 x 44 px (smallest side ${m.smallestTarget} px; ${list(m.smallTargets.slice(0, 5))})`);

    const p = m.picture;
    check(Math.abs(p.width / p.height - PICTURE_ASPECT) < 0.01, `${label}: the picture keeps its proportions (${p.width.toFixed(1)} x ${p.height.toFixed(1)} px)`);
    check(Math.abs(p.pixels[0] - p.devicePixels[0]) <= 1 && Math.abs(p.pixels[1] - p.devicePixels[1]) <= 1,
      `${label}: the picture has a pixel for every device pixel (${p.pixels} for ${p.devicePixels.map((v) => v.toFixed(1))})`);
    if (m.layout === 'scaled') {
      const w = m.window;
      check(w.left >= -0.5 && w.top >= -0.5 && w.right <= viewport.width + 0.5 && w.bottom <= viewport.height + 0.5 &&
        (Math.abs(w.width - viewport.width) <= 1 || Math.abs(w.height - viewport.height) <= 1) &&
        Math.abs(w.width / w.height - WINDOW_ASPECT) < 0.01,
      `${label}: the window fills the viewport on one side with its proportions (${w.width.toFixed(1)} x ${w.height.toFixed(1)} px)`);
    } else {
      check(p.height <= viewport.height, `${label}: the whole picture fits on the screen (${p.height.toFixed(1)} px high)`);
      if (width < 600) check(p.width >= 0.95 * viewport.width, `${label}: the picture is as wide as the screen (${p.width.toFixed(1)} px)`);
    }

    // A few actions where a person reaches the controls: by touch on a
    // touch screen, by mouse elsewhere. The values as the native build has them.
    const press = async (selector, where = 0.5) => {
      await page.$eval(selector, (e) => e.scrollIntoView({block: 'center'}));
      const b = await (await page.$(selector)).boundingBox();
      const x = b.x + b.width * where, y = b.y + b.height / 2;
      const hit = await page.evaluate((s, x, y) => document.querySelector(s).contains(document.elementFromPoint(x, y)), selector, x, y);
      if (!hit) throw new Error(`${label}: ${selector} is covered at its centre`);
      if (m.coarse) await page.touchscreen.tap(x, y);
      else await page.mouse.click(x, y);
    };
    // The HELP window, then the help, on the screen.
    const inView = (id) => page.$eval(id, (e) => {
      const r = e.getBoundingClientRect();
      return e.open && r.left >= 0 && r.top >= 0 && r.right <= document.documentElement.clientWidth && r.bottom <= innerHeight;
    });
    // The HELP window shows for two ticks only: where it lies is taken as it
    // opens, however slowly this test runs.
    await page.$eval('#helpSplash', (e) => {
      window.splashInView = null;
      new MutationObserver(() => {
        if (!e.open || window.splashInView !== null) return;
        const r = e.getBoundingClientRect();
        window.splashInView = r.left >= 0 && r.top >= 0 && r.right <= document.documentElement.clientWidth && r.bottom <= innerHeight;
      }).observe(e, {attributes: true, attributeFilter: ['open']});
    });
    await press('#helpAction');
    const splash = await page.waitForFunction(() => window.splashInView !== null, {timeout: 5000}).then(() => page.evaluate(() => window.splashInView));
    await page.waitForFunction(() => document.getElementById('helpViewer').open, {timeout: 5000});
    check(splash && await inView('#helpViewer'), `${label}: the HELP window and the help lie on the screen`);
    await press('#helpViewer [data-close]');

    // A swipe that starts on a bar's track scrolls the page and leaves the bar.
    if (m.coarse && m.layout === 'flow') {
      await page.$eval('#massFineBar', (e) => e.scrollIntoView({block: 'center'}));
      const track = await (await page.$('#massFineBar .track')).boundingBox();
      const [x, y] = [track.x + 5, track.y + track.height / 2];
      const before = await page.evaluate(() => scrollY);
      await page.touchscreen.touchStart(x, y);
      for (let i = 1; i <= 10; ++i) await page.touchscreen.touchMove(x, y - 15 * i);
      await page.touchscreen.touchEnd();
      // Until the page stops scrolling.
      await page.evaluate(async () => {
        for (let last = -1; last !== scrollY;) {
          last = scrollY;
          await new Promise((done) => setTimeout(done, 150));
        }
      });
      const after = await page.evaluate(() => [scrollY, document.getElementById('massFineBar').getAttribute('aria-valuenow')]);
      check(after[0] > before && after[1] === '50', `${label}: a swipe from a bar's track scrolls the page (by ${after[0] - before} px) and leaves the bar at ${after[1]}`);
    }
    await press('#sunButton');
    await page.waitForFunction(() => document.querySelector('#radiusValue .text').textContent === '696000000', {timeout: 5000});
    await press('#massCoarseBar .arrow.up');
    await press('#massFineBar .track', 0.05);
    await press('#beamButton');
    await page.waitForFunction(() => !document.getElementById('scenePicture').hasAttribute('aria-busy'), {timeout: 5000});
    const actions = ['load', 'tick', 'sun', 'bar 1 51', 'bar 3 40', 'beam'];
    // Lines at least one CSS pixel wide, at the device's resolution.
    const thickness = await rayThickness(page);
    check(thickness >= screen.deviceScaleFactor, `${label}: the ray is ${thickness} device pixels wide, at least a CSS pixel`);
    // A finger drags the fine radius bar's thumb to the right end.
    if (m.coarse) {
      await page.$eval('#radiusFineBar', (e) => e.scrollIntoView({block: 'center'}));
      const thumb = await (await page.$('#radiusFineBar .thumb')).boundingBox();
      const track = await (await page.$('#radiusFineBar .track')).boundingBox();
      const y = thumb.y + thumb.height / 2;
      await page.touchscreen.touchStart(thumb.x + thumb.width / 2, y);
      await page.touchscreen.touchMove(track.x + track.width - 1, y);
      await page.touchscreen.touchEnd();
      actions.push('bar 2 100');
    }
    const values = await shownValues(page);
    const native = test.native(actions);
    check(JSON.stringify(values) === JSON.stringify(native.texts),
      `${label}: ${actions.slice(2).join(', ')}: every value as the native build shows it` +
      (JSON.stringify(values) === JSON.stringify(native.texts) ? '' : ` (${values} against ${native.texts})`));

    await page.close();
  }
  await test.finish();
} catch (error) {
  await test.finish(error);
}
check(!problems.length, `no console error or warning (${list(problems)})`);
test.exit();
