// The library's number writer for other programs to read: every double
// with 17 significant digits, enough for any of them to read back as the
// same double (the program's own texts keep their five decimals).
//
//   #include <revareza/text/number_output.hpp>
//
//   revareza::significant_text(0.1);    // "0.10000000000000001"
//   revareza::significant_text(-0.0);   // "-0"
//   revareza::significant_text(1e300);  // "1.0000000000000001e+300"
#pragma once

#include <string>

namespace revareza {

/// v as printf's "%.17g" writes it in the C locale, whatever locale the
/// process chose: 17 significant digits, trailing zeros of a fraction
/// dropped, exponent form below 1e-4 and from 1e17 on, "-0" for a negative
/// zero, "inf" and "nan" for those. read_number reads any finite one back
/// to v itself.
std::string significant_text(double v);

} // namespace revareza
