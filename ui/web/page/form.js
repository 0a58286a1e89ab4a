// ntc-beta: the page's window: what the controller shows in it, and what it
// reads from it (`page`, the page's side of the module's view, web_form.cpp).
// pack.js joins the page's scripts into one function, in this order:
// form.js (the window), menu.js (the result's copy menu), events.js (the
// window's events to the controller), start.js (starting the controller),
// and updates.js where the page is a folder a host serves; each part uses
// what the parts before it define. A second view of the page would be a
// part of its own beside form.js, with its own events.

const fields = [...document.querySelectorAll('[data-field]')].sort((a, b) => a.dataset.field - b.dataset.field);
const check = document.querySelector('[data-check]');
const result = document.querySelector('[data-result]');
const notesLine = document.querySelector('[data-notes]');
const keys = document.querySelector('.keys');
const announcer = document.querySelector('[aria-live]');

// "rgb(240, 240, 240)" as 0xF0F0F0, and back as "#f0f0f0".
const rgbOf = (css) => {
  const [r, g, b] = css.match(/\d+/g).map(Number);
  return (r << 16) | (g << 8) | b;
};
const css = (rgb) => '#' + rgb.toString(16).padStart(6, '0');

// A live region speaks a change of its text; the same text again gets a
// no-break space toggled on, so it is heard again as well.
const announce = (text) => {
  announcer.textContent = announcer.textContent === text ? text + '\u00a0' : text;
};

function showResult({ text, pointSize, colour, toolTip, announcement }) {
  result.textContent = text;
  result.style.setProperty('--pt', pointSize);
  result.style.color = css(colour);
  if (toolTip) result.title = toolTip;
  else result.removeAttribute('title');
  if (announcement) announce(announcement);
}

// Each field's hint: a corner mark with the hint as its tooltip and
// description, and the hint's note ("R1：读取为 10…") on the line under the
// window, which touch screens (no tooltips) and the keyboard read.
const notes = fields.map(() => '');
function showHint(field, { hint, note, mark }) {
  const input = fields[field];
  input.parentElement.classList.toggle('hinted', hint !== '');
  input.parentElement.style.setProperty('--mark-colour', css(mark));
  for (const attribute of ['title', 'aria-description']) {
    if (hint) input.setAttribute(attribute, hint);
    else input.removeAttribute(attribute);
  }
  notes[field] = note;
  notesLine.textContent = notes.filter(Boolean).join('\n');
  notesLine.hidden = !notesLine.textContent;
}

// What the module's view asks of the page (Module.page); openMenu, copy and
// resultSelection are menu.js's.
const page = {
  inputs: () => ({ texts: fields.map((input) => input.value), check: check.indeterminate ? 2 : check.checked ? 1 : 0 }),
  selectedText(control) {
    const input = fields.find((element) => Number(element.dataset.control) === control);
    if (input) return input.value.slice(input.selectionStart, input.selectionEnd);
    return control === Number(result.dataset.control) ? resultSelection() : '';
  },
  // Read when the controller first needs them and at each change of the
  // scheme, never on a click.
  scheme() {
    const face = getComputedStyle(result.parentElement);
    const ground = getComputedStyle(fields[0]);
    return [face.backgroundColor, face.color, ground.backgroundColor, ground.color].map(rgbOf);
  },
  // Everything one event showed, opened and copied (web_form.cpp's pageShow).
  show({ result: shown, hints, menu: items, copy: copied }) {
    if (shown) showResult(shown);
    hints.forEach((hint, field) => { if (hint) showHint(field, hint); });
    if (items) openMenu(items);
    if (copied !== undefined) copy(copied);
  },
};

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
