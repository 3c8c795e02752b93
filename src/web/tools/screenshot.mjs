// SPDX-License-Identifier: GPL-3.0-or-later
// Takes docs/web.png: the page in headless Chromium after Beam, with the
// Earth made 2^29 times heavier, as the desktop's screenshot shows it.
//
//   node src/web/tools/screenshot.mjs PAGE_FOLDER OUTPUT.png [WIDTH HEIGHT SCALE]
//
// Needs the npm packages of tests/web (tests/web/install.sh).
import {rmSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [pageFolder, output, width = '1000', height = '600', scale = '1'] = process.argv.slice(2);
if (!pageFolder || !output) {
  console.error('usage: node screenshot.mjs PAGE_FOLDER OUTPUT.png [WIDTH HEIGHT SCALE]');
  process.exit(2);
}
const puppeteer = (await import(join(here, '../../../tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'))).default;
const {serve, addressOf} = await import(join(here, 'serve.mjs'));
const {launchChromium} = await import(join(here, 'chromium.mjs'));

const server = await serve(pageFolder);
const {browser, profile} = await launchChromium(puppeteer);
try {
  const page = await browser.newPage();
  await page.setViewport({width: Number(width), height: Number(height), deviceScaleFactor: Number(scale)});
  await page.goto(addressOf(server));
  await page.waitForFunction(() => document.querySelector('#radiusValue .text')?.textContent === '6378000');
  await page.focus('#massCoarseBar');
  for (let i = 0; i < 29; ++i) await page.keyboard.press('ArrowRight');
  await page.click('#beamButton');
  await page.screenshot({path: output});
  console.log(`${output}: ${width} x ${height} at ${scale}x`);
} finally {
  await browser.close();
  server.close();
  rmSync(profile, {recursive: true, force: true});
}
