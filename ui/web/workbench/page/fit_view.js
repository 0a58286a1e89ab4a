// ntc-beta: the fit view: a pasted or opened R/T table fitted on every
// edit, with its coefficients, its errors, the rows the checks name, the
// R–T curve with the table's points and each row's error. Part of the
// workbench's script (bench.js).

const escapeHtml = (text) => String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

// A refusal or warning in words: the fault's two rows as the command line
// names them.
function findingText(finding) {
  const { kind } = finding;
  if (kind === 'notFalling') {
    const [cold, hot] = finding.row.celsius < finding.other.celsius ? [finding.row, finding.other] : [finding.other, finding.row];
    return t(kind, { line: finding.row.line, coldOhms: cold.ohmsText, coldCelsius: cold.celsiusText, coldLine: cold.line,
      hotOhms: hot.ohmsText, hotCelsius: hot.celsiusText, hotLine: hot.line });
  }
  if (kind === 'repeatedTemperature' || kind === 'risingThroughout') {
    return t(kind, { line: finding.row.line, celsius: finding.row.celsiusText, ohms: finding.row.ohmsText,
      otherLine: finding.other.line, otherCelsius: finding.other.celsiusText, otherOhms: finding.other.ohmsText });
  }
  if (kind === 'failure') return t(kind, { failure: failureText(finding.failure) });
  return t(kind, finding);
}

// The lines the findings name, for marking rows and points.
function namedLines(answer) {
  const lines = new Set();
  for (const finding of [...answer.refusals ?? [], ...answer.warnings ?? []]) {
    if (finding.line) lines.add(finding.line);
    if (finding.row) lines.add(finding.row.line);
  }
  for (const problem of answer.problems ?? []) lines.add(problem.line);
  return lines;
}

function showMessages(list, answer) {
  const items = [];
  if (answer.unreadable) items.push(['refused', t('unreadable', { name: answer.unreadable })]);
  for (const problem of answer.problems ?? []) items.push(['refused', t(problem.kind, problem)]);
  for (const refusal of answer.refusals ?? []) items.push(['refused', findingText(refusal)]);
  for (const warning of answer.warnings ?? []) items.push(['warning', findingText(warning)]);
  list.innerHTML = items.map(([kind, text]) => `<li class="bench-${kind}">${escapeHtml(text)}</li>`).join('');
}

function readText(read) {
  if (!read) return '';
  const header = read.header && !read.byPlace ? t('headerRead', { t: read.temperatureName, r: read.resistanceName }) : t('byPlace');
  return t('read', { separator: t(read.separator), comma: read.decimalComma ? t('decimalCommaRead') : '', header,
    factor: read.factor !== 1 ? t('factorRead', { factor: read.factor }) : '' });
}

class FitView {
  constructor(root, bench) {
    this.root = root;
    this.bench = bench;
    this.source = '';
    this.answer = null;
    this.values = root.querySelector('[data-values]');
    this.rows = root.querySelector('[data-rows]');
    this.rtPlot = new Plot(root.querySelector('[data-plot=rt]'), { title: t('rtPlot'), xLabel: t('temperatureAxis'),
      yLabel: t('resistanceAxis'), logY: true, ohmsY: true, series: [{ label: t('curve'), kind: 'line' }, { label: t('points'), kind: 'points' },
        { label: t('flagged'), kind: 'points', flag: true }] });
    this.errorPlot = new Plot(root.querySelector('[data-plot=residual]'), { title: t('residualPlot'), xLabel: t('temperatureAxis'),
      yLabel: t('errorAxis'), series: [{ label: t('error'), kind: 'points' }, { label: t('flagged'), kind: 'points', flag: true }] });
    root.querySelector('[data-file]').addEventListener('change', (event) => this.fileChosen(event.target.files[0]));
    root.querySelector('[name=model]').addEventListener('change', () => this.showModelFields());
    this.showModelFields();
  }

  showModelFields() {
    const beta = this.root.querySelector('[name=model]').value === 'beta';
    for (const field of this.root.querySelectorAll('[data-beta-only]')) field.hidden = !beta;
  }

  async fileChosen(file) {
    if (!file) return;
    this.source = file.name;
    this.root.querySelector('[name=table]').value = await file.text();
    this.bench.edited('fit');
  }

  update() {
    this.showModelFields();
    const table = this.root.querySelector('[name=table]').value;
    const answer = table.trim() ? this.bench.fit(table, this.bench.settings('fit'), this.source || 'pasted table') : null;
    this.answer = answer;
    showMessages(this.root.querySelector('[data-messages]'), answer ?? { problems: [] });
    this.root.querySelector('[data-read]').textContent = answer ? readText(answer.read) : t('empty');
    this.showValues(answer?.fit);
    this.showPlots(answer);
    this.showRows(answer);
  }

  showValues(fit) {
    this.root.querySelector('[data-results]').hidden = !fit;
    if (!fit) return;
    const label = { max_error_k: t('maxError'), rms_error_k: t('rmsError') };
    this.values.innerHTML = fit.values.map(({ name, text, value }) =>
      `<div><dt>${escapeHtml(label[name] ?? name)}</dt><dd data-name="${name}" data-value="${String(value)}">${escapeHtml(text)}</dd></div>`).join('');
  }

  showPlots(answer) {
    const points = [...answer?.points ?? []].sort((a, b) => a.celsius - b.celsius);
    if (!points.length) {
      this.rtPlot.set(null);
      this.errorPlot.set(null);
      return;
    }
    const flagged = namedLines(answer);
    const curve = answer.fit?.curve ?? [];
    const pointColumns = [points.map((p) => p.celsius), points.map((p) => p.ohms)];
    const flaggedColumns = [points.filter((p) => flagged.has(p.line)).map((p) => p.celsius),
      points.filter((p) => flagged.has(p.line)).map((p) => p.ohms)];
    this.rtPlot.set(uPlot.join([[curve.map((c) => c[0]), curve.map((c) => c[1])], pointColumns, flaggedColumns]));
    const rows = [...answer.fit?.rows ?? []].sort((a, b) => a.celsius - b.celsius);
    if (!rows.length) {
      this.errorPlot.set(null);
      return;
    }
    const marked = rows.filter((r) => flagged.has(r.line));
    this.errorPlot.set(uPlot.join([[rows.map((r) => r.celsius), rows.map((r) => r.error)],
      [marked.map((r) => r.celsius), marked.map((r) => r.error)]]));
  }

  // The rows' cells are written where they changed: an edit changes a
  // row or two, and the errors, of a table the page keeps.
  showRows(answer) {
    const errors = new Map((answer?.fit?.rows ?? []).map((row) => [row.line, row.errorText]));
    const flagged = answer ? namedLines(answer) : new Set();
    const points = answer?.points ?? [];
    this.rows.hidden = !points.length;
    const body = this.rows.tBodies[0];
    while (body.rows.length > points.length) body.lastElementChild.remove();
    while (body.rows.length < points.length) body.insertRow().append(...[0, 1, 2, 3].map(() => document.createElement('td')));
    points.forEach((p, i) => {
      const row = body.rows[i];
      row.classList.toggle('bench-flagged', flagged.has(p.line));
      [String(p.line), p.celsiusText, p.ohmsText, errors.get(p.line) ?? ''].forEach((text, c) => {
        if (row.cells[c].textContent !== text) row.cells[c].textContent = text;
      });
    });
  }
}
