// What a screen reader announces for the window's controls: each box by its
// caption and unit, described by its caption's tooltip, and the two option
// groups by their names.

#include "screen_reader_names.h"

#include "box_captions.h"
#include "frm_main.h"
#include "qt_text.h"
#include "text_box.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

// Qt reports a plain frame in the role of a window; a named frame holds an
// option group and is reported as a group, whose name a screen reader says
// when the focus enters it.
QAccessibleInterface* sbc::NamedFrameAsGroup(const QString& className, QObject* object)
{
    auto* frame = qobject_cast<QFrame*>(object);
    if (className != QLatin1String("QFrame") || !frame || frame->accessibleName().isEmpty())
        return nullptr;
    return new QAccessibleWidget(frame, QAccessible::Grouping);
}

namespace {

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
    for (sbc::Box id : sbc::kAll<sbc::Box>) {
        const sbc::BoxCaption c = sbc::CaptionOf(id);
        QString name = Spoken(label(c.captionLabel)->text());
        if (c.unitLabel)
            name += ", " + Spoken(label(*c.unitLabel)->text());
        box(c.box)->setAccessibleName(name);
        box(c.box)->setAccessibleDescription(label(c.captionLabel)->toolTip().trimmed());
    }

    // The unit frame has no caption of its own; the plunger frame is asked by
    // Label6 from outside it, so its options carry the question too, which a
    // screen reader says before the option's own caption.
    frame(sbc::Frame::Frame3)->setAccessibleName("Unit system");
    const QString question = Spoken(label(sbc::Label::Label6)->text());
    frame(sbc::Frame::Frame2)->setAccessibleName(question);
    for (sbc::Option id : {sbc::Option::optPlungerYes, sbc::Option::optPlungerNo})
        option(id)->setAccessibleName(question + " " + Spoken(option(id)->text()));
}
