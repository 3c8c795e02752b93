// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium for the page's test, benchmark and screenshot: Debian's
// chromium with a fresh profile, and without the background connections that
// a machine without a network refuses.
import {mkdtempSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

// Returns the browser and its profile folder (for the caller to remove).
export async function launchChromium(puppeteer, executablePath = process.env.KORVATH_CHROMIUM || '/usr/bin/chromium') {
  const profile = mkdtempSync(join(tmpdir(), 'korvath-chromium-'));
  const browser = await puppeteer.launch({
    executablePath,
    headless: false,  // the --headless below
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`],
  });
  return {browser, profile};
}
