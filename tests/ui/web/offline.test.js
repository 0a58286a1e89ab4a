// ntc-beta: the one file works opened from disk with the network off; the
// folder, served, installs as an app and works offline after one visit.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { launch, open, typeReading, result, site } = require('./page.js');

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

// A static host on the loopback address, for the folder.
function serve(dir) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.css': 'text/css',
    '.woff2': 'font/woff2', '.jpg': 'image/jpeg', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
    '.TXT': 'text/plain' };
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).replace(/\/$/, '/index.html');
    const file = path.join(dir, path.normalize(name));
    if (!file.startsWith(dir) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    response.end(fs.readFileSync(file));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

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
