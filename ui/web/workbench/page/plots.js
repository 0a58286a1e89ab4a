// ntc-beta: the workbench's plots, drawn by uPlot: axes with units, the
// values under the pointer read out in the legend, the page's colours in
// either scheme, as wide as their box (a phone's too). Part of the
// workbench's script (bench.js).

const kAxisTitleFont = '13px sans-serif';

// The scheme's colours, from the style sheet.
function plotColours() {
  const style = getComputedStyle(document.querySelector('[data-bench]'));
  const colour = (name) => style.getPropertyValue(name).trim();
  return { text: colour('--bench-text'), grid: colour('--bench-grid'), line: colour('--bench-line'),
    point: colour('--bench-point'), flag: colour('--bench-flag'), band: colour('--bench-band') };
}

// A plot in `box`: `shape` names the axes (xLabel, yLabel, logX, logY;
// ohmsX, ohmsY for resistances, whose ticks read "10k", "1M") and the
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
    const height = Math.round(Math.min(320, Math.max(200, width * 0.55)));
    return { width, height: Math.max(height, this.titleRoom()) };
  }

  // The height the y axis's title needs: uPlot centres it, turned, on the
  // plotting area and never wraps it, so on a phone's short plot a long
  // title (the English ones) would run off the top and bottom. The x axis
  // below the area and the padding above it take about 60 px.
  titleRoom() {
    if (this.yTitleWidth === undefined) {
      const context = document.createElement('canvas').getContext('2d');
      context.font = kAxisTitleFont;
      this.yTitleWidth = context.measureText(this.shape.yLabel).width;
    }
    return Math.ceil(this.yTitleWidth + 80);
  }

  options() {
    const c = plotColours();
    // Ticks and read-outs in the page's own numbers, not uPlot's, which
    // group thousands as the browser's language does ("1,000,000" runs off
    // the plot's edge; "3.600" reads as 3.6).
    const axis = (label, ohms) => ({ label, stroke: c.text, grid: { stroke: c.grid, width: 1 }, ticks: { stroke: c.grid, width: 1 },
      labelFont: kAxisTitleFont, font: '12px sans-serif',
      values: (u, ticks) => ticks.map((v) => (v === null ? '' : ohms ? ohmsText(v) : numberText(v, 6))) });
    const value = (u, v, index, row) => (row === null ? '--' : v === null ? '' : numberText(v, 6));
    const series = this.shape.series.map(({ label, kind, flag, colour, show = true }) => {
      if (kind === 'points') {
        const ink = flag ? c.flag : colour ?? c.point;
        return { label, show, value, stroke: ink, fill: ink, paths: () => null,
          points: { show: true, size: flag ? 9 : 6, stroke: ink, fill: ink } };
      }
      // A band's edges and a dashed line beside them in the text's colour,
      // other lines in their own.
      const stroke = colour ?? (kind === 'edge' || kind === 'dashed' ? c.point : c.line);
      return { label, show, value, stroke, width: kind === 'line' ? 2 : 1.5, spanGaps: true,
        dash: kind === 'dashed' ? [6, 4] : undefined, points: { show: false } };
    });
    return {
      ...this.size(),
      scales: { x: this.shape.logX ? { time: false, distr: 3 } : { time: false }, y: this.shape.logY ? { distr: 3 } : {} },
      axes: [axis(this.shape.xLabel, this.shape.ohmsX), { ...axis(this.shape.yLabel, this.shape.ohmsY), size: 64 }],
      series: [{ label: this.shape.xLabel, value }, ...series],
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
