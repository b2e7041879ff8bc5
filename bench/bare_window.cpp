#include "bare_window.h"

#include <QLineEdit>

namespace sbc::bench {

std::unique_ptr<QMainWindow> BuildBareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle("Bare window");
    auto* edit = new QLineEdit(window.get());
    edit->setObjectName("bareLineEdit");
    window->setCentralWidget(edit);
    return window;
}

QLineEdit& BareLineEdit(QMainWindow& window) { return *static_cast<QLineEdit*>(window.centralWidget()); }

void ShapeLike(QMainWindow& window, const QWidget& box)
{
    QLineEdit& edit = BareLineEdit(window);
    edit.setFixedSize(box.size());
    edit.setFont(box.font());
    window.adjustSize();
}

} // namespace sbc::bench
