// SPDX-License-Identifier: GPL-3.0-or-later
// What the simulation shows, worded in the page's language as the window
// words it: numbers with the language's decimal separator, the picture's
// description, a fault's message and what a bar says of itself.

export const localized = (page, text) => (page.separator === '.' ? text : text.replaceAll('.', page.separator));

// The picture's description: the body, then where the ray went; with more
// than one ray, each one's number and start before its fate, oldest first.
export function pictureText(page, d) {
  const t = page.texts.picture;
  if (!d.computed) return t.empty;
  const body = page.fill((d.ratio < 1 ? t.below : t.above)[d.circle], {ratio: page.M.numberText(d.ratio, page.separator), beam: d.beamStart});
  const named = d.rays.length > 1;
  const rays = d.rays.map((ray) => (named ? `${page.fill(t.numbered, ray)} ` : '') + rayText(page, ray));
  return [body, ...rays].join(' ');
}

// Where the ray went, or '' without one.
export function rayText(page, ray) {
  if (!ray) return '';
  const t = page.texts.picture;
  const {RayOutcome} = page.M;
  const counted = (forms, n) => page.fill(forms[String(n)] ?? forms.many, {n});
  if (ray.outcome === RayOutcome.FallsIntoBody) return counted(t.falls, ray.steps);
  if (ray.outcome === RayOutcome.StopsInPicture) return counted(t.stops, ray.steps);
  if (ray.swingsRound) return t.swings[ray.edge];
  if (ray.degrees === 0) return t.straight[ray.edge];
  return counted(t.bent[ray.edge], ray.degrees);
}

// A fault of the model.
export function faultText(page, f) {
  const kind = `${f.kind}/${f.arithmetic}`;
  const key = Number.isNaN(f.value) ? `${kind}/nan` : Number.isFinite(f.value) ? kind : `${kind}/inf`;
  const {faults} = page.texts;
  return page.fill(faults[key] || faults[kind] || kind,
    {value: page.M.numberText(f.value, page.separator), segments: f.segments, pass: f.pass});
}

// A bar says its factor and the value it produces: a coarse bar a power of
// two, a fine one a percentage of the coarse value, from the neutral 50
// (plus or minus).
export function barValueText(page, bar, position) {
  const {Bar, ShownValue} = page.M;
  const t = page.texts.page;
  const radius = bar === Bar.RadiusCoarse || bar === Bar.RadiusFine;
  const produced = page.fields[radius ? ShownValue.Radius : ShownValue.Mass].getAttribute('aria-label') || '';
  if (bar === Bar.RadiusCoarse || bar === Bar.MassCoarse) return page.fill(t.coarseBarValue, [position, position - 50, produced]);
  const percent = position - 50;
  return page.fill(percent < 0 ? t.fineBarValueMinus : t.fineBarValue, [position, Math.abs(percent), produced]);
}
