#pragma once
// A window made of plain strings, for testing the calculation and the entry
// rules without the toolkit. Like the real window, writing a new text runs
// the box's change handler before returning, and moving the focus runs the
// focus-exit handler of the box that loses it.

#include "answering_dialogs.h"
#include "boxes.h"
#include "entry_rules.h"
#include "form_port.h"
#include "stroke_rules.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sbc::test {

class FakeForm : public FormPort, public AnsweringDialogs {
public:
    explicit FakeForm(UnitSystem system = UnitSystem::Imperial) : imperial(system == UnitSystem::Imperial) {}

    std::array<std::string, kBoxCount> texts{};
    bool imperial = true;
    bool plungerYes = true;
    std::optional<Box> focus;

    std::string Text(Box box) const override { return texts[Index(box)]; }

    void SetText(Box box, std::string_view text) override
    {
        if (texts[Index(box)] == text)
            return;
        texts[Index(box)] = std::string(text);
        if (IsEntryBox(box))
            EntryChanged(*this, box);
    }

    void SetFocus(Box box) override
    {
        if (focus == box)
            return;
        const std::optional<Box> previous = focus;
        focus = box;
        if (previous && IsEntryBox(*previous))
            EntryLeft(*this, *previous);
    }

    bool ImperialMode() const override { return imperial; }
    bool PlungerYes() const override { return plungerYes; }
    Dialogs& ModalBoxes() override { return *this; }

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

private:
    static std::size_t Index(Box box) { return static_cast<std::size_t>(box); }
};

} // namespace sbc::test
