// ntc-beta: the one file works opened from disk with the network off; the
// folder, served, installs as an app and works offline after one visit.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, typeReading, result, serve, site } = require('./page.js');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

async function calculateExample(page) {
  await typeReading(page, ['10000', '1000', '25', '100']);
  await page.click('[data-action=calculate]');
  return (await result(page)).text;
}

test('the single file from disk, network off, asks for nothing and calculates', async () => {
  const requested = [];
  const page = await open(browser, { offline: true });
  page.on('request', (request) => requested.push(request.url()));
  await page.reload();
  await page.evaluate(async () => { await window.ntcBeta; });
  assert.equal(await calculateExample(page), ' 3415.64');
  const local = (url) => url.startsWith('file:') || url.startsWith('data:') || url.startsWith('blob:');
  assert.deepEqual(requested.filter((url) => !local(url)), []);
  assert.equal(requested.filter((url) => url.startsWith('file:')).length, 1);
});

test('the folder, served: an installable app that works offline after the first visit', async () => {
  const server = await serve(site);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const page = await open(browser, {}, url);
  const manifest = await page.evaluate(async () => {
    const link = document.querySelector('link[rel=manifest]');
    const data = await (await fetch(link.href)).json();
    const icons = await Promise.all(data.icons.map(async (icon) => [icon.sizes, (await fetch(icon.src)).ok]));
    return { name: data.name, display: data.display, icons };
  });
  assert.equal(manifest.name, 'NTC电阻B值计算');
  assert.equal(manifest.display, 'standalone');
  // Chromium installs an app with icons of 192 and 512 pixels.
  const sizes = manifest.icons.filter(([, ok]) => ok).map(([size]) => size);
  assert.ok(sizes.includes('192x192') && sizes.includes('512x512'), JSON.stringify(manifest.icons));
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller)
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
  });

  await new Promise((resolve) => server.close(resolve));
  await page.context().setOffline(true);
  await page.reload();
  await page.evaluate(async () => { await window.ntcBeta; });
  assert.equal(await calculateExample(page), ' 3415.64');
  const faces = await page.evaluate(async () => { await document.fonts.ready; return [...document.fonts].map((face) => face.status); });
  assert.deepEqual(faces, ['loaded']);
});
