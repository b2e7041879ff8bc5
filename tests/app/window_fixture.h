#pragma once
// The real window, built headless with boxes and a printer that the tests
// answer, plus helpers that type and tab as a user does.

#include "answering_dialogs.h"
#include "design_look.h"
#include "frm_main.h"
#include "recording_print.h"
#include "text_box.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace sbc::test {

struct Window {
    AnsweringDialogs dialogs;
    RecordingPrintService print;
    std::unique_ptr<frmMain> form;

    explicit Window(bool metric = false)
    {
        form = std::make_unique<frmMain>(&dialogs, &print);
        form->show();
        Activate();
        if (metric)
            Click(option("optMetric"));
    }

    // Under the offscreen platform nothing re-activates the window after
    // another one took the activation; a window manager would.
    void Activate()
    {
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // Another top-level window takes the activation, as a second program
    // would on a desktop.
    static void ActivateOther(QWidget& other)
    {
        other.show();
        other.activateWindow();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }

    TextBox* box(Box b) const { return form->box(b); }
    QWidget* control(const char* name) const { return form->control(name); }
    QRadioButton* option(const char* name) const { return static_cast<QRadioButton*>(control(name)); }
    QString focusName() const
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2)); }
    void ClickBox(Box b) { Click(box(b)); }
    // Types into the box that has the focus, key by key.
    void Type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void TypeInto(Box b, const QString& keys)
    {
        ClickBox(b);
        Type(keys);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
    }
};

inline void PrepareApplication() { ApplyDesignLook(); }

} // namespace sbc::test
