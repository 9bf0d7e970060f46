#pragma once

namespace revareza {

/// Exit statuses of the program.
enum ExitStatus : int {
    EXIT_OK = 0,
    EXIT_BAD_TYPE = 1,         // projection type unreadable (matrix mode)
    EXIT_BAD_NUMBER = 2,       // point or direction unreadable (matrix mode)
    EXIT_ZERO_DIRECTION = 3,   // direction (0, 0, 0) (matrix mode)
    EXIT_WRITE_FAILED = 4,     // standard output could not be written
    EXIT_READ_FAILED = 5,      // standard input could not be read (not its end)
};

/// Flushes standard output and checks that everything written to it got
/// there. Returns EXIT_OK, or reports the failure on standard error and
/// returns EXIT_WRITE_FAILED.
int output_status();

/// Ends the program as a normal end does: status 0, or 4 when standard
/// output failed.
[[noreturn]] void end_program();

/// Ends the program at once when a write to standard output has failed, so
/// that a filter with nowhere to write stops working.
void stop_if_output_failed();

/// Writes message and a newline to standard error and ends with status.
[[noreturn]] void fail_input(const char* message, ExitStatus status);

/// Ends the process with status (std::exit: static destructors flush the
/// standard streams).
[[noreturn]] void exit_process(int status);

} // namespace revareza
