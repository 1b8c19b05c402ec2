// The program's fonts, named as its windows and its document name them, and
// the installed faces that stand in for them:
//   "ＭＳ 明朝" — the sheet, the entry forms and the printed document — is drawn
//   with IPAMincho (Debian package fonts-ipafont-mincho), whose full stop and
//   comma cannot be mistaken for each other;
//   "Tahoma" — the captions and buttons of the main window — with IPAGothic
//   (fonts-ipafont-gothic).
#pragma once

#include <QFont>

namespace tolvane::print {

// Tells Qt which installed faces stand in for the program's font names. Run
// once before the first window or page is drawn; running it again is harmless.
void installFontStandIns();

// "ＭＳ 明朝" at a size in pixels (screen) or, with `points`, in points.
QFont minchoFont(int size, bool points = false);

// "Tahoma" at a size in pixels.
QFont captionFont(int pixels);

}  // namespace tolvane::print
