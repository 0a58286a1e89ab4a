// ntc-beta: the page's second view, the workbench (fits, ADC tables), opened
// by the link under the window or by the address's fragment (#fit, #adc,
// #design); the browser's back button returns to the window. Its script,
// WebAssembly and plotting library load when it is first opened, never
// before the window's first frame. Part of the page's script (form.js).

const benchViews = ['fit', 'adc', 'design'];
const benchLoading = document.querySelector('[data-bench-loading]');
// The view a fragment names ("#adc?bits=12" names adc), or none.
const benchViewOf = (hash) => {
  const name = hash.replace(/^#/, '').split('?')[0];
  return benchViews.includes(name) ? name : null;
};

// The workbench's script: inline (gzipped) where the page is one file,
// beside it where it is a folder; it defines window.ntcWorkbench.
let benchScript = null;
function loadBench() {
  benchScript ??= firstPaintShown.then(async () => {
    const packed = inline('ntc-bench');
    if (!packed) return loadScript(null, 'workbench.js');
    const bytes = await gunzip(Uint8Array.from(atob(packed), (c) => c.charCodeAt(0)));
    return loadScript(new TextDecoder().decode(bytes));
  }).then(() => window.ntcWorkbench.start({ gunzip, inline, copy }));
  return benchScript;
}

// Shows the view the fragment names, or the window. Coming from the
// window, the entry says so: the workbench's back link then goes back.
let shownView = null;
async function route(event) {
  const view = benchViewOf(location.hash);
  if (view && !shownView && event) history.replaceState({ fromWindow: true }, '');
  shownView = view;
  document.body.classList.toggle('bench-open', Boolean(view));
  if (!view) {
    window.ntcWorkbench?.hide();
    return;
  }
  benchLoading.hidden = false;
  try {
    const bench = await loadBench();
    if (benchViewOf(location.hash) === view) bench.show(view, location.hash);
  } catch (error) {
    benchLoading.textContent = benchLoading.dataset.failed;
    console.error('ntc-beta: the workbench did not start:', error);
    return;
  }
  benchLoading.hidden = true;
}

// The link shows once the window's first frame is on the screen: its text
// is in a system face, and finding one for Chinese can take tens of
// milliseconds that the window's first text would wait for.
firstPaintShown.then(() => { document.querySelector('.bench-link').hidden = false; });

addEventListener('hashchange', route);
if (benchViewOf(location.hash)) route();
