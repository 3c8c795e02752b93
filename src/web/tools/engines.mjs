// SPDX-License-Identifier: GPL-3.0-or-later
// The three browser engines a school has, behind one small interface, for
// the page's checks (tests/web), its benchmark (bench/web) and its
// screenshots (screenshot.mjs), each written once for all three:
//
// - chromium: Debian's chromium through puppeteer-core (DevTools protocol);
// - firefox:  Debian's firefox-esr through puppeteer-core (WebDriver BiDi);
// - webkit:   Debian's WebKitWebDriver with its MiniBrowser (WebKitGTK, the
//             engine of Safari), on a private Xvfb display, through
//             selenium-webdriver (W3C WebDriver).
//
// launchEngine(name) gives {name, can, open(url, screen), close()}; a page
// gives evaluate, waitFor, click, tap, press, key, drag, box, screenshot and
// close, and
// collects its console errors and warnings in `problems`. `can` says what a
// driver cannot do, for the checks to say so and check another way:
// - screen: emulate a screen's size and pixel ratio (WebKit's window has
//   the size of its Xvfb screen, at ratio 1);
// - touchScreen: emulate a touch screen, a coarse pointer (Chromium only);
// - console: read the console (WebKit's driver reads none, and its
//   MiniBrowser prints none in automation mode);
// - offline: take the network away;
// - cpuSlowdown: slow the processor down (DevTools' CPU throttling).
import {spawn} from 'node:child_process';
import {existsSync, mkdtempSync, readdirSync, rmSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:net';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

// The npm packages that drive the browsers are the checks' (tests/web/install.sh).
const modules = join(dirname(fileURLToPath(import.meta.url)), '../../../tests/web/node_modules');
export const ENGINES = ['chromium', 'firefox', 'webkit'];
const INSTALL = 'tests/web/install.sh installs it';

// What each engine needs on the machine, and its package.
const executable = {
  chromium: () => process.env.KORVATH_CHROMIUM || '/usr/bin/chromium',
  firefox: () => process.env.KORVATH_FIREFOX || '/usr/bin/firefox-esr',
  webkit: () => process.env.KORVATH_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver',
};
const packageOf = {chromium: 'chromium', firefox: 'firefox-esr', webkit: 'webkit2gtk-driver'};

// Throws, saying what is missing, when an engine cannot start: a missing
// engine fails the checks rather than skipping them.
export async function launchEngine(name) {
  if (!ENGINES.includes(name)) throw new Error(`unknown engine ${name}: one of ${ENGINES.join(', ')}`);
  const path = executable[name]();
  if (!existsSync(path)) throw new Error(`${path} is missing (Debian package ${packageOf[name]}; ${INSTALL})`);
  return name === 'webkit' ? launchWebKit(path) : launchPuppeteer(name, path);
}

// ---------------------------------------------------------------------------
// Chromium and Firefox through puppeteer-core

async function launchPuppeteer(name, executablePath) {
  let puppeteer;
  try {
    puppeteer = (await import(join(modules, 'puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'))).default;
  } catch {
    throw new Error(`puppeteer-core is not installed (${INSTALL} with npm ci)`);
  }
  const profile = mkdtempSync(join(tmpdir(), `korvath-${name}-`));
  const browser = name === 'chromium'
    // Headless, with a fresh profile, and without the background connections
    // that a machine without a network refuses.
    ? await puppeteer.launch({
      executablePath,
      headless: false,  // the --headless below
      args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
    })
    : await puppeteer.launch({
      browser: 'firefox', executablePath, headless: true, userDataDir: profile,
      // No update checks or telemetry on a machine without a network.
      extraPrefsFirefox: {'app.update.disabledForTesting': true, 'datareporting.policy.dataSubmissionEnabled': false,
        'toolkit.telemetry.reportingpolicy.firstRun': false},
    });
  const chromium = name === 'chromium';
  return {
    name, browser,
    can: {screen: true, touchScreen: chromium, console: true, offline: chromium, cpuSlowdown: chromium},
    async open(url, screen = {}) {
      const page = await browser.newPage();
      const problems = [];
      page.on('console', (m) => {
        if (['error', 'warn', 'warning'].includes(m.type())) problems.push(`console ${m.type()}: ${m.text()}`);
      });
      page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
      const {width = 1000, height = 600, deviceScaleFactor = 1, touch = false} = screen;
      await page.setViewport({width, height, deviceScaleFactor, ...(chromium ? {hasTouch: touch, isMobile: touch} : {})});
      if (screen.offline) await page.setOfflineMode(true);
      // The processor slowed down `cpuSlowdown` times, as on a phone.
      if (screen.cpuSlowdown) await (await page.createCDPSession()).send('Emulation.setCPUThrottlingRate', {rate: screen.cpuSlowdown});
      await page.goto(url, {waitUntil: 'load'});
      return puppeteerPage(page, problems);
    },
    async close() {
      await browser.close();
      rmSync(profile, {recursive: true, force: true});
    },
  };
}

function puppeteerPage(page, problems) {
  const centre = async (selector) => {
    const b = await box(selector);
    return [b.x + b.width / 2, b.y + b.height / 2];
  };
  const box = async (selector) => {
    const handle = await page.$(selector);
    if (!handle) throw new Error(`no element ${selector}`);
    return handle.boundingBox();
  };
  return {
    problems, raw: page,
    evaluate: (fn, ...args) => page.evaluate(fn, ...args),
    waitFor: (fn, ...args) => page.waitForFunction(fn, {timeout: 10000}, ...args),
    box,
    async click(selector, x, y) {
      if (x === undefined) await page.click(selector);
      else await page.mouse.click(x, y);
    },
    async tap(selector) {
      await page.touchscreen.tap(...await centre(selector));
    },
    async press(selector, key) {
      await page.focus(selector);
      await page.keyboard.press(key === 'Space' ? ' ' : key);  // Firefox knows no "Space"
    },
    async key(key, modifier) {
      if (modifier) await page.keyboard.down(modifier);
      await page.keyboard.press(key);
      if (modifier) await page.keyboard.up(modifier);
    },
    // A pointer (mouse or touch) pressed at `from`, moved through `path`
    // and released; `during` runs before the release.
    async drag(kind, from, path, during) {
      if (kind === 'touch') {
        await page.touchscreen.touchStart(...from);
        for (const p of path) await page.touchscreen.touchMove(...p);
        if (during) await during();
        await page.touchscreen.touchEnd();
        return;
      }
      await page.mouse.move(...from);
      await page.mouse.down();
      for (const p of path) await page.mouse.move(...p);
      if (during) await during();
      await page.mouse.up();
    },
    screenshot: (path, full = false) => page.screenshot({path, fullPage: full}),
    close: () => page.close(),
  };
}

// ---------------------------------------------------------------------------
// WebKit through WebKitWebDriver and selenium-webdriver

const freePort = () => new Promise((done, fail) => {
  const server = createServer().once('error', fail).listen(0, '127.0.0.1', () => {
    const {port} = server.address();
    server.close(() => done(port));
  });
});

async function launchWebKit(driverPath) {
  let webdriver, input;
  try {
    webdriver = await import(join(modules, 'selenium-webdriver/index.js'));
    input = await import(join(modules, 'selenium-webdriver/lib/input.js'));
  } catch {
    throw new Error(`selenium-webdriver is not installed (${INSTALL} with npm ci)`);
  }
  const browserPath = process.env.KORVATH_MINIBROWSER || readdirSync('/usr/lib')
    .map((d) => `/usr/lib/${d}/webkit2gtk-4.1/MiniBrowser`).find((f) => existsSync(f));
  if (!browserPath) throw new Error(`WebKitGTK's MiniBrowser is missing (Debian package libwebkit2gtk-4.1-0; ${INSTALL})`);
  // A display of its own: Xvfb tells the number it took on a descriptor.
  const children = [];
  const stop = () => children.forEach((c) => c.kill());
  let display;
  try {
    const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
      {stdio: ['ignore', 'ignore', 'pipe', 'pipe']});
    children.push(xvfb);
    display = await new Promise((done, fail) => {
      xvfb.once('error', () => fail(new Error(`Xvfb is missing (Debian package xvfb; ${INSTALL})`)));
      xvfb.once('exit', (code) => fail(new Error(`Xvfb ended with status ${code}`)));
      xvfb.stdio[3].once('data', (d) => done(String(d).trim()));
    });
    const port = await freePort();
    const driverProcess = spawn(driverPath, [`--port=${port}`], {env: {...process.env, DISPLAY: `:${display}`}, stdio: 'ignore'});
    children.push(driverProcess);
    const server = `http://127.0.0.1:${port}`;
    // The driver listens within a moment of starting.
    for (let i = 0; ; ++i) {
      try {
        await fetch(`${server}/status`);
        break;
      } catch (error) {
        if (i === 100) throw new Error(`${driverPath} did not answer: ${error.message}`);
        await new Promise((done) => setTimeout(done, 50));
      }
    }
    const {Builder, By, Key} = webdriver;
    const keys = {ArrowRight: Key.ARROW_RIGHT, ArrowLeft: Key.ARROW_LEFT, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN,
      PageUp: Key.PAGE_UP, PageDown: Key.PAGE_DOWN, Home: Key.HOME, End: Key.END, Space: Key.SPACE, F1: Key.F1, Alt: Key.ALT, Delete: Key.DELETE};
    // One browser, its one window showing one page at a time: each start of
    // the MiniBrowser takes about a second.
    const driver = await new Builder().usingServer(server).withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': {binary: browserPath, args: ['--automation']},
    }).build();
    await driver.manage().window().setRect({width: 1000, height: 700});
    return {
      name: 'webkit',
      can: {screen: false, touchScreen: false, console: false, offline: false, cpuSlowdown: false},
      async open(url) {
        await driver.get(url);
        return webkitPage(driver, {By, keys, input});
      },
      async close() {
        await driver.quit().catch(() => {});
        stop();
      },
    };
  } catch (error) {
    stop();
    throw error;
  }
}

