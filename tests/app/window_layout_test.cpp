// The window as designed: every control where the design puts it, with its
// caption, font, tooltip and fixed colours; captions that fit; the menus.

#include "control_table.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontInfo>
#include <QMenu>
#include <QStyle>

using namespace sbc;
using namespace sbc::test;

class WindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareApplication(); }

    void everyControlStandsWhereTheDesignPutsIt()
    {
        Window w;
        QCOMPARE(w.form->centralWidget()->size(), QSize(618, 532));
        for (const ControlDesign& d : kControlDesigns) {
            const QString name = QString::fromUtf8(d.name.data(), qsizetype(d.name.size()));
            QWidget* widget = w.control(name.toUtf8().constData());
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widget->objectName(), name);
            const QString container = d.container.empty() ? "client" : QString::fromUtf8(d.container.data(), qsizetype(d.container.size()));
            QCOMPARE(widget->parentWidget()->objectName(), container);
            if (d.fontPoints > 0) {
                QCOMPARE(widget->font().family(), QString("MS Sans Serif"));
                QCOMPARE(widget->font().pointSizeF(), d.fontPoints);
                QVERIFY(widget->font().bold());
            }
        }
        // A sample in pixels, 15 twips each (820 twips rounds to 55).
        QCOMPARE(w.control("txtID")->geometry(), QRect(116, 16, 221, 21));
        QCOMPARE(w.control("txtPlungerDiamMet")->geometry(), QRect(464, 119, 81, 21));
        QCOMPARE(w.control("Label(3)")->geometry(), QRect(552, 55, 25, 17));
        QCOMPARE(w.control("txtBufferGood")->geometry(), QRect(356, 484, 125, 33));
        QCOMPARE(w.control("Frame1")->geometry(), QRect(20, 216, 589, 149));
    }

    void theDesignFontResolvesToAMetricCompatibleFace()
    {
        Window w;
        QCOMPARE(QFontInfo(w.control("Label1")->font()).family(), QString("Liberation Sans"));
    }

    void everyCaptionFitsItsControl()
    {
        Window w;
        for (const ControlDesign& d : kControlDesigns) {
            if (d.caption.empty() || d.kind == ControlKind::Frame)
                continue;
            QWidget* widget = w.control(std::string(d.name).c_str());
            QString text = QString::fromUtf8(d.caption.data(), qsizetype(d.caption.size()));
            text.remove('&');
            const QFontMetrics fm(widget->font());
            int needed = fm.horizontalAdvance(text.trimmed());
            if (d.kind == ControlKind::Option)
                needed += widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                          + widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            if (d.kind == ControlKind::Button)
                needed = static_cast<QAbstractButton*>(widget)->sizeHint().width() - 16;
            QVERIFY2(needed <= widget->width(),
                     qPrintable(QString("%1 needs %2 px, has %3").arg(widget->objectName()).arg(needed).arg(widget->width())));
            QVERIFY2(fm.ascent() <= widget->height(), qPrintable(widget->objectName()));
        }
    }

    void captionsTooltipsAndTitleAreTheSystemsOwn()
    {
        Window w;
        QCOMPARE(w.form->windowTitle(),
                 QString(" Hydraulic Elevator - Spring Buffer Reaction Calculator          www.example.org"));
        QCOMPARE(static_cast<QLabel*>(w.control("Label10"))->text(), QString("Buffer stroke:   "));
        QCOMPARE(static_cast<QLabel*>(w.control("Label8"))->text(), QString("Diamater of plunger:"));
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

    void menusCarryTheirShortcuts()
    {
        Window w;
        const struct { const char* menu; const char* item; const char* caption; const char* keys; } rows[] = {
            {"mnuFile", "mnuPrintData", "Print &Data", "Ctrl+D"},
            {"mnuFile", "mnuPrintForm", "Print &Form", "Ctrl+F"},
            {"mnuHelp", "mnuInfo", "&Info", "Ctrl+I"},
        };
        for (const auto& row : rows) {
            auto* menu = w.form->findChild<QMenu*>(row.menu);
            QVERIFY(menu);
            auto* action = menu->findChild<QAction*>(row.item);
            QVERIFY2(action && menu->actions().contains(action), row.item);
            QCOMPARE(action->text(), QString(row.caption));
            QCOMPARE(action->shortcut(), QKeySequence(row.keys));
        }
        QCOMPARE(w.form->findChild<QMenu*>("mnuFile")->title(), QString("&File"));
        QCOMPARE(w.form->findChild<QMenu*>("mnuHelp")->title(), QString("&Help"));
    }

    void resultBoxesAreYellowLockedAndSkipped()
    {
        Window w;
        for (Box b : kResultBoxes) {
            QCOMPARE(w.box(b)->palette().color(QPalette::Base), QColor(255, 255, 0));
            QVERIFY(w.box(b)->isLocked());
            QVERIFY(!w.box(b)->isTabStop());
        }
        QCOMPARE(w.box(Box::txtBufferGood)->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(w.box(Box::txtBufferGood)->font().pointSizeF(), 13.5);

        w.ClickBox(Box::txtMinBufLoadRat);
        QCOMPARE(w.focusName(), QString("txtMinBufLoadRat")); // locked, still takes the focus
        w.Type("123");
        QCOMPARE(w.box(Box::txtMinBufLoadRat)->text(), QString());
    }

    void theIdentificationTakesThirtyCharacters()
    {
        Window w;
        w.TypeInto(Box::txtID, QString(31, 'x'));
        QCOMPARE(w.box(Box::txtID)->text(), QString(30, 'x'));
    }

    void everyBoxIsNamedForScreenReaders()
    {
        Window w;
        QCOMPARE(w.box(Box::txtRatedLoad)->accessibleName(), QString("Rated load, LB"));
        QCOMPARE(w.box(Box::txtOSDDMet)->accessibleName(), QString("Operating speed in the down direction, MPS"));
        QCOMPARE(w.box(Box::txtBufferStroke)->accessibleName(), QString("Buffer stroke, IN"));
        QCOMPARE(w.box(Box::txtPlungerDiamMet)->accessibleName(), QString("Diamater of plunger, MM"));
        QCOMPARE(w.box(Box::txtNumPlungersMet)->accessibleName(), QString("Number of plungers"));
        QCOMPARE(w.box(Box::txtBufferGood)->accessibleName(), QString("Buffer is"));
        for (int i = 0; i < kBoxCount; ++i)
            QVERIFY(!w.box(static_cast<Box>(i))->accessibleName().isEmpty());
    }

    void theWindowIsNotResizable()
    {
        Window w;
        QCOMPARE(w.form->minimumSize(), w.form->maximumSize());
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
