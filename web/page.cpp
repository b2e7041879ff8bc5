#include "page.h"

#include "control_table.h"

#include <QApplication>
#include <QByteArray>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>

#include <emscripten/val.h>

#include <algorithm>

namespace sbc {

namespace {

using emscripten::val;

// The menu bar's height on the page, measured: the window's design height
// adds it to the client area's.
constexpr int kMenuBarPixels = 24;

double Viewport(const char* side) { return val::global("window")[side].as<double>(); }

void Centre(QMainWindow& window)
{
    QRect frame = window.frameGeometry();
    frame.moveCenter(window.screen()->availableGeometry().center());
    window.move(frame.topLeft());
}

// In a page, Qt activates a text-input box (the Elevator ID box) before it
// shows it, and the focus ends on its default button: what the user types
// would be lost, and a blank would press the button. The text field takes
// the focus once the box is up, as on the desktop.
class TextFieldFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QInputDialog*>(object))
                if (auto* field = box->findChild<QLineEdit*>())
                    QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
        return false;
    }
};

} // namespace

void FitDesignToViewport()
{
    const double width = double(kClientWidthTwips) / kTwipsPerPixel;
    const double height = double(kClientHeightTwips) / kTwipsPerPixel + kMenuBarPixels;
    double across = Viewport("innerWidth"), down = Viewport("innerHeight");
    // A tablet or phone is turned while the page is open: the window must
    // fit both ways from the start, as the scale is set once.
    if (val::global("navigator")["maxTouchPoints"].as<int>() > 0)
        across = down = std::min(across, down);
    const double scale = std::min({1.0, across / width, down / height});
    if (scale < 1.0) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'f', 4));
        // The boxes' title bars are the page's own, in its text: scaled alike.
        val::global("document")
            .call<val>("getElementById", val("screen"))["style"]
            .call<void>("setProperty", val("--scale"), val(scale));
    }
}

void ShowOnPage(QMainWindow& window)
{
    // The page is the screen: the window shows at its design size, without
    // a frame (the browser's tab has the title), centred, and stays centred
    // when the device turns. Message boxes centre on it and have the whole
    // page to open on.
    // (In a page Qt shows a main window full screen unless told otherwise.)
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.showNormal();
    Centre(window);
    QObject::connect(window.screen(), &QScreen::availableGeometryChanged, &window, [&window] { Centre(window); });
    qApp->installEventFilter(new TextFieldFocus(qApp));
}

} // namespace sbc
