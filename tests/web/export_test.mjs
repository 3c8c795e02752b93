// SPDX-License-Identifier: GPL-3.0-or-later
// The export tool writes the page's texts from the translations built into
// the program: every language the window speaks comes out in
// strings/LANGUAGE.json with the same keys as English, its texts those of the
// language's .ts file, and layout.json lists every language.
//
//   node export_test.mjs EXPORT_TOOL TRANSLATIONS_FOLDER
import {spawnSync} from 'node:child_process';
import {mkdtempSync, readFileSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const [tool, translations] = process.argv.slice(2);
if (!tool || !translations) {
  console.error('usage: node export_test.mjs EXPORT_TOOL TRANSLATIONS_FOLDER');
  process.exit(2);
}
const unescape = (s) => s.replace(/&#x([0-9a-f]+);/gi, (_, hex) => String.fromCodePoint(parseInt(hex, 16)))
  .replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&apos;/g, "'")
  .replace(/&quot;/g, '"').replace(/&amp;/g, '&');
// The translation of `source` in the language's .ts file.
const translated = (language, source) => {
  const ts = readFileSync(join(translations, `korvath_${language}.ts`), 'utf8');
  for (const m of ts.matchAll(/<source>([^<]*)<\/source>\s*<translation>([^<]*)<\/translation>/g))
    if (unescape(m[1]) === source) return unescape(m[2]);
  throw new Error(`no ${language} translation of "${source}"`);
};

const work = mkdtempSync(join(tmpdir(), 'korvath-export-'));
let failures = 0;
const check = (ok, what) => {
  console.log(`${ok ? 'ok' : 'FAILED'} - ${what}`);
  if (!ok) ++failures;
};
try {
  const run = spawnSync(tool, [join(work, 'out')], {encoding: 'utf8'});
  check(run.status === 0, `the export tool runs (${run.stderr.trim() || 'no messages'})`);
  const read = (f) => JSON.parse(readFileSync(join(work, 'out', f), 'utf8'));
  const layout = read('layout.json');
  check(JSON.stringify(layout.languagesWithTexts) === '["en","de","fr","es","ja"]', 'layout.json lists every language');
  check(layout.decimalSeparators.de === ',' && layout.decimalSeparators.en === '.', 'decimal separators from the locales');
  const keys = (o, prefix = '') => Object.entries(o).flatMap(([k, v]) =>
    v && typeof v === 'object' ? keys(v, `${prefix}${k}.`) : [`${prefix}${k}`]).sort().join(',');
  const en = read('strings/en.json');
  check(en.controls.earthButton.caption === 'Earth' && en.menu.exitAction === 'E&xit', 'English captions');
  for (const language of ['de', 'fr', 'es', 'ja']) {
    const t = read(`strings/${language}.json`);
    check(keys(t) === keys(en), `${language} has every text English has`);
    check(t.controls.earthButton.caption === translated(language, 'Earth'), `${language}: a caption`);
    check(t.controls.radiusCoarseBar.accessibleName === translated(language, 'Radius, coarse: powers of two'),
      `${language}: an accessible name`);
    check(t.title === translated(language, 'Korvath simulation'), `${language}: the window title`);
    check(t.menu.exitAction === translated(language, 'E&xit') && t.menu.helpAction === translated(language, '&Help'),
      `${language}: the menu`);
    check(t.helpTitle === translated(language, 'Korvath simulation Help'), `${language}: the help window's title`);
    check(t.page.startAgain === translated(language, 'Start again'), `${language}: a text of the page itself`);
    check(t.faults['7/0'].includes(translated(language, 'overflow')), `${language}: a fault message`);
  }
  check(en.faults['2/0'].includes('{value}'), 'fault templates keep a value placeholder');
} catch (error) {
  check(false, error.message);
} finally {
  rmSync(work, {recursive: true, force: true});
}
console.log(failures ? `${failures} checks failed` : 'all checks passed');
process.exit(failures ? 1 : 0);
