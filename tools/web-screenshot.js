// ntc-beta: the browser page in headless Chromium as a PNG, for the README
// and for looking at the page as its visitors see it: after the README's
// example calculation (with "10k" in R1 where the view asks for a hint).
//   node tools/web-screenshot.js PAGE.html OUT.png [VIEW]
// VIEW: desktop (the default: light scheme, 100 %, the window alone), dark,
// forced (forced colours), phone (upright), phone-side, zoom-200 (a desktop
// at 200 %); each but desktop with a hint, and the whole screen.
'use strict';

const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch } = require('../tests/ui/web/browser.js');

const phone = (width, height) => ({ viewport: { width, height }, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
const views = {
  desktop: { viewport: { width: 408, height: 240 }, deviceScaleFactor: 1 },
  dark: { viewport: { width: 480, height: 300 }, deviceScaleFactor: 1, colorScheme: 'dark' },
  forced: { viewport: { width: 480, height: 300 }, deviceScaleFactor: 1, forcedColors: 'active' },
  phone: phone(390, 844),
  'phone-side': phone(844, 390),
  'zoom-200': { viewport: { width: 640, height: 400 }, deviceScaleFactor: 2 },
};

async function main([page, out, view = 'desktop']) {
  const options = views[view];
  if (!options) throw new Error(`no view "${view}": ${Object.keys(views).join(', ')}`);
  const browser = await launch();
  const context = await browser.newContext(options);
  const tab = await context.newPage();
  await tab.goto(pathToFileURL(path.resolve(page)).href);
  await tab.evaluate(async () => { await window.ntcBeta; });
  const r1 = view === 'desktop' ? '10000' : '10k';
  for (const [field, text] of [['Text1', r1], ['Text2', '1000'], ['Text3', '25'], ['Text4', '100']])
    await tab.fill(`[id="${field}"]`, text);
  await tab.click('#Command1');
  if (view === 'desktop') await tab.locator('main').screenshot({ path: out });
  else await tab.screenshot({ path: out });
  await browser.close();
}

main(process.argv.slice(2)).catch((error) => { console.error(error); process.exit(1); });
