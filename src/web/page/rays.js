// SPDX-License-Identifier: GPL-3.0-or-later
// The rays on the page, as in the window: Animate the ray (View menu; on at
// first unless the reader asks for reduced motion, then as last chosen in
// this browser), Keep earlier rays and Clear rays (Picture menu; Delete),
// and the travelling ray itself: after Beam the newest ray is drawn on at
// each animation frame, only its new part, until it ends on the pixels an
// instant Beam draws.
import {setChecked, setEnabled} from './menus.js';

const ANIMATE_KEY = 'korvath.animateRay';

// Whether rays travel in a new page: as last chosen, where the browser lets
// the page keep it; else on, unless reduced motion is asked for.
export function animateAtFirst() {
  let kept = null;
  try {
    kept = localStorage.getItem(ANIMATE_KEY);
  } catch {
    // Storage switched off, or refused to this page: nothing was kept.
  }
  if (kept === 'true' || kept === 'false') return kept === 'true';
  return !matchMedia('(prefers-reduced-motion: reduce)').matches;
}

// The ray commands by their names in the menu.
export const rayCommands = (page) => ({
  animateRayAction: () => {
    page.animateRays = !page.animateRays;
    try {
      localStorage.setItem(ANIMATE_KEY, String(page.animateRays));
    } catch {
      // Not kept: the choice holds for this page.
    }
    // Off: a travelling ray ends at once.
    if (page.session) page.session.setAnimated(page.animateRays);
    showRayCommands(page);
  },
  keepRaysAction: () => {
    if (page.act((s) => s.keepRays(!s.keepsRays()))) showRayCommands(page);
  },
  clearRaysAction: () => clearRays(page),
});

export function clearRays(page) {
  page.act((s) => s.clearRays());
}

// The commands follow the session: Keep earlier rays checked while it keeps
// them (a link's rays keep them too), Clear rays while a ray is shown.
export function showRayCommands(page) {
  const {session} = page;
  setChecked('animateRayAction', page.animateRays);
  setChecked('keepRaysAction', !!session && session.keepsRays());
  setEnabled('clearRaysAction', !!session && session.rayCount() > 0);
}

// A ray that starts travelling is drawn on at each animation frame, as far
// as it goes by then, until it ends; a newer ray takes its place, and the
// session that drew it may be gone.
export function travel(page) {
  const {session} = page;
  const started = performance.now();
  cancelAnimationFrame(page.rayFrame);
  const frame = (now) => {
    page.rayFrame = 0;
    if (page.session === session && session.advance(Math.max(0, now - started)))
      page.rayFrame = requestAnimationFrame(frame);
  };
  page.rayFrame = requestAnimationFrame(frame);
}
