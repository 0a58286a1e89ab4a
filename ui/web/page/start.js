// ntc-beta: starting the window's controller once the first text is on the
// screen, or saying that this browser cannot run it. Part of the page's
// script (form.js).

// The controller's script and WebAssembly: inline where the page is one
// file, beside it where it is a folder.
const inline = (id) => document.getElementById(id)?.textContent;
const loadScript = (text, file) => new Promise((resolve, reject) => {
  const script = document.createElement('script');
  script.src = text ? URL.createObjectURL(new Blob([text], { type: 'text/javascript' })) : file;
  script.onload = resolve;
  script.onerror = reject;
  document.head.append(script);
});

// Inline the WebAssembly is gzipped, then base64: a third of its size as it
// stands. The browser unpacks it where it can (DecompressionStream);
// elsewhere (Safari before 16.4, Firefox before 113) pako, inline beside it,
// does.
async function gunzip(bytes) {
  if (typeof DecompressionStream === 'function') {
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
  }
  await loadScript(inline('ntc-inflate'));
  return window.pako.inflate(bytes);
}

async function inlineWasm() {
  const text = inline('ntc-wasm');
  return text ? gunzip(Uint8Array.from(atob(text), (c) => c.charCodeAt(0))) : undefined;
}

const nextFrame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
// The first paint with content once it is on the screen, where the browser
// reports it; a frame later where it does not. Why wait for it: a frame
// handed on is not yet shown, and the controller's glue, inflating and
// compiling started then compete with its drawing on the same cores (the
// first text came 5–13 ms later so; make bench-web times it).
const firstPaintShown = new Promise((resolve) => {
  if (!window.PerformanceObserver?.supportedEntryTypes?.includes('paint')) return nextFrame().then(resolve);
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

// The page cannot run here: the line under the window says so (index.html),
// and clicks are no longer kept for a controller that will not come.
function cannotRun(error) {
  early = null;
  window.ntcBetaCannotRun();
  console.error('ntc-beta: the WebAssembly did not start:', error);
}

// The module, loaded once the window's text is on the screen, so nothing
// of it holds the first text back; what the user did before it runs is
// done then.
function startController() {
  window.ntcBeta = textShown()
    .then(() => {
      if (typeof WebAssembly !== 'object') throw new Error('this browser has no WebAssembly');
      return Promise.all([loadScript(inline('ntc-glue'), 'ntc-beta.js'), inlineWasm()]);
    })
    .then(([, wasmBinary]) => createNtcBeta({ page, wasmBinary }))
    .then((ready) => {
      module = ready;
      for (const event of early.splice(0)) module._ntc_event(...event);
      return ready;
    });
  window.ntcBeta.catch(cannotRun);
}

// The focus at start, once the first frame is on the screen, unless the
// user has put it somewhere already.
function focusAtStart() {
  firstPaintShown.then(() => {
    if (document.activeElement === document.body) document.querySelector('[data-focus-at-start]')?.focus();
  });
}

wireEvents();
wireTouchKeys();
focusAtStart();
startController();
