// The library's number reader: a double from text exactly as the program's
// formatted input reads it, in constant memory however long the text.
//
//   #include <revareza/text/number_input.hpp>
//
//   double v = 0;
//   revareza::read_number(" 1e-3 ", v);   // true, v == 0.001
//   revareza::read_number("1,5", v);      // false: a comma is no part of a number
#pragma once

#include <iosfwd>
#include <string_view>

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

/// Reads text as one number, as extract_double reads it, with nothing but
/// white space around it. False for anything else: no number, text after
/// it, two numbers, or an overflow.
bool read_number(std::string_view text, double& value);

/// What a text holds for read_number.
enum class NumberContent {
    /// One number, with nothing but white space around it.
    ONE_NUMBER,
    /// Nothing but white space.
    BLANK,
    /// No number where the text starts, or one cut short ("-", "1e").
    NO_NUMBER,
    /// A number, then more than white space.
    TEXT_AFTER_NUMBER,
    /// A number beyond the largest double.
    OUT_OF_RANGE,
};

/// read_number, saying why it refuses a text. Sets value for ONE_NUMBER only.
NumberContent read_number_text(std::string_view text, double& value);

} // namespace revareza
