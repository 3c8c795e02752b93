// SPDX-License-Identifier: GPL-3.0-or-later
// Takes docs/web.png, web-phone.png and web-projector.png: the page in
// headless Chromium after Beam, with the Earth made 2^29 times heavier, as
// the desktop's screenshot shows it. "touch" emulates a touch screen (a
// phone or tablet); "full" takes the whole page, scrolled parts too.
//
//   node src/web/tools/screenshot.mjs PAGE_FOLDER OUTPUT.png [WIDTH HEIGHT SCALE [touch] [full]]
//
// Needs the npm packages of tests/web (tests/web/install.sh).
import {rmSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [pageFolder, output, width = '1000', height = '600', scale = '1', ...flags] = process.argv.slice(2);
const touch = flags.includes('touch');
if (!pageFolder || !output) {
  console.error('usage: node screenshot.mjs PAGE_FOLDER OUTPUT.png [WIDTH HEIGHT SCALE [touch] [full]]');
  process.exit(2);
}
const puppeteer = (await import(join(here, '../../../tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'))).default;
const {serve, addressOf} = await import(join(here, 'serve.mjs'));
const {launchChromium} = await import(join(here, 'chromium.mjs'));

const server = await serve(pageFolder);
const {browser, profile} = await launchChromium(puppeteer);
try {
  const page = await browser.newPage();
  await page.setViewport({width: Number(width), height: Number(height), deviceScaleFactor: Number(scale),
    hasTouch: touch, isMobile: touch});
  await page.goto(addressOf(server));
  await page.waitForFunction(() => document.querySelector('#radiusValue .text')?.textContent === '6378000');
  await page.focus('#massCoarseBar');
  for (let i = 0; i < 29; ++i) await page.keyboard.press('ArrowRight');
  await page.click('#beamButton');
  await page.evaluate(() => {
    document.activeElement.blur();
    scrollTo(0, 0);
  });
  await page.screenshot({path: output, fullPage: flags.includes('full')});
  console.log(`${output}: ${width} x ${height} at ${scale}x${touch ? ', touch' : ''}`);
} finally {
  await browser.close();
  server.close();
  rmSync(profile, {recursive: true, force: true});
}
