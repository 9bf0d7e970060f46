// The library's number writers. significant_text writes every double with
// 17 significant digits, enough for any of them to read back as the same
// double (the copies other programs read); decimal_text writes the
// program's five decimals for a page or a handout, where "-0.00000" would
// read as a number of its own; readable_text writes a number among others
// of about the same size, in scientific notation where five decimals would
// show none of its digits or too many.
//
//   #include <revareza/text/number_output.hpp>
//
//   revareza::significant_text(0.1);             // "0.10000000000000001"
//   revareza::significant_text(-0.0);            // "-0"
//   revareza::significant_text(1e300);           // "1.0000000000000001e+300"
//   revareza::decimal_text(-1e-9);               // "0.00000"
//   revareza::readable_text(5e-301, 1e-300);     // "5.00000e-301"
#pragma once

#include <string>

namespace revareza {

/// The numbers readable_text writes with five decimals: those among
/// numbers whose largest magnitude is 0 or lies in [FLOOR, CEILING).
/// Below, five decimals show one significant digit or none; from the
/// ceiling on, more than nine digits before the point.
constexpr double DECIMAL_TEXT_FLOOR = 1e-4;
constexpr double DECIMAL_TEXT_CEILING = 1e9;

/// v as printf's "%.17g" writes it in the C locale, whatever locale the
/// process chose: 17 significant digits, trailing zeros of a fraction
/// dropped, exponent form below 1e-4 and from 1e17 on, "-0" for a negative
/// zero, "inf" and "nan" for those. read_number reads any finite one back
/// to v itself.
std::string significant_text(double v);

/// v as printf's "%.5f" writes it in the C locale (the program's matrices
/// and result lines), but with no minus before a value that rounds to
/// zero: "0.00000" for -0.0 and for -0.000004.
std::string decimal_text(double v);

/// v as shown among numbers whose largest magnitude is scale (a vector's
/// coordinates, a point's x and y): decimal_text when scale is 0 or lies
/// in [DECIMAL_TEXT_FLOOR, DECIMAL_TEXT_CEILING), so that rounding noise
/// beside larger numbers reads 0.00000; otherwise printf's "%.5e",
/// "1.00000e+300" or "5.00000e-301", and "0.00000e+00" for a value under
/// 5e-6 times the scale, as five decimals would show it beside numbers of
/// 1.
std::string readable_text(double v, double scale);

} // namespace revareza
