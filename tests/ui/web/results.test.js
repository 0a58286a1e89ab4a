// ntc-beta: the page gives the desktop windows' results, driven as a user
// drives it: typing, clicking, Tab, Enter, the result's menu.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, field, typeReading, result, singleFile, countCrossings, crossingsOf } = require('./page.js');
const { pathToFileURL } = require('node:url');

const FILL = '请填入数值';
const THANKS = '希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko';
const BLACK = 'rgb(0, 0, 0)';

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

// One reading end to end, the box ticked: the evaluation's own cases are
// the core's tests (tests/calc, tests/ui/core).
test('a reading gives the desktop result at 21 pt in black', async () => {
  const page = await open(browser);
  // ln(10) / (1/298.15 - 1/373.15) = 3415.6446...
  const reading = ['10000', '1000', '298.15', '373.15'];
  await typeReading(page, reading);
  await field(page, 'Check1').setChecked(true);
  await page.click('#Command1');
  const { text, fontSize, colour } = await result(page);
  assert.deepEqual({ text, fontSize, colour }, { text: ' 3415.64', fontSize: '28px', colour: BLACK });
  assert.equal(await field(page, 'Text1').inputValue(), reading[0], 'the field keeps its text');
});

test('typed with the keyboard, through the tab order, Enter on the button', async () => {
  const page = await open(browser);
  const visited = []; // from the focus at start
  for (const text of ['10000', '1066.1', '25', '85']) {
    visited.push(await page.evaluate(() => document.activeElement.id));
    await page.keyboard.type(text);
    await page.keyboard.press('Enter'); // not the default button: nothing happens
    assert.equal((await result(page)).text, '填入数值');
    await page.keyboard.press('Tab');
  }
  visited.push(await page.evaluate(() => document.activeElement.id));
  await page.keyboard.press('Enter');
  await page.keyboard.press('Tab');
  visited.push(await page.evaluate(() => document.activeElement.id));
  assert.deepEqual(visited, ['Text1', 'Text2', 'Text3', 'Text4', 'Command1', 'Check1']);
  // ln(10000/1066.1) / (1/298.15 - 1/358.15) = 3984.0130 K, named after 25 °C and 85 °C
  assert.deepEqual(await result(page), { text: ' 3984.01', fontSize: '28px', colour: BLACK, title: 'B25/85 = 3984.01296410608 K' });
});

test('a greyed box, set from code, counts as ticked', async () => {
  const page = await open(browser);
  await typeReading(page, ['10000', '1000', '298.15', '373.15']);
  await field(page, 'Check1').evaluate((box) => { box.indeterminate = true; });
  await page.click('#Command1');
  assert.equal((await result(page)).text, ' 3415.64');
});

test('the picture thanks at 11 pt in dark red; the button then shows its message in black', async () => {
  const page = await open(browser);
  for (let i = 0; i < 2; ++i) {
    await page.click('#Image1');
    assert.deepEqual(await result(page), { text: THANKS, fontSize: '14.6667px', colour: 'rgb(128, 0, 0)', title: '' });
  }
  await page.click('#Command1');
  assert.deepEqual(await result(page), { text: FILL, fontSize: '28px', colour: BLACK, title: '' });
});

test('the result menu and Ctrl+C copy what is shown and B in full', async () => {
  const page = await open(browser);
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  const menuItem = (which) => page.locator(`[data-copy=${which}]`);
  await page.click('[data-result]', { button: 'right' });
  assert.equal(await menuItem('full').isDisabled(), true, 'no full value before a calculation');
  await page.keyboard.press('Escape');

  await typeReading(page, ['10000', '1066.1', '25', '85']);
  await page.click('#Command1');
  const copied = async (which) => {
    await page.click('[data-result]', { button: 'right' });
    await menuItem(which).click();
    assert.equal(await page.locator('[role=menu]').isHidden(), true);
    return page.evaluate(() => navigator.clipboard.readText());
  };
  assert.deepEqual(await page.locator('[role=menu] button').allTextContents(), ['复制', '复制完整数值']);
  assert.equal(await copied('shown'), '3984.01');
  assert.equal(await copied('full'), '3984.01296410608');

  // Ctrl+C copies the result where no field holds a selection, and a
  // field's selection where one does.
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  await field(page, 'Text1').click();
  await field(page, 'Text1').press('End');
  await page.keyboard.press('Control+c');
  assert.equal(await clipboard(), '3984.01');
  await field(page, 'Text1').press('Control+a');
  await page.keyboard.press('Control+c');
  assert.equal(await clipboard(), '10000');
  await field(page, 'Text1').press('End');
  await page.keyboard.press('Control+Insert');
  assert.equal(await clipboard(), '3984.01');
});

