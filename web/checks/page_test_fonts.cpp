// The desktop's window tests built for the page see the page's faces, added
// as their QApplication starts, as the page's main() adds them.
#include "page_fonts.h"

#include <QCoreApplication>

namespace {
void AddFontsAtStart() { sbc::AddPageFonts(); }
} // namespace

Q_COREAPP_STARTUP_FUNCTION(AddFontsAtStart)
