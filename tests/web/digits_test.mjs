// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly build computes exactly what the native build computes, and
// the native build computes the same with and without fused multiply-add.
//
//   node digits_test.mjs PAGE_FOLDER NATIVE_DRIVER [--seed N] [--actions N]
//
// A seeded random session (presets, bar positions with 0 and 100 among them,
// beam moves, Beam) runs through the page's WebAssembly module, through the
// same calls the page makes, and through the native trace driver built from
// the same sources, once as it is and once with the C library told to use no
// FMA or AVX2 (GLIBC_TUNABLES); the three traces (every value text, bar
// position, mark, fault and drawing call, the ray's segments among them) must
// be identical.
// Exits 77 (skipped) when the page has not been built.
import {spawnSync} from 'node:child_process';
import {copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {pathToFileURL} from 'node:url';

const SKIP = 77;
const args = process.argv.slice(2);
const option = (name, fallback) => {
  const i = args.indexOf(name);
  return i >= 0 ? Number(args[i + 1]) : fallback;
};
const [pageFolder, driver] = args.filter((a, i) => !a.startsWith('--') && !(args[i - 1] || '').startsWith('--'));
const seed = option('--seed', 20240611);
const actionCount = option('--actions', 2500);

if (!pageFolder || !driver) {
  console.error('usage: node digits_test.mjs PAGE_FOLDER NATIVE_DRIVER [--seed N] [--actions N]');
  process.exit(2);
}
for (const needed of [join(pageFolder, 'korvath.js'), join(pageFolder, 'korvath.wasm'), driver]) {
  if (!existsSync(needed)) {
    console.log(`SKIPPED: ${needed} is missing (the web page needs em++ from the Debian package emscripten)`);
    process.exit(SKIP);
  }
}

// A small seeded generator (mulberry32): the same seed, the same session.
function generator(s) {
  let a = s >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// The session: load and the first tick, then random actions. Bar positions
// are the ends, random ones, or a step or page from where the bar stands.
function makeActions(count) {
  const random = generator(seed);
  const pick = (n) => Math.floor(random() * n);
  const bars = [50, 50, 50, 50];
  const actions = ['load', 'tick'];
  while (actions.length < count) {
    const r = random();
    if (r < 0.08) {
      actions.push(random() < 0.5 ? 'earth' : 'sun');
      bars.fill(50);
    } else if (r < 0.55) {
      const bar = pick(4);
      const kind = random();
      let value;
      if (kind < 0.3) value = random() < 0.5 ? 0 : 100;
      else if (kind < 0.6) value = pick(101);
      else value = bars[bar] + [-10, -1, 1, 10][pick(4)];
      value = Math.min(100, Math.max(0, value));
      actions.push(`bar ${bar} ${value}`);
      bars[bar] = value;
      // A coarse bar puts its fine bar back to the middle.
      if (bar === 0) bars[2] = 50;
      if (bar === 1) bars[3] = 50;
    } else if (r < 0.75) {
      actions.push(`move ${pick(4)}`);
    } else if (r < 0.97) {
      actions.push('beam');
    } else {
      actions.push('tick');
    }
  }
  return actions;
}

// What the page's module shows after each action, in the driver's format.
async function webTrace(actions) {
  // The page's module is an ES module in a .js file, which Node.js reads as
  // one only under the .mjs name.
  const copy = join(mkdtempSync(join(tmpdir(), 'korvath-digits-')), 'korvath.mjs');
  copyFileSync(join(pageFolder, 'korvath.js'), copy);
  const {default: createKorvath} = await import(pathToFileURL(copy).href);
  rmSync(dirname(copy), {recursive: true, force: true});
  const M = await createKorvath({wasmBinary: readFileSync(join(pageFolder, 'korvath.wasm'))});
  const s = new M.Session();
  s.keepJournal(true);
  // The value fields the layout has, by the model's index.
  const valueCount = JSON.parse(readFileSync(join(pageFolder, 'layout.json'), 'utf8')).controls.filter((c) => 'value' in c).length;
  const out = [];
  for (const action of actions) {
    const [verb, a, b] = action.split(' ');
    const n = (v) => Number(v);
    ({
      load: () => {},  // the session starts loaded
      tick: () => s.start(),
      earth: () => s.choose(M.Body.Earth),
      sun: () => s.choose(M.Body.Sun),
      bar: () => s.setBar(n(a), n(b)),
      move: () => s.moveBeam(n(a)),
      beam: () => s.trace(),
    })[verb]();
    out.push(`> ${action}`);
    const texts = [];
    for (let i = 0; i < valueCount; ++i) texts.push(s.text(i));
    const barValues = [0, 1, 2, 3].map((i) => s.bar(i)).join(' ');
    out.push(`= ${texts.join('|')} ; ${barValues} ; ${s.schwarzschildMark()}`);
    for (const f of s.takeChange().faults)
      out.push(`! ${f.kind} ${f.arithmetic} ${M.numberText(f.value, '.')} ${f.segments} ${f.pass}`);
    const journal = s.takeJournal();
    if (journal) out.push(journal.slice(0, -1));
  }
  s.delete();
  return out.join('\n') + '\n';
}

function nativeTrace(actions, env = process.env) {
  const run = spawnSync(driver, [], {input: actions.join('\n') + '\n', maxBuffer: 1 << 30, encoding: 'utf8', env});
  if (run.status !== 0) throw new Error(`${driver} failed (${run.status}): ${run.stderr}`);
  return run.stdout;
}

const actions = makeActions(actionCount);
// KORVATH_ACTIONS=FILE keeps the session's actions, to replay them by hand.
if (process.env.KORVATH_ACTIONS) writeFileSync(process.env.KORVATH_ACTIONS, actions.join('\n') + '\n');
const web = (await webTrace(actions)).split('\n');
const native = nativeTrace(actions).split('\n');
const withoutFma = nativeTrace(actions, {...process.env, GLIBC_TUNABLES: 'glibc.cpu.hwcaps=-AVX2,-FMA'}).split('\n');

let texts = 0;
let segments = 0;
let action = '';
for (let i = 0; i < Math.max(web.length, native.length, withoutFma.length); ++i) {
  const w = web[i];
  if (w !== native[i] || w !== withoutFma[i]) {
    console.error(`FAILED: the traces differ at line ${i + 1}, after "${action}"`);
    console.error(`  WebAssembly:        ${w}`);
    console.error(`  native:             ${native[i]}`);
    console.error(`  native without FMA: ${withoutFma[i]}`);
    process.exit(1);
  }
  if (w.startsWith('> ')) action = w.slice(2);
  else if (w.startsWith('= ')) texts += w.split('|').length;
  else if (w.startsWith('line ')) ++segments;
}
const beams = actions.filter((a) => a === 'beam').length;
if (segments < beams) {
  console.error(`FAILED: ${beams} presses of Beam drew only ${segments} ray segments`);
  process.exit(1);
}
console.log(`${actions.length} actions (seed ${seed}, ${beams} of them Beam): ${texts} value texts and ` +
  `${segments} ray segments identical in the WebAssembly build and the native one, with FMA and without`);
