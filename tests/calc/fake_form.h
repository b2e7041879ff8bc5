#pragma once
// A window made of plain strings, for testing the calculation and the entry
// rules without the toolkit. Like the real window, writing a new text runs
// the box's change handler before returning, and moving the focus runs the
// focus-exit handler of the box that loses it.

#include "boxes.h"
#include "entry_rules.h"
#include "form_port.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sbc::test {

class FakeForm : public FormPort, public Dialogs {
public:
    std::array<std::string, kBoxCount> texts{};
    bool imperial = true;
    bool plungerYes = true;
    std::optional<Box> focus;

    std::vector<Message> messages;          // every message box shown, in order
    std::function<void(const Message&)> onMessage; // runs while a box is "open"
    std::vector<std::string> inputPrompts;   // every text-input box shown
    std::deque<std::string> inputAnswers;    // answers given to them, in order

    std::string Text(Box box) const override { return texts[Index(box)]; }

    void SetText(Box box, std::string_view text) override
    {
        if (texts[Index(box)] == text)
            return;
        texts[Index(box)] = std::string(text);
        if (IsEntryBox(box))
            EntryBox_Change(*this, box);
    }

    void SetFocus(Box box) override
    {
        if (focus == box)
            return;
        const std::optional<Box> previous = focus;
        focus = box;
        if (previous && IsEntryBox(*previous))
            EntryBox_LostFocus(*this, *previous);
    }

    bool ImperialMode() const override { return imperial; }
    bool PlungerYes() const override { return plungerYes; }
    Dialogs& dialogs() override { return *this; }

    void ShowMessage(const Message& message) override
    {
        messages.push_back(message);
        if (onMessage)
            onMessage(message);
    }

    std::string InputBox(std::string_view prompt, std::string_view) override
    {
        inputPrompts.emplace_back(prompt);
        if (inputAnswers.empty())
            return {};
        std::string answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }

    // Puts a text into a box without running its handler, as if it stood
    // there before the test began.
    void Fill(Box box, std::string_view text) { texts[Index(box)] = std::string(text); }

    // Types `keys` at the end of the box's text one character at a time, as
    // a user does: every keystroke is a change.
    void Type(Box box, std::string_view keys)
    {
        for (char c : keys)
            SetText(box, texts[Index(box)] + c);
    }

    // Selects all of the box's text and types `keys` over it.
    void Retype(Box box, std::string_view keys)
    {
        SetText(box, "");
        Type(box, keys);
    }

private:
    static std::size_t Index(Box box) { return static_cast<std::size_t>(box); }
};

} // namespace sbc::test
