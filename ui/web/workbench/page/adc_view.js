// ntc-beta: the ADC table view: the model (the fit, a beta model or
// coefficients) in the circuit drawn beside its settings, the table's
// resolution plotted, its rows, and the output as the command line writes
// it, to copy or download. Part of the workbench's script (bench.js).

// Rows are added to the page this many at a time, one task each, so that a
// table of every count of a 12-bit converter never holds the page up.
const kRowsPerTask = 128;
// The output shows its first lines; copy and download give it whole.
const kOutputLinesShown = 200;

// The name each format's own examples use where none is typed.
const kUsualNames = { csv: '', c: 'ntc_adc_table', marlin: 'temptable_998', klipper: 'my_thermistor', reprap: '',
  esphome: 'NTC Temperature' };
// What a downloaded file is called, by format.
const kExtensions = { c: '.h', marlin: '.h', klipper: '.cfg', reprap: '.g', esphome: '.yaml' };

class AdcView {
  constructor(root, bench) {
    this.root = root;
    this.bench = bench;
    this.answer = null;
    this.generation = 0;
    this.output = root.querySelector('[data-output]');
    this.table = root.querySelector('[data-rows]');
    this.plot = new Plot(root.querySelector('[data-plot=perCount]'), { title: t('perCountPlot'), xLabel: t('temperatureAxis'),
      yLabel: t('perCountAxis'), series: [{ label: t('perCount'), kind: 'line' }] });
    root.querySelector('[data-copy-output]').addEventListener('click', () => this.copyClicked());
    root.querySelector('[data-download]').addEventListener('click', () => this.downloadClicked());
  }

  field(name) { return this.root.querySelector(`[name="adc-${name}"]`); }

  showFields() {
    const source = this.field('model').value;
    for (const label of this.root.querySelectorAll('[data-source]')) label.hidden = label.dataset.source !== source;
    const format = this.field('format').value;
    this.field('ctype').closest('label').hidden = format !== 'c';
    this.field('fahrenheit').closest('label').hidden = !['csv', 'c'].includes(format);
    this.field('name').closest('label').hidden = format === 'csv';
    this.field('name').placeholder = kUsualNames[format];
    // A bound places the rows itself.
    const bounded = Boolean(this.field('maxerror').value.trim());
    this.field('step').disabled = bounded;
    this.field('every').disabled = bounded;
    const circuit = Object.fromEntries(['side', 'fixed', 'series', 'parallel', 'bits', 'supply', 'vref']
      .map((name) => [name, this.field(name).value.trim()]));
    this.root.querySelector('[data-schematic]').innerHTML = schematicSvg(circuit);
  }

  // The table, then in tasks of their own its output (a 4096-row file
  // takes as long to write as the table to make), its interpolation error
  // (through every code), its plot and its rows.
  update() {
    this.showFields();
    const answer = this.bench.adc(this.bench.settings('adc'));
    this.answer = answer;
    this.output.textContent = '';
    this.showMessages(answer);
    const rows = answer.rows;
    const generation = ++this.generation;
    const count = rows?.count.length ?? 0;
    this.root.querySelector('[data-rows-count]').textContent = count ? t('rowsShown', { rows: count }) : '';
    this.root.querySelector('[data-interpolation]').textContent = '';
    // A task each, in order, while this table is the one shown.
    const tasks = [() => this.writeOutput(), () => this.showInterpolation(), () => this.showPlot(rows),
      () => this.showRows(rows, generation)];
    const next = () => {
      if (generation !== this.generation || !tasks.length) return;
      tasks.shift()();
      setTimeout(next);
    };
    setTimeout(next);
  }

  showInterpolation() {
    if (!this.answer?.rows) return;
    const { interpolation } = this.bench.adcInterpolation();
    this.root.querySelector('[data-interpolation]').textContent = interpolation ? t('interpolation', interpolation) : '';
  }

  // The output of the table shown, once: its text or why there is none.
  writeOutput() {
    const answer = this.answer;
    if (!answer || 'output' in answer || answer.outputError || !answer.rows) return;
    const written = this.bench.adcOutput();
    if (written.output !== undefined) answer.output = written.output;
    answer.outputError = written.error ?? null;
    const { output, ...said } = written;
    Object.assign(answer, said);
    this.showMessages(answer);
    this.showOutput(answer.output ?? '');
  }

