#include "web_page.h"

#include "control_table.h"

#include <QByteArray>
#include <QDir>
#include <QFontDatabase>
#include <QMainWindow>
#include <QStyle>

#include <emscripten/val.h>

#include <algorithm>
#include <string>

namespace sbc {

namespace {

using emscripten::val;

// The menu bar's height on the page, measured: the window's design height
// adds it to the client area's.
constexpr int kMenuBarPixels = 24;

double ViewportSide(const char* side) { return val::global("window")[side].as<double>(); }

} // namespace

void FitDesignToViewport()
{
    const double width = double(kClientWidthTwips) / kTwipsPerPixel;
    const double height = double(kClientHeightTwips) / kTwipsPerPixel + kMenuBarPixels;
    const double scale = std::min({1.0, ViewportSide("innerWidth") / width, ViewportSide("innerHeight") / height});
    if (scale < 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'f', 4));
}

void AddPageFonts()
{
    for (const QString& file : QDir(QStringLiteral(":/fonts/page")).entryList(QDir::Files))
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/page/") + file);
}

void ShowOnPage(QMainWindow& window)
{
    // Qt shows a page's window full screen, filling the element that holds
    // it: that element takes the window's own size, in CSS pixels.
    const QSize size = window.sizeHint();
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    const val fit = val::global("sbcWindowSize");
    if (!fit.isUndefined())
        fit(size.width() * scale, size.height() * scale);
    window.showFullScreen();
}

} // namespace sbc
