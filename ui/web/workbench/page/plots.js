// ntc-beta: the workbench's plots, drawn by uPlot: axes with units, the
// values under the pointer read out in the legend, the page's colours in
// either scheme, as wide as their box (a phone's too). Part of the
// workbench's script (bench.js).

// The scheme's colours, from the style sheet.
function plotColours() {
  const style = getComputedStyle(document.querySelector('[data-bench]'));
  const colour = (name) => style.getPropertyValue(name).trim();
  return { text: colour('--bench-text'), grid: colour('--bench-grid'), line: colour('--bench-line'),
    point: colour('--bench-point'), flag: colour('--bench-flag') };
}

// A plot in `box`: `spec` names the axes (xLabel, yLabel, logY) and the
// series ({ label, kind: 'line' | 'points' }); set() gives it data as
// uPlot's aligned columns [x, y1, y2, …], x ascending.
class Plot {
  constructor(box, spec) {
    this.box = box;
    this.spec = spec;
    this.data = null;
    this.plot = null;
    box.setAttribute('role', 'img');
    box.setAttribute('aria-label', spec.title);
    new ResizeObserver(() => this.resize()).observe(box);
    matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => this.redraw());
  }

  size() {
    const width = Math.max(240, Math.floor(this.box.clientWidth));
    return { width, height: Math.round(Math.min(320, Math.max(200, width * 0.55))) };
  }

  options() {
    const c = plotColours();
    const axis = (label) => ({ label, stroke: c.text, grid: { stroke: c.grid, width: 1 }, ticks: { stroke: c.grid, width: 1 },
      labelFont: '13px sans-serif', font: '12px sans-serif' });
    const series = this.spec.series.map(({ label, kind, flag }) => (kind === 'points'
      ? { label, stroke: flag ? c.flag : c.point, fill: flag ? c.flag : c.point, paths: () => null,
        points: { show: true, size: flag ? 9 : 6, stroke: flag ? c.flag : c.point, fill: flag ? c.flag : c.point } }
      : { label, stroke: c.line, width: 2, spanGaps: true, points: { show: false } }));
    return {
      ...this.size(),
      scales: { x: { time: false }, y: this.spec.logY ? { distr: 3 } : {} },
      axes: [axis(this.spec.xLabel), { ...axis(this.spec.yLabel), size: 64 }],
      series: [{ label: this.spec.xLabel }, ...series],
      legend: { live: true },
      cursor: { points: { size: 8 } },
    };
  }

  set(data) {
    this.data = data;
    if (!data) {
      this.plot?.destroy();
      this.plot = null;
      return;
    }
    if (this.plot) this.plot.setData(data);
    else this.plot = new uPlot(this.options(), data, this.box);
  }

  resize() {
    if (this.plot && this.box.clientWidth) this.plot.setSize(this.size());
  }

  redraw() {
    this.plot?.destroy();
    this.plot = null;
    if (this.data) this.set(this.data);
  }
}
