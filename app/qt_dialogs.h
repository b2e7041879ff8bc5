#pragma once
// The real modal boxes: QMessageBox and QInputDialog.

#include "form_port.h"

class QWidget;

namespace sbc {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* window) : window_(window) {}
    void ShowMessage(const Message& message) override;
    std::string InputBox(std::string_view prompt, std::string_view title) override;

private:
    void ReleaseButtonsLeftDown();
    QWidget* window_;
};

} // namespace sbc
