// `tolvane --screenshots DIR [FILE]`: shows the window in each of its states
// and saves a PNG of each into DIR, then quits. Used to look at the program
// as a user sees it, on a machine without a screen (offscreen platform).
#pragma once

#include <QString>

namespace tolvane::gui {

class MainWindow;

// Runs the tour in the event loop; returns when the last picture is saved.
void runScreenshotTour(MainWindow& window, const QString& directory);

}  // namespace tolvane::gui
