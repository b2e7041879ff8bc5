#pragma once
// Message boxes that only count: a benchmark must never stop at a modal box,
// and one showing at all means the run did not go as intended.

#include "form_port.h"

namespace sbc::bench {

class SilentDialogs : public Dialogs {
public:
    int shown = 0;

    void ShowMessage(const Message&) override { ++shown; }
    std::string InputBox(std::string_view, std::string_view) override
    {
        ++shown;
        return {};
    }
};

} // namespace sbc::bench
