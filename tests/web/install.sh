#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the web page's build and checks need: Emscripten (em++),
# Chromium, Firefox ESR and WebKitGTK's WebDriver from Debian, Node.js with npm
# when the machine has none, and the pinned npm packages of tests/web
# (puppeteer-core, selenium-webdriver) with npm ci. Run by
# scripts/test and scripts/web; safe to run again.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

packages=(emscripten)
# The three engines the page is checked in: Chromium, Firefox, and WebKit
# through its WebDriver and MiniBrowser on a virtual display.
[ "${1:-}" = "--build-only" ] || packages+=(chromium firefox-esr webkit2gtk-driver xvfb)
# A machine may have Node.js and npm from elsewhere than Debian (then
# Debian's npm package would conflict with it): only missing ones are installed.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
ensure_packages "${packages[@]}"

[ "${1:-}" = "--build-only" ] && exit 0
# npm ci again only when the lock file changed since the last install.
cd "$ROOT/tests/web"
stamp=node_modules/.korvath-lock
if ! cmp -s package-lock.json "$stamp" 2>/dev/null; then
    echo "Installing the npm packages of tests/web (npm ci)"
    npm ci --no-audit --no-fund --loglevel=error
    cp package-lock.json "$stamp"
fi
