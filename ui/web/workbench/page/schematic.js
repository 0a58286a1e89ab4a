// ntc-beta: the divider drawn as a small schematic that follows the
// circuit's settings: the supply, the fixed resistor and the thermistor (on
// the side chosen), a series and a parallel resistor where given, the tap to
// the ADC and ground. Part of the workbench's script (bench.js).

const svgText = (x, y, text, anchor = 'start') =>
  `<text x="${x}" y="${y}" text-anchor="${anchor}">${text.replace(/&/g, '&amp;').replace(/</g, '&lt;')}</text>`;

// A resistor (IEC box) from y1 to y2 at x, its value beside it; a
// thermistor gets the slanted stroke and its θ.
function resistorSymbol(x, y1, y2, label, thermistor) {
  const middle = (y1 + y2) / 2;
  let svg = `<path d="M${x} ${y1}V${middle - 18}M${x} ${middle + 18}V${y2}"/>` +
    `<rect x="${x - 7}" y="${middle - 18}" width="14" height="36"/>`;
  if (thermistor) svg += `<path d="M${x - 13} ${middle + 16}L${x + 13} ${middle - 16}h6"/>` + svgText(x - 24, middle + 20, 'θ', 'end');
  return svg + svgText(x + 14, middle + 4, label);
}

// The thermistor's side between y1 and y2: the thermistor, a series
// resistor under it, a parallel one across both.
function thermistorSide(x, y1, y2, circuit) {
  const split = circuit.series ? (y1 + y2) / 2 + 8 : y2;
  let svg = resistorSymbol(x, y1, split, 'NTC', true);
  if (circuit.series) svg += resistorSymbol(x, split, y2, circuit.series, false);
  if (circuit.parallel) {
    svg += `<path d="M${x} ${y1 + 4}H${x - 44}M${x} ${y2 - 4}H${x - 44}"/>` +
      `<circle cx="${x}" cy="${y1 + 4}" r="2"/><circle cx="${x}" cy="${y2 - 4}" r="2"/>` +
      resistorSymbol(x - 44, y1 + 4, y2 - 4, '', false) + svgText(x - 52, (y1 + y2) / 2 + 4, circuit.parallel, 'end');
  }
  return svg;
}

// circuit: { side: 'up' | 'down', fixed, series, parallel, bits, supply, vref } as typed.
function schematicSvg(circuit) {
  const x = 110, top = 22, tap = 120, bottom = 218;
  const fixed = (y1, y2) => resistorSymbol(x, y1, y2, circuit.fixed || '?', false);
  const upper = circuit.side === 'down' ? thermistorSide(x, top, tap, circuit) : fixed(top, tap);
  const lower = circuit.side === 'down' ? fixed(tap, bottom) : thermistorSide(x, tap, bottom, circuit);
  const reference = circuit.vref ? `Vref ${circuit.vref} V` : 'Vref = Vcc';
  return `<svg viewBox="0 0 260 240" width="260" height="240" fill="none" stroke="currentColor" stroke-width="1.5">` +
    `<path d="M${x - 30} ${top}H${x + 30}"/>` + svgText(x + 34, top + 4, `Vcc ${circuit.supply || '?'} V`) +
    upper + lower +
    `<circle cx="${x}" cy="${tap}" r="2.5" fill="currentColor"/><path d="M${x} ${tap}H${x + 70}"/>` +
    `<rect x="${x + 70}" y="${tap - 18}" width="70" height="36"/>` +
    svgText(x + 105, tap - 2, `ADC ${circuit.bits || '?'} bit`, 'middle') + svgText(x + 105, tap + 12, reference, 'middle') +
    `<path d="M${x - 14} ${bottom}H${x + 14}M${x - 9} ${bottom + 5}H${x + 9}M${x - 4} ${bottom + 10}H${x + 4}"/>` +
    '</svg>';
}
