// ntc-beta: packs the page twice, as one self-contained file (ntc-beta.html:
// WebAssembly, scripts, the Song face and the pictures inside, for opening
// from disk) and as a folder a static host serves (site/: installable, and
// offline after the first visit through its service worker).
//
// The workbench (the page's second view) goes in as one script, its parts,
// style and markup with the plotting library and its module's glue, which
// the page loads only when the workbench is opened: gzipped inline, a file
// of its own in the folder.
//
//   node pack.js PAGE_DIR MODULE_JS MARKUP_TOOL_JS FONT FONT_LICENCE_GZ RESOURCES PROJECT_LICENCE INFLATE_JS OUT_DIR
//                BENCH_DIR BENCH_MODULE_JS UPLOT_DIR
'use strict';

const { execFileSync } = require('node:child_process');
const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');

const [pageDir, moduleJs, markupTool, font, fontLicence, resources, projectLicence, inflateJs, outDir,
  benchDir, benchModuleJs, uplotDir] = process.argv.slice(2);
if (!uplotDir) {
  console.error('usage: node pack.js PAGE_DIR MODULE_JS MARKUP_TOOL_JS FONT FONT_LICENCE_GZ RESOURCES PROJECT_LICENCE INFLATE_JS OUT_DIR ' +
    'BENCH_DIR BENCH_MODULE_JS UPLOT_DIR');
  process.exit(2);
}

const read = (file) => fs.readFileSync(file);
const markup = (what) => execFileSync(process.execPath, [markupTool, what], { encoding: 'utf8' });
const escapeHtml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
const dataUrl = (type, bytes) => `data:${type};base64,${bytes.toString('base64')}`;
// Replaced as whole strings: no "$&" patterns.
const fill = (template, values) => template.replace(/\{\{(\w+)\}\}/g, (all, key) => (key in values ? values[key] : all));
// Inline script text must not close its element early.
const inlineScript = (code) => code.replace(/<\/(script)/gi, '<\\/$1');
// A block of data is read back as it stands: it cannot be escaped.
function dataBlock(text) {
  if (/<\/script/i.test(text)) throw new Error('a data block holds "</script"');
  return text;
}

const title = markup('title').trim();
const form = markup('form');
const template = read(path.join(pageDir, 'index.html')).toString();
const style = read(path.join(pageDir, 'form.css')).toString();
const faceCss = read(path.join(pageDir, 'face.css')).toString();
const faceJs = read(path.join(pageDir, 'face.js')).toString();
// The page's script: its parts joined into one function (form.js says how).
const pageScript = (parts) => "'use strict';\n\n(() => {\n" +
  parts.map((part) => read(path.join(pageDir, part)).toString()).join('\n') + '})();\n';
const windowParts = ['form.js', 'menu.js', 'events.js', 'start.js', 'route.js'];
const glue = read(moduleJs).toString();
const wasm = read(moduleJs.replace(/\.js$/, '.wasm'));
const fontBytes = read(font);
const picture = read(path.join(resources, 'formula.jpg'));
const picture2x = read(path.join(resources, 'formula@2x.jpg'));
const licenceText = zlib.gunzipSync(read(fontLicence)).toString('latin1');
const iconSizes = fs.readdirSync(path.join(resources, 'icons'))
  .map((name) => Number(/^ntc-beta-(\d+)\.png$/.exec(name)?.[1])).filter(Boolean).sort((a, b) => a - b);
const fontNotice = 'ntc-song.woff2 is a subset of AR PL UMing CN (Debian\'s fonts-arphic-uming),\n' +
  'cut by fontTools\' pyftsubset to the glyphs the page shows; the glyphs themselves are unchanged.\n' +
  'The font\'s licence, the Arphic Public License, follows.\n\n';

// The workbench's one script: the plotting library, the module's glue, the
// style and markup as strings, then its own parts (bench.js says how).
const benchParts = ['texts.js', 'plots.js', 'schematic.js', 'fit_view.js', 'adc_view.js', 'design_view.js', 'bench.js'];
const uplotLicence = read(path.join(uplotDir, 'LICENSE')).toString();
const benchNotice = 'The workbench\'s plots are drawn by uPlot (npm package uplot), whose licence, the MIT License, follows.\n\n';
const benchScript = () => "'use strict';\n\n(() => {\n" +
  read(path.join(uplotDir, 'dist/uPlot.iife.min.js')).toString() + '\n' +
  read(benchModuleJs).toString() + '\n' +
  `const benchStyle = ${JSON.stringify(read(path.join(uplotDir, 'dist/uPlot.min.css')).toString() + '\n' +
    read(path.join(benchDir, 'bench.css')).toString())};\n` +
  `const benchMarkup = ${JSON.stringify(read(path.join(benchDir, 'bench.html')).toString())};\n` +
  benchParts.map((part) => read(path.join(benchDir, part)).toString()).join('\n') + '})();\n';
const benchWasm = read(benchModuleJs.replace(/\.js$/, '.wasm'));

