// ntc-beta: the page draws the window's layout: every control in its box,
// the formula's strokes, Label1's two 1s over their fraction bars and the
// hint mark, in the light and dark schemes and in forced colours.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open } = require('./page.js');

let browser;
let page;
before(async () => {
  browser = await launch();
  page = await open(browser, { viewport: { width: 408, height: 213 }, deviceScaleFactor: 1 });
});
after(() => browser.close());

// The window's table in pixels (twips / 15): left, top, width, height, text.
const controls = {
  Form1: [0, 0, 408, 213, undefined],
  Text1: [112, 32, 65, 25, ''],
  Text2: [112, 72, 65, 25, ''],
  Label1: [80, 112, 121, 17, '   1        1'],
  Text3: [80, 144, 49, 25, ''],
  Text4: [152, 144, 57, 25, ''],
  'Label2(0)': [72, 56, 41, 33, 'Ln('],
  'Label2(1)': [184, 56, 17, 33, ')'],
  'Label2(2)': [200, 96, 17, 33, '='],
  'Label2(3)': [216, 88, 185, 49, '填入数值'],
  'Label2(4)': [48, 96, 33, 33, 'B='],
  Command1: [256, 152, 129, 49, '计算'],
  Check1: [88, 176, 97, 25, '使用绝对温度'],
  Image1: [200, 0, 201, 84, ''],
};

// Line1…Line5: row, first and last pixel.
const lines = [[64, 104, 183], [104, 88, 191], [136, 80, 127], [136, 152, 207], [136, 136, 143]];

test('every control stands in its box with its text', async () => {
  const boxes = await page.evaluate((names) => Object.fromEntries(names.map((name) => {
    const element = document.getElementById(name);
    const box = (element.closest('label, .field') || element).getBoundingClientRect();
    const text = element.type === 'text' ? element.value : element.closest('label, button, div')?.textContent;
    return [name, [box.left, box.top, box.width, box.height, element.tagName === 'MAIN' ? undefined : text ?? '']];
  })), Object.keys(controls));
  assert.deepEqual(boxes, controls);
  // The window's default font, 9 pt, in the fields.
  assert.equal(await page.locator('[id=Text1]').evaluate((input) => getComputedStyle(input).fontSize), '12px');
});

// The page's pixels, read back through a canvas: grey levels row by row.
async function screenGreys() {
  const png = await page.screenshot();
  return page.evaluate(async (base64) => {
    const image = new Image();
    image.src = `data:image/png;base64,${base64}`;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const { data, width, height } = context.getImageData(0, 0, image.width, image.height);
    const rows = [];
    for (let y = 0; y < height; ++y) {
      const row = [];
      for (let x = 0; x < width; ++x) row.push(Math.round((data[4 * (y * width + x)] + data[4 * (y * width + x) + 1] + data[4 * (y * width + x) + 2]) / 3));
      rows.push(row);
    }
    return rows;
  }, png.toString('base64'));
}

const schemes = [
  ['light', { colorScheme: 'light', forcedColors: 'none' }],
  ['dark', { colorScheme: 'dark', forcedColors: 'none' }],
  ['forced colours', { colorScheme: 'light', forcedColors: 'active' }],
  ['forced colours, dark', { colorScheme: 'dark', forcedColors: 'active' }],
];

test('the strokes of the formula, the two 1s over their bars and the hint mark, in every scheme', async () => {
  await page.locator('[id=Text4]').fill('100k'); // a hint, marked in Text4's top right corner
  await page.click('#Command1');
  for (const [name, media] of schemes) {
    await page.emulateMedia(media);
    const grey = await screenGreys();
    const face = grey[5][5];
    const inked = (x, y) => Math.abs(grey[y][x] - face) > 100;
    for (const [row, first, last] of lines) {
      for (let x = first; x <= last; ++x) assert.ok(inked(x, row), `${name}: stroke at ${x},${row}`);
      assert.ok(!inked(first - 1, row) || first === 104, `${name}: stroke starts at ${first}`); // Line1's start meets "Ln("
      assert.ok(!inked(last + 1, row), `${name}: stroke ends at ${last}`);
      const middle = (first + last) >> 1;
      assert.ok(!inked(middle, row - 1) && !inked(middle, row + 1), `${name}: one pixel wide at ${middle},${row}`);
    }
    // Label1's inked columns, in runs: the two 1s.
    const runs = [];
    for (let x = 80; x < 201; ++x) {
      if (!grey.slice(112, 129).some((row) => Math.abs(row[x] - face) > 64)) continue;
      if (runs.length && x === runs[runs.length - 1][1] + 1) runs[runs.length - 1][1] = x;
      else runs.push([x, x]);
    }
    assert.equal(runs.length, 2, `${name}: ${JSON.stringify(runs)}`);
    const [one, two] = runs;
    assert.ok(one[0] >= 80 && one[1] <= 127, `${name}: first 1 over Line3: ${one}`);
    assert.ok(two[0] >= 152 && two[1] <= 207, `${name}: second 1 over Line4: ${two}`);
    // Text4 (152, 144, 57 × 25): its ground inside the border, and the mark
    // in the corner, two pixels in.
    const ground = grey[166][156];
    assert.ok(Math.abs(grey[147][205] - ground) > 60, `${name}: mark ${grey[147][205]} on ${ground}`);
  }
});
