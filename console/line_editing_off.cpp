// A build without libedit (the 32-bit one, or REVAREZA_LINE_EDITING=OFF):
// a terminal is read as any other input.
#include "console/line_editing.hpp"

namespace revareza {

void start_line_editing() {}

void answering(Question) {}

} // namespace revareza
