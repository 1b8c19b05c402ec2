// The program's fonts, named as its windows and its document name them, and
// the installed faces that stand in for them (Debian packages
// fonts-ipafont-mincho and fonts-ipafont-gothic):
//   "ＭＳ 明朝" on screen — the sheet and the entry forms — is drawn with
//   IPAPMincho, whose full stop is a round dot: the fixed-width IPAMincho
//   draws it as a wedge that reads like a comma at screen sizes;
//   "ＭＳ 明朝" on paper — the printed document — with the fixed-width
//   IPAMincho, as the document lines its numbers up with blanks;
//   "Tahoma" — the captions and buttons of the main window — with IPAGothic.
#pragma once

#include <QFont>
#include <QStringList>

namespace tolvane::print {

// Tells Qt which installed faces stand in for the document's "ＭＳ 明朝" and for
// "Tahoma". Cheap to run again.
void installFontStandIns();

// The faces of the screen's "ＭＳ 明朝", first choice first.
QStringList minchoFamilies();
// The screen's "ＭＳ 明朝" at a size in pixels or, with `points`, in points.
QFont minchoFont(int size, bool points = false);

// "Tahoma" at a size in pixels.
QFont captionFont(int pixels);

}  // namespace tolvane::print
