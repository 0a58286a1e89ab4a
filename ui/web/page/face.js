// ntc-beta: the Song face where the page is one file, made from its bytes
// before the window's markup is parsed. A face made from bytes is ready at
// once, so the first frame already draws the window's text in it; an
// @font-face data: URL only loads after the first layout, whose frame then
// goes out without text, with the text laid out twice (in a system face
// first, which can take tens of milliseconds to find for Chinese).
'use strict';

{
  const base64 = '{{font}}';
  const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64) : Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  document.fonts.add(new FontFace('ntc-song', bytes));
}
