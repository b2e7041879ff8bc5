#pragma once
// The real window as a user runs it: its own message boxes, input box and
// Print dialog, on the platform that QT_QPA_PLATFORM names - offscreen, xcb
// under a window manager, or wayland under a compositor. The test answers
// each modal box once it has been shown and activated, and looks where the
// focus is after the window has its activation back.

#include "boxes.h"
#include "frm_main.h"
#include "give_activation.h"
#include "qt_waits.h"
#include "start_up.h"
#include "text_box.h"
#include "window_driver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QtPrintSupport/qtprintsupportglobal.h>
#if QT_CONFIG(printdialog)
#include <QPrintDialog>
#endif
#if QT_CONFIG(process)
#include <QProcess>
#endif
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace sbc::test {

inline QString Platform() { return QGuiApplication::platformName(); }
inline bool Offscreen() { return Platform() == "offscreen"; }
inline bool Wayland() { return Platform() == "wayland"; }

// Keys sent through the display server itself (XTEST on X11, a virtual
// keyboard on Wayland) reach the window only through the server's own focus
// handling; QTest's keys go straight to a widget. On Wayland a keyboard must
// stay in the seat for the whole run, as on any desktop: a wtype call alone
// brings its keyboard and takes it away again, and keys sent before the
// program has bound that new keyboard are lost. scripts/with-wayland.sh
// holds one.
class ServerKeys {
public:
    static QString Tool()
    {
#if QT_CONFIG(process) // a web page starts no programs
        if (Platform() == "xcb")
            return QStandardPaths::findExecutable("xdotool");
        if (Wayland())
            return QStandardPaths::findExecutable("wtype");
#endif
        return {};
    }
    static bool Available() { return !Tool().isEmpty(); }

    static void Type(const QString& text)
    {
        Run(Wayland() ? QStringList{"-d", "20", text} : QStringList{"type", "--delay", "20", text});
    }
    // A key by its X keysym name: Return, Tab.
    static void Key(const QString& name) { Run(Wayland() ? QStringList{"-k", name} : QStringList{"key", name}); }
    // A left click from the X server's pointer (X11 only).
    static void Click(QWidget* widget)
    {
        const QPoint at = widget->mapToGlobal(widget->rect().center());
        Run({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

private:
    // Runs without blocking the event loop: a key may open a modal box.
    static void Run(const QStringList& args)
    {
#if QT_CONFIG(process)
        QProcess tool;
        tool.start(Tool(), args);
        QVERIFY2(tool.waitForStarted(), qPrintable(Tool()));
        QVERIFY(QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(tool.exitCode(), 0);
#else
        QFAIL(qPrintable("no programs to send " + args.join(' ')));
#endif
    }
};

// One modal box as the test saw it while it was open.
struct SeenBox {
    QString kind; // "message", "input" or "print"
    QString title;
    QString text;
    QString windowFocus; // the main window's focus widget while the box was open
};

class DesktopWindow : public WindowDriver {
public:
    const bool setUp = (SetUpApplication(), true); // before the window is built
    frmMain form;                                  // its own real boxes and printer
    std::vector<SeenBox> seen;
    QString inputAnswer;               // typed into the Elevator ID box, which is then accepted
    bool answerWithServerKeys = false; // a message box is closed by a Return from the server
    bool acceptPrint = false;          // the Print dialog is answered with Print, not Cancel
    std::function<void()> whileOpen;

    DesktopWindow()
    {
        Drive(&form);
        answering_.setInterval(10);
        QObject::connect(&answering_, &QTimer::timeout, [this] { AnswerOpenBox(); });
        answering_.start();
        form.show();
        QVERIFY(WaitFor([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }));
        WaitActive();
    }

    // After a modal box has closed the window must be active again before its
    // focus means anything. A window manager or compositor hands the
    // activation back; under offscreen nothing does, so the test stands in.
    // On Wayland qWaitForWindowActive waits only for exposure, and the
    // platform reports the window active a few milliseconds before Qt moves
    // its activation and focus there: wait for Qt's active window itself.
    void WaitActive()
    {
        if (Offscreen())
            GiveActivation(form);
        QVERIFY2(neverActivated_.isEmpty(), qPrintable("never given the keyboard: " + neverActivated_.join(", ")));
        QVERIFY2(WaitFor([&] { return QApplication::activeWindow() == &form; }),
                 qPrintable("the window was not activated again; active: " + ActiveName()));
    }

    QStringList SeenTexts() const
    {
        QStringList texts;
        for (const SeenBox& b : seen)
            texts << b.text;
        return texts;
    }

    // The window's Print Data command, as its menu item runs it.
    void PrintData() { form.ControlOf(MenuEntry::mnuPrintData)->trigger(); }

    // With SBC_SCREENSHOTS naming a folder, the screen as the user sees it.
    void Screenshot(const QString& name)
    {
        const QString folder = qEnvironmentVariable("SBC_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        const QString file = folder + "/" + Platform() + "-" + name + ".png";
        // Let the window repaint what has just changed before the display
        // server's picture of it is taken.
        QTest::qWait(150);
        if (Wayland()) {
#if QT_CONFIG(process)
            QProcess::execute("grim", {file}); // a Wayland client cannot read the screen itself
#endif
        } else if (Offscreen())
            form.grab().save(file);
        else
            form.screen()->grabWindow(0).save(file);
    }

private:
    QString ActiveName() const
    {
        QWidget* w = QApplication::activeWindow();
        return (w ? w->objectName() + " " + w->windowTitle() : QString("none"))
               + (form.windowHandle()->isActive() ? "; the platform has activated the window" : "");
    }

    // Answers the box on top once the platform has given it the activation,
    // as a user can only answer a box that has the keyboard. One never given
    // it is noted and closed all the same, so that the test fails, not hangs.
    void AnswerOpenBox()
    {
#ifdef Q_OS_WIN
        if (AnswerNativeDialog())
            return;
#endif
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == answered_ || !modal->isVisible())
            return;
        const bool activated = QApplication::activeWindow() == modal;
        if (!WaitedForActivation(modal, modal->windowTitle(), activated))
            return;
        answered_ = modal;
        SeenBox b;
        b.title = modal->windowTitle();
        if (QWidget* f = form.focusWidget())
            b.windowFocus = f->objectName();
        if (auto* message = qobject_cast<QMessageBox*>(modal)) {
            b.kind = "message";
            b.text = message->text();
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            b.kind = "input";
            b.text = input->labelText();
        }
#if QT_CONFIG(printdialog)
        else if (qobject_cast<QPrintDialog*>(modal)) {
            b.kind = "print";
        }
#endif
        seen.push_back(b);
        if (whileOpen)
            whileOpen();
        if (auto* message = qobject_cast<QMessageBox*>(modal)) {
            if (answerWithServerKeys && activated)
                ServerKeys::Key("Return");
            else
                QTest::keyClick(message, Qt::Key_Return);
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            input->setTextValue(inputAnswer);
            input->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            if (acceptPrint)
                dialog->accept();
            else
                dialog->reject();
        }
    }

    // True once `box` has the activation, or has been waited for long
    // enough: then it is noted as never activated, and answered all the same.
    bool WaitedForActivation(const void* box, const QString& title, bool activated)
    {
        if (box != waitingFor_) {
            waitingFor_ = box;
            waiting_.start();
        }
        if (!activated && waiting_.elapsed() < 5000)
            return false;
        if (!activated)
            neverActivated_ << title;
        return true;
    }

#ifdef Q_OS_WIN
    // Windows' own Print dialog is no widget but a dialog window of this
    // thread; Qt's timers go on running while it is open. True while one is open.
    bool AnswerNativeDialog()
    {
        HWND dialog = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) -> BOOL {
                wchar_t name[16] = {};
                GetClassNameW(window, name, 16);
                if (!IsWindowVisible(window) || std::wstring_view(name) != L"#32770")
                    return TRUE;
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&dialog));
        if (!dialog || dialog == nativeAnswered_)
            return dialog != nullptr;
        wchar_t title[128] = {};
        GetWindowTextW(dialog, title, 128);
        SeenBox b{"print", QString::fromWCharArray(title), {}, {}};
        if (!WaitedForActivation(dialog, b.title, GetForegroundWindow() == dialog))
            return true;
        nativeAnswered_ = dialog;
        if (QWidget* f = form.focusWidget())
            b.windowFocus = f->objectName();
        seen.push_back(b);
        if (whileOpen)
            whileOpen();
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(acceptPrint ? IDOK : IDCANCEL, BN_CLICKED), 0);
        return true;
    }
    HWND nativeAnswered_ = nullptr;
#endif

    QTimer answering_;
    QPointer<QWidget> answered_;
    const void* waitingFor_ = nullptr; // compared only, never followed
    QElapsedTimer waiting_;
    QStringList neverActivated_;
};

} // namespace sbc::test
