// ntc-beta: the page's window as HTML, written from the layout when the page is built.
#pragma once

#include <string>

namespace ui::web {

// Form1 as one <main> element (UTF-8): every control of the layout in tab
// order first (fields, button, check box), then the labels, the picture and
// the lines, each an absolutely placed child whose place and size in CSS
// pixels at 100 % and font size in points stand in custom properties (--l,
// --t, --w, --h, --pt) that the page's style sheet scales (the window's own
// also carry the hint mark's size, --mark, and the least distance between
// the middles of two controls that take the focus one above the other,
// --least-gap); after it the result label's copy
// menu, hidden. Texts, accessible names and descriptions come from the
// layout (a control whose text its layout name does not contain is named by
// its text); the result label takes the focus after the controls, for its
// menu; the elements the page's script acts on carry data attributes:
// data-field="0…3" (Text1…Text4 in the evaluation's order), data-check,
// data-result, data-copy="shown" / "full" (the menu's entries, in the
// controller's order), data-focus-at-start (the control that has the focus at start, for
// the script to focus); every control and the <main> element (Form1) carry
// data-control="N", N its ControlId, by which the script names it to the
// controller; the result label is the element whose paint times the page's
// first text (elementtiming="result"). The picture's address is left as "{{picture}}" and
// "{{picture2x}}" for the packaging step to fill in.
std::string formMarkup();

// The start-up benchmark's floor: the same <main> holding the result label
// alone, as it stands at start.
std::string floorMarkup();

// The window's title (UTF-8, not escaped), for the page's <title> and its
// web manifest.
std::string windowTitle();

} // namespace ui::web
