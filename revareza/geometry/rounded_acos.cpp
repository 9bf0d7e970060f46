// Correctly rounded acos: a fast path in double-double arithmetic, by
// polynomials of asin(sqrt w)/sqrt w on a table of intervals, that computes
// a bound of its own error along with the value; the slow path
// (rounded_acos_slow.cpp, multi-word fixed point) decides the rare
// arguments whose rounding it cannot.
//
// Only IEEE +, -, *, / and sqrt of doubles, in the order written (the build
// forbids contraction into fused multiply-adds), and integer operations on
// their bits: the same bits on x86-64, 32-bit x86 (SSE2) and WebAssembly.
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
#include <initializer_list>

namespace revareza::rounded {
namespace internal {
namespace {

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

// The slow path at 8 words of fraction, which decides every double; 16 are
// there should some argument ever need more. `guess`, the fast path's
// rounding of one end of its bound, is within an ulp of the result. Out of
// line: rarely taken.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double slow(double x, double guess) noexcept
{
    double result = 0;
    for (const int limbs : {8, MAX_LIMBS}) {
        if (slow_acos(x, guess, limbs, result)) {
            return result;
        }
    }
    return guess;
}

} // namespace

bool fast_acos_approximation(double x, Approximation& a) noexcept
{
    double unused = 0;
    if (special_acos(x, unused)) {
        return false;
    }
    a = fast_acos(x);
    return true;
}

bool slow_acos_result(double x, int limbs, double& result) noexcept
{
    if (special_acos(x, result)) {
        return true;
    }
    const Approximation a = fast_acos(x);
    return slow_acos(x, a.high + a.low, limbs, result);
}

} // namespace internal

double acos(double x) noexcept
{
    using namespace internal;
    double result = 0;
    if (special_acos(x, result)) {
        return result;
    }
    return rounded(fast_acos(x), result) ? result : slow(x, result);
}

} // namespace revareza::rounded
