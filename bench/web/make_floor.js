// ntc-beta: the start-up benchmark's floor pages, one file each like
// ntc-beta.html: the window's size and title, the result label "填入数值"
// alone, in the same Song face subset, inline; no other script. The floor
// gets the face from an @font-face rule (the plain way); the second floor
// makes it from its bytes as ntc-beta.html does (ui/web/page/face.js).
//   node make_floor.js TEMPLATE MARKUP_TOOL_JS FONT FACE_CSS FACE_JS OUT_DIR
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');

const [template, markupTool, font, faceCss, faceJs, outDir] = process.argv.slice(2);
const markup = (what) => execFileSync(process.execPath, [markupTool, what], { encoding: 'utf8' });
const fill = (text, values) => text.replace(/\{\{(\w+)\}\}/g, (all, key) => (key in values ? values[key] : all));
const bytes = fs.readFileSync(font);
const page = { title: markup('title').trim(), form: markup('floor') };
const floors = {
  'floor.html': {
    faceScript: '',
    faceRule: fill(fs.readFileSync(faceCss, 'utf8'), { font: `data:font/woff2;base64,${bytes.toString('base64')}` }),
  },
  'floor-face-bytes.html': {
    faceScript: `<script>\n${fill(fs.readFileSync(faceJs, 'utf8'), { font: bytes.toString('base64') })}</script>`,
    faceRule: '',
  },
};
for (const [name, face] of Object.entries(floors))
  fs.writeFileSync(path.join(outDir, name), fill(fs.readFileSync(template, 'utf8'), { ...page, ...face }));
