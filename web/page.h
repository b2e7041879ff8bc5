#pragma once
// The window in a web page: its size on the page and how it is shown.
// main() in main.cpp calls these in turn, with AddPageFonts (page_fonts.h).

class QMainWindow;

namespace sbc {

// Before the QApplication exists: where the browser's viewport is smaller
// than the window's design size, scales the whole window down to fit, so it
// is never cut off or scrolled; on a touch screen, whichever way the device
// is held. Taps land where they are drawn, since Qt itself does the scaling.
void FitDesignToViewport();

// Shows the window at its design size, centred in the page; from then on a
// text-input box that opens has its text field focused, as on the desktop.
void ShowOnPage(QMainWindow& window);

} // namespace sbc
