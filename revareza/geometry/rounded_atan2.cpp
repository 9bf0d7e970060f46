// Correctly rounded atan2(y, x) for |y| < 2^-10 |x|: with t = |y/x| <
// 2^-10, the result is +-atan(t) (x > 0) or +-(pi - atan(t)) (x < 0), the
// sign of y. A fast path in double-double arithmetic computes a bound of
// its own error along with the value; the slow path (rounded_atan2_slow.cpp,
// multi-word fixed point) decides the rare arguments whose rounding it
// cannot. Where t < 2^-53 neither is needed: the rounding is known exactly.
//
// Only IEEE +, -, * and / of doubles in the order written (the build
// forbids contraction into fused multiply-adds), and 64-bit integer
// arithmetic: the same bits on x86-64, 32-bit x86 (SSE2) and WebAssembly.
// u = 2^-53 is the unit roundoff; "DD" a double-double pair hi + lo.
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

constexpr std::uint64_t HIDDEN_BIT = std::uint64_t{1} << 52;
constexpr double LARGEST = 0x1.fffffffffffffp1023;

// A finite positive double as m 2^e, 2^52 <= m < 2^53: a subnormal is
// scaled by 2^54 first (exactly) to find its leading bit.
struct Unpacked {
    std::uint64_t m;
    int e;
};

Unpacked unpacked(double a) noexcept
{
    std::uint64_t b = bits_of(a);
    int shift = 0;
    if ((b >> 52) == 0) {
        b = bits_of(a * 0x1p54);
        shift = 54;
    }
    return {(b & MANTISSA) | HIDDEN_BIT, static_cast<int>(b >> 52) - 1075 - shift};
}

// The arguments in the domain, |y| and |x|, and the two unpacked: |y/x| =
// (y.m / x.m) 2^d, the ratio of the mantissas in (1/2, 2).
struct Arguments {
    double y_magnitude;
    double x_magnitude;
    Unpacked y;
    Unpacked x;
    int d;
    unsigned x_negative;
    unsigned y_negative;
};

// The result for |y/x| < 2^-53 and x > 0, d <= -1022, where atan(t) is
// subnormal or 2^-1022 at most: with N = t 2^1074 (the result in units of
// the least subnormal) and 2N = y.m 2^(d + 1075) / x.m, P = floor(2N) by
// long division (11 bits at a time, so that the remainder shifted stays
// below 2^64). atan(t) lies below t by less than t^3, far less than the
// distance from t to any multiple of 2^-1075 other than t itself (at least
// 2^-1075 / x.m): so atan(t) rounds as t does, except that a t on a
// midpoint rounds down and a t on a multiple of 2^-1074 stays. N has
// floor P/2, and its fraction is above 1/2 just when P is odd with a
// nonzero remainder. (2^52 units is 2^-1022 and 2^53 is 2^-1021: the bits
// of a double count units the same way up to there.)
double below_least_normal(const Arguments& a) noexcept
{
    const int shift = a.d + 1075; // <= 53
    std::uint64_t units = 0;
    if (shift >= 0) {
        std::uint64_t quotient = a.y.m / a.x.m;
        std::uint64_t remainder = a.y.m % a.x.m;
        for (int left = shift; left > 0; left -= 11) {
            const int step = left < 11 ? left : 11;
            remainder <<= step;
            quotient = (quotient << step) | (remainder / a.x.m);
            remainder %= a.x.m;
        }
        units = (quotient >> 1) + ((quotient & 1) != 0 && remainder != 0 ? 1 : 0);
    }
    return from_bits(units | (a.y_negative != 0 ? SIGN_BIT : 0));
}

