// SPDX-License-Identifier: GPL-3.0-or-later
// The bare page's script; bench.mjs appends the call of show() with the
// texts the page shows first.
function show(texts) {
  setTimeout(() => {
    for (const text of texts) document.body.append(Object.assign(document.createElement('div'), {textContent: text}));
    performance.mark('korvath-first-values');
  }, 100);
}
