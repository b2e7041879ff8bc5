// What a screen reader announces for the window's controls: each box by its
// caption and unit, described by its caption's tooltip, and the two option
// groups by their names.

#include "screen_reader_names.h"

#include "box_captions.h"
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

void sbc::NameForScreenReaders(const WindowControls& controls)
{
    const auto& labels = controls.labels;
    for (Box id : kAll<Box>) {
        const BoxCaption c = CaptionOf(id);
        QString name = Spoken(labels[c.captionLabel]->text());
        if (c.unitLabel)
            name += ", " + Spoken(labels[*c.unitLabel]->text());
        controls.boxes[c.box]->setAccessibleName(name);
        controls.boxes[c.box]->setAccessibleDescription(labels[c.captionLabel]->toolTip().trimmed());
    }

    // The unit frame has no caption of its own; the plunger frame is asked by
    // Label6 from outside it, so its options carry the question too, which a
    // screen reader says before the option's own caption.
    controls.frames[Frame::Frame3]->setAccessibleName("Unit system");
    const QString question = Spoken(labels[Label::Label6]->text());
    controls.frames[Frame::Frame2]->setAccessibleName(question);
    for (Option id : {Option::optPlungerYes, Option::optPlungerNo})
        controls.options[id]->setAccessibleName(question + " " + Spoken(controls.options[id]->text()));
}
