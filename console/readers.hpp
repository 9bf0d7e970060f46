#pragma once

#include <revareza/geometry/hvector.hpp>

namespace revareza {

/// Reads three numbers from standard input as a point (x, y, z, 1).
///
/// Interactive mode: a failed read discards the rest of the line (at most
/// 255 characters), asks again and reads three fresh numbers; at the end of
/// the input the program ends as on type 0. Matrix mode: a failed read ends
/// the program with status 2. Numbers beyond the three stay unread.
HVector read_point();

/// Reads three numbers from standard input as a unit direction (x, y, z, 0).
///
/// As read_point, and (0, 0, 0) is refused too: asked again in interactive
/// mode, status 3 in matrix mode.
HVector read_vector();

/// Ends the program with status 5 and a message when standard input has
/// failed with a read error (a closed descriptor, a directory, EIO), which
/// the stream shows as badbit. Nothing read after that could be trusted.
void stop_if_input_unreadable();

/// Interactive mode: writes out the pending prompt before a read and ends
/// the program with status 4 if standard output cannot take it, instead of
/// waiting for an answer to a question nobody saw. Matrix mode: nothing.
void flush_prompt();

/// Interactive mode: clears the failed read of standard input, discards the
/// rest of the line (at most 255 characters) and writes retry_message. At the
/// end of the input it ends the program as on type 0 instead, and on a read
/// error with status 5.
void recover_input(const char* retry_message);

} // namespace revareza
