// A build without libedit (the 32-bit one, or REVAREZA_LINE_EDITING=OFF):
// a terminal is read as any other input.
#include "console/line_editing.hpp"

namespace revareza {

Stop run_with_line_editing(Console& console, Stop (*body)(Console&))
{
    return body(console);
}

void answering(Console&, Question) {}

} // namespace revareza
