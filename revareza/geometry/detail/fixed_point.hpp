// Unsigned fixed point in 32-bit words, the arithmetic of the slow paths of
// revareza::rounded (rounded_acos_slow.cpp, rounded_sin_cos_slow.cpp,
// rounded_atan2_slow.cpp): one integer word and `n` fraction words (n = 8 or
// 16), every operation truncating, every error counted in units of the last
// word (2^(-32n), "units" below). Integer arithmetic only: the same words on
// every target.
//
// The word loops are inline here so that each slow path keeps them inside
// its own loops; the series and the rounding are out of line, in
// fixed_point.cpp. Not installed.
#pragma once

#include <revareza/geometry/detail/rounded_math_internal.hpp>
#include <revareza/geometry/detail/rounded_math_tables.hpp>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace revareza::rounded::internal {

static_assert(PI_HALF_WORDS > MAX_LIMBS, "pi/2 must hold every fraction word");

/// Bound on the error of every value the slow paths round or compare: at
/// most 16 units (see sin_series, cos_series, and acos's cos_of), doubled
/// twice.
inline constexpr std::uint32_t ERROR_UNITS = 64;

/// A value in [0, 2^32): w[0] the integer part, w[k] the weight 2^(-32k) word.
struct Fixed {
    std::uint32_t w[MAX_LIMBS + 1] = {};
};

/// The integer v.
inline Fixed small(std::uint32_t v) noexcept
{
    Fixed r;
    r.w[0] = v;
    return r;
}

/// v units at n fraction words.
inline Fixed units(std::uint32_t v, int n) noexcept
{
    Fixed r;
    r.w[n] = v;
    return r;
}

/// -1, 0 or 1 as a < b, a = b or a > b.
inline int compare(const Fixed& a, const Fixed& b, int n) noexcept
{
    for (int k = 0; k <= n; ++k) {
        if (a.w[k] != b.w[k]) {
            return a.w[k] < b.w[k] ? -1 : 1;
        }
    }
    return 0;
}

/// a + b (modulo 2^32 in the integer word).
inline Fixed add(const Fixed& a, const Fixed& b, int n) noexcept
{
    Fixed r;
    std::uint64_t carry = 0;
    for (int k = n; k >= 0; --k) {
        const std::uint64_t t = std::uint64_t{a.w[k]} + b.w[k] + carry;
        r.w[k] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    return r;
}

/// a - b for a >= b.
inline Fixed subtract(const Fixed& a, const Fixed& b, int n) noexcept
{
    Fixed r;
    std::uint64_t borrow = 0;
    for (int k = n; k >= 0; --k) {
        const std::uint64_t t = std::uint64_t{a.w[k]} - b.w[k] - borrow;
        r.w[k] = static_cast<std::uint32_t>(t);
        borrow = t >> 63;
    }
    return r;
}

/// |a - b|, and whether a < b.
inline Fixed distance(const Fixed& a, const Fixed& b, int n, bool& below) noexcept
{
    below = compare(a, b, n) < 0;
    return below ? subtract(b, a, n) : subtract(a, b, n);
}

/// a * b truncated: less than 1 unit below the exact product.
inline Fixed multiply(const Fixed& a, const Fixed& b, int n) noexcept
{
    // product[k + 1] has weight 2^(-32k); product[0] would be an overflow.
    std::uint32_t product[2 * MAX_LIMBS + 2] = {};
    for (int i = n; i >= 0; --i) {
        std::uint64_t carry = 0;
        for (int k = n; k >= 0; --k) {
            const std::uint64_t t = std::uint64_t{a.w[i]} * b.w[k] + product[i + k + 1] + carry;
            product[i + k + 1] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product[i] = static_cast<std::uint32_t>(carry);
    }
    Fixed r;
    std::memcpy(r.w, product + 1, sizeof r.w[0] * static_cast<std::size_t>(n + 1));
    return r;
}

/// a / d truncated: less than 1 unit below.
inline Fixed divide(const Fixed& a, std::uint32_t d, int n) noexcept
{
    Fixed r;
    std::uint64_t remainder = 0;
    for (int k = 0; k <= n; ++k) {
        const std::uint64_t current = (remainder << 32) | a.w[k];
        r.w[k] = static_cast<std::uint32_t>(current / d);
        remainder = current % d;
    }
    return r;
}

/// m 2^e, truncated to n fraction words (exact when e >= -32 n).
inline Fixed scaled(std::uint64_t m, int e, int n) noexcept
{
    Fixed r;
    for (int k = 0; k <= n; ++k) {
        const int low = 32 * (n - k) - (e + 32 * n); // bit of m at the low end of word k
        if (low >= 64 || low <= -32) {
            continue;
        }
        r.w[k] = static_cast<std::uint32_t>(low >= 0 ? m >> low : m << -low);
    }
    return r;
}

/// pi/2, 1 unit below at most.
inline Fixed pi_half(int n) noexcept
{
    Fixed r;
    for (int k = 0; k <= n; ++k) {
        r.w[k] = PI_HALF_FIXED[k];
    }
    return r;
}

/// sin(y) for 0 <= y <= pi/4 given within e units: within e + 8 units.
Fixed sin_series(const Fixed& y, int n) noexcept;

/// cos(y) for 0 <= y <= pi/4 given within e units: within e + 8 units.
Fixed cos_series(const Fixed& y, int n) noexcept;

/// The double nearest a value within ERROR_UNITS of v, negated when
/// `negative`, when every such value has the same one; false otherwise.
bool round_decided(const Fixed& v, int n, bool negative, double& result) noexcept;

} // namespace revareza::rounded::internal
