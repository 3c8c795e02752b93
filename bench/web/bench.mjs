// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and size of the web page, in each browser engine.
//
//   node bench/web/bench.mjs PAGE_FOLDER [--loads N] [--runs N] [--engines chromium,firefox,webkit]
//
// - load: from navigation to the first values, the page against a bare page
//   served the same way (one HTML file and one module script that writes
//   the same texts after the same 100 ms tick), loaded alternately in one
//   browser, N fresh loads each: both medians and their ratio, in each
//   engine, and in Chromium also with the processor slowed down four times
//   (DevTools' CPU throttling, a phone);
// - size: every file the page fetched, help text aside, raw and gzipped;
// - in Chromium, the longest recomputation (the Earth, radius bars 100/100,
//   mass bars 0/0: 9042 search steps) and one press of Beam with the Earth
//   (the ray drawn at once), each timed in the page around the key or click
//   event, value fields and canvas included, median of N runs;
// - in Chromium, one animation frame of a travelling ray: the processor time
//   of the page's frame callback (the module drawing the ray's new segments
//   and the canvas taking its new pixels), over the whole of N / 7 rays of
//   the Earth (two seconds each), mean and worst, also with the processor
//   slowed down four times.
import {cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';
import {launchEngine} from '../../src/web/tools/engines.mjs';
import {shownValues} from '../../tests/web/harness.mjs';
import {addressOf, serve} from '../../src/web/tools/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const option = (name, fallback) => (args.includes(name) ? args[args.indexOf(name) + 1] : fallback);
const pageFolder = args.find((a, i) => !a.startsWith('--') && !(args[i - 1] || '').startsWith('--'));
const loads = Number(option('--loads', 15));
const runs = Number(option('--runs', 21));
const engines = option('--engines', 'chromium,firefox,webkit').split(',');
if (!pageFolder || !existsSync(join(pageFolder, 'korvath.wasm'))) {
  console.error('usage: node bench/web/bench.mjs PAGE_FOLDER (a built page: scripts/web --build)');
  process.exit(2);
}
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The page's files with the bare page beside them, served alike.
const folder = mkdtempSync(join(tmpdir(), 'korvath-bench-'));
cpSync(pageFolder, folder, {recursive: true});
cpSync(join(here, 'bare.html'), join(folder, 'bare.html'));
const server = await serve(folder);
const address = addressOf(server);

// From navigation to the mark the page (or the bare page) sets when it
// shows the first values.
async function firstValues(engine, url, screen) {
  const page = await engine.open(url, screen);
  await page.waitFor(() => performance.getEntriesByName('korvath-first-values').length > 0);
  const t = await page.evaluate(() => ({
    values: performance.getEntriesByName('korvath-first-values')[0].startTime,
    files: [location.pathname, ...performance.getEntriesByType('resource').map((r) => new URL(r.name).pathname)],
  }));
  await page.close();
  return t;
}

const lines = [];
let files = [];
try {
  for (const name of engines) {
    const engine = await launchEngine(name);
    try {
      // The bare page writes the texts the page shows first.
      const first = await engine.open(address);
      await first.waitFor(() => document.querySelector('#radiusValue .text')?.textContent);
      writeFileSync(join(folder, 'bare.mjs'), `${readFileSync(join(here, 'bare.mjs'), 'utf8')}\nshow(${JSON.stringify(await shownValues(first))});\n`);
      await first.close();
      const settings = [[name, {}]];
      if (engine.can.cpuSlowdown) settings.push([`${name}, processor 4 times slower`, {cpuSlowdown: 4}]);
      for (const [label, screen] of settings) {
        const page = [], bare = [];
        for (let i = 0; i < loads; ++i) {
          const t = await firstValues(engine, address, screen);
          page.push(t.values);
          files = t.files;
          bare.push((await firstValues(engine, `${address}bare.html`, screen)).values);
        }
        lines.push(`| ${label} | ${median(page).toFixed(0)} ms | ${median(bare).toFixed(0)} ms | ${(median(page) / median(bare)).toFixed(2)} |`);
        console.log(lines[lines.length - 1]);
      }
      if (name === 'chromium') {
        // (Animate the ray is on at first; the in-page timings turn it off.)
        lines.push(await frameTimings(engine, {}, ''));
        lines.push(await frameTimings(engine, {cpuSlowdown: 4}, ', processor 4 times slower'));
        lines.push(...await inPageTimings(engine));
      }
    } finally {
      await engine.close();
    }
  }
  console.log(`\nFirst values after navigation, median of ${loads} fresh loads each, alternately:\n`);
  console.log('| engine | page | bare page | ratio |\n|---|---|---|---|');
  console.log(lines.filter((l) => l.startsWith('|')).join('\n'));

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
  console.log(`\nTransferred (help text aside): ${raw} B, ${gzipped} B gzipped, in ${fetched.length} files:\n  ${sizes.join('\n  ')}`);
  const single = gzipSync(readFileSync(join(pageFolder, 'korvath-offline.html')), {level: 9}).length;
  console.log(`The single file: ${single} B gzipped`);
  console.log(lines.filter((l) => !l.startsWith('|')).join('\n'));
} finally {
  server.close();
  rmSync(folder, {recursive: true, force: true});
}

// The frames of travelling rays: each animation frame callback timed inside
// the page, from Beam to the ray's end (the page's menu with Animate the ray
// on, as at first).
async function frameTimings(engine, screen, label) {
  const page = await engine.open(address, screen);
  await page.waitFor(() => performance.getEntriesByName('korvath-first-values').length > 0);
  const rays = Math.max(1, Math.round(runs / 7));
  await page.evaluate(() => {
    const frames = window.korvathFrames = [];
    const request = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = (callback) => request((now) => {
      const t0 = performance.now();
      callback(now);
      frames.push(performance.now() - t0);
    });
  });
  const frames = [];
  for (let i = 0; i < rays; ++i) {
    await page.evaluate(() => {
      window.korvathFrames.length = 0;
      document.getElementById('beamButton').click();
    });
    await page.waitFor(() => !document.getElementById('scenePicture').hasAttribute('aria-busy'));
    frames.push(...await page.evaluate(() => window.korvathFrames));
  }
  await page.close();
  const mean = frames.reduce((a, b) => a + b, 0) / frames.length;
  return `One frame of a travelling ray (the Earth, beam start 1500${label}): mean ${mean.toFixed(3)} ms, ` +
    `worst ${Math.max(...frames).toFixed(3)} ms, median ${median(frames).toFixed(3)} ms (${frames.length} frames of ${rays} rays)`;
}

// The longest recomputation and Beam, timed inside the page.
async function inPageTimings(engine) {
  const page = await engine.open(address);
  await page.waitFor(() => performance.getEntriesByName('korvath-first-values').length > 0);
  // The ray drawn at once (View, Animate the ray off).
  await page.click('#viewMenu');
  await page.click('#animateRayAction');
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
  return [`Longest recomputation (Earth, radius bars 100/100, mass bars 0/0, Schwarzschild radius ${timings.shown}): ` +
    `${timings.longest.toFixed(3)} ms (median of ${runs})`,
  `One press of Beam with the Earth: ${timings.beam.toFixed(3)} ms (median of ${runs})`];
}
