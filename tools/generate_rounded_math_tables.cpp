// Writes revareza/geometry/detail/rounded_math_tables.hpp, the constants of the
// library's correctly rounded acos, sin, cos and atan2 near the axis,
// computed with MPFR at 2400 bits (every constant is printed exactly:
// hexadecimal doubles, 32- and 64-bit words), and the bounds that the
// library's error analysis takes from them.
//
//   generate_rounded_math_tables > revareza/geometry/detail/rounded_math_tables.hpp
//
// Built only where MPFR is installed (libmpfr-dev); the library itself never
// links MPFR. Run it again only to change a table.
#include <mpfr.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr mpfr_prec_t PREC = 2400;
constexpr int TWO_OVER_PI_WORDS = 56;
constexpr int TWO_OVER_PI_PAIRS = 37; // 64-bit windows, for exponents up to 971
constexpr int PI_HALF_WORDS = 20;
constexpr int SIN_STEPS = 512;           // table of sin(i pi/512), i = 0..256
constexpr int ASIN_RATIO_INTERVALS = 64; // [0, 1/4] by steps of 1/256
constexpr int TAYLOR_DEGREE = 48;        // Taylor series kept exactly in the bounds
constexpr double RATIO_TARGET = 0x1p-72; // error of the polynomials of asin(sqrt w)/sqrt w, relative

struct Number {
    mpfr_t v;
    Number() { mpfr_init2(v, PREC); mpfr_set_zero(v, 1); }
    ~Number() { mpfr_clear(v); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;
};

double nearest(const mpfr_t v) { return mpfr_get_d(v, MPFR_RNDN); }

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "generate_rounded_math_tables: %s\n", what);
    std::exit(1);
}

// value = hi + lo with hi = RN(value), lo = RN(value - hi).
void split(const mpfr_t value, double& hi, double& lo)
{
    Number rest;
    hi = nearest(value);
    mpfr_sub_d(rest.v, value, hi, MPFR_RNDN);
    lo = nearest(rest.v);
}

// value rounded to `bits` significant bits, as a double.
double rounded_to(const mpfr_t value, mpfr_prec_t bits)
{
    mpfr_t r;
    mpfr_init2(r, bits);
    mpfr_set(r, value, MPFR_RNDN);
    const double d = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clear(r);
    return d;
}

// value rounded to the nearest multiple of 2^exponent, which must be a
// double exactly.
double rounded_to_multiple(const mpfr_t value, long exponent)
{
    Number v;
    mpfr_mul_2si(v.v, value, -exponent, MPFR_RNDN);
    mpfr_rint(v.v, v.v, MPFR_RNDN);
    mpfr_mul_2si(v.v, v.v, exponent, MPFR_RNDN);
    const double d = nearest(v.v);
    if (mpfr_cmp_d(v.v, d) != 0) {
        fail("a multiple of a power of two is not a double");
    }
    return d;
}

// hi - head for head = hi rounded to 26 bits: exact, as the library needs.
double tail_of(double hi, double head)
{
    Number v;
    mpfr_set_d(v.v, hi, MPFR_RNDN);
    mpfr_sub_d(v.v, v.v, head, MPFR_RNDN);
    const double d = nearest(v.v);
    if (mpfr_cmp_d(v.v, d) != 0) {
        fail("a tail is not a double");
    }
    return d;
}

// The fraction of value (0 <= value < 2^32), words of 32 bits from the top:
// words[0] is the integer part, words[k] the bits of weight 2^(-32k)...
void words_of(const mpfr_t value, int count, bool integer_first, std::uint32_t* words)
{
    Number v;
    mpfr_set(v.v, value, MPFR_RNDN);
    if (!integer_first) {
        mpfr_mul_2ui(v.v, v.v, 32, MPFR_RNDN);
    }
    for (int k = 0; k < count; ++k) {
        Number whole;
        mpfr_floor(whole.v, v.v);
        words[k] = static_cast<std::uint32_t>(mpfr_get_ui(whole.v, MPFR_RNDZ));
        mpfr_sub(v.v, v.v, whole.v, MPFR_RNDN);
        mpfr_mul_2ui(v.v, v.v, 32, MPFR_RNDN);
    }
}

