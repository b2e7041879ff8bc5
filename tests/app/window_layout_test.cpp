// The window as designed: every control where the design puts it, with its
// caption, font, tooltip and fixed colours; captions that fit; the menus.

#include "control_table.h"
#include "qt_text.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontInfo>
#include <QMenu>
#include <QStyle>

#include <memory>
#include <optional>

using namespace sbc;
using namespace sbc::test;

class WindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { window_ = std::make_unique<Window>(); }

    void everyControlOfTheTableIsBuilt_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < kControlDesigns.size(); ++i)
            QTest::newRow(kControlDesigns[i].name.data()) << int(i);
    }
    // Each control once under its name, in its container; the result boxes
    // yellow, locked and skipped by Tab.
    void everyControlOfTheTableIsBuilt()
    {
        QFETCH(int, row);
        const ControlDesign& d = kControlDesigns[std::size_t(row)];
        const QList<QWidget*> named = window_->form->findChildren<QWidget*>(ToQString(d.name));
        QCOMPARE(named.size(), 1);
        QCOMPARE(named[0]->parentWidget()->objectName(), d.container.empty() ? QString("client") : ToQString(d.container));
        if (d.fontPoints > 0)
            QVERIFY(named[0]->font().family() == "MS Sans Serif" && named[0]->font().pointSizeF() == d.fontPoints && named[0]->font().bold());
        if (const std::optional<Box> b = BoxFromName(d.name); b && IsResultBox(*b)) {
            QCOMPARE(window_->box(*b)->palette().color(QPalette::Base), QColor(255, 255, 0));
            QVERIFY(window_->box(*b)->isLocked() && !window_->box(*b)->isTabStop());
        }
    }

    // The design's own figures, written out here rather than read from the
    // window's table, so that a wrong row of that table fails.
    void sampleControlsStandAsDesigned_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("points"); // 0: the toolkit's default font
        QTest::newRow("txtID") << "client" << "" << QRect(1740, 240, 3315, 315) << 8.25;
        QTest::newRow("txtOSDDMet") << "client" << "" << QRect(7260, 900, 1215, 315) << 8.25;
        QTest::newRow("txtPlungerDiamMet") << "Frame1" << "" << QRect(6960, 1785, 1215, 315) << 8.25;
        QTest::newRow("txtBufferGood") << "client" << "" << QRect(5340, 7260, 1875, 495) << 13.5;
        QTest::newRow("cmdCompute") << "client" << "&Calculate" << QRect(420, 7260, 1455, 495) << 12.0;
        QTest::newRow("optMetric") << "Frame3" << "&Metric" << QRect(2100, 180, 1275, 375) << 9.75;
        QTest::newRow("optPlungerNo") << "Frame2" << "&No" << QRect(1080, 120, 675, 195) << 8.25;
        QTest::newRow("Label10") << "client" << "Buffer stroke:   " << QRect(480, 2445, 4755, 315) << 9.75;
        QTest::newRow("Label13") << "client" << "Actual buffer load rating:" << QRect(480, 6120, 4755, 315) << 12.0;
        QTest::newRow("Label6") << "Frame1" << "Is plunger weight carried by car at buffer impact?"
                                << QRect(180, 270, 5115, 315) << 9.75;
        QTest::newRow("Label(3)") << "Frame1" << "KG" << QRect(8280, 820, 375, 255) << 8.25;
        QTest::newRow("Label29") << "client" << "KG" << QRect(8580, 5820, 375, 195) << 8.25;
        QTest::newRow("Frame1") << "client" << "" << QRect(300, 3240, 8835, 2235) << 0.0;
        QTest::newRow("Frame2") << "Frame1" << "" << QRect(5400, 180, 3195, 495) << 0.0;
    }
    void sampleControlsStandAsDesigned()
    {
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(double, points);
        auto pixels = [](int t) { return qRound(t / 15.0); }; // 1440 twips an inch at 96 dpi
        QWidget* widget = window_->control(QTest::currentDataTag());
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), QRect(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())));
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), caption);
        QCOMPARE(widget->font().pointSizeF(), points > 0 ? points : QFont().pointSizeF());
    }

    void theDesignFontResolvesToAMetricCompatibleFace()
    {
        QCOMPARE(QFontInfo(window_->control("Label1")->font()).family(), QString("Liberation Sans"));
    }

    void everyCaptionFitsItsControl_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < kControlDesigns.size(); ++i)
            if (!kControlDesigns[i].caption.empty() && kControlDesigns[i].kind != ControlKind::Frame)
                QTest::newRow(kControlDesigns[i].name.data()) << int(i);
    }
    void everyCaptionFitsItsControl()
    {
        QFETCH(int, row);
        const ControlDesign& d = kControlDesigns[std::size_t(row)];
        QWidget* widget = window_->control(std::string(d.name).c_str());
        const QFontMetrics fm(widget->font());
        int needed = fm.horizontalAdvance(ToQString(d.caption).remove('&').trimmed());
        if (d.kind == ControlKind::Option)
            needed += widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                      + widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        if (d.kind == ControlKind::Button)
            needed = static_cast<QAbstractButton*>(widget)->sizeHint().width() - 16;
        QVERIFY2(needed <= widget->width(), qPrintable(QString("needs %1 px, has %2").arg(needed).arg(widget->width())));
        QVERIFY(fm.ascent() <= widget->height());
    }

    void captionsTooltipsAndTitleAreTheSystemsOwn()
    {
        const Window& w = *window_;
        QCOMPARE(w.form->windowTitle(),
                 QString(" Hydraulic Elevator - Spring Buffer Reaction Calculator          www.example.org"));
        QCOMPARE(w.control("Label1")->toolTip(),
                 QString(" ASME A17.1-1996 Definition: \"The speed at which a hydraulic elevator is set to lower with rated load.\" "));
        QCOMPARE(w.control("Label6")->toolTip(),
                 QString(" See Rule 301.3(e)  \"Plunger weight less buoyant effects...shall be added...and used in calculations.\" "));
        QCOMPARE(w.control("Label32")->toolTip(), QString(" Identify this elevator with a maximum of 30 charaters "));
        QCOMPARE(w.form->Label(4)->text(), QString("M"));
        QVERIFY(!w.form->windowIcon().isNull());
        QVERIFY(w.form->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(w.form->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void menusCarryTheirShortcuts_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("keys");
        QTest::newRow("mnuPrintData") << "mnuFile" << "Print &Data" << "Ctrl+D";
        QTest::newRow("mnuPrintForm") << "mnuFile" << "Print &Form" << "Ctrl+F";
        QTest::newRow("mnuInfo") << "mnuHelp" << "&Info" << "Ctrl+I";
    }
    void menusCarryTheirShortcuts()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QString, keys);
        auto* owner = window_->form->findChild<QMenu*>(menu);
        auto* action = owner->findChild<QAction*>(QTest::currentDataTag());
        QVERIFY(action && owner->actions().contains(action));
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), QKeySequence(keys));
        QCOMPARE(owner->title(), menu == "mnuFile" ? QString("&File") : QString("&Help"));
    }

    // These two type on the shared window too: on Wayland a second window
    // of the program may not be given the keyboard while the first is up.
    void theVerdictIsRedAndALockedResultTakesNoTyping()
    {
        Window& w = *window_;
        // The verdict's size is among the design's rows above.
        QCOMPARE(w.box(Box::txtBufferGood)->palette().color(QPalette::Text), QColor(255, 0, 0));
        w.ClickBox(Box::txtMinBufLoadRat);
        QCOMPARE(w.focusName(), QString("txtMinBufLoadRat")); // locked, still takes the focus
        w.Type("123");
        QCOMPARE(w.box(Box::txtMinBufLoadRat)->text(), QString());
    }

    void theIdentificationTakesThirtyCharacters()
    {
        Window& w = *window_;
        w.TypeInto(Box::txtID, QString(31, 'x'));
        QCOMPARE(w.box(Box::txtID)->text(), QString(30, 'x'));
        w.box(Box::txtID)->clear();
    }

    // A box by caption and unit, described by its caption's tooltip; the
    // option groups by their names, the plunger question on its options.
    void aScreenReaderHearsTheWindowAsItIs()
    {
        Window& w = *window_;
        QCOMPARE(w.box(Box::txtRatedLoad)->accessibleName(), QString("Rated load, LB"));
        QCOMPARE(w.box(Box::txtOSDDMet)->accessibleName(), QString("Operating speed in the down direction, MPS"));
        QCOMPARE(w.box(Box::txtPlungerDiamMet)->accessibleName(), QString("Diamater of plunger, MM"));
        QCOMPARE(w.box(Box::txtNumPlungersMet)->accessibleName(), QString("Number of plungers"));
        QCOMPARE(w.box(Box::txtMaxBufLoadRatMet)->accessibleName(), QString("Maximum buffer load rating, KG"));
        QCOMPARE(w.box(Box::txtBufferGood)->accessibleName(), QString("Buffer is"));
        QCOMPARE(w.box(Box::txtWeightCarMet)->accessibleDescription(), QString("From data plate on crosshead"));
        QCOMPARE(w.box(Box::txtMinBufLoadRat)->accessibleDescription(), QString("Rule 1308.2    Buffer reaction"));
        QCOMPARE(w.box(Box::txtBufferGood)->accessibleDescription(), QString());
        const QString question = "Is plunger weight carried by car at buffer impact?";
        QCOMPARE(w.control("Frame3")->accessibleName(), QString("Unit system"));
        QCOMPARE(w.control("Frame2")->accessibleName(), question);
        QCOMPARE(w.option(Option::optPlungerYes)->accessibleName(), question + " Yes");
        QCOMPARE(w.option(Option::optPlungerNo)->accessibleName(), question + " No");
    }

    void theWindowIsNotResizable()
    {
        QCOMPARE(window_->form->centralWidget()->size(), QSize(618, 532));
        QCOMPARE(window_->form->minimumSize(), window_->form->maximumSize());
    }

private:
    std::unique_ptr<Window> window_; // for the checks that change nothing
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
