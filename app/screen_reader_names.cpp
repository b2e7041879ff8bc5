// What a screen reader announces for the window's controls: each box by its
// caption and unit, described by its caption's tooltip, and the two option
// groups by their names.

#include "box_captions.h"
#include "frm_main.h"
#include "qt_text.h"
#include "text_box.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace {

// Qt reports a plain frame in the role of a window; a named frame holds an
// option group and is reported as a group, whose name a screen reader says
// when the focus enters it.
QAccessibleInterface* NamedFrameAsGroup(const QString& className, QObject* object)
{
    auto* frame = qobject_cast<QFrame*>(object);
    if (className != QLatin1String("QFrame") || !frame || frame->accessibleName().isEmpty())
        return nullptr;
    return new QAccessibleWidget(frame, QAccessible::Grouping);
}

// The words a label shows, as a screen reader should say them.
QString Spoken(const QString& text)
{
    QString spoken = text.trimmed();
    spoken.remove('&');
    if (spoken.endsWith(':'))
        spoken.chop(1);
    return spoken;
}

} // namespace

void frmMain::NameForScreenReaders()
{
    auto label = [this](std::string_view name) { return static_cast<QLabel*>(control(name)); };
    for (int i = 0; i < sbc::kBoxCount; ++i) {
        const sbc::BoxCaption c = sbc::CaptionOf(static_cast<sbc::Box>(i));
        QString name = Spoken(label(c.captionLabel)->text());
        if (!c.unitLabel.empty())
            name += ", " + Spoken(label(c.unitLabel)->text());
        box(c.box)->setAccessibleName(name);
        box(c.box)->setAccessibleDescription(label(c.captionLabel)->toolTip().trimmed());
    }

    // The unit frame has no caption of its own; the plunger frame is asked by
    // Label6 from outside it, so its options carry the question too, which a
    // screen reader says before the option's own caption.
    static const bool groupsInstalled = [] {
        QAccessible::installFactory(NamedFrameAsGroup);
        return true;
    }();
    Q_UNUSED(groupsInstalled);
    control("Frame3")->setAccessibleName("Unit system");
    const QString question = Spoken(label("Label6")->text());
    control("Frame2")->setAccessibleName(question);
    for (const char* name : {"optPlungerYes", "optPlungerNo"}) {
        auto* option = static_cast<QRadioButton*>(control(name));
        option->setAccessibleName(question + " " + Spoken(option->text()));
    }
}