void print_words(const char* name, const char* size, const std::uint32_t* words, int count)
{
    std::printf("inline constexpr std::uint32_t %s[%s] = {", name, size);
    for (int k = 0; k < count; ++k) {
        std::printf("%s0x%08x%s", k % 6 == 0 ? "\n    " : " ", words[k], k + 1 < count ? "," : "");
    }
    std::printf("};\n\n");
}

// Polynomials of degree TAYLOR_DEGREE on [-1, 1], by coefficients.
struct Polynomial {
    Number c[TAYLOR_DEGREE + 1];
};

// The monomial coefficients of p as coefficients of Chebyshev polynomials:
// t^k = 2^-k sum_j binom(k, j) T_|k-2j|(t).
void to_chebyshev(const Polynomial& p, Polynomial& chebyshev)
{
    for (Number& n : chebyshev.c) {
        mpfr_set_zero(n.v, 1);
    }
    Number binomial, term;
    for (int k = 0; k <= TAYLOR_DEGREE; ++k) {
        mpfr_set_ui(binomial.v, 1, MPFR_RNDN);
        for (int j = 0; j <= k; ++j) {
            mpfr_mul(term.v, p.c[k].v, binomial.v, MPFR_RNDN);
            mpfr_div_2ui(term.v, term.v, static_cast<unsigned long>(k), MPFR_RNDN);
            const int index = k - 2 * j < 0 ? 2 * j - k : k - 2 * j;
            mpfr_add(chebyshev.c[index].v, chebyshev.c[index].v, term.v, MPFR_RNDN);
            mpfr_mul_ui(binomial.v, binomial.v, static_cast<unsigned long>(k - j), MPFR_RNDN);
            mpfr_div_ui(binomial.v, binomial.v, static_cast<unsigned long>(j + 1), MPFR_RNDN);
        }
    }
}

// The Chebyshev polynomials T_0 .. T_TAYLOR_DEGREE by monomial
// coefficients (T_{k+1} = 2t T_k - T_{k-1}).
struct ChebyshevBasis {
    Polynomial t[TAYLOR_DEGREE + 1];

    ChebyshevBasis()
    {
        mpfr_set_ui(t[0].c[0].v, 1, MPFR_RNDN);
        mpfr_set_ui(t[1].c[1].v, 1, MPFR_RNDN);
        for (int k = 1; k < TAYLOR_DEGREE; ++k) {
            for (int m = 0; m <= TAYLOR_DEGREE; ++m) {
                if (m > 0) {
                    mpfr_mul_2ui(t[k + 1].c[m].v, t[k].c[m - 1].v, 1, MPFR_RNDN);
                }
                mpfr_sub(t[k + 1].c[m].v, t[k + 1].c[m].v, t[k - 1].c[m].v, MPFR_RNDN);
            }
        }
    }
};

// The Chebyshev series of p cut after degree n, as monomial coefficients.
void truncated(const ChebyshevBasis& basis, const Polynomial& chebyshev, int n, Polynomial& p)
{
    Number term;
    for (Number& c : p.c) {
        mpfr_set_zero(c.v, 1);
    }
    for (int k = 0; k <= n; ++k) {
        for (int m = 0; m <= k; ++m) {
            mpfr_mul(term.v, chebyshev.c[k].v, basis.t[k].c[m].v, MPFR_RNDN);
            mpfr_add(p.c[m].v, p.c[m].v, term.v, MPFR_RNDN);
        }
    }
}

