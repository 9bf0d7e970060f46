#pragma once

#include <iosfwd>

namespace revareza {

/// Interactive mode asks for every value and prints the projected point;
/// matrix mode (--matrizes) reads definitions without a word and prints
/// their matrices, and ends at the first bad input instead of asking again.
enum class Mode { INTERACTIVE, MATRICES };

/// What one run of the program talks through: its input, output and error
/// streams, and its mode, fixed by the command line before the first read.
struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    Mode mode;
};

/// Why a run ends before its type 0, or NONE while it goes on. Whoever
/// meets one returns it; only the program's entry turns it into a message
/// and an exit status (program_exit.hpp).
enum class Stop {
    NONE,
    END_OF_INPUT,      // interactive mode: the input ended; the run ends as on type 0
    UNREADABLE_TYPE,   // matrix mode: the projection type is no integer, or missing
    UNREADABLE_POINT,  // matrix mode: a point is malformed or cut short
    UNREADABLE_VECTOR, // matrix mode: a direction is malformed or cut short
    ZERO_DIRECTION,    // matrix mode: a direction of (0, 0, 0)
    WRITE_FAILED,      // standard output took no more
    READ_FAILED,       // standard input failed (not its end): EIO, EISDIR, EBADF
};

} // namespace revareza
