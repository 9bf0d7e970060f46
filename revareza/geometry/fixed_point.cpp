// The sine and cosine series and the final rounding of the slow paths'
// fixed point (detail/fixed_point.hpp), shared by acos, sin and cos, and
// atan2 near the axis. Errors in units of the last fraction word.
#include <revareza/geometry/detail/fixed_point.hpp>

#include <cstdint>
#include <cstring>

namespace revareza::rounded::internal {
namespace {

// Terms of the sine and cosine series to keep: their first term left out,
// (pi/4)^m / m!, is below 2^(-32 n - 2), a quarter of a unit. The same
// count on every target: only exact scalings and monotonic roundings.
int series_terms(int n) noexcept
{
    double term = 1;
    double limit = 0.25;
    for (int k = 0; k < n; ++k) {
        limit *= 0x1p-32;
    }
    int m = 0;
    while (term >= limit) {
        ++m;
        term *= 0.7854 / m;
    }
    return (m - 1) / 2; // 2K + 2 >= m
}

// The bits of v from `position` up (bit 0 is the lowest of word n).
std::uint32_t bits_at(const Fixed& v, int n, int position) noexcept
{
    const auto word = [&](int index) -> std::uint32_t { // index from the bottom
        return index >= 0 && index <= n ? v.w[n - index] : 0;
    };
    const int index = position >= 0 ? position / 32 : -((31 - position) / 32);
    const int shift = position - 32 * index;
    return shift == 0 ? word(index) : (word(index) >> shift) | (word(index + 1) << (32 - shift));
}

// The double nearest v (ties to even), v > 0 and at least 2^-1022.
double nearest_double(const Fixed& v, int n) noexcept
{
    int top = 32 * (n + 1) - 1; // the leading bit
    while (((v.w[n - top / 32] >> (top % 32)) & 1) == 0) {
        --top;
    }
    const std::uint64_t leading = (std::uint64_t{bits_at(v, n, top - 31)} << 32) | bits_at(v, n, top - 63);
    bool sticky = (leading & 0x3ff) != 0;
    for (int position = top - 95; position > -32 && !sticky; position -= 32) {
        sticky = bits_at(v, n, position) != 0; // the bits below, in words
    }
    std::uint64_t mantissa = leading >> 11;
    int exponent = top - 32 * n; // of the leading bit
    if (((leading >> 10) & 1) != 0 && (sticky || (mantissa & 1) != 0)) {
        if (++mantissa == std::uint64_t{1} << 53) {
            mantissa >>= 1;
            ++exponent;
        }
    }
    const std::uint64_t bits = (static_cast<std::uint64_t>(exponent + 1023) << 52)
        | (mantissa & ((std::uint64_t{1} << 52) - 1));
    double d = 0;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

} // namespace

// By Horner's rule, s := 1 - s y^2 / ((2k)(2k + 1)) for k = K..1, then y s.
// Each step adds 2 truncations and y^2's error (2 y e + 1 units) divided by
// at least 6, and shrinks what came before to at most 1/9: below 3.3 + 0.3 e
// units for s; then y s adds e + 1 and 0.8 times s's error.
Fixed sin_series(const Fixed& y, int n) noexcept
{
    const Fixed y2 = multiply(y, y, n);
    const Fixed one = small(1);
    Fixed s = one;
    for (int k = series_terms(n); k >= 1; --k) {
        const std::uint32_t d = static_cast<std::uint32_t>((2 * k) * (2 * k + 1));
        s = subtract(one, divide(multiply(s, y2, n), d, n), n);
    }
    return multiply(y, s, n);
}

// c := 1 - c y^2 / ((2k - 1)(2k)); the last step divides by 2 only, so y^2's
// error counts half: below 4 + 0.8 e units.
Fixed cos_series(const Fixed& y, int n) noexcept
{
    const Fixed y2 = multiply(y, y, n);
    const Fixed one = small(1);
    Fixed c = one;
    for (int k = series_terms(n); k >= 1; --k) {
        const std::uint32_t d = static_cast<std::uint32_t>((2 * k - 1) * (2 * k));
        c = subtract(one, divide(multiply(c, y2, n), d, n), n);
    }
    return c;
}

// Rounding is monotonic: the two ends of the interval decide.
bool round_decided(const Fixed& v, int n, bool negative, double& result) noexcept
{
    const Fixed error = units(ERROR_UNITS, n);
    if (compare(v, add(error, error, n), n) <= 0) {
        return false;
    }
    const double low = nearest_double(subtract(v, error, n), n);
    if (low != nearest_double(add(v, error, n), n)) {
        return false;
    }
    result = negative ? -low : low;
    return true;
}

} // namespace revareza::rounded::internal
