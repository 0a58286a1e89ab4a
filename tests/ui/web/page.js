// ntc-beta: opening the built page in Chromium, and what the tests read off it.
'use strict';

const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch } = require('./browser.js');

const build = process.env.NTC_WEB_BUILD || path.resolve(__dirname, '../../../build-web');
const singleFile = path.join(build, 'ntc-beta.html');
const site = path.join(build, 'site');

// A fresh context per test: its own scheme, viewport, clipboard and storage.
async function open(browser, options = {}, url = pathToFileURL(singleFile).href) {
  const context = await browser.newContext({ viewport: { width: 640, height: 400 }, ...options });
  const page = await context.newPage();
  await page.goto(url);
  await page.evaluate(async () => { await window.ntcBeta; });
  return page;
}

const field = (page, name) => page.locator(`[id="${name}"]`);

async function typeReading(page, [r1, r2, t1, t2]) {
  for (const [name, text] of [['Text1', r1], ['Text2', r2], ['Text3', t1], ['Text4', t2]])
    await field(page, name).fill(text);
}

// The result label's text, CSS font size and colour.
const result = (page) => page.locator('[data-result]').evaluate((label) => {
  const style = getComputedStyle(label);
  return { text: label.textContent, fontSize: style.fontSize, colour: style.color, title: label.title };
});

// WCAG contrast of two "rgb(r, g, b)" colours.
function contrast(a, b) {
  const luminance = (css) => {
    const [r, g, bl] = css.match(/\d+/g).map(Number).map((c) => {
      const s = c / 255;
      return s <= 0.04045 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (hi + 0.05) / (lo + 0.05);
}

module.exports = { launch, open, field, typeReading, result, contrast, singleFile, site };