// The menu from the keyboard: the Menu key or Shift+F10 anywhere but in a
// field, or on the result reached with Tab; the focus goes back afterwards.
test('the result menu from the keyboard, and the focus given back', async () => {
  const page = await open(browser);
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await typeReading(page, ['10000', '1066.1', '25', '85']);
  await page.click('#Command1');
  const focused = () => page.evaluate(() => document.activeElement.id || document.activeElement.dataset.copy);
  for (const [from, key] of [['Command1', 'Shift+F10'], ['Check1', 'ContextMenu'], ['Label2(3)', 'Shift+F10']]) {
    await page.locator(`[id="${from}"]`).focus();
    await page.keyboard.press(key);
    assert.equal(await focused(), 'shown', `${key} on ${from} opens the menu`);
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '3984.01296410608');
    assert.equal(await focused(), from, `the focus back on ${from}`);
  }
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Tab');
  assert.equal(await focused(), 'Label2(3)', 'Tab reaches the result after the check box');
  await field(page, 'Text2').focus();
  await page.keyboard.press('Shift+F10');
  assert.equal(await page.locator('[role=menu]').isHidden(), true, "in a field the menu key is the field's");
  // The mouse's menu gives the focus back to where the typing was.
  await page.click('[data-result]', { button: 'right' });
  await page.keyboard.press('Escape');
  assert.equal(await focused(), 'Text2');
});

// Over plain HTTP there is no Clipboard API: a text box of its own copies,
// and the next key typed still goes to the field.
test('copying without the Clipboard API keeps the focus in the field', async () => {
  const page = await open(browser, {}, undefined, {
    before: () => {
      Object.defineProperty(Navigator.prototype, 'clipboard', { get: () => undefined });
      document.addEventListener('copy', (event) => {
        window.copied = event.target.value?.slice(event.target.selectionStart, event.target.selectionEnd);
      });
    },
  });
  await typeReading(page, ['10000', '1066.1', '25', '85']);
  await page.click('#Command1');
  await field(page, 'Text1').click();
  await field(page, 'Text1').press('End');
  await page.keyboard.press('Control+c');
  assert.equal(await page.evaluate(() => window.copied), '3984.01');
  await page.keyboard.type('5');
  assert.equal(await field(page, 'Text1').inputValue(), '100005');
});

// Each calculation is announced once (the same result again too): a held
// Enter announces one.
test('a held Enter on the button calculates once', async () => {
  const page = await open(browser);
  await page.locator('[aria-live]').evaluate((announcer) => {
    window.calculations = 0;
    new MutationObserver(() => { window.calculations += 1; }).observe(announcer, { childList: true, characterData: true, subtree: true });
  });
  await page.locator('#Command1').focus();
  for (let i = 0; i < 4; ++i) await page.keyboard.down('Enter'); // the key repeating
  await page.keyboard.up('Enter');
  await page.evaluate(() => new Promise((resolve) => setTimeout(resolve)));
  assert.equal(await page.evaluate(() => window.calculations), 1);
  assert.equal((await result(page)).text, FILL);
});

// One click crosses into the WebAssembly once and back at most twice (the
// fields read, everything shown); colours are read from the style only when
// the scheme changes (and once, when first needed).
test('a click crosses into the module once and reads no style', async () => {
  const page = await open(browser, {}, undefined, { before: countCrossings });
  await typeReading(page, ['10000', '1066.1', '25,5', '85']);
  await page.click('#Command1'); // the first reads the scheme as well
  assert.deepEqual(await crossingsOf(page, () => page.click('#Command1')), { into: 1, out: 2, styleReads: 0 });
  assert.deepEqual(await crossingsOf(page, () => page.click('#Image1')), { into: 1, out: 1, styleReads: 0 });
  assert.deepEqual(await crossingsOf(page, () => field(page, 'Text1').press('5')), { into: 1, out: 0, styleReads: 0 });
  const dark = await crossingsOf(page, async () => {
    await page.emulateMedia({ colorScheme: 'dark' });
    await page.waitForFunction(() => getComputedStyle(document.querySelector('[data-result]')).color !== 'rgb(128, 0, 0)');
  });
  assert.deepEqual({ into: dark.into, out: dark.out }, { into: 1, out: 2 });
});

// The WebAssembly held back until the test lets it go: what the user did
// meanwhile is done, in order, once it runs.
test('typing and clicks before the controller runs are done once it runs', async () => {
  const page = await open(browser, {}, pathToFileURL(singleFile).href, {
    waitForController: false,
    before: () => {
      const instantiate = WebAssembly.instantiate;
      const released = new Promise((resolve) => { window.releaseWasm = resolve; });
      WebAssembly.instantiate = (...args) => released.then(() => instantiate(...args));
    },
  });
  await typeReading(page, ['10000', '1000', '25,5', '100']);
  await page.click('#Image1');
  await page.click('#Command1');
  assert.equal((await result(page)).text, '填入数值');
  await page.evaluate(async () => { window.releaseWasm(); await window.ntcBeta; });
  assert.equal((await result(page)).text, ' 3415.64');
  assert.equal(await field(page, 'Text3').getAttribute('title'), '读取为 25，忽略了“,5”；小数点请用“.”');
});

test('a field read only in part is marked after a calculation, until it changes', async () => {
  const page = await open(browser);
  const hint = '读取为 25，忽略了“,5”；小数点请用“.”';
  await typeReading(page, ['10000', '1000', '25,5', '100']);
  const state = () => field(page, 'Text3').evaluate((input) => ({
    marked: getComputedStyle(input.parentElement.querySelector('.mark')).display !== 'none',
    title: input.title,
    description: input.getAttribute('aria-description'),
  }));
  assert.deepEqual(await state(), { marked: false, title: '', description: null });
  await page.click('#Command1');
  assert.deepEqual(await state(), { marked: true, title: hint, description: hint });
  await field(page, 'Text3').press('End');
  await field(page, 'Text3').press('Backspace');
  assert.deepEqual(await state(), { marked: false, title: '', description: null });
});
