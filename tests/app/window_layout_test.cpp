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

using namespace sbc;
using namespace sbc::test;

class WindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareApplication(); }

    void everyControlOfTheTableIsBuilt()
    {
        Window w;
        QCOMPARE(w.form->centralWidget()->size(), QSize(618, 532));
        for (const ControlDesign& d : kControlDesigns) {
            QWidget* widget = w.control(std::string(d.name).c_str());
            QVERIFY2(widget, d.name.data());
            QCOMPARE(widget->objectName(), ToQString(d.name));
            QCOMPARE(widget->parentWidget()->objectName(), d.container.empty() ? QString("client") : ToQString(d.container));
            if (d.fontPoints > 0) {
                QCOMPARE(widget->font().family(), QString("MS Sans Serif"));
                QCOMPARE(widget->font().pointSizeF(), d.fontPoints);
                QVERIFY(widget->font().bold());
            }
        }
    }

    // The design's own figures, written out here rather than read from the
    // window's table, so that a wrong row of that table fails.
    void sampleControlsStandAsDesigned()
    {
        const struct {
            const char* name;
            const char* container;
            const char* caption;
            int left, top, width, height; // twips
            double points;                // 0: the toolkit's default font
        } designed[] = {
            {"txtID", "client", "", 1740, 240, 3315, 315, 8.25},
            {"txtOSDDMet", "client", "", 7260, 900, 1215, 315, 8.25},
            {"txtPlungerDiamMet", "Frame1", "", 6960, 1785, 1215, 315, 8.25},
            {"txtBufferGood", "client", "", 5340, 7260, 1875, 495, 13.5},
            {"cmdCompute", "client", "&Calculate", 420, 7260, 1455, 495, 12},
            {"optMetric", "Frame3", "&Metric", 2100, 180, 1275, 375, 9.75},
            {"optPlungerNo", "Frame2", "&No", 1080, 120, 675, 195, 8.25},
            {"Label10", "client", "Buffer stroke:   ", 480, 2445, 4755, 315, 9.75},
            {"Label13", "client", "Actual buffer load rating:", 480, 6120, 4755, 315, 12},
            {"Label6", "Frame1", "Is plunger weight carried by car at buffer impact?", 180, 270, 5115, 315, 9.75},
            {"Label(3)", "Frame1", "KG", 8280, 820, 375, 255, 8.25},
            {"Label29", "client", "KG", 8580, 5820, 375, 195, 8.25},
            {"Frame1", "client", "", 300, 3240, 8835, 2235, 0},
            {"Frame2", "Frame1", "", 5400, 180, 3195, 495, 0},
        };
        const QFont defaultFont;
        auto pixels = [](int twips) { return qRound(twips / 15.0); }; // 1440 twips an inch at 96 dpi
        Window w;
        for (const auto& d : designed) {
            QWidget* widget = w.control(d.name);
            QVERIFY2(widget, d.name);
            QCOMPARE(widget->parentWidget()->objectName(), QString(d.container));
            QCOMPARE(widget->geometry(), QRect(pixels(d.left), pixels(d.top), pixels(d.width), pixels(d.height)));
            QString caption;
            if (auto* label = qobject_cast<QLabel*>(widget))
                caption = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                caption = button->text();
            QCOMPARE(caption, QString(d.caption));
            if (d.points > 0) {
                QCOMPARE(widget->font().family(), QString("MS Sans Serif"));
                QCOMPARE(widget->font().pointSizeF(), d.points);
                QVERIFY(widget->font().bold());
            } else {
                QCOMPARE(widget->font().pointSizeF(), defaultFont.pointSizeF());
            }
        }
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
            QString text = ToQString(d.caption);
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
