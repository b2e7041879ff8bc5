#include "page_fonts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

void sbc::AddPageFonts()
{
    for (const QString& file : QDir(QStringLiteral(":/fonts/page")).entryList(QDir::Files))
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/page/") + file);
    // The menus and message boxes take the system's font, which a page has
    // not: Liberation Sans at the size of Windows' dialog font.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
}
