#include "text_box.h"

#include "menus.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {
bool IsMoveInsideWindow(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
} // namespace

bool TextBox::event(QEvent* event)
{
    // The menu shortcuts belong to the window, not to the line edit's own
    // editing keys (Ctrl+D would delete a character).
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination pressed = static_cast<QKeyEvent*>(event)->keyCombination();
        for (const sbc::MenuItem& item : sbc::kMenuItems)
            if (pressed == item.shortcut) {
                event->ignore();
                return true;
            }
    }
    return QLineEdit::event(event);
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!IsMoveInsideWindow(event->reason()))
        return;
    emit GotFocus();
    reselectAfterClick_ = event->reason() == Qt::MouseFocusReason && hasSelectedText();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    reselectAfterClick_ = false;
    if (IsMoveInsideWindow(event->reason()))
        emit LostFocus();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    // The click that gave the focus placed the caret after the box selected
    // its text on entry; select it again unless the user dragged a selection.
    if (reselectAfterClick_ && !hasSelectedText())
        selectAll();
    reselectAfterClick_ = false;
}
