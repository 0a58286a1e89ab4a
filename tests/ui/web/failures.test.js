// ntc-beta: where the page cannot run, a line says so, in Chinese and, for
// a browser that prefers another language, in English too; where the browser
// merely lacks a way to unpack the WebAssembly, the page runs all the same.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, typeReading, result, serve, stop, site } = require('./page.js');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const CHINESE = /此浏览器无法运行本页的计算.*WebAssembly/;
const ENGLISH = /This browser cannot run this calculator.*WebAssembly/;

// The line as the visitor sees it: its visible text.
const cannotRunLine = async (page) => {
  const line = page.locator('[data-cannot-run]');
  await line.waitFor({ state: 'visible' });
  return line.innerText();
};

test('without WebAssembly the line says what the page needs, in the browser\'s language too', async () => {
  for (const [locale, english] of [['zh-CN', false], ['en-US', true], ['de-DE', true]]) {
    const page = await open(browser, { locale }, undefined, {
      waitForController: false,
      before: () => { delete window.WebAssembly; },
    });
    const text = await cannotRunLine(page);
    assert.match(text, CHINESE, locale);
    assert.equal(ENGLISH.test(text), english, `${locale}: ${text}`);
    // The window does nothing, and says nothing else.
    await typeReading(page, ['10000', '1000', '25', '100']);
    await page.click('#Command1');
    assert.equal((await result(page)).text, '填入数值');
    await page.context().close();
  }
});

test('with scripts off the page says that it needs them', async () => {
  const page = await open(browser, { javaScriptEnabled: false }, undefined, { waitForController: false });
  const text = await page.locator('p.notice:visible').innerText();
  assert.match(text, /本页的计算需要 JavaScript/);
  assert.match(text, /needs JavaScript/);
});

// A browser too old to read the page's script runs none of it: the line
// still comes, from the page itself.
test('the folder whose script never runs says so', async (t) => {
  const server = await serve(site);
  t.after(() => stop(server));
  const context = await browser.newContext({ locale: 'en-GB' });
  const page = await context.newPage();
  await page.route('**/form.js', (route) => route.abort());
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  assert.match(await cannotRunLine(page), ENGLISH);
  await context.close();
});

// Safari before 16.4 and Firefox before 113 have no DecompressionStream.
test('the single file runs without DecompressionStream', async () => {
  const page = await open(browser, {}, undefined, { before: () => { delete window.DecompressionStream; } });
  await typeReading(page, ['10000', '1000', '25', '100']);
  await page.click('#Command1');
  assert.equal((await result(page)).text, ' 3415.64');
  assert.equal(await page.locator('[data-cannot-run]').isHidden(), true);
});
