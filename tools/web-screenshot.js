// ntc-beta: the browser page in headless Chromium as a PNG, for the README:
// after the calculation of the README's example, light scheme, 100 %.
//   node tools/web-screenshot.js PAGE.html OUT.png [dark] [WIDTH]
'use strict';

const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch } = require('../tests/ui/web/browser.js');

async function main([page, out, scheme = 'light', width = '408']) {
  const browser = await launch();
  const context = await browser.newContext({
    viewport: { width: Number(width), height: 240 }, colorScheme: scheme, deviceScaleFactor: 1,
    isMobile: Number(width) < 408, hasTouch: Number(width) < 408,
  });
  const tab = await context.newPage();
  await tab.goto(pathToFileURL(path.resolve(page)).href);
  for (const [field, text] of [['Text1', '10000'], ['Text2', '1000'], ['Text3', '25'], ['Text4', '100']])
    await tab.fill(`[id="${field}"]`, text);
  await tab.click('[data-action=calculate]');
  await tab.waitForFunction(() => document.querySelector('[data-result]').textContent !== '填入数值');
  await tab.locator('main').screenshot({ path: out });
  await browser.close();
}

main(process.argv.slice(2)).catch((error) => { console.error(error); process.exit(1); });