// An upper bound of |p| on [-1, 1]: the sum of its Chebyshev coefficients'
// magnitudes.
void bound_on_interval(const Polynomial& p, mpfr_t bound)
{
    Polynomial chebyshev;
    to_chebyshev(p, chebyshev);
    mpfr_set_zero(bound, 1);
    Number a;
    for (const Number& c : chebyshev.c) {
        mpfr_abs(a.v, c.v, MPFR_RNDU);
        mpfr_add(bound, bound, a.v, MPFR_RNDU);
    }
}

// Taylor coefficients of G(w) = asin(sqrt w)/sqrt w about c in [0, 1/4],
// degree 0 to TAYLOR_DEGREE + 1. G is analytic for |w| < 1: asin(sqrt w) =
// sqrt(w) G(w) gives G + 2w G' = q = (1 - w)^(-1/2), whose coefficients
// about c are q_k = (1/2)(3/2)..(k - 1/2)/k! (1 - c)^(-1/2-k); so with
// w = c + d, G_k + 2c (k + 1) G_{k+1} + 2k G_k = q_k: G_{k+1} =
// (q_k - (2k + 1) G_k) / (2c (k + 1)), and G_k = q_k/(2k + 1) for c = 0.
void ratio_taylor(const mpfr_t c, Number (&g)[TAYLOR_DEGREE + 2])
{
    Number q, one_minus, t;
    mpfr_ui_sub(one_minus.v, 1, c, MPFR_RNDN);
    mpfr_rec_sqrt(q.v, one_minus.v, MPFR_RNDN); // q_0
    if (mpfr_sgn(c) == 0) {
        mpfr_set_ui(g[0].v, 1, MPFR_RNDN);
    } else {
        mpfr_sqrt(t.v, c, MPFR_RNDN);
        mpfr_asin(g[0].v, t.v, MPFR_RNDN);
        mpfr_div(g[0].v, g[0].v, t.v, MPFR_RNDN);
    }
    for (int k = 0; k <= TAYLOR_DEGREE; ++k) {
        if (mpfr_sgn(c) == 0) {
            mpfr_div_ui(g[k].v, q.v, static_cast<unsigned long>(2 * k + 1), MPFR_RNDN);
        } else {
            mpfr_mul_ui(t.v, g[k].v, static_cast<unsigned long>(2 * k + 1), MPFR_RNDN);
            mpfr_sub(t.v, q.v, t.v, MPFR_RNDN);
            mpfr_div(t.v, t.v, c, MPFR_RNDN);
            mpfr_div_ui(g[k + 1].v, t.v, static_cast<unsigned long>(2 * (k + 1)), MPFR_RNDN);
        }
        // q_{k+1} = q_k (k + 1/2) / ((k + 1)(1 - c))
        mpfr_mul_ui(q.v, q.v, static_cast<unsigned long>(2 * k + 1), MPFR_RNDN);
        mpfr_div_ui(q.v, q.v, static_cast<unsigned long>(2 * k + 2), MPFR_RNDN);
        mpfr_div(q.v, q.v, one_minus.v, MPFR_RNDN);
    }
    if (mpfr_sgn(c) == 0) {
        mpfr_div_ui(g[TAYLOR_DEGREE + 1].v, q.v, 2 * TAYLOR_DEGREE + 3, MPFR_RNDN);
    }
}

// One row of the table of G: {G0 hi, G0 lo, G1 head, G1 rest, G2, ...,
// Gn} for w = c + D 2h, |D| <= 1/2 (coefficients of D); the bound of the
// polynomial's error relative to G (with G2 .. Gn as computed, before their
// rounding to doubles), and the two bounds below.
struct RatioRow {
    double value[3 + TAYLOR_DEGREE];
    double relative_error;
    double tail_roundings;
    double slope_rest;
};

