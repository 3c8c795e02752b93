// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and size of the web page in headless Chromium.
//
//   node bench/web/bench.mjs PAGE_FOLDER [--loads N] [--runs N]
//
// - load: from navigation to the first values, median of N fresh loads, with
//   the moment the page started its 100 ms start timer (all set up);
// - size: every file the page fetched, help text aside, raw and gzipped;
// - the longest recomputation (the Earth, radius bars 100/100, mass bars
//   0/0: 9042 search steps) and one press of Beam with the Earth, each timed
//   in the page around the key or click event, value fields and canvas
//   included, median of N runs.
import {existsSync, readFileSync, rmSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '../..');
const args = process.argv.slice(2);
const option = (name, fallback) => (args.includes(name) ? Number(args[args.indexOf(name) + 1]) : fallback);
const pageFolder = args.find((a, i) => !a.startsWith('--') && !(args[i - 1] || '').startsWith('--'));
const loads = option('--loads', 10);
const runs = option('--runs', 21);
if (!pageFolder || !existsSync(join(pageFolder, 'korvath.wasm'))) {
  console.error('usage: node bench/web/bench.mjs PAGE_FOLDER (a built page: scripts/web --build)');
  process.exit(2);
}
const puppeteer = (await import(join(root, 'tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'))).default;
const {serve, addressOf} = await import(join(root, 'src/web/tools/serve.mjs'));
const {launchChromium} = await import(join(root, 'src/web/tools/chromium.mjs'));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const server = await serve(pageFolder);
const {browser, profile} = await launchChromium(puppeteer);

try {
  // Load to first values.
  const firstValues = [], timerStarted = [];
  let files = [];
  for (let i = 0; i < loads; ++i) {
    const page = await browser.newPage();
    await page.setViewport({width: 1000, height: 600});
    await page.goto(addressOf(server));
    await page.waitForFunction(() => performance.getEntriesByName('korvath-first-values').length > 0, {timeout: 10000});
    const t = await page.evaluate(() => ({
      values: performance.getEntriesByName('korvath-first-values')[0].startTime,
      timer: performance.getEntriesByName('korvath-timer-started')[0].startTime,
      files: [location.pathname, ...performance.getEntriesByType('resource').map((r) => new URL(r.name).pathname)],
    }));
    firstValues.push(t.values);
    timerStarted.push(t.timer);
    files = t.files;
    await page.close();
  }

  // Size.
  const fetched = [...new Set(files.map((f) => (f.endsWith('/') ? `${f}index.html` : f)))].filter((f) => !f.endsWith('.hlp'));
  let raw = 0, gzipped = 0;
  const sizes = fetched.map((f) => {
    const body = readFileSync(join(pageFolder, f));
    const z = gzipSync(body, {level: 9}).length;
    raw += body.length;
    gzipped += z;
    return `${f.slice(1)} ${body.length} B (${z} B gzipped)`;
  });

  // Recomputation and Beam, timed inside the page.
  const page = await browser.newPage();
  await page.setViewport({width: 1000, height: 600});
  await page.goto(addressOf(server));
  await page.waitForFunction(() => performance.getEntriesByName('korvath-first-values').length > 0);
  const timings = await page.evaluate((runs) => {
    const key = (id, k) => {
      const t0 = performance.now();
      document.getElementById(id).dispatchEvent(new KeyboardEvent('keydown', {key: k, bubbles: true}));
      return performance.now() - t0;
    };
    const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
    key('radiusCoarseBar', 'End');
    key('radiusFineBar', 'End');
    key('massCoarseBar', 'Home');
    key('massFineBar', 'Home');
    const longest = [];
    for (let i = 0; i < runs; ++i) {
      key('massFineBar', 'ArrowRight');
      longest.push(key('massFineBar', 'ArrowLeft'));
    }
    const shown = document.querySelector('#schwarzschildRadiusValue .text').textContent;
    document.getElementById('earthButton').click();
    const beam = [];
    for (let i = 0; i < runs; ++i) {
      const t0 = performance.now();
      document.getElementById('beamButton').click();
      beam.push(performance.now() - t0);
    }
    return {longest: median(longest), beam: median(beam), shown};
  }, runs);
  await page.close();

  const tick = 100;
  console.log(`Load to first values (median of ${loads} loads): ${median(firstValues).toFixed(1)} ms after navigation; ` +
    `the start timer was set at ${median(timerStarted).toFixed(1)} ms, so the first tick was due at ` +
    `${(median(timerStarted) + tick).toFixed(1)} ms and the values came ${(median(firstValues) - median(timerStarted) - tick).toFixed(1)} ms after it; ` +
    `${(median(firstValues) - tick).toFixed(1)} ms beyond 100 ms after navigation`);
  console.log(`Transferred (help text aside): ${raw} B, ${gzipped} B gzipped, in ${fetched.length} files:\n  ${sizes.join('\n  ')}`);
  console.log(`Longest recomputation (Earth, radius bars 100/100, mass bars 0/0, Schwarzschild radius ${timings.shown}): ` +
    `${timings.longest.toFixed(3)} ms (median of ${runs})`);
  console.log(`One press of Beam with the Earth: ${timings.beam.toFixed(3)} ms (median of ${runs})`);
} finally {
  await browser.close();
  server.close();
  rmSync(profile, {recursive: true, force: true});
}
