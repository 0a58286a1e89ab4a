// ntc-beta: readable on a dark scheme, heard by screen readers, and usable
// on a phone.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, field, typeReading, result, contrast } = require('./page.js');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const face = (page) => page.locator('main').evaluate((main) => getComputedStyle(main).backgroundColor);

// A change of scheme reaches the page's listeners with the next frame, not
// when the emulation is set: wait for that frame before reading colours.
async function emulateScheme(page, colorScheme) {
  await page.emulateMedia({ colorScheme });
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
}

test('on a dark scheme every state of the result reads at 4.5:1, and follows a change of scheme', async () => {
  const page = await open(browser, { colorScheme: 'dark' });
  const dark = await face(page);
  assert.ok(contrast(dark, 'rgb(255, 255, 255)') > 10, `a dark face: ${dark}`);
  const readable = async (state) => {
    const { colour } = await result(page);
    assert.ok(contrast(colour, dark) >= 4.5, `${state}: ${colour} on ${dark}`);
    return colour;
  };
  await readable('at start');
  await page.click('[data-action=picture]');
  const thanks = await readable('thanks');
  assert.notEqual(thanks, 'rgb(128, 0, 0)');
  await typeReading(page, ['10000', '1000', '25,5', '100']);
  await page.click('[data-action=calculate]');
  await readable('result');
  const mark = await page.locator('.hinted .mark').evaluate((element) => getComputedStyle(element).backgroundColor);
  const ground = await field(page, 'Text3').evaluate((element) => getComputedStyle(element).backgroundColor);
  assert.ok(contrast(mark, ground) >= 4.5, `hint mark ${mark} on ${ground}`);

  await emulateScheme(page, 'light');
  await page.click('[data-action=picture]');
  await emulateScheme(page, 'dark');
  assert.equal(await readable('thanks after a change of scheme'), thanks);
  await emulateScheme(page, 'light');
  assert.equal((await result(page)).colour, 'rgb(128, 0, 0)');
});

test('a screen reader hears every result, the same one twice as well', async () => {
  const page = await open(browser);
  const region = page.locator('[aria-live=polite]');
  await region.evaluate((element) => {
    window.heard = [];
    new MutationObserver(() => window.heard.push(element.textContent.trim())).observe(element, { childList: true, subtree: true, characterData: true });
  });
  await typeReading(page, ['10000', '1000', '25', '100']);
  await page.click('[data-action=calculate]');
  await page.click('[data-action=calculate]');
  await page.click('[data-action=picture]');
  // Each change heard once: the second " 3415.64" carries a no-break space, which trim() takes off.
  assert.deepEqual(await page.evaluate(() => window.heard),
    ['3415.64', '3415.64', '希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko']);
  assert.equal(await page.locator('[data-result]').getAttribute('aria-description'), 'B值计算结果');
  assert.equal(await page.locator('[id=Label1]').getAttribute('aria-hidden'), 'true');
});

test('on a phone: the window spans the width, fields bring up decimal keys, taps act', async () => {
  const page = await open(browser, {
    viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true,
  });
  const box = await page.locator('main').boundingBox();
  assert.equal(box.width, 390);
  assert.ok(Math.abs(box.height - 390 * 213 / 408) < 0.5, `height ${box.height}`);
  assert.deepEqual(await page.locator('[data-field]').evaluateAll((inputs) => inputs.map((input) => input.inputMode)),
    ['decimal', 'decimal', 'decimal', 'decimal']);

  // The keys a decimal keyboard may lack type into the field and keep its focus.
  await field(page, 'Text1').tap();
  assert.equal(await page.locator('.keys').isVisible(), true);
  await page.keyboard.type('1');
  await page.locator('.keys button', { hasText: 'E' }).tap();
  await page.keyboard.type('4');
  assert.equal(await field(page, 'Text1').inputValue(), '1E4');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');

  for (const [name, text] of [['Text2', '1000'], ['Text3', '25'], ['Text4', '100']]) await field(page, name).fill(text);
  await page.locator('[data-action=calculate]').tap();
  assert.equal((await result(page)).text, ' 3415.64');
  await page.locator('[data-action=picture]').tap();
  // 11 pt is 14.67 px at 100 %, scaled by 390 / 408.
  assert.ok(Math.abs(parseFloat((await result(page)).fontSize) - 14.02) < 0.01);
});