function webkitPage(driver, {By, keys, input}) {
  const element = (selector) => driver.findElement(By.css(selector));
  // Functions are sent as their source; WebDriver awaits a returned promise.
  const evaluate = (fn, ...args) => driver.executeScript(`return (${fn}).apply(null, arguments);`, ...args);
  const box = (selector) => evaluate((s) => {
    const r = document.querySelector(s).getBoundingClientRect();
    return {x: r.x, y: r.y, width: r.width, height: r.height};
  }, selector);
  const pointer = (kind) => new input.Pointer(kind, kind === 'touch' ? input.Pointer.Type.TOUCH : input.Pointer.Type.MOUSE);
  const at = (p, [x, y]) => p.move({x: Math.round(x), y: Math.round(y), origin: input.Origin.VIEWPORT});
  const key = (k) => keys[k] ?? k;
  return {
    problems: [], raw: driver,
    evaluate, box,
    async waitFor(fn, ...args) {
      for (const end = Date.now() + 10000; ;) {
        if (await evaluate(fn, ...args)) return;
        if (Date.now() > end) throw new Error(`timed out waiting for ${fn}`);
        await new Promise((done) => setTimeout(done, 25));
      }
    },
    async click(selector, x, y) {
      if (x === undefined) return element(selector).click();
      const p = pointer('mouse');
      await driver.actions({async: true}).insert(p, at(p, [x, y]), p.press(), p.release()).perform();
    },
    async tap(selector) {
      const p = pointer('touch');
      await driver.actions({async: true}).insert(p, p.move({origin: await element(selector)}), p.press(), p.release()).perform();
    },
    async press(selector, k) {
      await evaluate((s) => document.querySelector(s).focus(), selector);
      await driver.actions({async: true}).sendKeys(key(k)).perform();
    },
    async key(k, modifier) {
      const actions = driver.actions({async: true});
      if (modifier) actions.keyDown(key(modifier));
      actions.sendKeys(key(k));
      if (modifier) actions.keyUp(key(modifier));
      await actions.perform();
    },
    async drag(kind, from, path, during) {
      const p = pointer(kind);
      await driver.actions({async: true}).insert(p, at(p, from), p.press(), ...path.map((q) => at(p, q))).perform();
      if (during) await during();
      await driver.actions({async: true}).insert(p, p.release()).perform();
    },
    // The window as it shows the page (not beyond it).
    screenshot: async (path) => writeFileSync(path, Buffer.from(await driver.takeScreenshot(), 'base64')),
    // What the page's console recorder (CONSOLE_RECORDER) kept.
    async close() {
      this.problems.push(...await evaluate(() => window.korvathConsole || []));
      await driver.get('about:blank');
    },
  };
}

// Where the console cannot be read, a page served for the checks starts with
// this script, which keeps its errors and warnings for close() to read.
export const CONSOLE_RECORDER = `<script>
window.korvathConsole = [];
for (const kind of ['error', 'warn']) {
  const log = console[kind];
  console[kind] = (...args) => {
    korvathConsole.push(\`console \${kind}: \${args.join(' ')}\`);
    log.apply(console, args);
  };
}
addEventListener('error', (e) => korvathConsole.push(\`page error: \${e.message}\`));
addEventListener('unhandledrejection', (e) => korvathConsole.push(\`page error: \${e.reason}\`));
</script>`;
