// ntc-beta: the window's events, each sent to the controller in WebAssembly
// as (control, event) in one crossing (ntc_event, page_main.cpp); what it
// decides comes back in one crossing too (page.show). Part of the page's
// script (form.js).

// The controller, once its WebAssembly runs. Clicks and typing before that
// are kept, in order, and sent then; where the page cannot run, nothing is
// kept (start.js). Keys and menus asked for before it are the browser's.
let module = null;
let early = [];

// As form_event.h numbers them; a control's number is its data-control,
// which form_markup.cpp writes (the window itself, Form1, on <main>).
const Kind = { click: 0, edit: 1, key: 2, menuRequest: 3, menuChoice: 4, schemeChange: 5 };
const Keys = { c: 1, C: 1, Insert: 2, Enter: 3, ContextMenu: 4, F10: 5 };
const Flag = { ctrl: 1, shift: 2, alt: 4, meta: 8, repeat: 16, touch: 32 };
const form1 = document.querySelector('main[data-control]');
const controlOf = (element) => Number((element?.closest?.('[data-control]') ?? form1).dataset.control);

// True where the controller took the event.
function send(element, kind, { code = 0, flags = 0, at = null } = {}, keep = true) {
  const event = [controlOf(element), kind, code, flags, at ? Math.round(at.x) : -1, at ? Math.round(at.y) : -1];
  if (module) return module._ntc_event(...event) !== 0;
  if (keep) early?.push(event);
  return false;
}

const keyFlags = (event) => (event.ctrlKey ? Flag.ctrl : 0) | (event.shiftKey ? Flag.shift : 0) |
  (event.altKey ? Flag.alt : 0) | (event.metaKey ? Flag.meta : 0) | (event.repeat ? Flag.repeat : 0);
const pointer = (event) => ({ x: event.clientX, y: event.clientY });

function wireEvents() {
  // A tap on a touch screen says so: it opens the result's menu (iOS fires
  // no contextmenu event).
  form1.addEventListener('click', (event) => send(event.target, Kind.click,
    pressedWith === 'touch' ? { flags: Flag.touch, at: pointer(event) } : {}));
  form1.addEventListener('input', (event) => send(event.target, Kind.edit));
  form1.addEventListener('contextmenu', (event) => {
    if (!menu.hidden || send(event.target, Kind.menuRequest, { at: pointer(event) }, false)) event.preventDefault();
  });
  // Keys the controller may take (Keys): wherever the focus is, the page's
  // own menu closed, while the window shows (the workbench's keys are the
  // browser's: Ctrl+C there copies what is selected there; route.js).
  document.addEventListener('keydown', (event) => {
    const code = Keys[event.key];
    if (!code || !menu.hidden || document.body.classList.contains('bench-open')) return;
    if (send(document.activeElement, Kind.key, { code, flags: keyFlags(event) }, false)) event.preventDefault();
  });
  wireMenu((entry) => send(result, Kind.menuChoice, { code: entry }));
  matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => send(form1, Kind.schemeChange, {}, false));
}
