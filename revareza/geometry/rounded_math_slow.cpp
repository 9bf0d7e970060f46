// The slow path of the correctly rounded acos, sin, cos and atan2 near the
// axis: unsigned fixed point in 32-bit words (one integer word, `n` fraction
// words, n = 8 or 16), every operation truncating, every error counted in
// units of the last word (2^(-32n), "units" below).
//
// Why 8 words decide every double. An error of 64 units is 2^-250. sin and
// cos: for x >= 2^-27 the result is at least 2^-62 (the double closest to a
// multiple of pi/2, 6381956970095103 2^797, is 2^-60.9 away from it), so
// 2^-250 is below 2^-135 of an ulp of the result. acos: x is compared with
// cos of the midpoints around the result; |x - cos m| is at least
// 2^-27 |acos x - m| (sin >= 2^-27 on the results, which are >= 2^-26.5),
// and 2^-250 again stands for less than 2^-135 of an ulp. The hardest cases
// published (Lefevre and Muller's searches; the test's hard cases) lie 2^-44
// to 2^-59 of an ulp from a midpoint, and probabilistic estimates put the
// closest of all 2^63 doubles near 2^-(63 + a few): a margin of some 70
// bits. Should an argument ever need more, the rounding is left undecided
// at 8 words and 16 are tried.
//
// atan2 near the axis, on the fast path's t = |y/x| in (2^-54, 2^-10): the
// result is above 2^-55 (x > 0) or near pi (x < 0), so 2^-250 is below
// 2^-143 (2^-199) of an ulp. Its arguments are pairs, and there are many
// more of them: about 2^110 distinct ratios, whose distances to a midpoint
// spread like random numbers, put the closest near 2^-111 of an ulp
// (continued fractions of tan(m), m a midpoint, find such y/x: the test's
// hard cases reach 2^-108 for x < 0, where a tiny t moves pi - t little).
// The margin is some 30 bits; 16 words add 256.
#include <revareza/geometry/detail/rounded_math_internal.hpp>
#include <revareza/geometry/detail/rounded_math_tables.hpp>

#include <cstdint>
#include <cstring>

namespace revareza::rounded::internal {
namespace {

static_assert(PI_HALF_WORDS > MAX_LIMBS, "pi/2 must hold every fraction word");

// Bound on the error of every value the slow path rounds or compares:
// at most 16 units (see sin_series, cos_series, cos_of), doubled twice.
constexpr std::uint32_t ERROR_UNITS = 64;

struct Fixed {
    std::uint32_t w[MAX_LIMBS + 1] = {}; // w[0] integer part, w[k] weight 2^(-32k)
};

Fixed small(std::uint32_t v) noexcept
{
    Fixed r;
    r.w[0] = v;
    return r;
}

Fixed units(std::uint32_t v, int n) noexcept
{
    Fixed r;
    r.w[n] = v;
    return r;
}

int compare(const Fixed& a, const Fixed& b, int n) noexcept
{
    for (int k = 0; k <= n; ++k) {
        if (a.w[k] != b.w[k]) {
            return a.w[k] < b.w[k] ? -1 : 1;
        }
    }
    return 0;
}

Fixed add(const Fixed& a, const Fixed& b, int n) noexcept
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

// a - b for a >= b.
Fixed subtract(const Fixed& a, const Fixed& b, int n) noexcept
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

// |a - b|, and whether a < b.
Fixed distance(const Fixed& a, const Fixed& b, int n, bool& below) noexcept
{
    below = compare(a, b, n) < 0;
    return below ? subtract(b, a, n) : subtract(a, b, n);
}

// a * b truncated: less than 1 unit below the exact product.
Fixed multiply(const Fixed& a, const Fixed& b, int n) noexcept
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

// a / d truncated: less than 1 unit below.
Fixed divide(const Fixed& a, std::uint32_t d, int n) noexcept
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

// m 2^e, truncated to n fraction words (exact when e >= -32 n).
Fixed scaled(std::uint64_t m, int e, int n) noexcept
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

Fixed pi_half(int n) noexcept
{
    Fixed r;
    for (int k = 0; k <= n; ++k) {
        r.w[k] = PI_HALF_FIXED[k];
    }
    return r; // 1 unit below pi/2 at most
}

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

// sin(y) for 0 <= y <= pi/4 given within e units: within e + 8 units. By
// Horner's rule, s := 1 - s y^2 / ((2k)(2k + 1)) for k = K..1, then y s. Each
// step adds 2 truncations and y^2's error (2 y e + 1 units) divided by at
// least 6, and shrinks what came before to at most 1/9: below
// 3.3 + 0.3 e units for s; then y s adds e + 1 and 0.8 times s's error.
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

// cos(y) for 0 <= y <= pi/4 given within e units: within e + 8 units
// (c := 1 - c y^2 / ((2k - 1)(2k)); the last step divides by 2 only, so
// y^2's error counts half: below 4 + 0.8 e units).
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

// The double nearest a value within ERROR_UNITS of v, when every such value
// has the same one (rounding is monotonic: the two ends decide).
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
