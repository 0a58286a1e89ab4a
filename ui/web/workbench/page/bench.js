// ntc-beta: the workbench, the page's second view: its markup and style put
// in the page when it is first opened, its WebAssembly (models/, the
// command line's own code) started, its views (fit, ADC table, design)
// shown by the address's fragment, and every input kept in that fragment,
// so that a link holds the work and a reload keeps it. pack.js joins the
// workbench's parts into one script, in this order: texts.js, plots.js,
// schematic.js, fit_view.js, adc_view.js, design_view.js, bench.js, after the plotting
// library (uPlot) and the module's glue (createNtcWorkbench); each part uses
// what the parts before it define.

// A table longer than this, written into the link, is left out of it: a
// link of a few thousand characters still passes through mail and chat.
const kLinkTableLimit = 2000;
// Milliseconds after the last edit until the fragment is written.
const kFragmentDelay = 250;

class Bench {
  constructor(host, module) {
    this.host = host;
    this.module = module;
    const style = document.createElement('style');
    style.textContent = benchStyle;
    document.head.append(style);
    document.body.insertAdjacentHTML('beforeend', benchMarkup);
    this.root = document.querySelector('[data-bench]');
    this.root.lang = english ? 'en' : 'zh-CN';
    this.translate();
    this.view = null;
    this.fitView = new FitView(this.root.querySelector('[data-view=fit]'), this);
    this.adcView = new AdcView(this.root.querySelector('[data-view=adc]'), this);
    this.designView = new DesignView(this.root.querySelector('[data-view=design]'), this);
    this.root.addEventListener('input', (event) => this.edited(event.target.closest('[data-view]')?.dataset.view));
    this.root.querySelector('[data-back]').addEventListener('click', (event) => this.backClicked(event));
    // A page closed or reloaded within the pause keeps the last edit too.
    addEventListener('pagehide', () => {
      if (this.view && !this.root.hidden) this.writeFragment();
    });
  }

  translate() {
    for (const element of this.root.querySelectorAll('[data-t]')) element.textContent = t(element.dataset.t);
    for (const element of this.root.querySelectorAll('[data-tp]')) element.placeholder = t(element.dataset.tp);
    for (const element of this.root.querySelectorAll('[data-tl]')) element.setAttribute('aria-label', t(element.dataset.tl));
  }

  // The module's functions take and give UTF-8 text in its memory.
  call(name, ...texts) {
    const m = this.module;
    const pointers = texts.map((text) => {
      const size = m.lengthBytesUTF8(text) + 1;
      const pointer = m._malloc(size);
      m.stringToUTF8(text, pointer, size);
      return pointer;
    });
    try {
      return JSON.parse(m.UTF8ToString(m[name](...pointers)));
    } finally {
      pointers.forEach((pointer) => m._free(pointer));
    }
  }

  // The module keeps the last fit (an ADC table from the fit and the design
  // view read it) and the last table (its output and interpolation error
  // read it): the views' last calls are kept, so that restore() can give
  // the module back its state after the warm-up's runs on made-up data.
  fit(table, settings, source) {
    this.lastFit = [table, settings, source];
    return this.call('_ntc_workbench_fit', table, settings, source);
  }

  adc(settings) {
    this.lastAdc = settings;
    return this.call('_ntc_workbench_adc', settings);
  }

  // The views' last fit (or none: a fit of no table leaves none) and last
  // table made again.
  restore() {
    this.call('_ntc_workbench_fit', ...(this.lastFit ?? ['', '', '']));
    if (this.lastAdc !== undefined) this.call('_ntc_workbench_adc', this.lastAdc);
  }

  adcOutput() { return this.call('_ntc_workbench_adc_output'); }
  adcInterpolation() { return this.call('_ntc_workbench_adc_interpolation'); }
  design(settings) { return this.call('_ntc_workbench_design', settings); }

  fields(view) {
    return [...this.root.querySelectorAll(view ? `[data-view=${view}] [name]` : '[name]')];
  }

  // A view's settings as the module reads them: "name=value" lines.
  settings(view) {
    return this.fields(view).filter((field) => field.name !== 'table').map((field) => {
      const value = field.type === 'checkbox' ? (field.checked ? '1' : '') : field.value.trim();
      return `${field.dataset.key ?? field.name}=${value}`;
    }).join('\n');
  }