// The library evaluates the tail T = G2 D^2 + ... + Gn D^n (coefficients as
// written) as D2 G2 + (D2 D) R, D2 = D^2 rounded, R = G3 + ... + Gn D^(n-3)
// by Estrin's scheme. Term k then carries the rounding of Gk to a double (1)
// and the roundings on its way (3 for G2, at most k + 4 for the others):
// at most w_k = 4 for k = 2 and k + 5 beyond, in units of u = 2^-53 of
// |Gk D^k|. This is a bound of sum w_k |Gk D^k| / |T| for |D| <= h, from
// the lowest term k0 that is not zero:
// sum w_k |Gk| h^(k-k0) / (|Gk0| - sum_{k>k0} |Gk| h^(k-k0)).
double tail_roundings_of(const double* g, int n, double h)
{
    int lowest = 2;
    while (g[lowest] == 0) {
        ++lowest;
    }
    Number weighted, rest, power, term;
    mpfr_set_ui(power.v, 1, MPFR_RNDN);
    for (int k = lowest; k <= n; ++k) {
        mpfr_mul_d(term.v, power.v, g[k] < 0 ? -g[k] : g[k], MPFR_RNDU);
        if (k > lowest) {
            mpfr_add(rest.v, rest.v, term.v, MPFR_RNDU);
        }
        mpfr_mul_ui(term.v, term.v, k == 2 ? 4 : static_cast<unsigned long>(k + 5), MPFR_RNDU);
        mpfr_add(weighted.v, weighted.v, term.v, MPFR_RNDU);
        mpfr_mul_d(power.v, power.v, h, MPFR_RNDU);
    }
    mpfr_d_sub(rest.v, g[lowest] < 0 ? -g[lowest] : g[lowest], rest.v, MPFR_RNDD);
    if (mpfr_sgn(rest.v) <= 0) {
        fail("a tail polynomial may vanish");
    }
    mpfr_div(weighted.v, weighted.v, rest.v, MPFR_RNDU);
    return mpfr_get_d(weighted.v, MPFR_RNDU);
}

