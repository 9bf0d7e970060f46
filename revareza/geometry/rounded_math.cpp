// Correctly rounded acos, sin and cos: a fast path in double-double
// arithmetic that computes a bound of its own error along with the value,
// and a slow path in multi-word fixed point (rounded_*_slow.cpp) for the
// rare arguments whose rounding the fast one cannot decide.
//
// Only IEEE +, -, *, / and sqrt of doubles, in the order written (the build
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
#include <cstring>
#include <initializer_list>

namespace revareza::rounded {
namespace internal {
namespace {

// What the C library gives where there is nothing to compute: acos of a
// value outside [-1, 1] is the positive quiet NaN (domain_nan()), sin and
// cos of an infinity the default NaN of x86 (sign set). Fixed bit
// patterns, so that every target prints the same.
double infinity_nan() noexcept { return from_bits(0xfff8000000000000u); }

// A NaN argument comes back quiet, its sign and payload kept (what x86-64
// gives for x + x). Set by its bits: arithmetic on a NaN may give any NaN in
// WebAssembly, and returning a signaling NaN as it is would let the 32-bit
// x87 return register alone quiet it.
double quieted(double nan) noexcept { return from_bits(bits_of(nan) | 0x0008000000000000u); }

constexpr double SHIFTER = 0x1.8p52; // x + SHIFTER rounds x to an integer, kept in the low mantissa bits

// ---------------------------------------------------------------------------
// sin and cos.
//
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

// ---------------------------------------------------------------------------
// acos.
//
// With G(w) = asin(sqrt w)/sqrt w: |x| <= 1/2, acos x = pi/2 - x G(x^2);
// |x| > 1/2, with w = (1 - |x|)/2 (exact: Sterbenz, and a halving) and
// v = sqrt w, acos x = 2 v G(w) (x > 0) or pi - 2 v G(w) (x < 0). So
// acos x = A + B v G(w), (A, B) = (pi/2, -+1), (0, 2) or (pi, -2), v = |x|
// or sqrt w, w in [0, 1/4] and exact as w.hi + w.lo (x^2 by Dekker's
// product). The table row comes from w, so that the square root and its
// correction (below) run beside the polynomial. (Computing both cases and
// choosing one without a branch measured slower than the branch, even
// mispredicted on half of all arguments.)
//
// G(w), W = 256 w.hi (exact), c = i/256 the nearest to w, D = W - i exact
// (Sterbenz, or i = 0), |D| <= 1/2, the table's polynomial in D
// (ASIN_RATIO): with D = h + l, h a multiple of 2^-26, |l| <= 2^-27,
//   G = [G0.hi + G1.head h] + G0.lo + G1.head l + G1.rest D + G'(D) 256 w.lo + T,
// T = G2 D^2 + ... + G6 D^6: the bracket exact in two doubles (G0 >= 1 >
// |G1 D|, h of 26 bits), G1.head l and G1.rest D rounded (both below 2^-37),
// G'(D) 256 w.lo taken as (G1 + 2 G2 D + 3 G3 D^2) 256 w.lo (|256 w.lo| <=
// 64 u, rest below ASIN_RATIO_SLOPE_REST): these small terms and their sums
// are within 2^-89 of their value. The polynomial is within
// ASIN_RATIO_ERROR (< 2^-72) G of G; T (below 2^-20.7) within
// ASIN_RATIO_TAIL_ROUNDINGS u |T| of its value.
//
// v: s = sqrt(w) rounded, v.lo = (w - s^2)/(2 s): with s = h + l (26 bits
// each), w - s^2 = (w - h^2) - l (s + h), w - h^2 exact (Sterbenz), the
// rest rounded (below 2^-77 w in all, |l| < 2^-25 s); 1/(2 s) taken as
// s/(2 w), 2^-50.4 off, so that the division starts at once: within
// 2^-77.9 v, |v.lo| <= 1.01 u v (0 for v = |x|).
// B v G = B v.hi G.hi (exact by Dekker's product, G.hi split at 2^-25,
// v.hi as split() splits it) + B v.hi (G.lo - T) + B v.hi T + B v.lo G.hi,
// rounded; B v.lo G.lo is left out (1.01 u |B v T| and below 2^-89 v). The
// small terms are added first, then B v.hi T, then B v.lo G.hi, which comes
// last from the square root: T's product, these two additions and the
// rounding test's own cost u |B v T| each (to first order). B v G <= |acos x| (pi/2 - asin v >= pi/3 > asin v,
// pi - 2 asin v >= 2 pi/3 > 2 asin v), and pi/2 and pi are within 2^-106 of
// themselves, so
//   |acos x - (hi + lo)| < (ASIN_RATIO_TAIL_ROUNDINGS + 5.5) u |B v T| + 1.5 2^-72 |hi|.
// (|T| is 2^-20.7 G at most, and far less on average: the rounding test
// fails for about one argument in 2 10^5.) Below |x| = 2^-500, x^2
// underflows; the errors that brings are below 2^-1000, inside 2^-72 pi/2.
// (The polynomials' degree is the least for 2^-72: a fixed error this small
// still costs the rounding test almost nothing.)
constexpr double ACOS_TAIL_ERROR = (ASIN_RATIO_TAIL_ROUNDINGS + 5.5) * U;
constexpr double ACOS_RELATIVE_ERROR = 0x1.8p-72;
static_assert(ASIN_RATIO_ERROR < 0x1p-72 && ASIN_RATIO_SLOPE_REST < 0x1p-26, "the error bound counts on these");
static_assert(ASIN_RATIO_DEGREE == 6 && ASIN_RATIO_INTERVALS == 64, "acos_of evaluates these polynomials");

// (A, B) of acos = A + B v G(w) by |x| > 1/2 and the sign of x.
struct AcosCase {
    double a_hi;
    double a_lo;
    double b;
};

constexpr AcosCase ACOS_CASES[4] = {
    {PI_HALF_HI, PI_HALF_LO, -1.0}, // 0 <= x <= 1/2
    {PI_HALF_HI, PI_HALF_LO, 1.0},  // -1/2 <= x < 0
    {0.0, 0.0, 2.0},                // x > 1/2
    {PI_HI, PI_LO, -2.0},           // x < -1/2
};

// A + B v G(w) with W = 256 w = w_hi + w_lo (w_lo = 0 for |x| > 1/2),
// `shifted` = RN(w_hi + SHIFTER), B v = v_hi + v_lo (v_lo = 0 for
// |x| <= 1/2), v_hi = vs.hi + vs.lo (26 bits each): each case with only its
// own terms.
template <bool LARGE>
REVAREZA_FAST_PATH Approximation acos_of(const AcosCase& k, double w_hi, double w_lo, double shifted, double v_hi,
                                         DD vs, double v_lo) noexcept
{
    const double* g = ASIN_RATIO[static_cast<unsigned>(bits_of(shifted)) & 127]; // {G0 hi, G0 lo, G1 head, G1 rest, G2, .., G6}
    const double d = w_hi - (shifted - SHIFTER);
    const DD dd = split_at(d, SPLIT_26); // |d| <= 1/2
    const DD g_sum = fast_two_sum(g[0], g[2] * dd.hi);
    const double d2 = d * d;
    const double tail = d2 * g[4] + (d2 * d) * ((g[5] + g[6] * d) + d2 * (g[7] + g[8] * d));
    double g_small = ((g_sum.lo + g[1]) + g[2] * dd.lo) + g[3] * d;
    if (!LARGE) {
        g_small += (g[2] + d * (2.0 * g[4] + 3.0 * g[5] * d)) * w_lo;
    }
    const DD gs = split_at(g_sum.hi, SPLIT_25); // 1 <= G < 2
    const double product = v_hi * g_sum.hi;
    const double product_error = ((vs.hi * gs.hi - product) + (vs.hi * gs.lo + vs.lo * gs.hi)) + vs.lo * gs.lo;
    const DD r = fast_two_sum(k.a_hi, product);
    double r_lo = ((r.lo + k.a_lo) + (product_error + v_hi * g_small)) + v_hi * tail;
    if (LARGE) {
        r_lo += v_lo * g_sum.hi; // what arrives last, added last
    }
    return {r.hi, r_lo, std::fabs(v_hi * tail) * ACOS_TAIL_ERROR + std::fabs(r.hi) * ACOS_RELATIVE_ERROR};
}

// The fast path of acos, |x| < 1.
REVAREZA_FAST_PATH Approximation fast_acos(double x) noexcept
{
    const double a = std::fabs(x);
    const unsigned large = a > 0.5 ? 1 : 0;
    const AcosCase& k = ACOS_CASES[2 * large + static_cast<unsigned>(bits_of(x) >> 63)];
    if (large != 0) {
        // RN(W + SHIFTER) = RN((SHIFTER + 128) - 128 a), one step sooner.
        const double shifted = (SHIFTER + 128.0) - a * 128.0;
        const double half = (1.0 - a) * 0.5;
        const double s_hi = std::sqrt(half);
        const double inverse = (0.5 * k.b) / half; // B/(2 s) = B s/(2 w): the division starts at once
        const DD s = split(s_hi);
        const double residual = (half - s.hi * s.hi) - s.lo * (s_hi + s.hi);
        return acos_of<true>(k, (1.0 - a) * 128.0, 0.0, shifted, k.b * s_hi, {k.b * s.hi, k.b * s.lo},
                             residual * (s_hi * inverse));
    }
    const DD as = split(a);
    const double square = a * a;
    const double w_hi = a * (a * 256.0);
    const double w_lo = (((as.hi * as.hi - square) + 2.0 * (as.hi * as.lo)) + as.lo * as.lo) * 256.0;
    return acos_of<false>(k, w_hi, w_lo, w_hi + SHIFTER, k.b * a, {k.b * as.hi, k.b * as.lo}, 0.0);
}

// acos of NaN, |x| > 1 and +-1.
bool special_acos(double x, double& result) noexcept
{
    const double a = std::fabs(x);
    if (a < 1.0) {
        return false;
    }
    if (x == 1.0) {
        result = 0.0;
    } else if (x == -1.0) {
        result = PI_HI; // the double nearest pi
    } else {
        result = x != x ? quieted(x) : domain_nan();
    }
    return true;
}

bool special(Function f, double x, double& result) noexcept
{
    return f == Function::ACOS ? special_acos(x, result)
                               : special_sin_cos(x, f == Function::COS ? 1 : 0, result);
}

Approximation fast(Function f, double x) noexcept
{
    return f == Function::ACOS ? fast_acos(x) : fast_sin_cos(x, f == Function::COS ? 1 : 0);
}

// The slow path at 8 words of fraction, which decides every double; 16 are
// there should some argument ever need more. `guess`, the fast path's
// rounding of one end of its bound, is within an ulp of the result. Out of
// line: rarely taken.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double slow(Function f, double x, double guess) noexcept
{
    double result = 0;
    for (const int limbs : {8, MAX_LIMBS}) {
        const bool done = f == Function::ACOS ? slow_acos(x, guess, limbs, result)
                                              : slow_sin_cos(x, f == Function::COS ? 1 : 0, limbs, result);
        if (done) {
            return result;
        }
    }
    return guess;
}

} // namespace

bool fast_approximation(Function f, double x, Approximation& a) noexcept
{
    double unused = 0;
    if (special(f, x, unused)) {
        return false;
    }
    a = fast(f, x);
    return true;
}

bool slow_result(Function f, double x, int limbs, double& result) noexcept
{
    if (special(f, x, result)) {
        return true;
    }
    if (f == Function::ACOS) {
        const Approximation a = fast_acos(x);
        return slow_acos(x, a.high + a.low, limbs, result);
    }
    return slow_sin_cos(x, f == Function::COS ? 1 : 0, limbs, result);
}

} // namespace internal

double acos(double x) noexcept
{
    using namespace internal;
    double result = 0;
    if (special_acos(x, result)) {
        return result;
    }
    return rounded(fast_acos(x), result) ? result : slow(Function::ACOS, x, result);
}

namespace {

// sin (quarter 0) or cos (quarter 1): the two differ only in the quarter
// turn added to the reduced argument.
double sin_or_cos(double x, unsigned quarter, internal::Function f) noexcept
{
    using namespace internal;
    double result = 0;
    if (special_sin_cos(x, quarter, result)) {
        return result;
    }
    return rounded(fast_sin_cos(x, quarter), result) ? result : slow(f, x, result);
}

} // namespace

double sin(double x) noexcept
{
    return sin_or_cos(x, 0, internal::Function::SIN);
}

double cos(double x) noexcept
{
    return sin_or_cos(x, 1, internal::Function::COS);
}

} // namespace revareza::rounded
