// ntc-beta: Debian's Chromium, headless, driven by playwright-core; shared by
// the page's tests, its benchmark and its screenshot.
'use strict';

const { chromium } = require('playwright-core');

const CHROMIUM = process.env.NTC_CHROMIUM || '/usr/bin/chromium';

// Chromium's sandbox refuses to run as root, which CI and containers are.
function launch() {
  const runningAsRoot = process.getuid && process.getuid() === 0;
  return chromium.launch({ executablePath: CHROMIUM, args: runningAsRoot ? ['--no-sandbox'] : [] });
}

module.exports = { launch };
