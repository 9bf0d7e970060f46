#pragma once

namespace revareza {

/// Writes the usage text to standard output.
void print_usage();

/// The next projection type from standard input.
///
/// Interactive mode: shows the menu, asks until it reads 0, 1 or 2 (a
/// malformed answer is retried, an out-of-range one asked again), and ends
/// the program as on type 0 when the input ends. Matrix mode: any integer;
/// an unreadable one ends the program with status 1.
int read_projection_type();

} // namespace revareza
