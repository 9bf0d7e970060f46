// acos, sin and cos of a double, correctly rounded (to nearest, ties to
// even) for every argument, and atan2 for angles near the x axis, computed
// by the library itself from IEEE basic operations and integer arithmetic:
// the same bits on every platform, whatever its C library. The geometry
// uses these and no other transcendental functions.
//
//   #include <revareza/geometry/rounded_math.hpp>
//
//   revareza::rounded::cos(0.25);   // 0x1.f01549f7deea1p-1, the double nearest cos(0.25)
//   revareza::rounded::acos(-1.0);  // 0x1.921fb54442d18p+1, the double nearest pi
//   revareza::rounded::atan2_near_axis(1e-4, -1.0); // 0x1.921c6e67e59cep+1, the double nearest pi - atan(1e-4)
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

/// The double nearest atan2(y, x), for finite y and x with |y| < 2^-10 |x|:
/// angles within about 2^-10 of 0 (x > 0) or of +-pi (x < 0), where acos
/// of a cosine loses them. The result has the sign of y: y = +-0 gives +-0
/// for x > 0 and +-(the double nearest pi) for x < 0. Subnormal and huge
/// arguments alike (1e-300 and 1e308 give +0). Outside that domain, and for
/// NaN or infinite arguments, the positive quiet NaN (0x7ff8000000000000),
/// as acos gives it, on every platform.
double atan2_near_axis(double y, double x) noexcept;

} // namespace revareza::rounded
