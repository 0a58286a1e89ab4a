// ntc-beta: the page gives the desktop windows' results, driven as a user
// drives it: typing, clicking, Tab, Enter, the result's menu.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, field, typeReading, result, singleFile } = require('./page.js');
const { pathToFileURL } = require('node:url');

const FILL = '请填入数值';
const INVALID = '输入数值无效';
const THANKS = '希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko';
const BLACK = 'rgb(0, 0, 0)';

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

// The desktop windows' own cases, worked by hand:
// ln(10) / (1/298.15 - 1/373.15) = 3415.6446...; ln(3.265) / (1/273.15 - 1/298.15) = 3854.5715...
const cases = [
  ['celsius', ['10000', '1000', '25', '100'], false, ' 3415.64'],
  ['kelvin, ticked', ['10000', '1000', '298.15', '373.15'], true, ' 3415.64'],
  ['swapped', ['1000', '10000', '25', '100'], false, '-3415.64'],
  ['ice point', ['32650', '10000', '0', '25'], false, ' 3854.57'],
  ['all empty', ['', '', '', ''], false, FILL],
  ['letters', ['abc', '1000', '25', '100'], false, FILL],
  ['overflow beats empty', ['', '', '', '1e999'], false, INVALID],
  ['equal temperatures', ['10000', '1000', '25', '25'], false, INVALID],
  ['0 K ticked', ['10000', '1000', '0', '100'], true, INVALID],
  ['large B', ['10', '1', '25', '25.001'], false, ' 2.0E+08'],
];

test('each reading gives the desktop result at 21 pt in black', async () => {
  const page = await open(browser);
  for (const [name, reading, tick, expected] of cases) {
    await typeReading(page, reading);
    await field(page, 'Check1').setChecked(tick);
    await page.click('[data-action=calculate]');
    const { text, fontSize, colour } = await result(page);
    assert.deepEqual({ text, fontSize, colour }, { text: expected, fontSize: '28px', colour: BLACK }, name);
    assert.equal(await field(page, 'Text1').inputValue(), reading[0], `${name}: the field keeps its text`);
  }
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
  await page.click('[data-action=calculate]');
  assert.equal((await result(page)).text, ' 3415.64');
});

test('the picture thanks at 11 pt in dark red; the button then shows its message in black', async () => {
  const page = await open(browser);
  for (let i = 0; i < 2; ++i) {
    await page.click('[data-action=picture]');
    assert.deepEqual(await result(page), { text: THANKS, fontSize: '14.6667px', colour: 'rgb(128, 0, 0)', title: '' });
  }
  await page.click('[data-action=calculate]');
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
  await page.click('[data-action=calculate]');
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
  await page.click('[data-action=calculate]');
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
  await page.click('[data-action=calculate]');
  await field(page, 'Text1').click();
  await field(page, 'Text1').press('End');
  await page.keyboard.press('Control+c');
  assert.equal(await page.evaluate(() => window.copied), '3984.01');
  await page.keyboard.type('5');
  assert.equal(await field(page, 'Text1').inputValue(), '100005');
});

test('a held Enter on the button calculates once', async () => {
  const page = await open(browser);
  await page.locator('[data-action=calculate]').evaluate((button) => {
    window.presses = 0;
    button.addEventListener('click', () => { window.presses += 1; });
  });
  await page.locator('[data-action=calculate]').focus();
  for (let i = 0; i < 4; ++i) await page.keyboard.down('Enter'); // the key repeating
  await page.keyboard.up('Enter');
  assert.equal(await page.evaluate(() => window.presses), 1);
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
  await page.click('[data-action=picture]');
  await page.click('[data-action=calculate]');
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
  await page.click('[data-action=calculate]');
  assert.deepEqual(await state(), { marked: true, title: hint, description: hint });
  await field(page, 'Text3').press('End');
  await field(page, 'Text3').press('Backspace');
  assert.deepEqual(await state(), { marked: false, title: '', description: null });
});
