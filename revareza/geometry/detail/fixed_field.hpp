#pragma once

#include <cstddef>

namespace revareza {

/// Room for the longest field put_fixed_field writes: a sign, 309 integer
/// digits of the largest double, the point and five decimals.
constexpr std::size_t FIXED_FIELD_MAX = 320;

/// Writes v as a stream with the fixed and show-point flags, precision 5 and
/// width 10 writes it in the classic locale with the fill ' ' and right
/// alignment: the same digits and rounding, "nan", "-nan", "inf", "-inf",
/// and the sign of a negative zero. out must have room for FIXED_FIELD_MAX
/// characters; returns the end of what was written. No terminating NUL.
char* put_fixed_field(char* out, double v) noexcept;

} // namespace revareza
