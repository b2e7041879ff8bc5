#pragma once
// What a user does to the real window in the window tests: find its boxes
// and controls, click, type and press keys, and see where the focus is.

#include "boxes.h"
#include "frm_main.h"
#include "text_box.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace sbc::test {

class WindowDriver {
public:
    // The window's controls by their ids, as frmMain gives them.
    template <typename Id>
    // clang-format off
    auto ControlOf(Id id) const { return window_->ControlOf(id); }
    // clang-format on
    QString FocusName() const
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2)); }
    void ClickBox(Box b) { Click(ControlOf(b)); }
    // Types into the widget that has the focus, key by key.
    void Type(const QString& keys)
    {
        QVERIFY2(QApplication::focusWidget(), "no widget has the focus");
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }
    void TypeInto(Box b, const QString& keys)
    {
        ClickBox(b);
        Type(keys);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QVERIFY2(QApplication::focusWidget(), "no widget has the focus");
        QTest::keyClick(QApplication::focusWidget(), key, mods);
    }

protected:
    // The window driven, once the fixture has made it.
    void Drive(frmMain* window) { window_ = window; }

private:
    frmMain* window_ = nullptr;
};

} // namespace sbc::test
