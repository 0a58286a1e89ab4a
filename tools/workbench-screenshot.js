// ntc-beta: the page's workbench in headless Chromium as a PNG, for the
// README and for looking at it as its visitors see it: the Murata table of
// tests/models/data fitted, or its ADC table for a 4.7 kΩ pull-up on 12 bits.
//   node tools/workbench-screenshot.js PAGE.html OUT.png VIEW [SCHEME] [DEVICE]
// VIEW: fit, adc; SCHEME: light (the default), dark; DEVICE: desktop (the
// default), phone (upright, the whole page).
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch } = require('../tests/ui/web/browser.js');

const devices = {
  desktop: { viewport: { width: 1100, height: 900 }, deviceScaleFactor: 1 },
  phone: { viewport: { width: 390, height: 844 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
};

async function main([page, out, view, scheme = 'light', device = 'desktop']) {
  if (!['fit', 'adc'].includes(view) || !devices[device]) throw new Error('usage: PAGE OUT fit|adc [light|dark] [desktop|phone]');
  const browser = await launch();
  const context = await browser.newContext({ ...devices[device], colorScheme: scheme, locale: 'zh-CN' });
  const tab = await context.newPage();
  await tab.goto(`${pathToFileURL(path.resolve(page)).href}#fit`);
  await tab.waitForSelector('[data-view=fit]:not([hidden])');
  const table = fs.readFileSync(path.join(__dirname, '../tests/cli/data/murata_transposed.csv'), 'utf8');
  await tab.fill('textarea', table);
  if (view === 'adc') {
    await tab.click('[data-tab=adc]');
    await tab.waitForSelector('[data-view=adc]:not([hidden])');
    await tab.selectOption('[name=adc-format]', 'c');
  }
  await tab.evaluate(() => document.activeElement.blur());
  await tab.waitForTimeout(300);
  await tab.screenshot({ path: out, fullPage: device === 'phone' || view === 'adc' });
  await browser.close();
}

main(process.argv.slice(2)).catch((error) => { console.error(error); process.exit(1); });