  // Every input that differs from its start, in the fragment after the
  // view's name; the table while it is short.
  writeFragment() {
    const params = new URLSearchParams();
    let tableLeftOut = false;
    for (const field of this.fields()) {
      if (field.type === 'checkbox') {
        if (field.checked) params.set(field.name, '1');
        continue;
      }
      const start = field.tagName === 'SELECT' ? [...field.options].find((o) => o.defaultSelected)?.value ?? field.options[0].value
        : field.defaultValue;
      if (field.value === start) continue;
      if (field.name === 'table' && encodeURIComponent(field.value).length > kLinkTableLimit) {
        tableLeftOut = true;
        continue;
      }
      params.set(field.name, field.value);
    }
    if (this.fitView.source) params.set('source', this.fitView.source);
    history.replaceState(history.state, '', `#${this.view}${params.size ? '?' + params : ''}`);
    const hasTable = Boolean(this.root.querySelector('[name=table]').value.trim());
    for (const note of this.root.querySelectorAll('[data-link-note]'))
      note.textContent = tableLeftOut ? t('linkShort', { limit: kLinkTableLimit }) : hasTable ? t('linkFull') : '';
  }

  readFragment(hash) {
    const at = hash.indexOf('?');
    if (at < 0) return;
    const params = new URLSearchParams(hash.slice(at + 1));
    for (const field of this.fields()) {
      if (field.type === 'checkbox') field.checked = params.get(field.name) === '1';
      else if (params.has(field.name)) field.value = params.get(field.name);
    }
    this.fitView.source = params.get('source') ?? this.fitView.source;
  }

  // The fragment follows the inputs once typing pauses: writing a long
  // address on every key would cost more than the fit itself.
  edited(view) {
    if (view === 'fit') this.fitView.update();
    if (view === 'adc' || (view === 'fit' && this.view === 'adc')) this.adcView.update();
    if (view === 'design' || (this.view === 'design' && view)) this.designView.update();
    clearTimeout(this.fragmentTimer);
    this.fragmentTimer = setTimeout(() => this.writeFragment(), kFragmentDelay);
  }

  show(view, hash) {
    clearTimeout(this.fragmentTimer);
    this.readFragment(hash);
    this.view = view;
    this.root.hidden = false;
    for (const section of this.root.querySelectorAll('[data-view]')) section.hidden = section.dataset.view !== view;
    for (const tab of this.root.querySelectorAll('[data-tab]')) {
      if (tab.dataset.tab === view) tab.setAttribute('aria-current', 'page');
      else tab.removeAttribute('aria-current');
    }
    document.title = `${t(`${view}Tab`)} · ${t('title')}`;
    this.fitView.update();
    if (view === 'adc') this.adcView.update();
    if (view === 'design') this.designView.update();
    this.writeFragment();
  }

  hide() {
    clearTimeout(this.fragmentTimer);
    this.root.hidden = true;
    document.title = this.windowTitle;
  }

  // Back to the window: the browser's back where the window is the page
  // before, so that history does not grow.
  backClicked(event) {
    event.preventDefault();
    if (history.state?.fromWindow) history.back();
    else location.hash = '';
  }
}

// Runs of the fit and the ADC table on made-up tables, a task each, once
// the workbench shows: the engine first runs WebAssembly from quickly
// compiled code and optimises what runs often, so the first 4096-row table
// a visitor makes would otherwise take several times as long as the next.
// Each run leaves the module as the views left it: in the same task, the
// views' own fit and table are made again (restore()), so that a made-up
// one never stands in for the visitor's, whatever the visitor does between
// the runs.
function warmUp(bench) {
  const table = Array.from({ length: 41 }, (_, i) => `${i * 5 - 40}\t${10000 * Math.exp(3950 * (1 / (i * 5 + 233.15) - 1 / 298.15))}`);
  const runs = [];
  for (let i = 0; i < 6; ++i) {
    runs.push(() => bench.call('_ntc_workbench_fit', table.join('\n'), `model=${['steinhart', 'steinhart4', 'beta'][i % 3]}`, ''));
    runs.push(() => {
      bench.call('_ntc_workbench_adc', `model=beta\nr0=10k\nbeta=3950\nfixed=10k\nbits=10\nevery=1\nformat=${['csv', 'c'][i % 2]}`);
      bench.call('_ntc_workbench_adc_output');
      bench.call('_ntc_workbench_adc_interpolation');
    });
  }
  return new Promise((resolve) => {
    const next = () => {
      if (!runs.length) return resolve();
      runs.shift()();
      bench.restore();
      setTimeout(next);
    };
    setTimeout(next);
  });
}

window.ntcWorkbench = {
  bench: null,
  // host: the page's own { gunzip, inline, copy }.
  async start(host) {
    const packed = host.inline('ntc-bench-wasm');
    const wasmBinary = packed ? await host.gunzip(Uint8Array.from(atob(packed), (c) => c.charCodeAt(0))) : undefined;
    const module = await createNtcWorkbench(wasmBinary ? { wasmBinary } : {});
    const title = document.title;
    this.bench = new Bench(host, module);
    this.warmedUp = warmUp(this.bench);
    this.bench.windowTitle = title;
    return this;
  },
  show(view, hash) { this.bench.show(view, hash); },
  hide() { this.bench?.hide(); },
};
