// ntc-beta: the workbench's plots, drawn by uPlot: axes with units, the
// values under the pointer read out in the legend, the page's colours in
// either scheme, as wide as their box (a phone's too). Part of the
// workbench's script (bench.js).

// The scheme's colours, from the style sheet.
function plotColours() {
  const style = getComputedStyle(document.querySelector('[data-bench]'));
  const colour = (name) => style.getPropertyValue(name).trim();
  return { text: colour('--bench-text'), grid: colour('--bench-grid'), line: colour('--bench-line'),
    point: colour('--bench-point'), flag: colour('--bench-flag'), band: colour('--bench-band') };
}

// A plot in `box`: `shape` names the axes (xLabel, yLabel, logY) and the
// series ({ label, kind: 'line' | 'points' }); set() gives it data as
// uPlot's aligned columns [x, y1, y2, …], x ascending.
class Plot {
  constructor(box, shape) {
    this.box = box;
    this.shape = shape;
    this.data = null;
    this.plot = null;
    box.setAttribute('role', 'img');
    box.setAttribute('aria-label', shape.title);
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
    const series = this.shape.series.map(({ label, kind, flag, colour, show = true }) => {
      if (kind === 'points') {
        const ink = flag ? c.flag : colour ?? c.point;
        return { label, show, stroke: ink, fill: ink, paths: () => null,
          points: { show: true, size: flag ? 9 : 6, stroke: ink, fill: ink } };
      }
      // A band's edges and a dashed line beside them in the text's colour,
      // other lines in their own.
      const stroke = colour ?? (kind === 'edge' || kind === 'dashed' ? c.point : c.line);
      return { label, show, stroke, width: kind === 'line' ? 2 : 1.5, spanGaps: true,
        dash: kind === 'dashed' ? [6, 4] : undefined, points: { show: false } };
    });
    return {
      ...this.size(),
      scales: { x: this.shape.logX ? { time: false, distr: 3 } : { time: false }, y: this.shape.logY ? { distr: 3 } : {} },
      axes: [axis(this.shape.xLabel), { ...axis(this.shape.yLabel), size: 64 }],
      series: [{ label: this.shape.xLabel }, ...series],
      bands: (this.shape.bands ?? []).map(([upper, lower]) => ({ series: [upper, lower], fill: c.band })),
      legend: { live: true },
      cursor: { points: { size: 8 } },
    };
  }

  // Shows or hides the series at `index` (1 is the first after x), and
  // keeps that for a plot drawn anew.
  showSeries(index, show) {
    this.shape.series[index - 1].show = show;
    this.plot?.setSeries(index, { show });
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
