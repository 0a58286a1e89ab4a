// ntc-beta: the page's window. Its controls' events go to the window's
// controller in WebAssembly; `page` is the page's side of the controller's
// view (web_form.cpp). pack.js joins the page's scripts into one function, in
// this order: form.js (the window), menu.js (the result's copy menu),
// start.js (starting the controller), and updates.js where the page is a
// folder a host serves; each part uses what the parts before it define.

const fields = [...document.querySelectorAll('[data-field]')].sort((a, b) => a.dataset.field - b.dataset.field);
const check = document.querySelector('[data-check]');
const result = document.querySelector('[data-result]');
const notesLine = document.querySelector('[data-notes]');
const keys = document.querySelector('.keys');
const announcer = document.querySelector('[aria-live]');

// The controller, once its WebAssembly runs. What the user does before that
// is kept, in order, and done then; where the page cannot run, nothing is
// kept (start.js).
let module = null;
let early = [];
const call = (name, ...args) => (module ? module[name](...args) : early?.push([name, args]));

// "rgb(240, 240, 240)" as 0xF0F0F0, and back as "#f0f0f0".
const rgbOf = (element, property) => {
  const [r, g, b] = getComputedStyle(element)[property].match(/\d+/g).map(Number);
  return (r << 16) | (g << 8) | b;
};
const css = (rgb) => '#' + rgb.toString(16).padStart(6, '0');

// A live region speaks a change of its text; the same text again gets a
// no-break space toggled on, so it is heard again as well.
const announce = (text) => {
  announcer.textContent = announcer.textContent === text ? text + '\u00a0' : text;
};

// A result is spoken once the controller's call is over, with the notes of
// the hints that call gave the fields (a calculation shows its result first,
// then sets each field's hint).
let spoken = null;
function speakResult(text) {
  if (!spoken) {
    queueMicrotask(() => {
      announce([spoken.text.trim(), ...spoken.notes].join('。'));
      spoken = null;
    });
  }
  spoken = { text, notes: [] };
}

// Each field's hint: a red corner mark with the hint as its tooltip and
// description, and the hint's note ("R1：读取为 10…") on the line under the
// window, which touch screens (no tooltips) and the keyboard read.
const notes = fields.map(() => '');
function setFieldHint(field, hint, note) {
  const input = fields[field];
  input.parentElement.classList.toggle('hinted', hint !== '');
  for (const attribute of ['title', 'aria-description']) {
    if (hint) input.setAttribute(attribute, hint);
    else input.removeAttribute(attribute);
  }
  notes[field] = note;
  notesLine.textContent = notes.filter(Boolean).join('\n');
  notesLine.hidden = !notesLine.textContent;
  if (note && spoken) spoken.notes.push(note);
}

// What the module's view asks of the page (Module.page); copy and
// selectedResultText are menu.js's.
const page = {
  fieldText: (field) => fields[field].value,
  checkValue: () => (check.indeterminate ? 2 : check.checked ? 1 : 0),
  showResult(text, pointSize, toolTip, hasFullValue) {
    result.textContent = text;
    result.style.setProperty('--pt', pointSize);
    if (toolTip) result.title = toolTip;
    else result.removeAttribute('title');
    setFullValueShown(hasFullValue);
    speakResult(text);
  },
  setColours(resultColour, markColour) {
    result.style.color = css(resultColour);
    document.documentElement.style.setProperty('--mark-colour', css(markColour));
  },
  setFieldHint,
  colours: () => [rgbOf(result.parentElement, 'backgroundColor'), rgbOf(result.parentElement, 'color'),
    rgbOf(fields[0], 'backgroundColor'), rgbOf(fields[0], 'color')],
};

function wireControls() {
  const button = document.querySelector('[data-action=calculate]');
  fields.forEach((input, field) => input.addEventListener('input', () => call('_ntc_field_edited', field)));
  button.addEventListener('click', () => call('_ntc_calculate_clicked'));
  // A held Enter presses the button once, as on the desktop.
  button.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && event.repeat) event.preventDefault();
  });
  document.querySelector('[data-action=picture]').addEventListener('click', () => call('_ntc_picture_clicked'));
  matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => call('_ntc_scheme_changed'));
}

// On touch screens, keys for what a decimal keyboard may lack; pressing
// one types into the field that has the focus, which keeps it, and tells
// the controller as typing does.
function wireTouchKeys() {
  if (!matchMedia('(pointer: coarse)').matches) return;
  keys.addEventListener('pointerdown', (event) => event.preventDefault());
  keys.addEventListener('click', (event) => {
    const key = event.target.closest('button');
    const input = document.activeElement;
    if (!key || !fields.includes(input)) return;
    input.setRangeText(key.textContent, input.selectionStart, input.selectionEnd, 'end');
    input.dispatchEvent(new Event('input', { bubbles: true }));
  });
  const showKeys = () => { keys.hidden = !fields.includes(document.activeElement); };
  addEventListener('focusin', showKeys);
  addEventListener('focusout', () => setTimeout(showKeys));
  showKeys(); // a field may have the focus already
}
