// acos, sin and cos of a double, correctly rounded (to nearest, ties to
// even) for every argument, computed by the library itself from IEEE basic
// operations and integer arithmetic: the same bits on every platform,
// whatever its C library. The geometry uses these and no other
// transcendental functions.
//
//   #include <revareza/geometry/rounded_math.hpp>
//
//   revareza::rounded::cos(0.25);   // 0x1.f01549f7deea1p-1, the double nearest cos(0.25)
//   revareza::rounded::acos(-1.0);  // 0x1.921fb54442d18p+1, the double nearest pi
#pragma once

namespace revareza::rounded {

/// The double nearest acos(x), in [0, pi]. NaN for |x| > 1 (a value that
/// rounded just past 1 included); acos(1) = +0. A NaN argument comes back
/// quiet, its sign and payload kept, on every platform.
double acos(double x) noexcept;

/// The double nearest sin(x), for any finite x however large; sin(-0) = -0.
/// NaN for an infinite x; a NaN argument as acos gives it back.
double sin(double x) noexcept;

/// The double nearest cos(x), for any finite x however large. NaN for an
/// infinite x; a NaN argument as acos gives it back.
double cos(double x) noexcept;

} // namespace revareza::rounded
