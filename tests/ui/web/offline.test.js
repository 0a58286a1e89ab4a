// ntc-beta: the one file works opened from disk with the network off; the
// folder, served, installs as an app, works offline after one visit, and
// takes up a new release even from a host that lets browsers cache.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { launch, open, typeReading, result, serve, stop, site } = require('./page.js');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

async function calculateExample(page) {
  await typeReading(page, ['10000', '1000', '25', '100']);
  await page.click('#Command1');
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

test('the folder, served: an installable app that works offline after the first visit', async (t) => {
  const server = await serve(site);
  t.after(() => stop(server));
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

  await stop(server);
  await page.context().setOffline(true);
  await page.reload();
  await page.evaluate(async () => { await window.ntcBeta; });
  assert.equal(await calculateExample(page), ' 3415.64');
  const faces = await page.evaluate(async () => { await document.fonts.ready; return [...document.fonts].map((face) => face.status); });
  assert.deepEqual(faces, ['loaded']);
});

const controlled = (page) => page.evaluate(async () => {
  await navigator.serviceWorker.ready;
  if (!navigator.serviceWorker.controller)
    await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
});

// The next release as a build makes it: the page and its script changed,
// and so the worker's cache name.
function deployNextRelease(dir) {
  fs.appendFileSync(path.join(dir, 'form.js'), "window.release = 'next';\n");
  fs.appendFileSync(path.join(dir, 'index.html'), '<p id="next-release" hidden></p>\n');
  const worker = path.join(dir, 'sw.js');
  fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(/'ntc-beta-(\w+)'/, "'ntc-beta-$1-next'"));
}

test('a new release on a host that sends max-age=600 is offered, then taken up', async (t) => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'ntc-beta-site-'));
  fs.cpSync(site, dir, { recursive: true });
  const server = await serve(dir, { 'Cache-Control': 'max-age=600' });
  t.after(() => { stop(server); fs.rmSync(dir, { recursive: true, force: true }); });
  const page = await open(browser, {}, `http://127.0.0.1:${server.address().port}/`);
  await controlled(page);
  const line = page.locator('[data-update]');
  assert.equal(await line.isHidden(), true);

  deployNextRelease(dir);
  await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
  await line.waitFor({ state: 'visible' });
  assert.equal(await page.evaluate(() => window.release), undefined, 'the open page keeps its release');

  await Promise.all([page.waitForEvent('load'), line.locator('button').click()]);
  await page.evaluate(async () => { await window.ntcBeta; });
  const now = await page.evaluate(async () => ({
    script: window.release,
    page: Boolean(document.getElementById('next-release')),
    caches: await caches.keys(),
  }));
  assert.equal(now.script, 'next');
  assert.equal(now.page, true);
  assert.equal(now.caches.length, 1, JSON.stringify(now.caches));
  assert.match(now.caches[0], /-next$/);
  assert.equal(await line.isHidden(), true);
  assert.equal(await calculateExample(page), ' 3415.64');
});
