// The slow path of the correctly rounded atan2 near the axis, for the rare
// arguments whose rounding the fast path (rounded_atan2.cpp) cannot decide:
// t = |y/x| by long division and the arctangent series in fixed point
// (detail/fixed_point.hpp), errors in units of the last word.
//
// Why 8 words decide. An error of ERROR_UNITS, 64 units, is 2^-250. On the
// fast path's t in (2^-54, 2^-10) the result is above 2^-55 (x > 0) or near
// pi (x < 0), so 2^-250 is below 2^-143 (2^-199) of an ulp. The arguments
// are pairs, and there are many more of them than doubles: about 2^110
// distinct ratios, whose distances to a midpoint spread like random
// numbers, put the closest near 2^-111 of an ulp (continued fractions of
// tan(m), m a midpoint, find such y/x: the test's hard cases reach 2^-108
// for x < 0, where a tiny t moves pi - t little). The margin is some 30
// bits; 16 words add 256.
#include <revareza/geometry/detail/fixed_point.hpp>
#include <revareza/geometry/detail/rounded_math_internal.hpp>

#include <cstdint>

namespace revareza::rounded::internal {

bool slow_atan2(std::uint64_t m_y, std::uint64_t m_x, int d, bool x_negative, bool y_negative, int n,
                double& result) noexcept
{
    // t = (m_y / m_x) 2^d by long division, a bit at a time: quotient bit j
    // of m_y / m_x (weight 2^-j) is fraction bit j - d of t; truncated,
    // within 1 unit. (The remainder stays below 2^54.)
    Fixed t;
    std::uint64_t remainder = m_y;
    for (int i = -d; i <= 32 * n; ++i) {
        const std::uint64_t bit = remainder >= m_x ? 1 : 0;
        remainder = 2 * (remainder - bit * m_x);
        t.w[(i - 1) / 32 + 1] |= static_cast<std::uint32_t>(bit << (31 - (i - 1) % 32));
    }
    // atan(t) = t S, S = sum of (-z)^k / (2k + 1), z = t^2 < 2^-20, by
    // Horner's rule from k = K, the first term left out below a quarter
    // unit. z is within 1.01 units (2 t + 1); each step adds two
    // truncations and z's error (S <= 1) and shrinks the error before it
    // by z: S within 3.3 units, t S within 2.1. pi - atan(t) adds pi's 2.
    const Fixed z = multiply(t, t, n);
    const int terms = (32 * n + 2 + 19) / 20; // K + 1, z^(K+1) <= 2^-(32 n + 2)
    const Fixed one = small(1);
    Fixed s = divide(one, static_cast<std::uint32_t>(2 * terms - 1), n);
    for (int k = terms - 2; k >= 0; --k) {
        s = subtract(divide(one, static_cast<std::uint32_t>(2 * k + 1), n), multiply(z, s, n), n);
    }
    Fixed v = multiply(t, s, n);
    if (x_negative) {
        const Fixed half = pi_half(n);
        v = subtract(add(half, half, n), v, n);
    }
    return round_decided(v, n, y_negative, result);
}

} // namespace revareza::rounded::internal
