// ntc-beta: axe-core finds no serious or critical fault in the page as its
// visitors see it: light, dark, forced colours (Windows' high contrast) and
// on a phone, each after a calculation that leaves a hint and with the
// result's menu open.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, phone, typeReading } = require('./page.js');

const AXE = require.resolve('axe-core/axe.min.js');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const views = [
  ['light', {}],
  ['dark', { colorScheme: 'dark' }],
  ['forced colours', { forcedColors: 'active' }],
  ['forced colours, dark', { forcedColors: 'active', colorScheme: 'dark' }],
  ['phone', phone()],
];

// Every rule axe runs by default (WCAG 2.0 to 2.2, A and AA, and its best
// practices); what it finds of serious or critical impact, by rule and place.
async function seriousFaults(page) {
  await page.addScriptTag({ path: AXE });
  return page.evaluate(async () => {
    const { violations } = await window.axe.run(document, { resultTypes: ['violations'] });
    return violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(' ')).join(', ')}`);
  });
}

test('no serious accessibility fault in any view, with a hint and the menu open', async () => {
  for (const [name, options] of views) {
    const page = await open(browser, options);
    await typeReading(page, ['10k', '1000', '25', '100']);
    await page.click('#Command1');
    assert.deepEqual(await seriousFaults(page), [], `${name}, after a calculation`);
    await page.locator('[id=Command1]').focus();
    await page.keyboard.press('Shift+F10'); // the menu, its first item highlighted
    assert.equal(await page.locator('[role=menu]').isVisible(), true);
    assert.deepEqual(await seriousFaults(page), [], `${name}, the menu open`);
    await page.context().close();
  }
});
