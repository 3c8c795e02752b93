// SPDX-License-Identifier: GPL-3.0-or-later
// What the native build shows after a list of actions (the trace driver's
// input: load, tick, earth, sun, bar N V, move N, beam): the value texts
// after the last one, and the drawing calls of each.
import {spawnSync} from 'node:child_process';

// The value fields in the order of the driver's texts.
export const VALUE_FIELDS = ['radiusValue', 'massValue', 'densityValue', 'schwarzschildRadiusValue',
  'curvatureAt1RadiusValue', 'radiusOfCurvatureAt1RadiusValue', 'curvatureAt1_5RadiiValue',
  'radiusOfCurvatureAt1_5RadiiValue', 'curvatureAt2RadiiValue', 'radiusOfCurvatureAt2RadiiValue',
  'curvatureAt2_5RadiiValue', 'radiusOfCurvatureAt2_5RadiiValue', 'radiusCoarseValue',
  'radiusFineValue', 'massCoarseValue', 'massFineValue', 'beamStartValue'];

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
