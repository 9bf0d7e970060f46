#pragma once

#include "console/console.hpp"

#include <revareza/geometry/hvector.hpp>

namespace revareza {

/// A vector read from the console, or why the run must stop instead.
struct Reading {
    HVector vector;
    Stop stop = Stop::NONE;
};

/// Reads three numbers as a point (x, y, z, 1).
///
/// Interactive mode: a malformed answer discards the rest of the line (at
/// most 255 characters), says so and reads three fresh numbers; the end of
/// the input stops the run (END_OF_INPUT). Matrix mode: a malformed or
/// missing number stops it (UNREADABLE_POINT). A read error stops either
/// (READ_FAILED), and so does a prompt that cannot be written
/// (WRITE_FAILED). Numbers beyond the three stay unread.
Reading read_point(Console& console);

/// Reads three numbers as a unit direction (x, y, z, 0): as read_point,
/// and (0, 0, 0) is refused too, asked again in interactive mode and
/// ZERO_DIRECTION in matrix mode. A malformed direction in matrix mode is
/// UNREADABLE_VECTOR.
Reading read_vector(Console& console);

/// Interactive mode: writes out the pending prompt before a read, and
/// WRITE_FAILED if standard output cannot take it, instead of waiting for
/// an answer to a question nobody saw. Matrix mode: nothing, NONE.
Stop flush_prompt(Console& console);

/// Interactive mode, after a failed read: clears it, discards the rest of
/// the line (at most 255 characters) and writes retry_message. At the end
/// of the input END_OF_INPUT instead, and on a read error READ_FAILED.
Stop recover_input(Console& console, const char* retry_message);

} // namespace revareza
