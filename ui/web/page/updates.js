// ntc-beta: where the page is a folder a host serves, its service worker
// (sw.js) keeps it offline after the first visit. A new release's worker is
// installed beside the running one; the line under the window says that it
// is ready, and the page changes over when the visitor chooses, so that an
// open page never runs an old script beside a new WebAssembly. Part of the
// page's script (form.js).

function offerUpdate(worker) {
  const line = document.querySelector('[data-update]');
  line.hidden = false;
  line.querySelector('button').onclick = () => worker.postMessage('take over');
}

function watchForUpdates() {
  if (!('serviceWorker' in navigator)) return;
  const workers = navigator.serviceWorker;
  // The first visit's worker takes the page at once; a later one is the
  // visitor's choice (here or in another tab), after which the page loads
  // again.
  let controlled = Boolean(workers.controller);
  workers.addEventListener('controllerchange', () => {
    if (controlled) location.reload();
    controlled = true;
  });
  const whenInstalled = (worker) => worker?.addEventListener('statechange', () => {
    if (worker.state === 'installed' && workers.controller) offerUpdate(worker);
  });
  addEventListener('load', async () => {
    // The worker's script past the HTTP cache, whatever the host says.
    const registration = await workers.register('sw.js', { updateViaCache: 'none' });
    if (registration.waiting && workers.controller) offerUpdate(registration.waiting);
    whenInstalled(registration.installing);
    registration.addEventListener('updatefound', () => whenInstalled(registration.installing));
    // A page left open asks again whenever the visitor comes back to it.
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') registration.update().catch(() => {});
    });
  });
}

watchForUpdates();
