// ntc-beta: the page's start-up in headless Chromium against its floor page
// (the same size and title, the result label "填入数值" alone in the same
// Song face subset, from an @font-face rule, no script) and against that
// floor with the face made from its bytes by script as the page makes it,
// each one file opened from disk, alternately in one run; then what the
// files weigh.
//
// "First text" is the paint of the result label's text (Element Timing,
// renderTime, from the navigation's start): the face is inline and
// font-display: block, so text is painted only in that face. Each load gets a
// fresh browser context. "Controller ready" is when the page's WebAssembly
// answers, for the page alone.
//
//   NODE_PATH=build-web/npm/node_modules node bench/web/startup.js BUILD_DIR [RUNS]
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch } = require('../../tests/ui/web/browser.js');

const [build, runsArgument = '15'] = process.argv.slice(2);
if (!build) {
  console.error('usage: node bench/web/startup.js BUILD_DIR [RUNS]');
  process.exit(2);
}
const runs = Number(runsArgument);
const pages = {
  'ntc-beta.html': path.join(build, 'ntc-beta.html'),
  floor: path.join(build, 'bench/web/floor.html'),
  'floor, face from bytes': path.join(build, 'bench/web/floor-face-bytes.html'),
};

async function load(browser, file) {
  const context = await browser.newContext({ viewport: { width: 640, height: 400 } });
  const page = await context.newPage();
  await page.goto(pathToFileURL(file).href);
  const timing = await page.evaluate(async () => {
    const text = await new Promise((resolve) => new PerformanceObserver((list) => {
      const entry = list.getEntries().find((e) => e.identifier === 'result');
      if (entry) resolve(entry.renderTime);
    }).observe({ type: 'element', buffered: true }));
    let ready = null;
    if (window.ntcBeta) {
      await window.ntcBeta;
      ready = performance.now(); // no later than this
    }
    return { text, ready };
  });
  await context.close();
  return timing;
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

async function main() {
  const browser = await launch();
  const results = Object.fromEntries(Object.keys(pages).map((name) => [name, { text: [], ready: [] }]));
  for (let run = -2; run < runs; ++run) { // two warm-up rounds
    for (const [name, file] of Object.entries(pages)) {
      const { text, ready } = await load(browser, file);
      if (run < 0) continue;
      results[name].text.push(text);
      if (ready !== null) results[name].ready.push(ready);
    }
  }
  await browser.close();

  const floorText = median(results.floor.text);
  // Each page's load beside a floor's of the same round, which a busy
  // machine slows alike.
  const paired = (floor) => median(results['ntc-beta.html'].text.map((text, run) => text / results[floor].text[run]));
  console.log(`Chromium ${browser.version()}, headless, ${runs} loads each, alternating; medians (min-max):`);
  for (const [name, { text, ready }] of Object.entries(results)) {
    const ms = (values) => `${median(values).toFixed(1)} ms (${Math.min(...values).toFixed(1)}-${Math.max(...values).toFixed(1)})`;
    let line = `  ${name.padEnd(22)} first text ${ms(text)}, ${(median(text) / floorText).toFixed(2)} x floor`;
    if (ready.length) line += `; controller ready by ${ms(ready)}`;
    console.log(line);
  }
  for (const floor of ['floor', 'floor, face from bytes'])
    console.log(`  first text of ntc-beta.html over that of "${floor}" in the same round: median ${paired(floor).toFixed(2)}`);

  const size = (file) => fs.statSync(file).size;
  const folder = (dir) => fs.readdirSync(dir, { withFileTypes: true })
    .reduce((sum, entry) => sum + (entry.isDirectory() ? folder(path.join(dir, entry.name)) : size(path.join(dir, entry.name))), 0);
  console.log(`ntc-beta.html: ${size(pages['ntc-beta.html'])} bytes (${(size(pages['ntc-beta.html']) / 1024).toFixed(1)} KiB)`);
  console.log(`site/: ${folder(path.join(build, 'site'))} bytes in all`);
}

main().catch((error) => { console.error(error); process.exit(1); });