  showOutput(text) {
    let shown = text;
    let at = -1;
    for (let line = 0; line < kOutputLinesShown && (at = text.indexOf('\n', at + 1)) >= 0;) ++line;
    if (at >= 0 && at + 1 < text.length) {
      const more = text.slice(at + 1).split('\n').filter(Boolean).length;
      shown = text.slice(0, at + 1) + t('moreLines', { lines: more });
    }
    this.output.textContent = shown;
  }

  showMessages(answer) {
    const items = [];
    if (answer.unreadable) items.push(['refused', t('unreadable', { name: answer.unreadable })]);
    if (answer.error === 'circuit') items.push(['refused', t('circuitRefused', { feature: t(answer.feature) })]);
    else if (answer.error) items.push(['refused', t(answer.error === 'noRows' ? 'noRowsAdc' : answer.error, answer)]);
    if (answer.standIn) items.push(['warning', t('standIn', answer)]);
    if (answer.klipperBeta) items.push(['warning', t('klipperBeta')]);
    // A table from the fit carries what the fit's checks said of it.
    if (this.field('model').value === 'fit') {
      for (const warning of this.bench.fitView.answer?.warnings ?? []) items.push(['warning', findingText(warning)]);
    }
    const list = (values) => values.slice(0, 10).join(english ? ', ' : '、') + (values.length > 10 ? '…' : '');
    if (answer.merged?.length) items.push(['warning', t('merged', { count: answer.merged.length, list: list(answer.merged) })]);
    if (answer.rails?.length) items.push(['warning', t('rails', { count: answer.rails.length, list: list(answer.rails) })]);
    if (answer.beyondFit) items.push(['warning', t('beyondFit')]);
    if (answer.betaReach) items.push(['warning', t('betaReach', { reach: answer.betaReach })]);
    this.root.querySelector('[data-messages]').innerHTML =
      items.map(([kind, text]) => `<li class="bench-${kind}">${escapeHtml(text)}</li>`).join('');
  }

  showPlot(rows) {
    if (!rows?.count.length) {
      this.plot.set(null);
      return;
    }
    // Ascending temperature for the plot's axis, whichever way the counts run.
    const order = rows.celsius.map((c, i) => i).sort((a, b) => rows.celsius[a] - rows.celsius[b]);
    this.plot.set([order.map((i) => rows.celsius[i]), order.map((i) => rows.perCount[i])]);
  }

  // The rows a task's worth at a time; a newer table stops an older one's.
  showRows(rows, generation) {
    for (const body of [...this.table.tBodies]) body.remove();
    const count = rows?.count.length ?? 0;
    this.table.hidden = !count;
    const addRows = (from) => {
      if (generation !== this.generation || from >= count) return;
      const to = Math.min(count, from + kRowsPerTask);
      let html = '';
      for (let i = from; i < to; ++i) {
        html += `<tr><td>${rows.count[i]}</td><td>${numberText(rows.celsius[i], 6)}</td><td>${numberText(rows.ohms[i], 6)}</td>` +
          `<td>${numberText(rows.volts[i], 6)}</td><td>${numberText(rows.perCount[i], 4)}</td></tr>`;
      }
      const body = document.createElement('tbody');
      body.className = 'bench-chunk';
      body.innerHTML = html;
      this.table.append(body);
      setTimeout(() => addRows(to));
    };
    addRows(0);
  }

  fileName() {
    const format = this.field('format').value;
    if (format === 'csv') return 'ntc_adc_table.csv';
    const name = (this.field('name').value.trim() || kUsualNames[format] || 'thermistor').replace(/[^\w.-]+/g, '_');
    return name + kExtensions[format];
  }

  copyClicked() {
    this.writeOutput();
    if (!this.answer?.output) return;
    this.bench.host.copy(this.answer.output);
    const said = this.root.querySelector('[data-copied]');
    said.textContent = t('copied');
    setTimeout(() => { said.textContent = ''; }, 2000);
  }

  downloadClicked() {
    this.writeOutput();
    if (!this.answer?.output) return;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([this.answer.output], { type: 'text/plain' }));
    link.download = this.fileName();
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }
}
