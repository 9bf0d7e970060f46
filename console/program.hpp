#pragma once

#include <iosfwd>

namespace revareza {

/// Whether run_program may take over the lines typed on a terminal. Only
/// the process's own program may, with the process's standard streams: a
/// harness that runs it in-process on streams of its own says NEVER.
enum class LineEditing { ON_A_TERMINAL, NEVER };

/// The whole program on the given streams: options, notice, menu loop.
/// Returns the exit status: 0, 1 to 3 for bad input in matrix mode, 4 when
/// the output could not be written, 5 when the input could not be read.
int run_program(int argc, char* argv[], std::istream& in, std::ostream& out, std::ostream& err,
                LineEditing line_editing);

} // namespace revareza
