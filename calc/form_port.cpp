#include "form_port.h"

namespace sbc {

std::string JoinMessageLines(std::span<const std::string_view> lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

void ClearAnswers(FormPort& form)
{
    for (Box box : kResultBoxes)
        form.SetText(box, "");
}

} // namespace sbc
