// ntc-beta: the workbench's speed in headless Chromium, the single file
// opened from disk.
//
// "Fit redraw": a 200-row table fitted and drawn again after an edit (one
// resistance changed, as typing does): the time from the input event to the
// end of the work it starts (the fit in WebAssembly, the coefficients, the
// rows, both plots drawn, the page laid out), and to the next frame after it.
// The aim is one frame, 16 ms.
//
// Both start once the workbench has warmed its WebAssembly up (a few runs
// on made-up tables, a task each, when it first shows), as a visitor's first
// table comes seconds after the view.
//
// "ADC table": every count of a 12-bit converter (4096 rows, one per count)
// made and shown: the longest task the page runs meanwhile (Long Tasks API:
// only tasks over 50 ms are reported; none means every task stayed under),
// and the time until the last row is in the page.
//
//   NODE_PATH=build-web/npm/node_modules node bench/web/workbench.js BUILD_DIR [RUNS]
'use strict';

const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch } = require('../../tests/ui/web/browser.js');

const [build, runsArgument = '21'] = process.argv.slice(2);
if (!build) {
  console.error('usage: node bench/web/workbench.js BUILD_DIR [RUNS]');
  process.exit(2);
}
const runs = Number(runsArgument);
const page = pathToFileURL(path.join(build, 'ntc-beta.html')).href;

// 201 rows, −40 to 160 °C a kelvin apart, of a 10 kΩ part (B 3950 K and a
// little curvature), to five digits as datasheets print them.
function table(offset = 0) {
  const rows = ['T(°C)\tR(Ω)'];
  for (let c = -40; c <= 160; ++c) {
    const t = c + 273.15;
    const r = 10000 * Math.exp(3950 * (1 / t - 1 / 298.15) + 2e-6 * (c - 25) ** 2) * (c === 25 ? 1 + offset : 1);
    rows.push(`${c}\t${Number(r.toPrecision(5))}`);
  }
  return rows.join('\n');
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const ms = (values) => `${median(values).toFixed(1)} ms (${Math.min(...values).toFixed(1)}-${Math.max(...values).toFixed(1)})`;

async function fitRedraws(browser) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  const tab = await context.newPage();
  await tab.goto(`${page}#fit`);
  await tab.waitForSelector('[data-view=fit]:not([hidden])');
  await tab.evaluate(() => window.ntcWorkbench.warmedUp);
  await tab.fill('textarea', table());
  const tables = Array.from({ length: runs + 2 }, (_, i) => table((i + 1) * 1e-4));
  const timings = await tab.evaluate(async (texts) => {
    const area = document.querySelector('textarea');
    const nextFrame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
    const results = [];
    for (const text of texts) {
      await nextFrame();
      const start = performance.now();
      area.value = text;
      area.dispatchEvent(new Event('input', { bubbles: true }));
      await Promise.resolve(); // uPlot draws at the end of the task's microtasks
      await new Promise((resolve) => queueMicrotask(resolve));
      void document.body.offsetHeight; // the layout the edit needs
      const worked = performance.now();
      await nextFrame();
      results.push({ work: worked - start, frame: performance.now() - start });
    }
    return results.slice(2); // two warm-up edits
  }, tables);
  await context.close();
  return timings;
}

async function adcTable(browser) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  const tab = await context.newPage();
  const settings = new URLSearchParams({ 'adc-model': 'beta', 'adc-bits': '12', 'adc-from': '-200', 'adc-to': '2000',
    'adc-every': '1', 'adc-fixed': '10k' });
  await tab.goto(`${page}#adc`);
  await tab.waitForSelector('[data-view=adc]:not([hidden])');
  await tab.evaluate(() => window.ntcWorkbench.warmedUp);
  const result = await tab.evaluate(async (query) => {
    const longest = [];
    new PerformanceObserver((list) => longest.push(...list.getEntries().map((e) => e.duration))).observe({ type: 'longtask' });
    const set = (name, value) => {
      const field = document.querySelector(`[name="${name}"]`);
      if (field.type === 'checkbox') field.checked = value === '1';
      else field.value = value;
    };
    const params = new URLSearchParams(query);
    const start = performance.now();
    for (const [name, value] of params) set(name, value);
    document.querySelector('[name="adc-bits"]').dispatchEvent(new Event('input', { bubbles: true }));
    const rows = () => document.querySelectorAll('[data-view=adc] [data-rows] tbody tr').length;
    const count = Number(document.querySelector('[data-rows-count]').textContent.match(/\d+/)[0]);
    while (rows() < count) await new Promise((resolve) => setTimeout(resolve, 5));
    const done = performance.now() - start;
    await new Promise((resolve) => setTimeout(resolve, 100));
    return { count, done, longTasks: longest };
  }, settings.toString());
  await context.close();
  return result;
}

async function main() {
  const browser = await launch();
  const fits = await fitRedraws(browser);
  const adc = [];
  for (let i = 0; i < 5; ++i) adc.push(await adcTable(browser));
  await browser.close();
  console.log(`Chromium ${browser.version()}, headless; the workbench of ntc-beta.html:`);
  console.log(`  fit redraw, 201 rows, both plots: work ${ms(fits.map((f) => f.work))}, ` +
    `to the next frame ${ms(fits.map((f) => f.frame))} (${runs} edits, medians (min-max))`);
  const longest = adc.flatMap((a) => a.longTasks);
  console.log(`  ADC table, ${adc[0].count} rows (every count of 12 bits): all rows in the page after ${ms(adc.map((a) => a.done))}; ` +
    (longest.length ? `long tasks over 50 ms: ${longest.map((d) => d.toFixed(0)).join(', ')} ms` : 'no task over 50 ms') +
    ` (${adc.length} runs)`);
}

main().catch((error) => { console.error(error); process.exit(1); });
