#pragma once
// The window as the calculation and the entry rules see it. frmMain
// implements it over its real widgets; the tests implement it over plain
// strings. Nothing here knows about the toolkit.

#include "boxes.h"

#include <span>
#include <string>
#include <string_view>

namespace sbc {

enum class MessageIcon { None, Question, Information };

// A modal message box with a single OK button. Lines of the prompt are
// joined by "\r\n".
struct Message {
    std::string prompt;
    std::string title;
    MessageIcon icon = MessageIcon::None;

    friend bool operator==(const Message&, const Message&) = default;
};

// A message box's lines joined by "\r\n", with no break after the last.
std::string JoinMessageLines(std::span<const std::string_view> lines);

// The modal boxes the commands show. The program shows real ones; tests
// answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ShowMessage(const Message& message) = 0;
    // The text-input box with an empty default. Cancel gives the empty text.
    virtual std::string InputBox(std::string_view prompt, std::string_view title) = 0;
};

class FormPort {
public:
    virtual ~FormPort() = default;

    virtual std::string Text(Box box) const = 0;
    // Writing a text that differs from the box's current text runs the
    // box's change handler to its end before returning.
    virtual void SetText(Box box, std::string_view text) = 0;
    // Moves the input focus; the box's focus-entry handler runs, and the
    // focus-exit handler of the box that loses the focus.
    virtual void SetFocus(Box box) = 0;

    virtual bool ImperialMode() const = 0;
    virtual bool PlungerYes() const = 0;

    virtual Dialogs& ModalBoxes() = 0;
};

// Empties the seven result boxes, in their fixed order.
void ClearAnswers(FormPort& form);

inline UnitSystem SelectedSystem(const FormPort& form)
{
    return form.ImperialMode() ? UnitSystem::Imperial : UnitSystem::Metric;
}
inline UnitSystem OtherSystem(UnitSystem system)
{
    return system == UnitSystem::Imperial ? UnitSystem::Metric : UnitSystem::Imperial;
}

} // namespace sbc