// atan2 where nothing needs approximating; false for the arguments of the
// fast path (y != 0, -53 <= d <= -10).
//
// Outside the domain: |y| 1024 is exact (or overflows, and then |y| is
// too large), so the comparison is exact; NaN compares false.
//
// t < 2^-53 (d <= -54), x > 0: t = (y.m / x.m) 2^d lies in [2^E, 2^(E+1))
// and is never a midpoint between doubles there (y.m 2^k = (2j+1) x.m has
// no solution: its right side has an odd part above 2^53); its distance to
// any double or midpoint other than itself is at least 2^(E-53) / x.m >
// 2^(E-106), and atan(t) lies below t by less than t^3/3 < 2^(E-105)/3: so
// atan(t) rounds as t does, to y/x as IEEE division rounds it, while that
// is normal (d >= -1021); below, below_least_normal.
//
// x < 0: pi - atan(t), atan(t) < 2^-53 = 0.25 ulp of pi, stays between
// PI_HI (0.28 ulp below pi) and the midpoint above it: PI_HI.
bool special_atan2(double y, double x, Arguments& a, double& result) noexcept
{
    const double ay = std::fabs(y);
    const double ax = std::fabs(x);
    if (!(ay * 1024.0 < ax) || !(ax <= LARGEST)) {
        result = domain_nan();
        return true;
    }
    a.y_magnitude = ay;
    a.x_magnitude = ax;
    a.x_negative = static_cast<unsigned>(bits_of(x) >> 63);
    a.y_negative = static_cast<unsigned>(bits_of(y) >> 63);
    if (ay == 0) {
        result = a.x_negative != 0 ? SIGN[a.y_negative] * PI_HI : y;
        return true;
    }
    a.y = unpacked(ay);
    a.x = unpacked(ax);
    a.d = a.y.e - a.x.e;
    if (a.d >= -53) {
        return false;
    }
    if (a.x_negative != 0) {
        result = SIGN[a.y_negative] * PI_HI;
    } else {
        result = a.d >= -1021 ? y / x : below_least_normal(a);
    }
    return true;
}

// The fast path, 2^-54 < t < 2^-10.
//
// t: t_hi = RN(|y| / |x|), which the division starts on at once; it is
// also RN(Y/X) for Y = y.m 2^(d-52) and X = x.m 2^-52 in [1, 2), exact
// doubles with the same ratio (t is normal), which keep Dekker's product
// t_hi X = p_hi + p_lo from overflow and underflow. The remainder Y - t_hi X
// is a double (that of a correctly rounded division) and is found exactly
// (Y - p_hi is exact by Sterbenz); t_lo = RN of it over X: t = t_hi + t_lo
// within u |t_lo| < 2^-106 t.
//
// atan(t) = atan(t_hi) + (t - t_hi)/(1 + t_hi^2) + ..., taken as
//   t_hi + t_hi P(z) + t_lo (1 - z),  z = RN(t_hi^2) < 2^-20,
// P(z) = z (-1/3) + z^2 (1/5 - z/7), the coefficients rounded (two short
// chains rather than Horner's one). The roundings, in units of u t z
// (|t P| <= t z/3 is what makes them small): z, RN(-1/3) (1/6), z (-1/3),
// the sum, the two products that make t P, the sum with t_lo (1 - z), for
// x < 0 the sum into pi's low words, and the rounding test's (1/3 each):
// 2.5 in all; the series left out, z^4/9 < 2^-10 u z, adds 0.001. Those of
// the z^2 term and of the t_lo terms are below 2^-93 t, and what is left
// out besides, z^2 |t_lo| < 2^-93 t of the (1 + t^2)^-1 expansion, and
// t_lo's own 2^-106 t. So
//   |atan(t) - (hi + lo)| < 3 u t z + 2^-91 t   (t_hi for t, with room).
//
// x < 0: pi - atan(t) = [PI_HI - t_hi] + PI_LO + PI_REST - lo, the bracket
// exact in two doubles (fast_two_sum, PI_HI > t_hi); pi's words are within
// 2^-162 of it. The sums of the low words (each below 2^-51.3) round by
// 2^-105 at most, three of them and the test's: ATAN_PI_ERROR. The signs
// come with the case, so that no product waits for the result.
constexpr double ATAN_TAIL_ERROR = 3 * U;
constexpr double ATAN_RELATIVE_ERROR = 0x1p-91;
constexpr double ATAN_PI_ERROR = 0x1p-101;

