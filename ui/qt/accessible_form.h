// ntc-beta: the window as a screen reader finds it.
#pragma once

namespace ui {

// Installs, once, the accessibility factory that presents Form1 without the
// strokes of its drawn formula: the lines and the 1s over the bars are not
// among the window's accessible children, so no unnamed filler is read out.
void installAccessibleForm();

} // namespace ui
