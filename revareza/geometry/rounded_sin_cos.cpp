// Correctly rounded sin and cos: the argument reduced by pi/512 (Cody-Waite
// below 2^16, Payne-Hanek above), then a fast path in double-double
// arithmetic that computes a bound of its own error along with the value;
// the slow path (rounded_sin_cos_slow.cpp, multi-word fixed point) decides
// the rare arguments whose rounding it cannot.
//
// Only IEEE +, -, * and / of doubles, in the order written (the build
// forbids contraction into fused multiply-adds), and 32- and 64-bit integer
// arithmetic: the same bits on x86-64, 32-bit x86 (SSE2) and WebAssembly.
//
// Products are exact by Dekker's algorithm with Veltkamp's splitting, or
// by operands of 26 bits kept so in the tables (no FMA to lean on; see
// detail/double_double.hpp). Below, u = 2^-53 is the unit roundoff; "DD"
// is a double-double pair hi + lo.
#include <revareza/geometry/rounded_math.hpp>

#include <revareza/geometry/detail/double_double.hpp>
#include <revareza/geometry/detail/rounded_math_internal.hpp>
#include <revareza/geometry/detail/rounded_math_tables.hpp>

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace revareza::rounded {
namespace internal {
namespace {

// sin and cos of an infinity: what the C library gives there, the default
// NaN of x86 (sign set), as a fixed bit pattern, so that every target
// prints the same.
double infinity_nan() noexcept { return from_bits(0xfff8000000000000u); }

// Reduction: x = j pi/512 + y (mod 2 pi), y within `error` of y.hi + y.lo,
// |y.hi| <= Y = (1 + 2^-28) pi/1024 (below 2^-8.34), |y.lo| <= u |y.hi| +
// 2^-50 `stretch`.
struct Reduced {
    unsigned j;
    DD y;
    double error;
    double stretch;
};

// Cody-Waite for |x| < 2^16: k = RN(RN(x 512/pi)), |k| < 2^24, |x 512/pi - k|
// below 1/2 + 2^-29.6. y = x - k (P1 + P2 + P3 + P4) with P1, P2, P3
// multiples of 2^-36, 2^-61 and 2^-90 (29, 24 and 28 bits), P4 the rest
// rounded, pi/512 - P1 - .. - P4 below 2^-149. k P1, k P2 and k P3 are
// exact; for k != 0, |x| > 2^-9 is a multiple of 2^-61, and so are x - k P1
// and then a = x - k P1 - k P2, both below 2^-8: exact. a - k P3 = y.hi + e
// is a two_sum, and y.lo = e - k P4 (|P4| < 2^-93.7) rounded, left beside
// y.hi without a second two_sum (which would make the result wait): |y.lo|
// <= u |y.hi| + |k| 2^-93.6. Error: k P4's rounding and the 2^-149 left
// out, |k| 2^-146.7 + |k| 2^-149, and y.lo's rounding, 2^-106 |y| + |k|
// 2^-146.7; with what sin_of_reduced's roundings of y.lo's terms add, below
// |k| 2^-144 + 2^-106 |y| (the second part counted with sin_of_reduced's
// relative error); none for k = 0, where y = x.
REVAREZA_FAST_PATH Reduced reduce_moderate(double x) noexcept
{
    const double shifted = x * INV_PI_512 + SHIFTER;
    const double k = shifted - SHIFTER;
    const unsigned j = static_cast<unsigned>(bits_of(shifted)) & 1023; // k mod 1024, also for k < 0
    const double a = (x - k * PI_512_1) - k * PI_512_2;
    const DD b = two_sum(a, -(k * PI_512_3));
    const double size = std::fabs(k);
    return {j, {b.hi, b.lo - k * PI_512_4}, size * 0x1p-144, size * 0x1p-43};
}

// Payne-Hanek for 2^16 <= |x| < infinity, in 32-bit words: |x| = m 2^e
// (2^52 <= m < 2^53, e >= -36), |x| 512/pi = m 2^(e+8) (2/pi). The bits
// of 2/pi of weight 2^-i for i < e - 1 only add multiples of 1024 steps;
// the 160 from i = e - 1 on, W as an integer, give F = m W 2^-150 modulo
// 1024, short of F by less than 2^-97 (what follows them in 2/pi, times
// m 2^(e+8)). The product is formed from bit 0 up to bit 159 (m W's bits
// from 160 up are multiples of 1024 steps), dropping the lowest 32 bits of
// its last partial product; F's integer part (10 bits) is j, and its next
// 96 bits are kept: F computed is short by less than 2^-95.4. The fraction
// f, taken in [-1/2, 1/2) (j rounded up for f >= 1/2), becomes two exact
// doubles, f_hi + f_lo; y = f pi/512 with an exact product and the small
// terms rounded: |y error| below 2^-102.7 + 2^-111.5 < 2^-102.
#if defined(__GNUC__)
__attribute__((noinline)) // keeps its registers out of the other arguments' way
#endif
Reduced reduce_huge(double x) noexcept
{
    const std::uint64_t b = bits_of(x);
    const int e = static_cast<int>((b >> 52) & 0x7ff) - 1075;
    const std::uint64_t m = (b & MANTISSA) | (std::uint64_t{1} << 52);
    // Word n of TWO_OVER_PI_64 starts with bit 32 (n - 2) + 1: bit e - 1 is
    // bit r of word q, and w[k] the 32 bits from e - 1 + 32 k on.
    const int position = e + 62; // >= 26
    const std::uint64_t* pair = TWO_OVER_PI_64 + (position >> 5);
    const int shift = 32 - (position & 31);
    std::uint64_t w[5];
    for (int k = 0; k < 5; ++k) {
        w[k] = static_cast<std::uint32_t>(pair[k] >> shift);
    }
    constexpr std::uint64_t LOW = 0xffffffffu;
    const std::uint64_t m_hi = m >> 32, m_lo = m & LOW; // m_hi < 2^21
    // Column sums of 32-bit partial products; column c holds bits 32c ..
    // 32c + 31 of m W.
    const std::uint64_t a4 = m_lo * w[4], a3 = m_lo * w[3], a2 = m_lo * w[2], a1 = m_lo * w[1];
    const std::uint64_t b4 = m_hi * w[4], b3 = m_hi * w[3], b2 = m_hi * w[2];
    const std::uint64_t c1 = (a4 >> 32) + (a3 & LOW) + (b4 & LOW);
    const std::uint64_t c2 = (c1 >> 32) + (a3 >> 32) + (b4 >> 32) + (a2 & LOW) + (b3 & LOW);
    const std::uint64_t c3 = (c2 >> 32) + (a2 >> 32) + (b3 >> 32) + (a1 & LOW) + (b2 & LOW);
    const std::uint64_t c4 = (c3 >> 32) + (a1 >> 32) + (b2 >> 32) + m_lo * w[0] + m_hi * w[1]; // mod 2^32
    // F's fraction: 64 bits from bit 149 down, then 32 more.
    const std::uint64_t fraction = (c4 << 42) | ((c3 & LOW) << 10) | ((c2 & LOW) >> 22);
    const std::uint64_t next = (((c2 & LOW) << 10) | ((c1 & LOW) >> 22)) & LOW;
    const std::uint64_t up = fraction >> 63; // f >= 1/2: f - 1 from the next multiple
    const unsigned j = static_cast<unsigned>(((c4 >> 22) + up) & 1023);
    // f_hi: the fraction's top 53 bits, less 1 for f >= 1/2 (integers below
    // 2^53, exact); f_lo: its last 11 bits and `next`.
    const double f_hi = (static_cast<double>(static_cast<std::int64_t>(fraction >> 11))
                         - static_cast<double>(static_cast<std::int64_t>(up)) * 0x1p53) * 0x1p-53;
    const double f_lo = static_cast<double>(static_cast<std::int64_t>(((fraction & 0x7ff) << 32) | next)) * 0x1p-96;
    const DD f = split(f_hi);
    const double y_hi = f_hi * PI_512_HI;
    const double y_error = ((f.hi * PI_512_HEAD - y_hi) + (f.hi * PI_512_TAIL + f.lo * PI_512_HEAD)) + f.lo * PI_512_TAIL;
    const DD y = two_sum(y_hi, y_error + (f_hi * PI_512_LO + f_lo * PI_512_HI));
    // -x = (-j) pi/512 + (-y).
    const unsigned negative = static_cast<unsigned>(b >> 63);
    const double sign = SIGN[negative];
    return {(j ^ (0u - negative)) + negative, {sign * y.hi, sign * y.lo}, 0x1p-102, 0.0};
}

// sin(j pi/512 + y) for a reduced argument (j may count past 1024).
//
// With i = j mod 256 and the quadrant q = j / 256 mod 4, sin(j pi/512 + y)
// is S cos t + C sin t, t = y, where S and C are +-sin and +-cos of i pi/512
// or of (256 - i) pi/512 (the table's values, signed). With C = C.head +
// C.rest (26 bits and the rest rounded) and t.hi = h + l (26 bits each), and
// z = t.hi^2:
//   S + C t - S t.hi t.lo = [S.hi + C.head h] + S.lo + C.head l + C.rest t.hi
//       + (C.hi - S.hi t.hi) t.lo (+ the table's errors, 2^-105 (|S| + |C t|)),
// the bracket exact in two doubles (|S.hi| >= sin(pi/512) > 1.9 |C t|, or
// S = 0), C.head h and C.head l exact, the others below 2^-25 |C t| + u |S| z
// + 2^-50 stretch and rounded, their sums too: together below 2^-74.3 |C t| +
// 0.01 u |S| z + 2^-102 stretch; the reduction's 2^-106 |y| adds 2^-106 |C t|.
// (-S t.hi t.lo is the first part of S (cos t - 1) that t.lo brings.)
//   The rest of S (cos t - 1) + C (sin t - t), by polynomials in t.hi to t^6
// and t^7 (left out: below 2^-65 |S| z and 2^-68 |t| z), with
// cos(t.hi + t.lo) - cos t.hi taken as -t.hi t.lo and sin(t.hi + t.lo) -
// sin t.hi as t.lo: what these leave out is below (z/2 + 2^-27.6 |S|) |t.lo|
// + t.lo^2. The roundings, in units of u |S| z: cos t.hi - 1 (z, the sum next
// to -1/2 and the product: 1.26), its product with S.hi (0.5) and S.lo left
// out (0.5), adding C (sin t - t) to it, the sum into lo and the rounding
// test's (1.5): 3.76. In units of u |t| z: sin t.hi - t.hi (z, t.hi z, -1/6
// and the sum next to it, the product: 0.75), times C.hi (1/6) and C.lo left
// out (1/6), t.lo's part (1/2), three additions (1/2): 2.08. y.lo's stretch
// adds 2^-51 z stretch and 2^-77.6 |S| stretch.
// As |C t| < 0.51 |S| when S != 0, and |C| = 1 when S = 0, |C t| is at
// most 1.001 |hi|. So with the reduction's error d:
//   |sin(x) - (hi + lo)| < 4.2 u z (|S.hi| + |t.hi| + stretch) + 2^-77 |S.hi| stretch
//                          + 1.5 2^-74 |hi| + d.
// (The terms in z are what the rounding test mostly pays for: they shrink
// with t, so that the test fails for about one argument in 4 10^4.)
constexpr double SIN_COS_POLYNOMIAL_ERROR = 4.2 * U;
constexpr double SIN_COS_RELATIVE_ERROR = 0x1.8p-74;

REVAREZA_FAST_PATH Approximation sin_of_reduced(const Reduced& r) noexcept
{
    const unsigned i = r.j & 255;
    const unsigned quadrant = (r.j >> 8) & 3;
    const unsigned mask = 0u - (quadrant & 1);
    const unsigned s_index = (i ^ mask) + (mask & 257); // odd quadrant ? 256 - i : i, without a branch
    const double* s = SIN_PI_512[s_index];           // {hi, lo, head, rest}
    const double* c = SIN_PI_512[256 - s_index];
    // The signs go to the table's values, which are there early, rather
    // than to y or the result.
    const double s_sign = SIGN[quadrant >> 1];
    const double c_sign = SIGN[((quadrant + 1) >> 1) & 1];
    const double s_hi = s_sign * s[0], s_lo = s_sign * s[1];
    const double c_hi = c_sign * c[0], c_head = c_sign * c[2], c_rest = c_sign * c[3];
    const double t_hi = r.y.hi, t_lo = r.y.lo;
    const DD t = split(t_hi);
    const DD sum = fast_two_sum(s_hi, c_head * t.hi);
    const double small = (c_head * t.lo + c_rest * t_hi) + t_lo * (c_hi - s_hi * t_hi);
    const double z = t_hi * t_hi;
    const double cos_minus_1 = z * (-0.5 + z * (1.0 / 24 + z * (-1.0 / 720)));
    const double sin_minus_t = t_hi * z * (-1.0 / 6 + z * (1.0 / 120 + z * (-1.0 / 5040)));
    const double lo = ((sum.lo + s_lo) + small) + (s_hi * cos_minus_1 + c_hi * sin_minus_t);
    const double error = z * ((s[0] + std::fabs(t_hi)) + r.stretch) * SIN_COS_POLYNOMIAL_ERROR
        + (std::fabs(sum.hi) * SIN_COS_RELATIVE_ERROR + (r.error + s[0] * (r.stretch * 0x1p-77)));
    return {sum.hi, lo, error};
}

// The fast path of sin (quarter 0) and cos (quarter 1), 2^-27 <= |x| < inf.
REVAREZA_FAST_PATH Approximation fast_sin_cos(double x, unsigned quarter) noexcept
{
    Reduced r = std::fabs(x) < 0x1p16 ? reduce_moderate(x) : reduce_huge(x);
    r.j += 256 * quarter; // cos x = sin(x + pi/2)
    return sin_of_reduced(r);
}

// sin and cos of NaN, infinities and |x| < 2^-27. There sin x = x - x^3/6 +
// ... is within |x| 2^-56.5 of x, less than the half gap below x (|x| 2^-55,
// a quarter of an ulp for a power of two), so it rounds to x; and cos x is
// within 2^-55 of 1, less than 2^-54, the half gap below 1.
bool special_sin_cos(double x, unsigned quarter, double& result) noexcept
{
    const double a = std::fabs(x);
    if (!(a < 0x1p-27) && a <= 0x1.fffffffffffffp1023) {
        return false;
    }
    if (a < 0x1p-27) {
        result = quarter == 0 ? x : 1.0;
    } else {
        result = x != x ? quieted(x) : infinity_nan();
    }
    return true;
}

// The slow path at 8 words of fraction, which decides every double; 16 are
// there should some argument ever need more. `guess`, the fast path's
// rounding of one end of its bound, is within an ulp of the result. Out of
// line: rarely taken.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double slow(double x, unsigned quarter, double guess) noexcept
{
    double result = 0;
    for (const int limbs : {8, MAX_LIMBS}) {
        if (slow_sin_cos(x, quarter, limbs, result)) {
            return result;
        }
    }
    return guess;
}

// sin (quarter 0) or cos (quarter 1): the two differ only in the quarter
// turn added to the reduced argument.
double sin_or_cos(double x, unsigned quarter) noexcept
{
    double result = 0;
    if (special_sin_cos(x, quarter, result)) {
        return result;
    }
    return rounded(fast_sin_cos(x, quarter), result) ? result : slow(x, quarter, result);
}

} // namespace

bool fast_sin_cos_approximation(double x, unsigned quarter, Approximation& a) noexcept
{
    double unused = 0;
    if (special_sin_cos(x, quarter, unused)) {
        return false;
    }
    a = fast_sin_cos(x, quarter);
    return true;
}

bool slow_sin_cos_result(double x, unsigned quarter, int limbs, double& result) noexcept
{
    if (special_sin_cos(x, quarter, result)) {
        return true;
    }
    return slow_sin_cos(x, quarter, limbs, result);
}

} // namespace internal

double sin(double x) noexcept
{
    return internal::sin_or_cos(x, 0);
}

double cos(double x) noexcept
{
    return internal::sin_or_cos(x, 1);
}

} // namespace revareza::rounded
