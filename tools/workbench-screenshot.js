// ntc-beta: the page's workbench in headless Chromium as a PNG, for the
// README and for looking at it as its visitors see it: the Murata table of
// tests/cli/data with a transposed row fitted, its ADC table for a 4.7 kΩ
// pull-up on 12 bits, or the design view for a 100 kΩ, B 3950 bead read
// from 0 to 300 °C on 10 bits with 1 % tolerances.
//   node tools/workbench-screenshot.js PAGE.html OUT.png VIEW [SCHEME] [DEVICE]
// VIEW: fit, adc, design; SCHEME: light (the default), dark; DEVICE: desktop (the
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
  if (!['fit', 'adc', 'design'].includes(view) || !devices[device]) {
    throw new Error('usage: PAGE OUT fit|adc|design [light|dark] [desktop|phone]');
  }
  const browser = await launch();
  const context = await browser.newContext({ ...devices[device], colorScheme: scheme, locale: 'zh-CN' });
  const tab = await context.newPage();
  await tab.goto(`${pathToFileURL(path.resolve(page)).href}#fit`);
  await tab.waitForSelector('[data-view=fit]:not([hidden])');
  const table = fs.readFileSync(path.join(__dirname, '../tests/cli/data/murata_transposed.csv'), 'utf8');
  await tab.fill('textarea', table);
  if (view !== 'fit') {
    await tab.click('[data-tab=adc]');
    await tab.waitForSelector('[data-view=adc]:not([hidden])');
    await tab.selectOption('[name=adc-format]', 'c');
  }
  if (view === 'design') {
    await tab.selectOption('[name=adc-model]', 'beta');
    for (const [name, value] of [['r0', '100k'], ['beta', '3950'], ['bits', '10'], ['from', '0'], ['to', '300']])
      await tab.fill(`[name=adc-${name}]`, value);
    await tab.click('[data-tab=design]');
    await tab.waitForSelector('[data-view=design]:not([hidden])');
  }
  await tab.evaluate(() => document.activeElement.blur());
  await tab.waitForTimeout(300);
  await tab.screenshot({ path: out, fullPage: device === 'phone' || view !== 'fit' });
  await browser.close();
}

main(process.argv.slice(2)).catch((error) => { console.error(error); process.exit(1); });
