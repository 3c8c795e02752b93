// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's checks share: serving the page, starting a browser engine
// (src/web/tools/engines.mjs), and what the native build shows for the same actions.
import {spawnSync} from 'node:child_process';
import {cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {basename, join} from 'node:path';
import {addressOf, serve} from '../../src/web/tools/serve.mjs';
import {CONSOLE_RECORDER, launchEngine} from '../../src/web/tools/engines.mjs';

// Reads PAGE_FOLDER, NATIVE_DRIVER and ENGINE (chromium when none) from the
// command line, serves the page and starts the engine. Exits 77 (skipped)
// when the page was not built; a missing engine or driver is a failure.
// finish() closes everything and exit() exits 1 if any check failed.
export async function startPageTest() {
  const [pageFolder, driver, engineName = 'chromium'] = process.argv.slice(2);
  if (!pageFolder || !driver) {
    console.error(`usage: node ${basename(process.argv[1])} PAGE_FOLDER NATIVE_DRIVER [chromium|firefox|webkit]`);
    process.exit(2);
  }
  if (!existsSync(join(pageFolder, 'korvath.wasm'))) {
    console.log(`SKIPPED: ${pageFolder} has no built page (em++ from the Debian package emscripten is needed)`);
    process.exit(77);
  }
  const temporary = [];
  const servers = [];
  const failedRequests = [];
  let engine;
  try {
    engine = await launchEngine(engineName);
  } catch (error) {
    console.log(`FAILED - ${engineName}: ${error.message}`);
    process.exit(1);
  }
  // A copy of the page's files, changed by `change(folder)`; where the
  // engine's console cannot be read, its pages record their own.
  const copyOfPage = (change) => {
    const folder = mkdtempSync(join(tmpdir(), 'korvath-page-'));
    temporary.push(folder);
    cpSync(pageFolder, folder, {recursive: true});
    if (!engine.can.console) {
      for (const file of ['index.html', 'korvath-offline.html']) {
        const path = join(folder, file);
        writeFileSync(path, readFileSync(path, 'utf8').replace('<head>', `<head>\n${CONSOLE_RECORDER}`));
      }
    }
    if (change) change(folder);
    return folder;
  };
  // Serves a folder on a port of its own; the page's own server records
  // every request that failed.
  const serveFolder = async (folder, record) => {
    const server = await serve(folder);
    servers.push(server);
    if (record) {
      server.on('request', (request, response) => response.on('finish', () => {
        if (response.statusCode >= 400) failedRequests.push(`HTTP ${response.statusCode}: ${request.url}`);
      }));
    }
    return addressOf(server);
  };
  const served = copyOfPage();
  const test = {
    pageFolder, servedFolder: served, driver, engine, browser: engine.browser, failures: 0, failedRequests,
    address: await serveFolder(served, true),
    copyOfPage,
    // The page changed by `change(folder)`, served at an address of its own.
    serveChanged: async (change) => serveFolder(copyOfPage(change), false),
    check(ok, what) {
      console.log(`${ok ? 'ok' : 'FAILED'} - ${engine.name}: ${what}`);
      if (!ok) ++test.failures;
    },
    native: (actions) => nativeTrace(driver, actions),
    async finish(error) {
      if (error) test.check(false, error.stack || error);
      await engine.close();
      for (const server of servers) {
        server.closeAllConnections();
        server.close();
      }
      for (const folder of temporary) rmSync(folder, {recursive: true, force: true});
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
