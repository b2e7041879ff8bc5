#pragma once
// The design's faces, Liberation Sans and Liberation Mono, which the page
// ships (cut to the characters it can show), as a Linux desktop has them;
// Liberation Sans is the system's font. The desktop's window tests built for
// the page take them too.

namespace sbc {

// Once the QApplication exists.
void AddPageFonts();

} // namespace sbc