const manifest = () => JSON.stringify({
  name: title,
  lang: 'zh-CN',
  start_url: '.',
  scope: '.',
  display: 'standalone',
  background_color: '#f0f0f0', // the window's face, while the app starts
  icons: iconSizes.filter((size) => size >= 48).map((size) => ({
    src: `icons/ntc-beta-${size}.png`, sizes: `${size}x${size}`, type: 'image/png',
  })),
}, null, 2) + '\n';

const folderIndex = () => fill(template, {
  title: escapeHtml(title),
  head: '<link rel="manifest" href="manifest.webmanifest">\n' +
    `<link rel="icon" href="icons/ntc-beta-${iconSizes.find((size) => size >= 32)}.png">\n` +
    `<link rel="apple-touch-icon" href="icons/ntc-beta-${iconSizes[iconSizes.length - 1]}.png">\n` +
    '<link rel="preload" href="ntc-song.woff2" as="font" type="font/woff2" crossorigin>',
  style: fill(faceCss, { font: 'ntc-song.woff2' }) + '\n' + style,
  form: fill(form, { picture: 'formula.jpg', picture2x: 'formula@2x.jpg' }),
  scripts: '<script src="form.js" defer></script>',
});

// The worker caches every file; its cache is named after what they hold, so
// a new build replaces it.
function serviceWorker(files) {
  const names = Object.keys(files).sort();
  const hash = crypto.createHash('sha256');
  for (const name of names) hash.update(name).update(files[name]);
  return fill(read(path.join(pageDir, 'sw.js')).toString(), {
    version: hash.digest('hex').slice(0, 16),
    files: JSON.stringify(['./', ...names]),
  });
}

function writeFolder(dir) {
  const files = {
    'index.html': folderIndex(),
    'manifest.webmanifest': manifest(),
    'ntc-beta.js': glue,
    'ntc-beta.wasm': wasm,
    'form.js': pageScript([...windowParts, 'updates.js']),
    'ntc-song.woff2': fontBytes,
    'formula.jpg': picture,
    'formula@2x.jpg': picture2x,
    'ARPHICPL.TXT': fontNotice + licenceText,
    'LICENSE': read(projectLicence),
    'workbench.js': benchScript(),
    'ntc-workbench.wasm': benchWasm,
    'UPLOT-LICENSE.txt': benchNotice + uplotLicence,
  };
  for (const size of iconSizes) files[`icons/ntc-beta-${size}.png`] = read(path.join(resources, 'icons', `ntc-beta-${size}.png`));
  files['sw.js'] = serviceWorker(files);
  fs.rmSync(dir, { recursive: true, force: true });
  fs.mkdirSync(path.join(dir, 'icons'), { recursive: true });
  for (const [name, content] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), content);
}

function writeSingleFile(file) {
  const icon = iconSizes.find((size) => size >= 32);
  const html = fill(template, {
    title: escapeHtml(title),
    head: `<link rel="icon" href="${dataUrl('image/png', read(path.join(resources, 'icons', `ntc-beta-${icon}.png`)))}">\n` +
      `<script>\n${inlineScript(fill(faceJs, { font: fontBytes.toString('base64') }))}</script>`,
    style,
    form: fill(form, { picture: dataUrl('image/jpeg', picture), picture2x: dataUrl('image/jpeg', picture2x) }),
    // The module's script and WebAssembly (gzipped) as blocks of data, which
    // the page runs once its text is on the screen, and the inflater it
    // unpacks the WebAssembly with where the browser has none; a module
    // script runs once the page is parsed.
    scripts: `<script id="ntc-wasm" type="application/gzip">${zlib.gzipSync(wasm, { level: 9 }).toString('base64')}</script>\n` +
      `<script id="ntc-glue" type="text/plain">${dataBlock(glue)}</script>\n` +
      `<script id="ntc-inflate" type="text/plain">${dataBlock(read(inflateJs).toString())}</script>\n` +
      `<script id="ntc-bench" type="application/gzip">${zlib.gzipSync(benchScript(), { level: 9 }).toString('base64')}</script>\n` +
      `<script id="ntc-bench-wasm" type="application/gzip">${zlib.gzipSync(benchWasm, { level: 9 }).toString('base64')}</script>\n` +
      `<script type="module">\n${inlineScript(pageScript(windowParts))}</script>`,
  });
  const licence = `<!--\n${fontNotice}${licenceText.replace(/-->/g, '- ->')}-->\n` +
    `<!--\n${benchNotice}${uplotLicence.replace(/-->/g, '- ->')}-->\n`;
  fs.writeFileSync(file, html + licence);
}

// Beside the single file, a page that opens its workbench: what the
// desktop packages' menu entry and Start-menu shortcut open, since a file
// name with a fragment is not a file to them.
function writeWorkbenchOpener(file) {
  fs.writeFileSync(file, '<!doctype html>\n<html lang="zh-CN">\n<meta charset="utf-8">\n<title>NTC 工具台</title>\n' +
    '<meta http-equiv="refresh" content="0; url=ntc-beta.html#fit">\n<a href="ntc-beta.html#fit">NTC 工具台 →</a>\n</html>\n');
}

writeFolder(path.join(outDir, 'site'));
writeSingleFile(path.join(outDir, 'ntc-beta.html'));
writeWorkbenchOpener(path.join(outDir, 'workbench.html'));
