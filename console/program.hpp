#pragma once

namespace revareza {

/// Whether run_program may take over the lines typed on a terminal. Only
/// the process's own program may: a harness that runs it in-process, with
/// buffers of its own in std::cin and std::cout, says NEVER.
enum class LineEditing { ON_A_TERMINAL, NEVER };

/// The whole program: options, notice, menu loop. Returns the exit status
/// (0, or 4 when standard output could not be written); input errors in
/// matrix mode end the process from inside with statuses 1 to 3.
int run_program(int argc, char* argv[], LineEditing line_editing);

} // namespace revareza
