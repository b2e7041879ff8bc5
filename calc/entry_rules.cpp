#include "entry_rules.h"

namespace sbc {

void EntryBox_Change(FormPort& form, Box) { ClearAnswers(form); }
void EntryBox_LostFocus(FormPort&, Box) {}
void ImperialStrokeShort(FormPort&) {}
void MetricShortStroke(FormPort&) {}
void Buffer_Stroke_Msg(FormPort&) {}
void Label10_DblClick(FormPort&) {}

} // namespace sbc