// Row i: c = i 2h, d = w - c in [-h, h] (row 0 and the last need only half
// of it). The Chebyshev series of the Taylor polynomial (in t = d/h) cut
// after degree n, as a polynomial in D = t/2; G0 and G1 as the library keeps
// them. The error is bounded by the
// Chebyshev coefficients of the difference, plus what the Taylor polynomial
// leaves out: its terms fall by a factor below 2^-8 from one degree to the
// next (h = 1/512, G's singularity 3/4 away), so twice the first left out
// is generous. Divided by G(c - h) >= 1.
// The slope's rest: sum_{k>3} k |Gk| (1/2)^(k-1) (coefficients of D), what
// dG/dD = G1 + 2 G2 D + 3 G3 D^2 leaves out.
RatioRow ratio_row(const ChebyshevBasis& basis, int i, int n)
{
    RatioRow row{};
    const double h = 1.0 / (8 * ASIN_RATIO_INTERVALS);
    Number c, g[TAYLOR_DEGREE + 2], scale, bound, rest, power, term;
    mpfr_set_d(c.v, 2 * i * h, MPFR_RNDN);
    ratio_taylor(c.v, g);
    Polynomial scaled, chebyshev, kept, error;
    mpfr_set_ui(scale.v, 1, MPFR_RNDN);
    for (int k = 0; k <= TAYLOR_DEGREE; ++k) { // b_k = g_k h^k
        mpfr_mul(scaled.c[k].v, g[k].v, scale.v, MPFR_RNDN);
        mpfr_mul_d(scale.v, scale.v, h, MPFR_RNDN);
    }
    to_chebyshev(scaled, chebyshev);
    truncated(basis, chebyshev, n, kept);
    // Back to coefficients of D = d/(2h), |D| <= 1/2: G0 and G1 in two
    // parts, the rest rounded.
    double coefficient[TAYLOR_DEGREE + 1] = {};
    double g0_lo = 0, g1_rest = 0;
    for (int k = 0; k <= TAYLOR_DEGREE; ++k) {
        Number v;
        mpfr_mul_2si(v.v, kept.c[k].v, k, MPFR_RNDN); // b_k t^k = b_k 2^k D^k
        if (k == 0) {
            split(v.v, coefficient[0], g0_lo);
            mpfr_set_d(v.v, coefficient[0], MPFR_RNDN);
            mpfr_add_d(v.v, v.v, g0_lo, MPFR_RNDN);
        } else if (k == 1) {
            coefficient[1] = rounded_to(v.v, 26);
            mpfr_sub_d(v.v, v.v, coefficient[1], MPFR_RNDN);
            g1_rest = nearest(v.v);
            mpfr_set_d(v.v, coefficient[1], MPFR_RNDN);
            mpfr_add_d(v.v, v.v, g1_rest, MPFR_RNDN);
        } else if (k <= n) {
            coefficient[k] = nearest(v.v);
        }
        // The error polynomial in t: b_k minus the kept coefficient.
        mpfr_mul_2si(v.v, v.v, -k, MPFR_RNDN);
        mpfr_sub(error.c[k].v, scaled.c[k].v, v.v, MPFR_RNDN);
    }
    bound_on_interval(error, bound.v);
    mpfr_set_d(rest.v, h, MPFR_RNDN);
    mpfr_pow_ui(rest.v, rest.v, TAYLOR_DEGREE + 1, MPFR_RNDU);
    mpfr_mul(rest.v, rest.v, g[TAYLOR_DEGREE + 1].v, MPFR_RNDU);
    mpfr_abs(rest.v, rest.v, MPFR_RNDU);
    mpfr_mul_2ui(rest.v, rest.v, 1, MPFR_RNDU);
    mpfr_add(bound.v, bound.v, rest.v, MPFR_RNDU);
    row.relative_error = mpfr_get_d(bound.v, MPFR_RNDU); // G >= 1
    row.tail_roundings = tail_roundings_of(coefficient, n, 0.5 * (1 + 0x1p-40));
    // sum_{k>3} k |G_k| h^(k-1) in units of D: |G_k d^k| = |g_k (2h)^k| |D|^k.
    mpfr_set_d(power.v, h, MPFR_RNDU);
    mpfr_pow_ui(power.v, power.v, 3, MPFR_RNDU);
    mpfr_set_zero(bound.v, 1);
    for (int k = 4; k <= TAYLOR_DEGREE + 1; ++k) {
        mpfr_mul_ui(term.v, g[k].v, static_cast<unsigned long>(k), MPFR_RNDU);
        mpfr_abs(term.v, term.v, MPFR_RNDU);
        mpfr_mul(term.v, term.v, power.v, MPFR_RNDU);
        mpfr_add(bound.v, bound.v, term.v, MPFR_RNDU);
        mpfr_mul_d(power.v, power.v, h, MPFR_RNDU);
    }
    mpfr_mul_d(bound.v, bound.v, 2 * h, MPFR_RNDU); // per unit of D
    row.slope_rest = mpfr_get_d(bound.v, MPFR_RNDU);
    row.value[0] = coefficient[0];
    row.value[1] = g0_lo;
    row.value[2] = coefficient[1];
    row.value[3] = g1_rest;
    for (int k = 2; k <= n; ++k) {
        row.value[2 + k] = coefficient[k];
    }
    return row;
}

} // namespace