// A + B atan(t) by the signs of x and y.
struct AtanCase {
    double a_hi;
    double a_lo;
    double a_rest;
    double b;
    double error;
};

constexpr AtanCase ATAN_CASES[4] = {
    {0.0, 0.0, 0.0, 1.0, 0.0},                        // x > 0, y > 0: atan(t)
    {0.0, 0.0, 0.0, -1.0, 0.0},                       // x > 0, y < 0: -atan(t)
    {PI_HI, PI_LO, PI_REST, -1.0, ATAN_PI_ERROR},     // x < 0, y > 0: pi - atan(t)
    {-PI_HI, -PI_LO, -PI_REST, 1.0, ATAN_PI_ERROR},   // x < 0, y < 0: -(pi - atan(t))
};

REVAREZA_FAST_PATH Approximation fast_atan2(const Arguments& a) noexcept
{
    const double t_hi = a.y_magnitude / a.x_magnitude;
    const double y_scaled = from_bits((a.y.m & MANTISSA) | (static_cast<std::uint64_t>(1023 + a.d) << 52));
    const double x_scaled = from_bits((a.x.m & MANTISSA) | (std::uint64_t{1023} << 52));
    const DD ts = split(t_hi);
    const DD xs = split_at(x_scaled, SPLIT_25);
    const double p_hi = t_hi * x_scaled;
    const double p_lo = ((ts.hi * xs.hi - p_hi) + (ts.hi * xs.lo + ts.lo * xs.hi)) + ts.lo * xs.lo;
    const double t_lo = ((y_scaled - p_hi) - p_lo) / x_scaled;
    const double z = t_hi * t_hi;
    const double p = z * (-1.0 / 3) + (z * z) * (1.0 / 5 + z * (-1.0 / 7));
    const AtanCase& k = ATAN_CASES[2 * a.x_negative + a.y_negative];
    const double bt = k.b * t_hi;
    const DD r = fast_two_sum(k.a_hi, bt);
    const double lo = bt * p + (k.b * t_lo) * (1.0 - z);
    const double r_lo = ((r.lo + k.a_lo) + k.a_rest) + lo;
    return {r.hi, r_lo, t_hi * (z * ATAN_TAIL_ERROR + ATAN_RELATIVE_ERROR) + k.error};
}

// The slow path at 8 words of fraction, which decides every argument (see
// rounded_atan2_slow.cpp); 16 are there should some argument ever need
// more. `guess` is the fast path's rounding of one end of its bound. Out
// of line: rarely taken.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double slow(const Arguments& a, double guess) noexcept
{
    double result = 0;
    for (const int limbs : {8, MAX_LIMBS}) {
        if (slow_atan2(a.y.m, a.x.m, a.d, a.x_negative != 0, a.y_negative != 0, limbs, result)) {
            return result;
        }
    }
    return guess;
}

} // namespace

bool fast_atan2_approximation(double y, double x, Approximation& approximation) noexcept
{
    Arguments a{};
    double unused = 0;
    if (special_atan2(y, x, a, unused)) {
        return false;
    }
    approximation = fast_atan2(a);
    return true;
}

bool slow_atan2_result(double y, double x, int limbs, double& result) noexcept
{
    Arguments a{};
    if (special_atan2(y, x, a, result)) {
        return true;
    }
    return slow_atan2(a.y.m, a.x.m, a.d, a.x_negative != 0, a.y_negative != 0, limbs, result);
}

} // namespace internal

double atan2_near_axis(double y, double x) noexcept
{
    using namespace internal;
    Arguments a{};
    double result = 0;
    if (special_atan2(y, x, a, result)) {
        return result;
    }
    return rounded(fast_atan2(a), result) ? result : slow(a, result);
}

} // namespace revareza::rounded
