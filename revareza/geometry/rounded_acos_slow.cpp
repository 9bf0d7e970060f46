// The slow path of the correctly rounded acos, for the rare arguments whose
// rounding the fast path (rounded_acos.cpp) cannot decide: a search for the
// double whose two midpoints have cosines either side of x, the cosines in
// fixed point (detail/fixed_point.hpp), errors in units of the last word.
//
// Why 8 words decide every double. An error of ERROR_UNITS, 64 units, is
// 2^-250. x is compared with cos of the midpoints around the result;
// |x - cos m| is at least 2^-27 |acos x - m| (sin >= 2^-27 on the results,
// which are >= 2^-26.5), and 2^-250 stands for less than 2^-135 of an ulp.
// The hardest cases published (Lefevre and Muller's searches; the test's
// hard cases) lie 2^-44 to 2^-59 of an ulp from a midpoint, and
// probabilistic estimates put the closest of all 2^63 doubles near
// 2^-(63 + a few): a margin of some 70 bits. Should an argument ever need
// more, the rounding is left undecided at 8 words and 16 are tried.
#include <revareza/geometry/detail/fixed_point.hpp>
#include <revareza/geometry/detail/rounded_math_internal.hpp>

#include <cstdint>

namespace revareza::rounded::internal {
namespace {

// x and the cosines compared with it: a sign and a magnitude.
struct Signed {
    bool negative;
    Fixed magnitude;
};

// cos(m) for 0 < m < 3.2 (the search never goes past pi by more than an
// ulp), within 16 units: the reductions by pi/2 and pi (1 and 2 units below)
// and the series.
Signed cos_of(const Fixed& m, int n) noexcept
{
    const Fixed half = pi_half(n);
    const Fixed quarter = divide(half, 2, n);
    if (compare(m, quarter, n) <= 0) {
        return {false, cos_series(m, n)};
    }
    bool below = false;
    if (compare(m, add(half, quarter, n), n) <= 0) { // cos(pi/2 +- t) = -+sin t
        const Fixed t = distance(m, half, n, below);
        return {!below, sin_series(t, n)};
    }
    const Fixed t = distance(m, add(half, half, n), n, below); // cos(pi +- t) = -cos t
    return {true, cos_series(t, n)};
}

// The sign of a - b, or 0 when |a - b| <= ERROR_UNITS.
int sign_of_difference(const Signed& a, const Signed& b, int n) noexcept
{
    bool below = false;
    Fixed d;
    int sign = a.negative ? -1 : 1;
    if (a.negative == b.negative) {
        d = distance(a.magnitude, b.magnitude, n, below);
        if (below) {
            sign = -sign;
        }
    } else {
        d = add(a.magnitude, b.magnitude, n);
    }
    return compare(d, units(ERROR_UNITS, n), n) <= 0 ? 0 : sign;
}

} // namespace

bool slow_acos(double x, double guess, int n, double& result) noexcept
{
    // acos decreases, so the double r is acos(x) rounded when acos(x) lies
    // between the midpoints around r: cos(midpoint above) < x < cos(midpoint
    // below). Each comparison is decided or not, with cos within 16 units and
    // x within 1 (a tiny x loses bits below the last unit). A wrong guess
    // walks to the right double.
    const std::uint64_t xb = bits_of(x);
    const int x_exponent = static_cast<int>(xb >> 52) & 0x7ff;
    const std::uint64_t x_mantissa = (xb & ((std::uint64_t{1} << 52) - 1))
        | (x_exponent != 0 ? std::uint64_t{1} << 52 : 0);
    const Signed xs{(xb >> 63) != 0, scaled(x_mantissa, (x_exponent != 0 ? x_exponent : 1) - 1075, n)};
    const double pi_nearest = from_bits(0x400921fb54442d18u); // below pi by 0.28 ulp
    double r = guess;
    for (int step = 0; step < 8; ++step) {
        const std::uint64_t rb = bits_of(r);
        const int e = static_cast<int>(rb >> 52) - 1075; // r > 0 and normal
        const std::uint64_t mr = (rb & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
        // Above r: acos(x) < r + ulp/2 iff x > cos(r + ulp/2); past pi it holds.
        if (r < pi_nearest) {
            const int side = sign_of_difference(xs, cos_of(scaled(2 * mr + 1, e - 1, n), n), n);
            if (side == 0) {
                return false;
            }
            if (side < 0) {
                r = from_bits(rb + 1);
                continue;
            }
        }
        // Below r (a quarter of an ulp below a power of two).
        const Fixed below = mr == std::uint64_t{1} << 52 ? scaled(4 * mr - 1, e - 2, n) : scaled(2 * mr - 1, e - 1, n);
        const int side = sign_of_difference(xs, cos_of(below, n), n);
        if (side == 0) {
            return false;
        }
        if (side > 0) {
            r = from_bits(rb - 1);
            continue;
        }
        result = r;
        return true;
    }
    return false;
}

} // namespace revareza::rounded::internal
