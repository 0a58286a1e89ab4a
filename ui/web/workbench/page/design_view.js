// ntc-beta: the design view: with the ADC view's model and circuit, each
// fixed resistor of an E series judged by its worst °C per count over the
// range (the best marked), and the error budget as a band against
// temperature, each contribution shown or hidden. Part of the workbench's
// script (bench.js).

// The contributions, as the module names them, and their colours (Okabe
// and Ito's, told apart in either scheme and by most colour-blind eyes).
const kContributions = [
  ['r25', 'r25Part', '#d55e00'], ['beta', 'betaPart', '#0072b2'], ['resistor', 'resistorPart', '#009e73'],
  ['reference', 'referencePart', '#cc79a7'], ['adc', 'adcPart', '#e69f00'], ['quantisation', 'quantisationPart', '#56b4e9'],
  ['selfHeating', 'selfHeatingPart', '#999999'],
];

class DesignView {
  constructor(root, bench) {
    this.root = root;
    this.bench = bench;
    this.pullupPlot = new Plot(root.querySelector('[data-plot=pullup]'), { title: t('pullupPlot'), xLabel: t('resistorAxis'),
      yLabel: t('worstAxis'), logX: true, logY: true, ohmsX: true,
      series: [{ label: t('candidates'), kind: 'points' }, { label: t('best'), kind: 'points', flag: true }] });
    // Series 1 and 2 the band's edges (±worst), 3 and 4 the root sum of
    // squares, then each contribution.
    this.budgetPlot = new Plot(root.querySelector('[data-plot=budget]'), { title: t('budgetPlot'),
      xLabel: t('temperatureAxis'), yLabel: t('errorBandAxis'), bands: [[1, 2]],
      series: [{ label: t('worstBand'), kind: 'edge' }, { label: `−${t('worstBand')}`, kind: 'edge' },
        { label: t('rss'), kind: 'dashed' }, { label: `−${t('rss')}`, kind: 'dashed' },
        ...kContributions.map(([, label, colour]) => ({ label: t(label), kind: 'thin', colour }))] });
    this.addSwitches();
  }

  // A check box per contribution, which shows or hides its line.
  addSwitches() {
    const box = this.root.querySelector('[data-switches]');
    kContributions.forEach(([name, label, colour], i) => {
      const item = document.createElement('label');
      item.innerHTML = `<input type="checkbox" checked data-switch="${name}"><i class="bench-swatch" style="--swatch:${colour}"></i>`;
      item.append(t(label));
      item.firstChild.addEventListener('change', (event) => this.budgetPlot.showSeries(5 + i, event.target.checked));
      box.append(item);
    });
  }

  update() {
    const answer = this.bench.design(`${this.bench.settings('adc')}\n${this.bench.settings('design')}`);
    this.showPullup(answer.pullup ?? answer);
    this.showBudget(answer.budget ?? answer);
  }

  showPullup(answer) {
    const items = [];
    if (answer.unreadable) items.push(['refused', t('unreadable', { name: answer.unreadable })]);
    if (answer.error) items.push(['refused', t(answer.error === 'noRows' ? 'noRowsAdc' : answer.error)]);
    if (answer.allOnRail) items.push(['warning', t('allOnRail')]);
    this.root.querySelector('[data-pullup-messages]').innerHTML =
      items.map(([kind, text]) => `<li class="bench-${kind}">${escapeHtml(text)}</li>`).join('');
    const choices = answer.choices;
    this.root.querySelector('[data-best]').textContent = choices && !answer.allOnRail ? t('bestLine', answer) : '';
    if (!choices) return this.pullupPlot.set(null);
    // The candidates off the rails, in order of resistance; the best apart.
    const order = choices.ohms.map((_, i) => i).filter((i) => !choices.onRail[i]).sort((a, b) => choices.ohms[a] - choices.ohms[b]);
    const best = answer.allOnRail ? [[], []] : [[choices.ohms[0]], [choices.worst[0]]];
    this.pullupPlot.set(uPlot.join([[order.map((i) => choices.ohms[i]), order.map((i) => choices.worst[i])], best]));
  }

  showBudget(answer) {
    const items = [];
    if (answer.error) items.push(['refused', t(answer.error === 'noRows' ? 'noRowsAdc' : answer.error)]);
    if (answer.unreadable?.length && Array.isArray(answer.unreadable))
      items.push(['warning', t('budgetUnreadable', { list: answer.unreadable.join(english ? ', ' : '、') })]);
    this.root.querySelector('[data-budget-messages]').innerHTML =
      items.map(([kind, text]) => `<li class="bench-${kind}">${escapeHtml(text)}</li>`).join('');
    const rows = answer.rows;
    if (!rows) return this.budgetPlot.set(null);
    const negative = (values) => values.map((v) => (v === null ? null : -v));
    this.budgetPlot.set([rows.celsius, rows.worst, negative(rows.worst), rows.rss, negative(rows.rss),
      ...kContributions.map(([name]) => rows[name])]);
  }
}
