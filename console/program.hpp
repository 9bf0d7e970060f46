#pragma once

namespace revareza {

/// The whole program: options, notice, menu loop. Returns the exit status
/// (0, or 4 when standard output could not be written); input errors in
/// matrix mode end the process from inside with statuses 1 to 3.
int run_program(int argc, char* argv[]);

} // namespace revareza
