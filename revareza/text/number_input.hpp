#pragma once

#include <iosfwd>

namespace revareza {

/// Extracts a double from in as `in >> value` does in the classic locale,
/// only faster: the same grammar, the same characters consumed and the same
/// error states. Like the stream, it flushes the tied stream and skips white
/// space first; a malformed number gives failbit and 0, an overflow failbit
/// and the largest double of its sign, and reaching the end of the input
/// sets eofbit. The value is the correctly rounded one (to nearest, ties to
/// even), which is the stream's wherever the C library's strtod rounds
/// correctly; glibc 2.36 does not for some exact 769-digit expansions just
/// below the smallest normal double, and there the two differ.
std::istream& extract_double(std::istream& in, double& value);

} // namespace revareza
