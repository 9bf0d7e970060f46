// The slow path of the correctly rounded sin and cos, for the rare arguments
// whose rounding the fast path (rounded_sin_cos.cpp) cannot decide: |x| 2/pi
// reduced exactly by integer products with a window of 2/pi, then the series
// in fixed point (detail/fixed_point.hpp), errors in units of the last word.
//
// Why 8 words decide every double. An error of ERROR_UNITS, 64 units, is
// 2^-250. For |x| >= 2^-27 the result is at least 2^-62 (the double closest
// to a multiple of pi/2, 6381956970095103 2^797, is 2^-60.9 away from it),
// so 2^-250 is below 2^-135 of an ulp of the result. The hardest cases
// published (Lefevre and Muller's searches; the test's hard cases) lie 2^-44
// to 2^-59 of an ulp from a midpoint, and probabilistic estimates put the
// closest of all 2^63 doubles near 2^-(63 + a few): a margin of some 70
// bits. Should an argument ever need more, the rounding is left undecided
// at 8 words and 16 are tried.
#include <revareza/geometry/detail/fixed_point.hpp>
#include <revareza/geometry/detail/rounded_math_internal.hpp>
#include <revareza/geometry/detail/rounded_math_tables.hpp>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace revareza::rounded::internal {
namespace {

std::uint32_t word_at(const std::uint32_t* p, int count, int index) noexcept
{
    return index >= 0 && index < count ? p[index] : 0;
}

// x * 2^g * (2/pi) modulo 2^32, for x = m 2^e (m < 2^53), s = e + g: out[0]
// receives the integer part, out[1..n] the fraction in 32-bit words (weight
// 2^(-32k) for word k), truncated. Exact to well within the last word kept
// for every double (see the table of 2/pi).
void reduce_bits(std::uint64_t m, int s, int n, std::uint32_t* out) noexcept
{
    // Words of 2/pi of weight above 2^(32 - s) contribute multiples of 2^32:
    // the window starts at word k0 and has n + 5 words, so that what is left
    // out, below m 2^(s - 32 (k0 + n + 5)) < 2^(53 + 63 - 32 n - 160), is far
    // below the last word kept.
    const int k0 = s >= 32 ? s / 32 - 1 : 0;
    const int length = n + 5;
    // product = m * window, little-endian words; window word 0 is the last.
    std::uint32_t product[MAX_LIMBS + 8] = {};
    const std::uint32_t m_words[2] = {static_cast<std::uint32_t>(m), static_cast<std::uint32_t>(m >> 32)};
    for (int h = 0; h < 2; ++h) {
        std::uint64_t carry = 0;
        for (int i = 0; i < length; ++i) {
            const std::uint64_t t = std::uint64_t{m_words[h]} * TWO_OVER_PI[k0 + length - 1 - i]
                + product[i + h] + carry;
            product[i + h] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product[length + h] = static_cast<std::uint32_t>(carry);
    }
    // Bit `base` of the product has weight 2^0.
    const int base = 32 * (k0 + length) - s;
    const int count = length + 2;
    for (int k = 0; k <= n; ++k) {
        const int position = base - 32 * k;
        const int word = position >= 0 ? position / 32 : -((31 - position) / 32);
        const int shift = position - 32 * word;
        const std::uint32_t low = word_at(product, count, word);
        const std::uint32_t high = word_at(product, count, word + 1);
        out[k] = shift == 0 ? low : (low >> shift) | (high << (32 - shift));
    }
}

} // namespace

bool slow_sin_cos(double x, unsigned quarter, int n, double& result) noexcept
{
    const std::uint64_t b = bits_of(x);
    const bool negative = (b >> 63) != 0;
    const int exponent = static_cast<int>(b >> 52) & 0x7ff; // x is normal here
    const std::uint64_t m = (b & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    // |x| 2/pi = q + f modulo 4, within a unit.
    std::uint32_t words[MAX_LIMBS + 1] = {};
    reduce_bits(m, exponent - 1075, n, words);
    unsigned q = words[0] & 3;
    Fixed f;
    std::memcpy(f.w + 1, words + 1, sizeof words[0] * static_cast<std::size_t>(n));
    bool f_negative = false;
    if ((f.w[1] >> 31) != 0) { // f >= 1/2: |x| = (q + 1 - (1 - f)) pi/2
        f = subtract(small(1), f, n);
        ++q;
        f_negative = true;
    }
    // y = |f| pi/2 <= pi/4, within 3 units (f's unit, pi/2's unit times
    // |f| <= 1/2, the truncation).
    const Fixed y = multiply(f, pi_half(n), n);
    // sin(|x|) or cos(|x|) = sin(|x| + pi/2) is sin((q + r) pi/2), r = +-|f|.
    q += quarter;
    bool result_negative = (q & 2) != 0;
    if ((q & 1) == 0 && f_negative) {
        result_negative = !result_negative; // sin(-y) = -sin y; cos is even
    }
    if (negative && quarter == 0) {
        result_negative = !result_negative; // sin(-x) = -sin x; cos is even
    }
    const Fixed v = (q & 1) != 0 ? cos_series(y, n) : sin_series(y, n);
    return round_decided(v, n, result_negative, result);
}

} // namespace revareza::rounded::internal
