#pragma once

#include "console/console.hpp"

namespace revareza {

/// Exit statuses of the program.
enum ExitStatus : int {
    EXIT_OK = 0,
    EXIT_BAD_TYPE = 1,       // projection type unreadable (matrix mode)
    EXIT_BAD_NUMBER = 2,     // point or direction unreadable (matrix mode)
    EXIT_ZERO_DIRECTION = 3, // direction (0, 0, 0) (matrix mode)
    EXIT_WRITE_FAILED = 4,   // standard output could not be written
    EXIT_READ_FAILED = 5,    // standard input could not be read (not its end)
};

/// The exit status a run ends with, after writing its message to the
/// console's error stream: a normal end (NONE, END_OF_INPUT) flushes the
/// output and gives EXIT_OK, or EXIT_WRITE_FAILED if it did not all get
/// there; each input error its own status.
int exit_status(Console& console, Stop stop);

} // namespace revareza
