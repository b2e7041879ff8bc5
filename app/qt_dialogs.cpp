#include "qt_dialogs.h"

#include "qt_text.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace sbc {

namespace {
QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void QtDialogs::ShowMessage(const Message& message)
{
    QString prompt = ToQString(message.prompt);
    prompt.replace("\r\n", "\n");
    QMessageBox box(ToQtIcon(message.icon), ToQString(message.title), prompt, QMessageBox::Ok, window_);
    box.exec();
    ReleaseButtonsLeftDown();
}

std::string QtDialogs::InputBox(std::string_view prompt, std::string_view title)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(window_, ToQString(title), ToQString(prompt), QLineEdit::Normal, {}, &ok);
    ReleaseButtonsLeftDown();
    return ok ? answer.toStdString() : std::string();
}

// The window manager or compositor hands the window its activation back once
// the box has closed; asking for it here would race that hand-over, and on
// Wayland only the compositor may activate a window at all.
// A box shown by the focus leaving a box for a button, pressed with the
// mouse, takes that press's release: once the press is handled, let go of
// any button left drawn as pressed.
void QtDialogs::ReleaseButtonsLeftDown()
{
    if (!window_)
        return;
    QTimer::singleShot(0, window_, [window = window_] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            return;
        for (auto* button : window->findChildren<QAbstractButton*>())
            if (button->isDown())
                button->setDown(false);
    });
}

} // namespace sbc
