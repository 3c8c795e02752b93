// The export tool writes the page's texts from the program's Qt translations:
// a German translation of a few texts (made here with lrelease) comes out in
// strings/de.json, everything else in English, with the same keys as
// strings/en.json, and layout.json lists German among the languages with texts.
//
//   node export_test.mjs EXPORT_TOOL LRELEASE
//
// Exits 77 (skipped) without lrelease (Debian package qt6-l10n-tools).
import {spawnSync} from 'node:child_process';
import {existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const [tool, lrelease] = process.argv.slice(2);
if (!tool) {
  console.error('usage: node export_test.mjs EXPORT_TOOL LRELEASE');
  process.exit(2);
}
if (!lrelease || !existsSync(lrelease)) {
  console.log('SKIPPED: lrelease not found (Debian package qt6-l10n-tools)');
  process.exit(77);
}

const german = {
  'MainWindow': {'Earth': 'Erde', 'Radius, coarse: powers of two': 'Radius, grob: Zweierpotenzen',
    'Korvath simulation': 'Korvath-Simulation'},
  'korvath::ui::MainWindow': {'E&xit': '&Beenden'},
  'korvath::help::HelpViewer': {'Korvath simulation Help': 'Hilfe zur Korvath-Simulation'},
  'FaultText': {'overflow': 'Überlauf'},
  'WebPage': {'Start again': 'Neu starten'},
};
const escape = (s) => s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
const ts = `<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="de_DE">\n` +
  Object.entries(german).map(([context, messages]) => `<context><name>${escape(context)}</name>\n` +
    Object.entries(messages).map(([source, translation]) =>
      `<message><source>${escape(source)}</source><translation>${escape(translation)}</translation></message>\n`).join('') +
    '</context>\n').join('') + '</TS>\n';

const work = mkdtempSync(join(tmpdir(), 'korvath-export-'));
let failures = 0;
const check = (ok, what) => {
  console.log(`${ok ? 'ok' : 'FAILED'} - ${what}`);
  if (!ok) ++failures;
};
try {
  writeFileSync(join(work, 'de.ts'), ts);
  const made = spawnSync(lrelease, ['-silent', join(work, 'de.ts'), '-qm', join(work, 'de.qm')], {encoding: 'utf8'});
  if (made.status !== 0) throw new Error(`lrelease: ${made.stderr}`);
  const run = spawnSync(tool, [join(work, 'out'), `de=${join(work, 'de.qm')}`], {encoding: 'utf8'});
  check(run.status === 0, `the export tool runs (${run.stderr.trim() || 'no messages'})`);
  const read = (f) => JSON.parse(readFileSync(join(work, 'out', f), 'utf8'));
  const layout = read('layout.json');
  const en = read('strings/en.json');
  const de = read('strings/de.json');
  check(JSON.stringify(layout.languagesWithTexts) === '["en","de"]', 'layout.json lists English and German texts');
  check(layout.decimalSeparators.de === ',' && layout.decimalSeparators.en === '.', 'decimal separators from the locales');
  const keys = (o, prefix = '') => Object.entries(o).flatMap(([k, v]) =>
    v && typeof v === 'object' ? keys(v, `${prefix}${k}.`) : [`${prefix}${k}`]).sort().join(',');
  check(keys(de) === keys(en), 'German has every text English has');
  check(de.controls.earthButton.caption === 'Erde' && en.controls.earthButton.caption === 'Earth', 'a caption');
  check(de.controls.radiusCoarseBar.accessibleName === 'Radius, grob: Zweierpotenzen', 'an accessible name');
  check(de.title === 'Korvath-Simulation', 'the window title');
  check(de.menu.exitAction === '&Beenden' && de.menu.helpAction === '&Help', 'the menu, untranslated ones in English');
  check(de.helpTitle === 'Hilfe zur Korvath-Simulation', 'the help window\'s title');
  check(de.page.startAgain === 'Neu starten', 'a text of the page itself');
  check(de.faults['0/0'] === en.faults['0/0'] && de.faults['7/0'].includes('Überlauf'),
    `fault messages with their arithmetic fault: "${de.faults['7/0']}"`);
  check(en.faults['8/1'] === 'The light ray stops after {segments} segments: its arithmetic fails at pass {pass} (division by zero).',
    'fault templates keep their numbers as placeholders');
  check(en.faults['2/0'].includes('{value}'), 'a value placeholder too');
} catch (error) {
  check(false, error.message);
} finally {
  rmSync(work, {recursive: true, force: true});
}
console.log(failures ? `${failures} checks failed` : 'all checks passed');
process.exit(failures ? 1 : 0);
