// Correctly rounded acos, sin and cos: a fast path in double-double
// arithmetic that knows its own error bound, and a slow path in multi-word
// fixed point (rounded_math_slow.cpp) for the rare arguments whose rounding
// the fast one cannot decide.
//
// Only IEEE +, -, *, / and sqrt of doubles, in the order written (the build
// forbids contraction into fused multiply-adds), and 32- and 64-bit integer
// arithmetic: the same bits on x86-64, 32-bit x86 (SSE2) and WebAssembly.
//
// Products are exact by Dekker's algorithm with Veltkamp's splitting (no FMA
// to lean on). Below, u = 2^-53 is the unit roundoff; "DD" is a double-double
// pair hi + lo with |lo| <= ulp(hi)/2.
#include <revareza/geometry/rounded_math.hpp>

#include <revareza/geometry/rounded_math_internal.hpp>
#include <revareza/geometry/rounded_math_tables.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace revareza::rounded {
namespace internal {
namespace {

constexpr std::uint64_t MANTISSA = (std::uint64_t{1} << 52) - 1;

// What the C library gives where there is nothing to compute: acos of a
// value outside [-1, 1] is the positive quiet NaN, sin and cos of an
// infinity the default NaN of x86 (sign set). Fixed bit patterns, so that
// every target prints the same.
double acos_domain_nan() noexcept { return from_bits(0x7ff8000000000000u); }
double infinity_nan() noexcept { return from_bits(0xfff8000000000000u); }

// A NaN argument comes back quiet, its sign and payload kept (what x86-64
// gives for x + x). Set by its bits: arithmetic on a NaN may give any NaN in
// WebAssembly, and returning a signaling NaN as it is would let the 32-bit
// x87 return register alone quiet it.
double quieted(double nan) noexcept { return from_bits(bits_of(nan) | 0x0008000000000000u); }

struct DD {
    double hi;
    double lo;
};

// a + b = s + e exactly, any a and b (Knuth).
DD two_sum(double a, double b) noexcept
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b = s + e exactly when |a| >= |b| or a = 0 (Dekker).
DD fast_two_sum(double a, double b) noexcept
{
    const double s = a + b;
    return {s, b - (s - a)};
}

// a * b = p + e exactly (Dekker, Veltkamp's splitting into 26-bit halves);
// the operands here stay far from overflow and underflow.
DD two_product(double a, double b) noexcept
{
    const double ca = 134217729.0 * a; // 2^27 + 1
    const double ah = ca - (ca - a);
    const double al = a - ah;
    const double cb = 134217729.0 * b;
    const double bh = cb - (cb - b);
    const double bl = b - bh;
    const double p = a * b;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

// True when every real within err of hi + lo rounds to hi, so that hi is the
// correctly rounded result. Needs hi = RN(hi + lo) and hi normal. The
// midpoints around hi are half an ulp away, a quarter below a power of two
// (toward zero). fl(t + err) < h implies t + err < h for a power of two h,
// since rounding is monotonic: no error in the test itself.
bool decided(double hi, double lo, double err) noexcept
{
    const std::uint64_t b = bits_of(hi);
    const unsigned exponent = static_cast<unsigned>(b >> 52) & 0x7ff;
    if (exponent <= 54) {
        return false; // not met: every result here is above 2^-63
    }
    const double half_ulp = from_bits(static_cast<std::uint64_t>(exponent - 53) << 52);
    const double toward_zero = (b & MANTISSA) == 0 ? 0.5 * half_ulp : half_ulp;
    const double away = (b >> 63) != 0 ? -lo : lo; // lo measured away from zero
    return away + err < half_ulp && err - away < toward_zero;
}

// ---------------------------------------------------------------------------
// sin and cos.
//
// Reduction: x = j pi/512 + y (mod 2 pi), |y| <= pi/1024 (a hair more), y a
// DD with an absolute error below 2^-110 (shown at each reduction).
// Evaluation: with a = (j mod 256) pi/512 and the quadrant j / 256,
// sin(x) = S cos(y) + C sin(y), S and C being +-sin(a) and +-cos(a) from the
// table (DD, error 2^-106).
//
// Error of the evaluation, with u = 2^-53 and R the result (|y| <= 2^-8.35,
// so c = 1 - cos y <= 2^-17.7 and s = sin y - y <= 2^-19.3 |y|):
//  - S + C y is exact (Dekker) but for C.lo*y.lo, the roundings of
//    C.hi*y.lo + C.lo*y.hi and the table's 2^-106: below 2^-103 (|S| + |C y|);
//  - left out of the series: y^10/10! < 2^-105 and y^9/9! < 2^-85 |y|;
//  - c in double: 4.2u relative (y.hi^2, the polynomial, its product, the
//    y.hi*y.lo term); s: 6u. S*c, C*s and their difference: one rounding
//    each; the tail is added to the low parts last: one more. In all:
//    7.2u |S c| + 9u |C s| < 2^-67.6 |S| + 2^-69.1 |y|.
// When S = 0 (x near a multiple of pi), R ~ C y and the total is below
// 2^-69 |R|. Otherwise |S| >= sin(pi/512) >= 2 |y|, and |R| >= |S|/2 (the
// worst corner: sin(pi/512 - pi/1024)), so the total is below
// 2^-67.5 |S| <= 2^-66.5 |R|. With the reduction's 2^-110 (sin' and cos' are
// at most 1): |sin x - (hi + lo)| < 2^-66.5 |R| + 2^-110. The rounding test
// uses twice that (SIN_COS_ERROR, 2^-65.5). The differential test checks the
// bound on every argument it draws: over 10^8 per function (make test-math)
// and the published hard cases the largest error met was 0.19 of the bound.
// The test fails for about one argument in 3,000, which the slow path
// decides.
constexpr double SIN_COS_ERROR = 0x1.7p-66;
constexpr double REDUCTION_ERROR = 0x1p-110;

// Cody-Waite for |x| < 2^20: k = round(x 512/pi), |k| < 2^28, and
// y = x - k (P1 + P2 + P3 + P4) with P1..P3 of 25 bits (k Pi exact) and
// pi/512 - (P1 + .. + P4) below 2^-142. x - k P1 is exact (Sterbenz: x and
// k P1 are within a factor 2 for k != 0); the two sums that follow are
// exact; the rest, (a.lo + b.lo) - k P4, has |a.lo|, |b.lo| <= 2^-62 and
// |k P4| < 2^-60, so its three roundings add below 2^-112, and k times the
// 2^-142 left out below 2^-114: error below 2^-111.
DD reduce_moderate(double x, unsigned& j) noexcept
{
    constexpr double SHIFTER = 0x1.8p52; // rounds to an integer, kept in the low mantissa bits
    const double shifted = x * INV_PI_512 + SHIFTER;
    const double k = shifted - SHIFTER;
    j = static_cast<unsigned>(bits_of(shifted)) & 1023; // k mod 1024, two's complement for k < 0
    const double r = x - k * PI_512_1;
    const DD a = two_sum(r, -(k * PI_512_2));
    const DD b = two_sum(a.hi, -(k * PI_512_3));
    const double lo = (a.lo + b.lo) - k * PI_512_4;
    return two_sum(b.hi, lo);
}

// Payne-Hanek for 2^20 <= |x| < infinity, in integers: |x| 512/pi modulo
// 1024 with 128 bits of fraction (exact to 2^-128, see reduce_bits). The
// fraction f, |f| <= 1/2, becomes a DD within 2^-115 (two exact conversions,
// the other two words added with two roundings below 2^-116); times pi/512
// in DD, within 2^-104 |y| + 2^-122: error below 2^-112.
DD reduce_huge(double x, unsigned& j) noexcept
{
    const std::uint64_t b = bits_of(x);
    const int exponent = static_cast<int>(b >> 52) & 0x7ff;
    const std::uint64_t m = (b & MANTISSA) | (std::uint64_t{1} << 52);
    std::uint32_t w[5];
    reduce_bits(m, exponent - 1075 + 8, 4, w);
    j = w[0] & 1023;
    bool negative = false;
    if ((w[1] >> 31) != 0) { // f >= 1/2: the next multiple is nearer; take f - 1
        j = (j + 1) & 1023;
        negative = true;
        std::uint32_t borrow = 0;
        for (int k = 4; k >= 1; --k) { // 2^128 - f in four words
            const std::uint64_t t = std::uint64_t{0} - w[k] - borrow;
            w[k] = static_cast<std::uint32_t>(t);
            borrow = static_cast<std::uint32_t>(t >> 63);
        }
    }
    const DD high = fast_two_sum(w[1] * 0x1p-32, w[2] * 0x1p-64);
    const DD f = two_sum(high.hi, high.lo + (w[3] * 0x1p-96 + w[4] * 0x1p-128));
    DD y = two_product(f.hi, PI_512_HI);
    y = fast_two_sum(y.hi, y.lo + (f.hi * PI_512_LO + f.lo * PI_512_HI));
    if (negative != ((b >> 63) != 0)) {
        y = {-y.hi, -y.lo};
    }
    if ((b >> 63) != 0) { // -x = (-j) pi/512 + (-y)
        j = (1024 - j) & 1023;
    }
    return y;
}

// sin(j pi/512 + y) as a DD (see the error analysis above).
DD sin_of_reduced(unsigned j, DD y) noexcept
{
    const unsigned i = j & 255;
    const double* sin_a = SIN_PI_512[i];
    const double* cos_a = SIN_PI_512[256 - i];
    double s_hi = 0, s_lo = 0, c_hi = 0, c_lo = 0;
    switch ((j >> 8) & 3) {
    case 0: s_hi = sin_a[0]; s_lo = sin_a[1]; c_hi = cos_a[0]; c_lo = cos_a[1]; break;
    case 1: s_hi = cos_a[0]; s_lo = cos_a[1]; c_hi = -sin_a[0]; c_lo = -sin_a[1]; break;
    case 2: s_hi = -sin_a[0]; s_lo = -sin_a[1]; c_hi = -cos_a[0]; c_lo = -cos_a[1]; break;
    default: s_hi = -cos_a[0]; s_lo = -cos_a[1]; c_hi = sin_a[0]; c_lo = sin_a[1]; break;
    }
    const double y2 = y.hi * y.hi;
    // 1 - cos y and sin y - y, each with the first-order part of y.lo.
    const double c = y2 * (0.5 - y2 * (1.0 / 24 - y2 * (1.0 / 720 - y2 * (1.0 / 40320)))) + y.hi * y.lo;
    const double s = y.hi * y2 * (-1.0 / 6 + y2 * (1.0 / 120 - y2 * (1.0 / 5040))) - 0.5 * y2 * y.lo;
    const DD p = two_product(c_hi, y.hi);
    const double cross = c_hi * y.lo + c_lo * y.hi;
    const double tail = c_hi * s - s_hi * c;
    const DD sum = fast_two_sum(s_hi, p.hi); // |S| > |C y| unless S = 0
    return fast_two_sum(sum.hi, tail + (sum.lo + (s_lo + (p.lo + cross))));
}

// The fast path of sin (quarter 0) and cos (quarter 1), 2^-27 <= |x| < inf.
Approximation fast_sin_cos(double x, unsigned quarter) noexcept
{
    unsigned j = 0;
    const DD y = std::fabs(x) < 0x1p20 ? reduce_moderate(x, j) : reduce_huge(x, j);
    const DD r = sin_of_reduced(j + 256 * quarter, y); // cos x = sin(x + pi/2)
    return {r.hi, r.lo, std::fabs(r.hi) * SIN_COS_ERROR + REDUCTION_ERROR};
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
// |x| <= 1/2: acos x = pi/2 - asin x. |x| > 1/2: with s = sqrt((1 - |x|)/2),
// acos x = 2 asin s (x > 0) or pi - 2 asin s (x < 0); 1 - |x| and the halving
// are exact, s is a DD (Newton's correction of the rounded square root, from
// the exact square of its high part) within 2^-104 s. So everything comes
// down to asin on [0, 1/2], from 64 intervals of width 1/128 (u = 2^-53):
//  - [0, 1/128): u + u^3 (1/6 + ...) to u^11 (left out: 2^-89 u). The cubic
//    part is below 2^-16.6 u; its roundings, 4u, and its addition to the low
//    part, u: below 2^-67.3 u.
//  - interval i: the Taylor series about c = (i + 1/2)/128 to degree 10 in
//    d = u - c, |d| <= 1/256 (left out: 2^-82 asin u). d is exact
//    (Sterbenz); A0 + A1 d is exact but for 2^-103; the rest,
//    T = A2 d^2 + ..., is below 2^-16.4 asin u (at both ends of [1/128, 1/2])
//    and carries 3.3u of roundings plus u when added last: below
//    2^-67.3 asin u. u.lo enters through the derivative (2^-76 left out).
// So asin is within 2^-67.2 of its value, and acos too: 2 asin s is an exact
// scaling, while pi/2 - asin x and pi - 2 asin s are more than twice asin's
// part, which halves its error, and their own roundings of the low part add
// below 2^-69. The rounding test uses 2^-66 |R| (ACOS_ERROR); over the
// 10^8 arguments of make test-math the largest error met was 0.33 of it
// (2^-67.6 |R|), and one argument in 9,000 went to the slow path.
constexpr double ACOS_ERROR = 0x1p-66;

static_assert(ASIN_DEGREE == 10, "asin_of evaluates the degree-10 Taylor tables");

// asin(u) for u = u_hi + u_lo in [0, 1/2] (|u_lo| at most half an ulp of
// u_hi), as hi + lo with |lo| < 2^-50 |hi| (not normalised: the caller's
// sum does that).
DD asin_of(double u_hi, double u_lo) noexcept
{
    int i = static_cast<int>(u_hi * 128.0);
    if (i == 0) {
        const double u2 = u_hi * u_hi;
        const double cubic = u_hi * u2
                * (ASIN_ODD[0] + u2 * (ASIN_ODD[1] + u2 * (ASIN_ODD[2] + u2 * (ASIN_ODD[3] + u2 * ASIN_ODD[4]))));
        // asin(u_hi + u_lo) = asin(u_hi) + u_lo (1 + u_hi^2/2 + ...)
        return {u_hi, cubic + (u_lo + 0.5 * u2 * u_lo)};
    }
    if (i > 63) {
        i = 63; // u = 1/2 exactly: d = 1/256
    }
    const double* a = ASIN_TAYLOR[i];
    const double d = u_hi - (i + 0.5) * (1.0 / 128); // exact
    const DD p = two_product(a[2], d);
    // u_lo through the derivative A1 + 2 A2 d + 3 A3 d^2 (the next term is
    // below 2^-76 of the result), so that the polynomial need not wait for it.
    const double cross = a[3] * d + u_lo * (a[2] + d * (2.0 * a[4] + 3.0 * d * a[5]));
    const double d2 = d * d;
    const double even = a[4] + d2 * (a[6] + d2 * (a[8] + d2 * (a[10] + d2 * a[12])));
    const double odd = a[5] + d2 * (a[7] + d2 * (a[9] + d2 * a[11]));
    const double tail = d2 * (even + d * odd);
    const DD sum = fast_two_sum(a[0], p.hi); // asin(c) > 2.5 |A1 d|
    return {sum.hi, tail + (sum.lo + (a[1] + (p.lo + cross)))};
}

// The fast path of acos, |x| < 1.
Approximation fast_acos(double x) noexcept
{
    const double a = std::fabs(x);
    DD r{};
    if (a <= 0.5) {
        DD s = asin_of(a, 0.0);
        if (x < 0) {
            s = {-s.hi, -s.lo};
        }
        const DD sum = fast_two_sum(PI_HALF_HI, -s.hi);
        r = fast_two_sum(sum.hi, sum.lo + (PI_HALF_LO - s.lo));
    } else {
        const double w = (1.0 - a) * 0.5;
        const double s_hi = std::sqrt(w);
        const DD square = two_product(s_hi, s_hi);
        const double s_lo = ((w - square.hi) - square.lo) / (2.0 * s_hi);
        const DD s = asin_of(s_hi, s_lo);
        if (x > 0) {
            r = fast_two_sum(2.0 * s.hi, 2.0 * s.lo);
        } else {
            const DD sum = fast_two_sum(PI_HI, -2.0 * s.hi);
            r = fast_two_sum(sum.hi, sum.lo + (PI_LO - 2.0 * s.lo));
        }
    }
    return {r.hi, r.lo, r.hi * ACOS_ERROR};
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
        result = x != x ? quieted(x) : acos_domain_nan();
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
// there should some argument ever need more. Out of line: rarely taken.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
double slow(Function f, double x, const Approximation& a) noexcept
{
    double result = 0;
    for (const int limbs : {8, MAX_LIMBS}) {
        const bool done = f == Function::ACOS ? slow_acos(x, a.high, limbs, result)
                                              : slow_sin_cos(x, f == Function::COS ? 1 : 0, limbs, result);
        if (done) {
            return result;
        }
    }
    return a.high;
}

std::uint32_t word_at(const std::uint32_t* p, int count, int index) noexcept
{
    return index >= 0 && index < count ? p[index] : 0;
}

} // namespace

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
        return slow_acos(x, fast_acos(x).high, limbs, result);
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
    const Approximation a = fast_acos(x);
    return decided(a.high, a.low, a.error) ? a.high : slow(Function::ACOS, x, a);
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
    const Approximation a = fast_sin_cos(x, quarter);
    return decided(a.high, a.low, a.error) ? a.high : slow(f, x, a);
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
