#pragma once
// Message and text-input boxes that the tests answer at once, recording
// what was shown.

#include "form_port.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace sbc {
// How a failing check shows a message box.
inline void PrintTo(const Message& m, std::ostream* os) { *os << '"' << m.title << "\": \"" << m.prompt << '"'; }
} // namespace sbc

namespace sbc::test {

class AnsweringDialogs : public Dialogs {
public:
    std::vector<Message> messages;                 // every message box shown, in order
    std::function<void(const Message&)> onMessage; // runs while a box is "open"
    std::vector<std::string> inputPrompts;         // every text-input box shown
    std::string inputAnswer;                       // the answer given to each

    void ShowMessage(const Message& message) override
    {
        messages.push_back(message);
        if (onMessage)
            onMessage(message);
    }

    std::string InputBox(std::string_view prompt, std::string_view) override
    {
        inputPrompts.emplace_back(prompt);
        return inputAnswer;
    }
};

} // namespace sbc::test
