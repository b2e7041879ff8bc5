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
            QTest::newRow(NameOf(kControlDesigns[i].id).data()) << int(i);
    }
    // Each control under its name, in its container; the result boxes
    // yellow, locked and skipped by Tab.
    void everyControlOfTheTableIsBuilt()
    {
        QFETCH(int, row);
        const ControlDesign& d = kControlDesigns[std::size_t(row)];
        QWidget* widget = window_->form->ControlOf(d.id);
        QCOMPARE(widget->objectName(), QString(QTest::currentDataTag()));
        QCOMPARE(widget->parentWidget()->objectName(),
                 d.container ? ToQString(NameOf(*d.container)) : QString("client"));
        if (d.fontPoints > 0)
            QVERIFY(widget->font().family() == "MS Sans Serif" && widget->font().pointSizeF() == d.fontPoints
                    && widget->font().bold());
        if (const Box* b = std::get_if<Box>(&d.id); b && IsResultBox(*b)) {
            QCOMPARE(window_->ControlOf(*b)->palette().color(QPalette::Base), QColor(255, 255, 0));
            QVERIFY(window_->ControlOf(*b)->IsLocked() && !window_->ControlOf(*b)->IsTabStop());
        }
    }

    // The design's own figures, written out here rather than read from the
    // window's table, so that a wrong row of that table fails.
    void sampleControlsStandAsDesigned_data()
    {
        QTest::addColumn<QWidget*>("widget");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("points"); // 0: the toolkit's default font
        const Window& w = *window_;
        auto row = [](const char* name, QWidget* widget) -> QTestData& { return QTest::newRow(name) << widget; };
        // clang-format off
        row("txtID", w.ControlOf(Box::txtID)) << "client" << "" << QRect(1740, 240, 3315, 315) << 8.25;
        row("txtOSDDMet", w.ControlOf(Box::txtOSDDMet)) << "client" << "" << QRect(7260, 900, 1215, 315) << 8.25;
        row("txtPlungerDiamMet", w.ControlOf(Box::txtPlungerDiamMet)) << "Frame1" << "" << QRect(6960, 1785, 1215, 315) << 8.25;
        row("txtBufferGood", w.ControlOf(Box::txtBufferGood)) << "client" << "" << QRect(5340, 7260, 1875, 495) << 13.5;
        row("cmdCompute", w.ControlOf(Command::cmdCompute)) << "client" << "&Calculate" << QRect(420, 7260, 1455, 495) << 12.0;
        row("optMetric", w.ControlOf(Option::optMetric)) << "Frame3" << "&Metric" << QRect(2100, 180, 1275, 375) << 9.75;
        row("optPlungerNo", w.ControlOf(Option::optPlungerNo)) << "Frame2" << "&No" << QRect(1080, 120, 675, 195) << 8.25;
        row("Label10", w.ControlOf(Label::Label10)) << "client" << "Buffer stroke:   " << QRect(480, 2445, 4755, 315) << 9.75;
        row("Label13", w.ControlOf(Label::Label13)) << "client" << "Actual buffer load rating:" << QRect(480, 6120, 4755, 315) << 12.0;
        row("Label6", w.ControlOf(Label::Label6)) << "Frame1" << "Is plunger weight carried by car at buffer impact?"
                                                   << QRect(180, 270, 5115, 315) << 9.75;
        row("Label(3)", w.ControlOf(Label::Label_3)) << "Frame1" << "KG" << QRect(8280, 820, 375, 255) << 8.25;
        row("Label29", w.ControlOf(Label::Label29)) << "client" << "KG" << QRect(8580, 5820, 375, 195) << 8.25;
        row("Frame1", w.ControlOf(Frame::Frame1)) << "client" << "" << QRect(300, 3240, 8835, 2235) << 0.0;
        row("Frame2", w.ControlOf(Frame::Frame2)) << "Frame1" << "" << QRect(5400, 180, 3195, 495) << 0.0;
        // clang-format on
    }
    void sampleControlsStandAsDesigned()
    {
        QFETCH(QWidget*, widget);
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(double, points);
        auto pixels = [](int t) { return qRound(t / 15.0); }; // 1440 twips an inch at 96 dpi
        QCOMPARE(widget->objectName(), QString(QTest::currentDataTag()));
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(),
                 QRect(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())));
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), caption);
        QCOMPARE(widget->font().pointSizeF(), points > 0 ? points : QFont().pointSizeF());
    }

    void theDesignFontResolvesToAMetricCompatibleFace()
    {
        QCOMPARE(QFontInfo(window_->ControlOf(Label::Label1)->font()).family(), QString("Liberation Sans"));
    }

    void everyCaptionFitsItsControl_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < kControlDesigns.size(); ++i)
            if (!kControlDesigns[i].caption.empty() && !std::holds_alternative<Frame>(kControlDesigns[i].id))
                QTest::newRow(NameOf(kControlDesigns[i].id).data()) << int(i);
    }
    void everyCaptionFitsItsControl()
    {
        QFETCH(int, row);
        const ControlDesign& d = kControlDesigns[std::size_t(row)];
        QWidget* widget = window_->form->ControlOf(d.id);
        const QFontMetrics fm(widget->font());
        int needed = fm.horizontalAdvance(ToQString(d.caption).remove('&').trimmed());
        if (std::holds_alternative<Option>(d.id))
            needed += widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                      + widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        if (std::holds_alternative<Command>(d.id))
            needed = static_cast<QAbstractButton*>(widget)->sizeHint().width() - 16;
        QVERIFY2(needed <= widget->width(),
                 qPrintable(QString("needs %1 px, has %2").arg(needed).arg(widget->width())));
        QVERIFY(fm.ascent() <= widget->height());
    }

    void captionsTooltipsAndTitleAreTheSystemsOwn()
    {
        const Window& w = *window_;
        QCOMPARE(w.form->windowTitle(),
                 QString(" Hydraulic Elevator - Spring Buffer Reaction Calculator          www.example.org"));
        QCOMPARE(w.ControlOf(Label::Label1)->toolTip(),
                 QString(" ASME A17.1-1996 Definition: \"The speed at which a hydraulic elevator is set to lower with "
                         "rated load.\" "));
        QCOMPARE(w.ControlOf(Label::Label6)->toolTip(),
                 QString(" See Rule 301.3(e)  \"Plunger weight less buoyant effects...shall be added...and used in "
                         "calculations.\" "));
        QCOMPARE(w.ControlOf(Label::Label32)->toolTip(),
                 QString(" Identify this elevator with a maximum of 30 charaters "));
        QCOMPARE(w.ControlOf(Label::Label_4)->text(), QString("M"));
        QVERIFY(!w.form->windowIcon().isNull());
        QVERIFY(w.form->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(w.form->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void menusCarryTheirShortcuts_data()
    {
        QTest::addColumn<QAction*>("action");
        QTest::addColumn<QMenu*>("owner");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("keys");
        const frmMain& f = *window_->form;
        QMenu* file = f.ControlOf(Menu::mnuFile);
        // clang-format off
        QTest::newRow("mnuPrintData") << f.ControlOf(MenuEntry::mnuPrintData) << file << "&File" << "Print &Data" << "Ctrl+D";
        QTest::newRow("mnuPrintForm") << f.ControlOf(MenuEntry::mnuPrintForm) << file << "&File" << "Print &Form" << "Ctrl+F";
        QTest::newRow("mnuInfo") << f.ControlOf(MenuEntry::mnuInfo) << f.ControlOf(Menu::mnuHelp) << "&Help" << "&Info" << "Ctrl+I";
        // clang-format on
    }
    void menusCarryTheirShortcuts()
    {
        QFETCH(QAction*, action);
        QFETCH(QMenu*, owner);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QFETCH(QString, keys);
        QVERIFY(owner->actions().contains(action));
        QCOMPARE(action->objectName(), QString(QTest::currentDataTag()));
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), QKeySequence(keys));
        QCOMPARE(owner->title(), title);
    }

    // These two type on the shared window too: on Wayland a second window
    // of the program may not be given the keyboard while the first is up.
    void theVerdictIsRedAndALockedResultTakesNoTyping()
    {
        Window& w = *window_;
        // The verdict's size is among the design's rows above.
        QCOMPARE(w.ControlOf(Box::txtBufferGood)->palette().color(QPalette::Text), QColor(255, 0, 0));
        w.ClickBox(Box::txtMinBufLoadRat);
        QCOMPARE(w.FocusName(), QString("txtMinBufLoadRat")); // locked, still takes the focus
        w.Type("123");
        QCOMPARE(w.ControlOf(Box::txtMinBufLoadRat)->text(), QString());
    }

    void theIdentificationTakesThirtyCharacters()
    {
        Window& w = *window_;
        w.TypeInto(Box::txtID, QString(31, 'x'));
        QCOMPARE(w.ControlOf(Box::txtID)->text(), QString(30, 'x'));
        w.ControlOf(Box::txtID)->clear();
    }

    // A box by caption and unit, described by its caption's tooltip; the
    // option groups by their names, the plunger question on its options.
    void aScreenReaderHearsTheWindowAsItIs()
    {
        Window& w = *window_;
        QCOMPARE(w.ControlOf(Box::txtRatedLoad)->accessibleName(), QString("Rated load, LB"));
        QCOMPARE(w.ControlOf(Box::txtOSDDMet)->accessibleName(), QString("Operating speed in the down direction, MPS"));
        QCOMPARE(w.ControlOf(Box::txtPlungerDiamMet)->accessibleName(), QString("Diamater of plunger, MM"));
        QCOMPARE(w.ControlOf(Box::txtNumPlungersMet)->accessibleName(), QString("Number of plungers"));
        QCOMPARE(w.ControlOf(Box::txtMaxBufLoadRatMet)->accessibleName(), QString("Maximum buffer load rating, KG"));
        QCOMPARE(w.ControlOf(Box::txtBufferGood)->accessibleName(), QString("Buffer is"));
        QCOMPARE(w.ControlOf(Box::txtWeightCarMet)->accessibleDescription(), QString("From data plate on crosshead"));
        QCOMPARE(w.ControlOf(Box::txtMinBufLoadRat)->accessibleDescription(),
                 QString("Rule 1308.2    Buffer reaction"));
        QCOMPARE(w.ControlOf(Box::txtBufferGood)->accessibleDescription(), QString());
        const QString question = "Is plunger weight carried by car at buffer impact?";
        QCOMPARE(w.ControlOf(Frame::Frame3)->accessibleName(), QString("Unit system"));
        QCOMPARE(w.ControlOf(Frame::Frame2)->accessibleName(), question);
        QCOMPARE(w.ControlOf(Option::optPlungerYes)->accessibleName(), question + " Yes");
        QCOMPARE(w.ControlOf(Option::optPlungerNo)->accessibleName(), question + " No");
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
