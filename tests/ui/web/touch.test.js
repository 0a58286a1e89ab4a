// ntc-beta: the page on phones, upright and on their side, and under page
// zoom: what fills the screen, a finger's targets, text a phone does not
// zoom into, the keys a decimal keyboard lacks, the result's menu by touch.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, phone, field, typeReading, result } = require('./page.js');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const TARGETS = '[data-field], #Command1, label.check';

// Each target's box and text size, in CSS pixels.
const targets = (page) => page.locator(TARGETS).evaluateAll((elements) => elements.map((element) => {
  const { left, top, width, height } = element.getBoundingClientRect();
  return { name: element.id || element.querySelector('input').id, left, top, width, height,
    fontSize: parseFloat(getComputedStyle(element).fontSize) };
}));

const overlap = (a, b) => a.left < b.left + b.width && b.left < a.left + a.width &&
  a.top < b.top + b.height && b.top < a.top + a.height;

// Upright and on its side: a finger's 44 × 44 px for every field, the button
// and the check box, none over another, 16 px text, the window on the screen.
const views = [
  ['upright', phone(390, 844)],
  ['upright, 360 px', phone(360, 740)],
  ['on its side', phone(844, 390)],
];

test('on a phone every control is a finger\'s target with 16 px text', async () => {
  for (const [name, options] of views) {
    const page = await open(browser, options);
    const boxes = await targets(page);
    assert.equal(boxes.length, 6, name);
    for (const box of boxes) {
      assert.ok(box.width >= 44 && box.height >= 44, `${name}: ${box.name} ${box.width} × ${box.height}`);
      assert.ok(box.fontSize >= 16, `${name}: ${box.name} text ${box.fontSize} px`);
    }
    boxes.forEach((a, i) => boxes.slice(i + 1).forEach((b) => assert.ok(!overlap(a, b), `${name}: ${a.name} over ${b.name}`)));
    const window = await page.locator('main').boundingBox();
    const { width, height } = options.viewport;
    assert.ok(window.x >= 0 && window.x + window.width <= width + 0.5 && window.y + window.height <= height + 0.5,
      `${name}: the window on the screen: ${JSON.stringify(window)}`);
    await page.context().close();
  }
});

// The window grows taller than wide on a phone; the two 1s must still stand
// just over their bars, as on the desktop (7 px there, text to bar), not
// drift up towards the fraction above.
test('on a phone the two 1s stay just above their fraction bars', async () => {
  for (const [name, options] of views) {
    const page = await open(browser, options);
    const { gap, unit } = await page.evaluate(() => {
      const range = document.createRange();
      range.selectNodeContents(document.getElementById('Label1'));
      const text = range.getBoundingClientRect();
      const bar = document.getElementById('Line3').getBoundingClientRect();
      return { gap: bar.top - text.bottom, unit: document.querySelector('main').getBoundingClientRect().width / 408 };
    });
    assert.ok(gap >= 0 && gap <= 12 * unit, `${name}: ${gap.toFixed(1)} px between the 1s and their bar (unit ${unit.toFixed(2)})`);
    await page.context().close();
  }
});

test('upright the window spans the width; on its side it fills the height and the keys stand beside it', async () => {
  const upright = await open(browser, phone(390, 844));
  assert.equal((await upright.locator('main').boundingBox()).width, 390);
  await upright.context().close();

  const side = await open(browser, phone(844, 390));
  const window = await side.locator('main').boundingBox();
  assert.ok(Math.abs(window.height - 390) < 0.5, `height ${window.height}`);
  await field(side, 'Text3').tap();
  const keys = await side.locator('.keys').boundingBox();
  assert.ok(keys && keys.y >= 0 && keys.y + keys.height <= 390 && keys.x + keys.width <= 844, JSON.stringify(keys));
  assert.ok(keys.x >= window.x + window.width, `keys at ${keys.x}, the window ends at ${window.x + window.width}`);
  await side.context().close();
});

test('on a phone: decimal keys, the extra keys type and reach the controller, taps act', async () => {
  const page = await open(browser, phone());
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

  for (const [name, text] of [['Text2', '1000'], ['Text3', '25,5'], ['Text4', '100']]) await field(page, name).fill(text);
  await page.locator('#Command1').tap();
  assert.equal((await result(page)).text, ' 3415.64');
  // The hint, which a touch screen shows under the window, goes once a key
  // changes the field, as typing makes it go.
  const note = page.locator('[data-notes]');
  assert.equal(await note.innerText(), 'T1：读取为 25，忽略了“,5”；小数点请用“.”');
  await field(page, 'Text3').tap();
  await page.locator('.keys button', { hasText: '.' }).tap();
  assert.equal(await note.isHidden(), true);
  assert.equal(await page.locator('.hinted').count(), 0);

  await page.locator('#Image1').tap();
  // 11 pt is 14.67 px at 100 %, scaled by 390 / 408.
  assert.ok(Math.abs(parseFloat((await result(page)).fontSize) - 14.02) < 0.01);
});

test('a tap on the result opens its menu, which copies', async () => {
  const page = await open(browser, phone());
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await typeReading(page, ['10000', '1066.1', '25', '85']);
  await page.locator('#Command1').tap();
  await page.locator('[data-result]').tap();
  const item = page.locator('[data-copy=full]');
  assert.equal(await item.isVisible(), true);
  assert.ok((await item.boundingBox()).height >= 44);
  await item.tap();
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '3984.01296410608');
});

// Page zoom at 150 % and 200 %: the same screen with fewer, larger CSS
// pixels. Text must grow with it: a field's in proportion, the result's
// too on a desktop, and on a phone, where the window then no longer fits
// the screen's width, by half at least at 200 %.
const zoomed = (base, zoom) => ({
  ...base,
  viewport: { width: Math.round(base.viewport.width / zoom), height: Math.round(base.viewport.height / zoom) },
  screen: { width: Math.round(base.viewport.width / zoom), height: Math.round(base.viewport.height / zoom) },
  deviceScaleFactor: base.deviceScaleFactor * zoom,
});
const desktop = { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1 };

test('page zoom enlarges the text on a desktop and on a phone', async () => {
  for (const [name, base, resultAt200] of [['desktop', desktop, 2], ['phone', phone(), 1.5]]) {
    const sizes = [];
    for (const zoom of [1, 1.5, 2, 4]) {
      const options = zoomed(base, zoom);
      const page = await open(browser, options);
      const px = (selector) => page.locator(selector).evaluate((element) => parseFloat(getComputedStyle(element).fontSize));
      // On the screen, in device pixels.
      sizes.push({ zoom, field: (await px('[id=Text1]')) * options.deviceScaleFactor,
        result: (await px('[data-result]')) * options.deviceScaleFactor });
      await page.context().close();
    }
    const [one] = sizes;
    for (const { zoom, field: fieldText, result: resultText } of sizes.slice(1)) {
      assert.ok(fieldText >= one.field * zoom * 0.99, `${name} at ${zoom}: field text ${fieldText} from ${one.field}`);
      if (zoom === 2) assert.ok(resultText >= one.result * resultAt200 * 0.99, `${name} at 200 %: result ${resultText} from ${one.result}`);
    }
    for (let i = 1; i < sizes.length; ++i) assert.ok(sizes[i].result > sizes[i - 1].result, `${name}: the result grows`);
  }
});
