#include "buffer_calc.h"

namespace sbc {

void ComputeWithPlunger(FormPort&) {}
void ComputeWithoutPlunger(FormPort&) {}
void cmdCompute_Click(FormPort&) {}

} // namespace sbc
