// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's checks in headless Chromium share: starting the page's
// server and the browser, and what the native build shows for the same
// actions.
import {spawnSync} from 'node:child_process';
import {existsSync, rmSync} from 'node:fs';
import {basename, dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));

// Reads PAGE_FOLDER and NATIVE_DRIVER from the command line, serves the page
// and starts Chromium. Exits 77 (skipped) when the page, Chromium or
// puppeteer-core is missing. finish() closes everything and exits 1 if any
// check failed.
export async function startPageTest() {
  const [pageFolder, driver] = process.argv.slice(2);
  const chromium = process.env.KORVATH_CHROMIUM || '/usr/bin/chromium';
  const skip = (why) => {
    console.log(`SKIPPED: ${why}`);
    process.exit(77);
  };
  if (!pageFolder || !driver) {
    console.error(`usage: node ${basename(process.argv[1])} PAGE_FOLDER NATIVE_DRIVER`);
    process.exit(2);
  }
  if (!existsSync(join(pageFolder, 'korvath.wasm'))) skip(`${pageFolder} has no built page (em++ from the Debian package emscripten is needed)`);
  if (!existsSync(chromium)) skip(`${chromium} is missing (Debian package chromium; tests/web/install.sh installs it)`);
  let puppeteer;
  try {
    puppeteer = (await import(join(here, 'node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'))).default;
  } catch {
    skip('puppeteer-core is not installed (tests/web/install.sh runs npm ci in tests/web)');
  }
  const {serve, addressOf} = await import(join(here, '../../src/web/tools/serve.mjs'));
  const {launchChromium} = await import(join(here, '../../src/web/tools/chromium.mjs'));
  const server = await serve(pageFolder);
  const {browser, profile} = await launchChromium(puppeteer, chromium);
  const test = {
    pageFolder, driver, browser, address: addressOf(server), failures: 0,
    check(ok, what) {
      console.log(`${ok ? 'ok' : 'FAILED'} - ${what}`);
      if (!ok) ++test.failures;
    },
    native: (actions) => nativeTrace(driver, actions),
    async finish(error) {
      if (error) test.check(false, error.stack || error);
      await browser.close();
      server.close();
      rmSync(profile, {recursive: true, force: true});
    },
    exit() {
      console.log(test.failures ? `${test.failures} checks failed` : 'all checks passed');
      process.exit(test.failures ? 1 : 0);
    },
  };
  return test;
}

// The value fields in the order of the driver's texts.
export const VALUE_FIELDS = ['radiusValue', 'massValue', 'densityValue', 'schwarzschildRadiusValue',
  'curvatureAt1RadiusValue', 'radiusOfCurvatureAt1RadiusValue', 'curvatureAt1_5RadiiValue',
  'radiusOfCurvatureAt1_5RadiiValue', 'curvatureAt2RadiiValue', 'radiusOfCurvatureAt2RadiiValue',
  'curvatureAt2_5RadiiValue', 'radiusOfCurvatureAt2_5RadiiValue', 'radiusCoarseValue',
  'radiusFineValue', 'massCoarseValue', 'massFineValue', 'beamStartValue'];

// What the native build shows after a list of actions (the trace driver's
// input: load, tick, earth, sun, bar N V, move N, beam): the value texts
// after the last one, and the drawing calls of each.
export function nativeTrace(driver, actions) {
  const run = spawnSync(driver, [], {input: actions.join('\n') + '\n', encoding: 'utf8', maxBuffer: 1 << 28});
  if (run.status !== 0) throw new Error(`${driver}: ${run.stderr}`);
  const steps = run.stdout.split('> ').slice(1).map((block) => {
    const lines = block.trimEnd().split('\n');
    const state = lines[1].slice(2).split(' ; ');
    return {texts: state[0].split('|'), drawing: lines.slice(2).filter((l) => !l.startsWith('!'))};
  });
  return steps[steps.length - 1] && {...steps[steps.length - 1], steps};
}

// The values a page shows, in the same order.
export const shownValues = (page) =>
  page.evaluate((names) => names.map((n) => document.querySelector(`#${n} .text`).textContent), VALUE_FIELDS);
