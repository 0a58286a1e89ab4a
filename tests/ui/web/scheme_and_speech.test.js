// ntc-beta: readable on a dark scheme, and heard by screen readers.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, field, typeReading, result, contrast } = require('./page.js');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const face = (page) => page.locator('main').evaluate((main) => getComputedStyle(main).backgroundColor);

// An element's pixels as grey levels, row by row.
async function pixels(page, selector) {
  const png = await page.locator(selector).screenshot();
  return page.evaluate(async (base64) => {
    const image = new Image();
    image.src = `data:image/png;base64,${base64}`;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const { data, width, height } = context.getImageData(0, 0, image.width, image.height);
    const grey = (i) => Math.round((data[i] + data[i + 1] + data[i + 2]) / 3);
    return Array.from({ length: height }, (_, y) => Array.from({ length: width }, (__, x) => grey(4 * (y * width + x))));
  }, png.toString('base64'));
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
  await page.click('#Image1');
  const thanks = await readable('thanks');
  assert.notEqual(thanks, 'rgb(128, 0, 0)');
  await typeReading(page, ['10000', '1000', '25,5', '100']);
  await page.click('#Command1');
  await readable('result');
  const mark = await page.locator('.hinted .mark').evaluate((element) => getComputedStyle(element).backgroundColor);
  const ground = await field(page, 'Text3').evaluate((element) => getComputedStyle(element).backgroundColor);
  assert.ok(contrast(mark, ground) >= 4.5, `hint mark ${mark} on ${ground}`);

  // The page hears of a change of scheme a frame after it.
  const changedFrom = (colour) => page.waitForFunction(
    (was) => getComputedStyle(document.querySelector('[data-result]')).color !== was, colour);
  await page.emulateMedia({ colorScheme: 'light' });
  await page.click('#Image1');
  await page.emulateMedia({ colorScheme: 'dark' });
  await changedFrom('rgb(128, 0, 0)');
  assert.equal(await readable('thanks after a change of scheme'), thanks);
  await page.emulateMedia({ colorScheme: 'light' });
  await changedFrom(thanks);
  assert.equal((await result(page)).colour, 'rgb(128, 0, 0)');
});

// The highlighted item of the result's menu, and the formula's picture
// drawn in the face's colours rather than as a white box.
test("on a dark scheme the menu's highlight reads at 4.5:1 and the picture is dark", async () => {
  const page = await open(browser, { colorScheme: 'dark', deviceScaleFactor: 1 });
  await page.click('[data-result]', { button: 'right' });
  const item = await page.locator('[data-copy=shown]').evaluate((button) => {
    const style = getComputedStyle(button);
    return { colour: style.color, ground: style.backgroundColor, focused: document.activeElement === button };
  });
  assert.ok(item.focused);
  assert.ok(contrast(item.colour, item.ground) >= 4.5, `${item.colour} on ${item.ground}`);
  await page.keyboard.press('Escape');

  const greys = await pixels(page, '[id=Image1]');
  const ground = greys[2][greys[2].length - 3]; // the picture's top right, clear of ink
  const ink = Math.max(...greys.flat());
  const dark = await face(page);
  assert.ok(Math.abs(ground - Number(dark.match(/\d+/)[0])) <= 8, `ground ${ground} on ${dark}`);
  assert.ok(ink - ground > 120, `ink ${ink} on ${ground}`);
});

test('a screen reader hears every result, the same one twice as well', async () => {
  const page = await open(browser);
  const region = page.locator('[aria-live=polite]');
  await region.evaluate((element) => {
    window.heard = [];
    new MutationObserver(() => window.heard.push(element.textContent)).observe(element, { childList: true, subtree: true, characterData: true });
  });
  await typeReading(page, ['10000', '1000', '25', '100']);
  await page.click('#Command1');
  await page.click('#Command1');
  await page.click('#Command1');
  await page.click('#Image1');
  // Each change heard once: the same result again differs from the one
  // before by a no-break space, which trim() takes off.
  const heard = await page.evaluate(() => window.heard);
  assert.deepEqual(heard.map((text) => text.trim()),
    ['3415.64', '3415.64', '3415.64', '希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko']);
  heard.slice(1).forEach((text, i) => assert.notEqual(text, heard[i], `announcement ${i + 2} is a change`));
  assert.equal(await page.locator('[data-result]').getAttribute('aria-description'), 'B值计算结果');
  assert.equal(await page.locator('[id=Label1]').getAttribute('aria-hidden'), 'true');
});

// A hint is heard with the result it came with, and stands as a note under
// the window, naming its field.
test("a field's hint is heard after the result and shown under the window", async () => {
  const page = await open(browser);
  await typeReading(page, ['10k', '1000', '25', '100']);
  await page.click('#Command1');
  // ln(10/1000) / (1/298.15 - 1/373.15) = -6831.28...
  const note = 'R1：读取为 10，忽略了“k”；前缀不参与换算，请写完整数值';
  assert.equal(await page.locator('[aria-live=polite]').textContent(), `-6831.28。${note}`);
  assert.equal(await page.locator('[data-notes]').innerText(), note);
  await field(page, 'Text1').press('End');
  await field(page, 'Text1').press('Backspace');
  assert.equal(await page.locator('[data-notes]').isHidden(), true);
});

// The check box is named by what it shows, for speech input.
test('the check box is named by its own text', async () => {
  const page = await open(browser);
  const box = page.getByRole('checkbox', { name: '使用绝对温度' });
  assert.equal(await box.count(), 1);
  assert.match(await box.getAttribute('aria-description'), /开尔文/);
});
