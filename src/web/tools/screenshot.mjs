// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a picture of the page after Beam, with the Earth made 2^29 times
// heavier, as the desktop's screenshot shows it (docs/web.png,
// web-phone.png, web-projector.png), in any of the three engines. "touch"
// emulates a touch screen (a phone or tablet; Chromium); "full" takes the
// whole page, scrolled parts too (Chromium and Firefox).
//
//   node src/web/tools/screenshot.mjs PAGE_FOLDER OUTPUT.png [WIDTH HEIGHT SCALE [touch] [full]] [--engine firefox|webkit]
//
// Needs the npm packages of tests/web (tests/web/install.sh). WebKit's
// window has the size of its virtual display.
import {addressOf, serve} from './serve.mjs';
import {launchEngine} from './engines.mjs';

const args = process.argv.slice(2);
const engineAt = args.indexOf('--engine');
const engineName = engineAt >= 0 ? args.splice(engineAt, 2)[1] : 'chromium';
const [pageFolder, output, width = '1000', height = '600', scale = '1', ...flags] = args;
const touch = flags.includes('touch');
if (!pageFolder || !output) {
  console.error('usage: node screenshot.mjs PAGE_FOLDER OUTPUT.png [WIDTH HEIGHT SCALE [touch] [full]] [--engine firefox|webkit]');
  process.exit(2);
}

const server = await serve(pageFolder);
const engine = await launchEngine(engineName);
try {
  const page = await engine.open(addressOf(server), {width: Number(width), height: Number(height), deviceScaleFactor: Number(scale), touch});
  await page.waitFor(() => document.querySelector('#radiusValue .text')?.textContent === '6378000');
  for (let i = 0; i < 29; ++i) await page.press('#massCoarseBar', 'ArrowRight');
  await page.click('#beamButton');
  // The ray as it ends, not as it travels.
  await page.waitFor(() => !document.getElementById('scenePicture').hasAttribute('aria-busy'));
  await page.evaluate(() => {
    document.activeElement.blur();
    scrollTo(0, 0);
  });
  await page.screenshot(output, flags.includes('full'));
  console.log(`${output}: ${engineName}, ${width} x ${height} at ${scale}x${touch ? ', touch' : ''}`);
} finally {
  await engine.close();
  server.close();
}
