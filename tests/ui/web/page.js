// ntc-beta: opening the built page in Chromium, and what the tests read off it.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch } = require('./browser.js');

const build = process.env.NTC_WEB_BUILD || path.resolve(__dirname, '../../../build-web');
const singleFile = path.join(build, 'ntc-beta.html');
const site = path.join(build, 'site');

// A fresh context per test: its own scheme, viewport, clipboard and storage.
// `before` runs in the page before its own scripts; unless `waitForController`
// is false, the page is returned once its controller runs.
async function open(browser, options = {}, url = pathToFileURL(singleFile).href,
  { before = null, waitForController = true } = {}) {
  const context = await browser.newContext({ viewport: { width: 640, height: 400 }, ...options });
  const page = await context.newPage();
  if (before) await page.addInitScript(before);
  await page.goto(url);
  if (waitForController) await page.evaluate(async () => { await window.ntcBeta; });
  return page;
}

// A phone, held upright or on its side (CSS pixels of an iPhone 12-15).
const phone = (width = 390, height = 844, deviceScaleFactor = 3) => ({
  viewport: { width, height }, screen: { width, height }, deviceScaleFactor, isMobile: true, hasTouch: true,
});

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

// Counts, in the page, every call across the border between the page's
// script and its WebAssembly (calls into the module's exports, and the
// module's calls out to its imports, the page's view among them) and every
// read of a computed style: window.crossings = { into, out, styleReads }.
// Run before the page's own scripts (open's `before`).
function countCrossings() {
  const counts = { into: 0, out: 0, styleReads: 0 };
  window.crossings = counts;
  const counted = (functions, key) => Object.fromEntries(Object.entries(functions).map(([name, value]) => [name,
    typeof value === 'function' ? (...args) => { counts[key] += 1; return value(...args); } : value]));
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = async (source, imports) => {
    const wrapped = Object.fromEntries(Object.entries(imports || {}).map(([name, module]) => [name, counted(module, 'out')]));
    const result = await instantiate(source, wrapped);
    const instance = result.instance || result;
    const exports = counted(instance.exports, 'into');
    return result.instance ? { module: result.module, instance: { exports } } : { exports };
  };
  const getComputedStyle = window.getComputedStyle;
  window.getComputedStyle = (...args) => { counts.styleReads += 1; return getComputedStyle(...args); };
}

// What `action` costs in crossings and style reads.
async function crossingsOf(page, action) {
  await page.evaluate(() => { Object.assign(window.crossings, { into: 0, out: 0, styleReads: 0 }); });
  await action();
  return page.evaluate(() => ({ ...window.crossings }));
}

// A static host on the loopback address, for the folder, on a port the
// system picks; `headers` go with every file (a caching header, say).
function serve(dir, headers = {}) {
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
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream', ...headers });
    response.end(fs.readFileSync(file));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Stops the host at once, open connections included.
function stop(server) {
  server.closeAllConnections();
  return new Promise((resolve) => server.close(resolve));
}

module.exports = {
  launch, open, phone, field, typeReading, result, contrast, serve, stop, singleFile, site, countCrossings, crossingsOf,
};
