// ntc-beta: the page's events, handed to the window's controller in
// WebAssembly, and the page's side of the controller's view (web_form.cpp).
'use strict';

(() => {
  const fields = [...document.querySelectorAll('[data-field]')];
  fields.sort((a, b) => a.dataset.field - b.dataset.field);
  const check = document.querySelector('[data-check]');
  const result = document.querySelector('[data-result]');
  const menu = document.querySelector('[role=menu]');
  const keys = document.querySelector('.keys');
  const announcer = document.querySelector('[aria-live]');

  let module = null; // the controller, once its WebAssembly runs
  const early = []; // what the user did before that, in order
  const call = (name, ...args) => (module ? module[name](...args) : early.push([name, args]));
  let menuSelection = '';

  // "rgb(240, 240, 240)" as 0xF0F0F0, and back as "#f0f0f0".
  const rgbOf = (element, property) => {
    const [r, g, b] = getComputedStyle(element)[property].match(/\d+/g).map(Number);
    return (r << 16) | (g << 8) | b;
  };
  const css = (rgb) => '#' + rgb.toString(16).padStart(6, '0');

  // A live region speaks a change of its text; the same result again gets a
  // no-break space toggled on, so it is heard again as well.
  const announce = (text) => {
    announcer.textContent = announcer.textContent === text ? text + '\u00a0' : text;
  };

  function copy(text) {
    const byHand = () => {
      const area = document.createElement('textarea');
      area.value = text;
      document.body.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
    };
    if (navigator.clipboard) navigator.clipboard.writeText(text).catch(byHand);
    else byHand();
  }

  function setFieldHint(field, hint) {
    const input = fields[field];
    input.parentElement.classList.toggle('hinted', hint !== '');
    for (const attribute of ['title', 'aria-description']) {
      if (hint) input.setAttribute(attribute, hint);
      else input.removeAttribute(attribute);
    }
  }

  // What the module's view asks of the page (Module.page).
  const page = {
    fieldText: (field) => fields[field].value,
    checkValue: () => (check.indeterminate ? 2 : check.checked ? 1 : 0),
    showResult(text, pointSize, toolTip, hasFullValue) {
      result.textContent = text;
      result.style.setProperty('--pt', pointSize);
      if (toolTip) result.title = toolTip;
      else result.removeAttribute('title');
      menu.querySelector('[data-copy=full]').disabled = !hasFullValue;
      announce(text);
    },
    setColours(resultColour, markColour) {
      result.style.color = css(resultColour);
      document.documentElement.style.setProperty('--mark-colour', css(markColour));
    },
    setFieldHint,
    copy,
    selectedResultText: () => menuSelection,
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

  // The part of the result selected with the mouse, or nothing.
  function resultSelection() {
    const selection = getSelection();
    const inResult = selection.rangeCount && result.contains(selection.anchorNode) && result.contains(selection.focusNode);
    return inResult ? selection.toString() : '';
  }

  // Ctrl+C (Cmd+C on a Mac) and Ctrl+Insert copy the result as the desktop
  // window does, except where a field holds a selection: that one the
  // browser copies. Before the controller runs, the browser's copy stands.
  function copyKeyDown(event) {
    const copyKey = ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c')
      || (event.ctrlKey && event.key === 'Insert');
    if (!copyKey || event.altKey || event.shiftKey || !module || !menu.hidden) return;
    const input = document.activeElement;
    const fieldSelection = fields.includes(input) && input.selectionStart !== input.selectionEnd;
    menuSelection = resultSelection();
    if (module._ntc_copy_key_pressed(fieldSelection ? 1 : 0)) event.preventDefault();
  }

  function openMenu(event) {
    event.preventDefault();
    menuSelection = resultSelection();
    menu.returnFocus = document.activeElement;
    menu.hidden = false;
    const x = Math.min(event.clientX, innerWidth - menu.offsetWidth);
    const y = Math.min(event.clientY, innerHeight - menu.offsetHeight);
    menu.style.left = `${Math.max(0, x)}px`;
    menu.style.top = `${Math.max(0, y)}px`;
    menu.querySelector('button').focus();
  }

  function closeMenu() {
    if (menu.hidden) return;
    menu.hidden = true;
    menu.returnFocus?.focus();
  }

  // The result's menu: copy what it shows (or the part selected), or B in full.
  function wireMenu() {
    result.addEventListener('contextmenu', openMenu);
    menu.addEventListener('click', (event) => {
      const item = event.target.closest('[data-copy]');
      if (!item || item.disabled) return;
      closeMenu();
      call(item.dataset.copy === 'full' ? '_ntc_copy_full_value_clicked' : '_ntc_copy_shown_clicked');
    });
    menu.addEventListener('keydown', (event) => {
      if (event.key !== 'ArrowDown' && event.key !== 'ArrowUp') return;
      event.preventDefault();
      const items = [...menu.querySelectorAll('button:enabled')];
      const at = items.indexOf(document.activeElement);
      items[(at + (event.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
    });
    document.addEventListener('pointerdown', (event) => { if (!menu.contains(event.target)) closeMenu(); });
    document.addEventListener('keydown', (event) => { if (event.key === 'Escape') closeMenu(); });
    document.addEventListener('keydown', copyKeyDown);
    addEventListener('blur', closeMenu);
  }

  // On touch screens, keys for what a decimal keyboard may lack; pressing
  // one types into the field that has the focus, which keeps it.
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

  // The controller's script and WebAssembly: inline where the page is one
  // file, beside it where it is a folder.
  const inline = (id) => document.getElementById(id)?.textContent;
  const loadModuleScript = () => new Promise((resolve, reject) => {
    const script = document.createElement('script');
    const text = inline('ntc-glue');
    script.src = text ? URL.createObjectURL(new Blob([text], { type: 'text/javascript' })) : 'ntc-beta.js';
    script.onload = resolve;
    script.onerror = reject;
    document.head.append(script);
  });
  // Inline it is gzipped, then base64: a third of its size as it stands.
  const inlineWasm = async () => {
    const text = inline('ntc-wasm');
    if (!text) return undefined;
    const gzipped = new Blob([Uint8Array.from(atob(text), (c) => c.charCodeAt(0))]);
    return new Uint8Array(await new Response(gzipped.stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer());
  };

  const nextFrame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
  // The first paint with content once it is on the screen, where the browser
  // reports it; a frame later where it does not. A frame handed on is not yet
  // shown: work started then competes with its drawing.
  const firstPaintShown = new Promise((resolve) => {
    if (!PerformanceObserver.supportedEntryTypes?.includes('paint')) return nextFrame().then(resolve);
    new PerformanceObserver((list, observer) => {
      if (!list.getEntriesByName('first-contentful-paint').length) return;
      observer.disconnect();
      resolve();
    }).observe({ type: 'paint', buffered: true });
  });
  // The window's text on the screen in its face: where the face comes from
  // a file it may come after the first paint, and a frame after it.
  async function textShown() {
    await firstPaintShown;
    const style = getComputedStyle(result);
    const font = `${style.fontSize} ${style.fontFamily}`;
    if (document.fonts.check(font)) return;
    await document.fonts.load(font);
    await nextFrame();
  }

  // The module, loaded once the window's text is on the screen, so nothing
  // of it holds the first text back; what the user did before it runs is
  // done then.
  function startController() {
    window.ntcBeta = textShown().then(() => Promise.all([loadModuleScript(), inlineWasm()]))
      .then(([, wasmBinary]) => createNtcBeta({ page, wasmBinary }))
      .then((ready) => {
        module = ready;
        for (const [name, args] of early.splice(0)) module[name](...args);
        return ready;
      });
    window.ntcBeta.catch((error) => console.error('ntc-beta: the WebAssembly did not start:', error));
  }

  // The focus at start, once the first frame is on the screen, unless the
  // user has put it somewhere already.
  function focusAtStart() {
    firstPaintShown.then(() => {
      if (document.activeElement === document.body) document.querySelector('[data-focus-at-start]')?.focus();
    });
  }

  wireControls();
  wireMenu();
  wireTouchKeys();
  focusAtStart();
  startController();
})();
