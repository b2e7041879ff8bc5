#pragma once
// What the program sets for the whole process before it builds its window:
// the design's look and fonts, the report's font and the screen reader's view
// of the option groups. main() and the tests' fixtures call it alike.

namespace sbc {

// Call after the QApplication exists. Runs once for each QApplication; a
// second call for the same one does nothing.
void SetUpApplication();

} // namespace sbc
