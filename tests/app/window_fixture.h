#pragma once
// The real window, built headless with boxes and a printer that the tests
// answer, plus helpers that type and tab as a user does.

#include "answering_dialogs.h"
#include "design_look.h"
#include "frm_main.h"
#include "give_activation.h"
#include "qt_waits.h"
#include "recording_print.h"
#include "start_up.h"
#include "text_box.h"
#include "window_driver.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace sbc::test {

struct Window : WindowDriver {
    AnsweringDialogs dialogs;
    RecordingPrintService print;
    std::unique_ptr<frmMain> form;

    explicit Window(UnitSystem system = UnitSystem::Imperial)
    {
        SetUpApplication();
        form = std::make_unique<frmMain>(&dialogs, &print);
        Drive(form.get());
        form->show();
        Activate();
        if (system == UnitSystem::Metric)
            Click(ControlOf(Option::optMetric));
    }

    // Under the offscreen platform nothing re-activates the window after
    // another one took the activation; a window manager would.
    void Activate()
    {
        GiveActivation(*form);
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // Another top-level window takes the activation, as a second program
    // would on a desktop.
    static void ActivateOther(QWidget& other)
    {
        other.show();
        GiveActivation(other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
};

} // namespace sbc::test
