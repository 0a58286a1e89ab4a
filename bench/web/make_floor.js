// ntc-beta: the start-up benchmark's floor page, one file like ntc-beta.html:
// the window's size and title, the result label "填入数值" alone, in the
// same Song face subset, inline; no script.
//   node make_floor.js TEMPLATE MARKUP_TOOL_JS FONT OUT
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');

const [template, markupTool, font, out] = process.argv.slice(2);
const markup = (what) => execFileSync(process.execPath, [markupTool, what], { encoding: 'utf8' });
const values = {
  title: markup('title').trim(),
  font: `data:font/woff2;base64,${fs.readFileSync(font).toString('base64')}`,
  form: markup('floor'),
};
fs.writeFileSync(out, fs.readFileSync(template, 'utf8').replace(/\{\{(\w+)\}\}/g, (all, key) => values[key] ?? all));
