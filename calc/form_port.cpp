#include "form_port.h"

namespace sbc {

void ClearAnswers(FormPort& form)
{
    for (Box box : kResultBoxes)
        form.SetText(box, "");
}

} // namespace sbc
