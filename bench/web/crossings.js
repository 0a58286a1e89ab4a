// ntc-beta: what one user action costs the page in crossings between its
// script and its WebAssembly, and in reads of a computed style, counted by
// an instrumented run in headless Chromium (no timing: counts).
//
//   NODE_PATH=build-web/npm/node_modules node bench/web/crossings.js PAGE.html
'use strict';

const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, open, typeReading, countCrossings, crossingsOf } = require('../../tests/ui/web/page.js');

const [file] = process.argv.slice(2);
if (!file) {
  console.error('usage: node bench/web/crossings.js PAGE.html');
  process.exit(2);
}

async function main() {
  const browser = await launch();
  const page = await open(browser, {}, pathToFileURL(path.resolve(file)).href, { before: countCrossings });
  await typeReading(page, ['10000', '1066.1', '25,5', '85']);
  const actions = [
    ['click on 计算 (first)', () => page.click('#Command1')],
    ['click on 计算 (again)', () => page.click('#Command1')],
    ['click on the picture', () => page.click('#Image1')],
    ['one character typed', () => page.locator('[id="Text4"]').press('5')],
    ['Ctrl+C', () => page.keyboard.press('Control+c')],
    ['the scheme turns dark', async () => {
      await page.emulateMedia({ colorScheme: 'dark' });
      await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));
    }],
  ];
  console.log('action: crossings into the module, out of it; computed-style reads');
  for (const [name, action] of actions) {
    const { into, out, styleReads } = await crossingsOf(page, action);
    console.log(`  ${name.padEnd(24)} ${into} in, ${out} out; ${styleReads} style reads`);
  }
  await browser.close();
}

main().catch((error) => { console.error(error); process.exit(1); });