int main()
{
    Number pi;
    mpfr_const_pi(pi.v, MPFR_RNDN);

    std::printf(
        "// Constants of revareza::rounded (rounded_*.cpp, fixed_point.cpp), written by\n"
        "// tools/generate_rounded_math_tables (MPFR, 2400-bit arithmetic); do not\n"
        "// edit. Doubles are exact hexadecimal values; a pair {hi, lo} is hi = RN(v),\n"
        "// lo = RN(v - hi), so hi + lo is v to within 2^-106 |v|. A head is a double\n"
        "// rounded to 26 bits, so that its product with 27 bits is exact.\n"
        "#pragma once\n\n#include <cstdint>\n\nnamespace revareza::rounded::internal {\n\n");

    // 2/pi. The slow path reduces x = m 2^e (m < 2^53, e <= 971) by
    // multiplying m by a window of these bits: the bits of weight above
    // 2^(32-e-g) only add multiples of 2^32 quadrants (g = 8 for steps of
    // pi/512), so the window starts at word floor((e+g)/32) - 1 and runs for
    // n+5 words when n words of fraction are wanted. The largest window,
    // e + g = 979 and n = 16 (the slow path's second precision), ends at word
    // 29 + 21 = 50; 56 words leave room. With the n+5 words the bits left out
    // are worth less than 2^-43 of the last fraction word kept, whatever the
    // exponent, so the reduced argument is exact to the precision asked for,
    // even for the double closest to a multiple of pi/2 (6381956970095103
    // 2^797, 2^-61 away).
    std::uint32_t two_over_pi[TWO_OVER_PI_WORDS];
    {
        Number v;
        mpfr_ui_div(v.v, 2, pi.v, MPFR_RNDN);
        words_of(v.v, TWO_OVER_PI_WORDS, false, two_over_pi);
        std::printf("// 2/pi: word k holds the bits of weight 2^(-32k-1) .. 2^(-32k-32).\n"
                    "inline constexpr int TWO_OVER_PI_WORDS = %d;\n", TWO_OVER_PI_WORDS);
        print_words("TWO_OVER_PI", "TWO_OVER_PI_WORDS", two_over_pi, TWO_OVER_PI_WORDS);
    }
    // The same bits for the fast path, which takes any 32 of them in a row
    // from one 64-bit word: word n holds the bits of weight 2^(-32(n-2)-1) ..
    // 2^(-32(n-2)-64), those of weight 2^0 and above being zeros (so that
    // the window of an exponent below 0 needs no test). Words up to 36 serve
    // the largest exponent.
    {
        std::printf("// 2/pi again: word n holds the bits of weight 2^(-32n+63) .. 2^(-32n), the\n"
                    "// bits of weight 1 and above (n < 2) zeros.\n"
                    "inline constexpr int TWO_OVER_PI_PAIRS = %d;\n"
                    "inline constexpr std::uint64_t TWO_OVER_PI_64[TWO_OVER_PI_PAIRS] = {",
                    TWO_OVER_PI_PAIRS);
        for (int n = 0; n < TWO_OVER_PI_PAIRS; ++n) {
            const auto word = [&](int k) -> std::uint64_t { return k >= 0 ? two_over_pi[k] : 0; };
            const std::uint64_t pair = (word(n - 2) << 32) | word(n - 1);
            std::printf("%s0x%016llx%s", n % 3 == 0 ? "\n    " : " ", static_cast<unsigned long long>(pair),
                        n + 1 < TWO_OVER_PI_PAIRS ? "," : "");
        }
        std::printf("};\n\n");
    }
    // pi/2 in fixed point for the slow path: word 0 is the integer part (1),
    // word k the bits of weight 2^(-32k+31) .. 2^(-32k); truncated.
    {
        Number v;
        mpfr_div_2ui(v.v, pi.v, 1, MPFR_RNDN);
        std::uint32_t words[PI_HALF_WORDS];
        words_of(v.v, PI_HALF_WORDS, true, words);
        std::printf("// pi/2 in fixed point: word 0 the integer part, word k the weight 2^(-32k) unit.\n"
                    "inline constexpr int PI_HALF_WORDS = %d;\n", PI_HALF_WORDS);
        print_words("PI_HALF_FIXED", "PI_HALF_WORDS", words, PI_HALF_WORDS);
    }

    // Double and double-double constants.
    {
        Number v, rest;
        double hi = 0, lo = 0;
        mpfr_div_2ui(v.v, pi.v, 1, MPFR_RNDN);
        split(v.v, hi, lo);
        std::printf("inline constexpr double PI_HALF_HI = %a, PI_HALF_LO = %a;\n", hi, lo);
        split(pi.v, hi, lo);
        std::printf("inline constexpr double PI_HI = %a, PI_LO = %a;\n", hi, lo);
        // A third word of pi, for atan2 near -x, whose result is pi less a
        // small angle.
        mpfr_sub_d(v.v, pi.v, hi, MPFR_RNDN);
        mpfr_sub_d(v.v, v.v, lo, MPFR_RNDN);
        const double third_word = nearest(v.v);
        mpfr_sub_d(v.v, v.v, third_word, MPFR_RNDN);
        std::printf("inline constexpr double PI_REST = %a; // pi - PI_HI - PI_LO rounded; less than 2^%ld left\n",
                    third_word, mpfr_get_exp(v.v));
        mpfr_div_ui(v.v, pi.v, SIN_STEPS, MPFR_RNDN);
        split(v.v, hi, lo);
        const double head = rounded_to(v.v, 26);
        std::printf("inline constexpr double PI_512_HI = %a, PI_512_LO = %a;\n"
                    "inline constexpr double PI_512_HEAD = %a, PI_512_TAIL = %a; // of PI_512_HI\n",
                    hi, lo, head, tail_of(hi, head));
        mpfr_ui_div(rest.v, SIN_STEPS, pi.v, MPFR_RNDN);
        std::printf("inline constexpr double INV_PI_512 = %a; // RN(512/pi)\n", nearest(rest.v));
        // Cody-Waite pieces of pi/512 for |k| < 2^24: multiples of 2^-36 (29
        // bits), 2^-61 (24 bits) and 2^-90 (28 bits), so that k times each is
        // exact, and x - k PI_512_1 and the next difference fall on multiples
        // of 2^-61 below 2^-8 (exact); then the rest rounded.
        const double first = rounded_to_multiple(v.v, -36);
        mpfr_sub_d(v.v, v.v, first, MPFR_RNDN);
        const double second = rounded_to_multiple(v.v, -61);
        mpfr_sub_d(v.v, v.v, second, MPFR_RNDN);
        const double third = rounded_to_multiple(v.v, -90);
        mpfr_sub_d(v.v, v.v, third, MPFR_RNDN);
        const double fourth = nearest(v.v);
        mpfr_sub_d(v.v, v.v, fourth, MPFR_RNDN);
        std::printf("// pi/512 = PI_512_1 + ... + PI_512_4 + (less than 2^%ld): multiples of 2^-36,\n"
                    "// 2^-61 and 2^-90, then the rest rounded.\n"
                    "inline constexpr double PI_512_1 = %a, PI_512_2 = %a;\n"
                    "inline constexpr double PI_512_3 = %a, PI_512_4 = %a;\n\n",
                    mpfr_get_exp(v.v), first, second, third, fourth);
    }

    // sin(i pi/512), i = 0..256, as {hi, lo, head, rest}: hi + lo the value
    // (a DD), head the 26 bits of hi, rest = RN(value - head).
    std::printf("// sin(i pi/512) for i = 0..256 as {hi, lo, head, rest}: hi + lo the value, head\n"
                "// the 26 bits of hi, rest the value - head rounded; cos(i pi/512) is entry\n"
                "// 256 - i.\n"
                "inline constexpr double SIN_PI_512[257][4] = {\n");
    for (int i = 0; i <= SIN_STEPS / 2; ++i) {
        Number v, rest;
        double hi = 0, lo = 0;
        mpfr_mul_ui(v.v, pi.v, static_cast<unsigned long>(i), MPFR_RNDN);
        mpfr_div_ui(v.v, v.v, SIN_STEPS, MPFR_RNDN);
        mpfr_sin(v.v, v.v, MPFR_RNDN);
        split(v.v, hi, lo);
        mpfr_set_d(rest.v, hi, MPFR_RNDN);
        const double head = rounded_to(rest.v, 26);
        mpfr_sub_d(rest.v, v.v, head, MPFR_RNDN);
        std::printf("    {%a, %a, %a, %a},\n", hi, lo, head, nearest(rest.v));
    }
    std::printf("};\n\n");

    // G(w) = asin(sqrt w)/sqrt w on [0, 1/4] by polynomials in d = w - c,
    // c = i/256: the least degree that keeps every row's error below
    // RATIO_TARGET.
    {
        const ChebyshevBasis basis;
        int degree = 3;
        RatioRow rows[ASIN_RATIO_INTERVALS + 1];
        double worst = 0, roundings = 0, slope_rest = 0;
        do {
            ++degree;
            if (degree > TAYLOR_DEGREE / 2) {
                fail("no degree reaches the target");
            }
            worst = roundings = slope_rest = 0;
            for (int i = 0; i <= ASIN_RATIO_INTERVALS; ++i) {
                rows[i] = ratio_row(basis, i, degree);
                worst = rows[i].relative_error > worst ? rows[i].relative_error : worst;
                roundings = rows[i].tail_roundings > roundings ? rows[i].tail_roundings : roundings;
                slope_rest = rows[i].slope_rest > slope_rest ? rows[i].slope_rest : slope_rest;
            }
        } while (worst > RATIO_TARGET);
        std::printf("// G(w) = asin(sqrt w)/sqrt w (1 + w/6 + 3w^2/40 + ...) for w in [0, 1/4], by\n"
                    "// the nearest c = i/256: a polynomial in D = 256 (w - c), |D| <= 1/2, {G0 hi,\n"
                    "// G0 lo, G1 head, G1 rest, G2, ..., G%d}, the Chebyshev series of G(c + D/256)\n"
                    "// cut after degree %d. With G0 and G1 as written and G2 .. G%d before their\n"
                    "// rounding, it is within ASIN_RATIO_ERROR G(w) of G(w) on every row, and\n"
                    "// within (1 + 2^-30) times that for |D| up to 2^-44 past 1/2 (there |T_j(t)|\n"
                    "// <= 1 + j^2 (|t| - 1)). The tail T = G2 D^2 + ... + G%d D^%d, as the library\n"
                    "// evaluates it, is within ASIN_RATIO_TAIL_ROUNDINGS u |T| of its value\n"
                    "// (u = 2^-53, to first order; see the generator). G1 + 2 G2 D + 3 G3 D^2 is\n"
                    "// within ASIN_RATIO_SLOPE_REST of dG/dD.\n"
                    "inline constexpr int ASIN_RATIO_INTERVALS = %d;\n"
                    "inline constexpr int ASIN_RATIO_DEGREE = %d;\n"
                    "inline constexpr double ASIN_RATIO_ERROR = %a;\n"
                    "inline constexpr double ASIN_RATIO_TAIL_ROUNDINGS = %a;\n"
                    "inline constexpr double ASIN_RATIO_SLOPE_REST = %a;\n"
                    "inline constexpr double ASIN_RATIO[ASIN_RATIO_INTERVALS + 1][ASIN_RATIO_DEGREE + 3] = {\n",
                    degree, degree, degree, degree, degree, ASIN_RATIO_INTERVALS, degree, worst, roundings,
                    slope_rest);
        for (const RatioRow& row : rows) {
            std::printf("    {");
            for (int k = 0; k < degree + 3; ++k) {
                std::printf("%a%s", row.value[k], k + 1 < degree + 3 ? ", " : "},\n");
            }
        }
        std::printf("};\n\n");
    }
    std::printf("} // namespace revareza::rounded::internal\n");
    mpfr_free_cache();
    return std::fflush(stdout) == 0 ? 0 : 1;
}
