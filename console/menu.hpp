#pragma once

#include "console/console.hpp"

#include <iosfwd>

namespace revareza {

/// Writes the usage text to out.
void print_usage(std::ostream& out);

/// A projection type read from the console, or why the run must stop.
struct TypeReading {
    int type = 0;
    Stop stop = Stop::NONE;
};

/// The next projection type.
///
/// Interactive mode: shows the menu, asks until it reads 0, 1 or 2 (a
/// malformed answer is retried, an out-of-range one asked again); the end
/// of the input is END_OF_INPUT. Matrix mode: any integer; an unreadable
/// one is UNREADABLE_TYPE.
TypeReading read_projection_type(Console& console);

} // namespace revareza
