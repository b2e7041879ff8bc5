#pragma once
// A text box as the window's handlers need it: a QLineEdit that can be
// locked (read-only but focusable and selectable) or taken out of the tab
// order, and that reports focus entry and exit only for real moves of the
// focus inside the window, not for the window losing activation to a
// message box or a menu popping up.

#include <QLineEdit>

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    void SetLocked(bool locked) { setReadOnly(locked); }
    bool IsLocked() const { return isReadOnly(); }
    void SetTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }
    bool IsTabStop() const { return focusPolicy() == Qt::StrongFocus; }

signals:
    void GotFocus();
    void LostFocus();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool reselectAfterClick_ = false; // focus came by a click and the entry handler selected
};
