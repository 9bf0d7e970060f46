// Writes revareza/geometry/rounded_math_tables.hpp, the constants of the
// library's correctly rounded acos, sin and cos, computed with MPFR at 2400
// bits (every constant is printed exactly: hexadecimal doubles, 32-bit words).
//
//   generate_rounded_math_tables > revareza/geometry/rounded_math_tables.hpp
//
// Built only where MPFR is installed (libmpfr-dev); the library itself never
// links MPFR. Run it again only to change a table.
#include <mpfr.h>

#include <cstdint>
#include <cstdio>

namespace {

constexpr mpfr_prec_t PREC = 2400;
constexpr int TWO_OVER_PI_WORDS = 56;
constexpr int PI_HALF_WORDS = 20;
constexpr int SIN_STEPS = 512;      // table of sin(i pi/512), i = 0..256
constexpr int ASIN_INTERVALS = 64;  // [0, 1/2] in intervals of 1/128
constexpr int ASIN_MAX_DEGREE = 40; // terms computed to bound the tail

struct Number {
    mpfr_t v;
    Number() { mpfr_init2(v, PREC); mpfr_set_zero(v, 1); }
    ~Number() { mpfr_clear(v); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;
};

double nearest(const mpfr_t v) { return mpfr_get_d(v, MPFR_RNDN); }

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

} // namespace

int main()
{
    Number pi;
    mpfr_const_pi(pi.v, MPFR_RNDN);

    std::printf(
        "// Constants of rounded_math.cpp, written by tools/generate_rounded_math_tables\n"
        "// (MPFR, 2400-bit arithmetic); do not edit. Doubles are exact hexadecimal\n"
        "// values; a pair {hi, lo} is hi = RN(v), lo = RN(v - hi), so hi + lo is v to\n"
        "// within 2^-106 |v|.\n"
        "#pragma once\n\n#include <cstdint>\n\nnamespace revareza::rounded::internal {\n\n");

    // 2/pi. sin and cos reduce x = m 2^e (m < 2^53, e <= 971) by multiplying
    // m by a window of these bits: the bits of weight above 2^(32-e-g) only add
    // multiples of 2^32 quadrants (g = 8 for steps of pi/512), so the window
    // starts at word floor((e+g)/32) - 1 and runs for n+5 words when n words of
    // fraction are wanted. The largest window, e + g = 979 and n = 16 (the
    // slow path's second precision), ends at word 29 + 21 = 50; 56 words leave
    // room. With the n+5 words the bits left out are worth less than 2^-43 of
    // the last fraction word kept, whatever the exponent, so the reduced
    // argument is exact to the precision asked for, even for the double closest
    // to a multiple of pi/2 (6381956970095103 2^797, 2^-61 away).
    {
        Number v;
        mpfr_ui_div(v.v, 2, pi.v, MPFR_RNDN);
        std::uint32_t words[TWO_OVER_PI_WORDS];
        words_of(v.v, TWO_OVER_PI_WORDS, false, words);
        std::printf("// 2/pi: word k holds the bits of weight 2^(-32k-1) .. 2^(-32k-32).\n"
                    "inline constexpr int TWO_OVER_PI_WORDS = %d;\n", TWO_OVER_PI_WORDS);
        print_words("TWO_OVER_PI", "TWO_OVER_PI_WORDS", words, TWO_OVER_PI_WORDS);
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
        mpfr_div_ui(v.v, pi.v, SIN_STEPS, MPFR_RNDN);
        split(v.v, hi, lo);
        std::printf("inline constexpr double PI_512_HI = %a, PI_512_LO = %a;\n", hi, lo);
        mpfr_ui_div(rest.v, SIN_STEPS, pi.v, MPFR_RNDN);
        std::printf("inline constexpr double INV_PI_512 = %a; // RN(512/pi)\n", nearest(rest.v));
        // Cody-Waite pieces of pi/512: three of 25 bits, so that k*piece is
        // exact for |k| < 2^28, then the rest rounded to 53 bits; what is left
        // is below 2^-136.
        std::printf("// pi/512 = PI_512_1 + PI_512_2 + PI_512_3 + PI_512_4 + (less than 2^-136):\n"
                    "// three pieces of 25 bits (k*piece exact for |k| < 2^28), the rest rounded.\n");
        for (int piece = 1; piece <= 4; ++piece) {
            const double p = rounded_to(v.v, piece < 4 ? 25 : 53);
            std::printf("inline constexpr double PI_512_%d = %a;\n", piece, p);
            mpfr_sub_d(v.v, v.v, p, MPFR_RNDN);
        }
        std::printf("// |pi/512 - (PI_512_1 + ... + PI_512_4)| < 2^%ld\n\n", mpfr_get_exp(v.v));
    }

    // sin(i pi/512), i = 0..256: cos(i pi/512) is entry 256 - i.
    std::printf("// sin(i pi/512) for i = 0..256 as {hi, lo}; cos(i pi/512) is entry 256 - i.\n"
                "inline constexpr double SIN_PI_512[257][2] = {\n");
    for (int i = 0; i <= SIN_STEPS / 2; ++i) {
        Number v;
        double hi = 0, lo = 0;
        mpfr_mul_ui(v.v, pi.v, static_cast<unsigned long>(i), MPFR_RNDN);
        mpfr_div_ui(v.v, v.v, SIN_STEPS, MPFR_RNDN);
        mpfr_sin(v.v, v.v, MPFR_RNDN);
        split(v.v, hi, lo);
        std::printf("    {%a, %a},\n", hi, lo);
    }
    std::printf("};\n\n");

    // asin on [0, 1/2]. Interval 0, [0, 1/128), by the odd series
    // u + u^3/6 + 3u^5/40 + ...: its first left-out term, 231u^13/13312, is
    // below 2^-90 u. Intervals i = 1..63 by the Taylor series about
    // c = (i + 1/2)/128 in d = u - c, |d| <= 1/256. With g the series of
    // asin' = (1 - (c+d)^2)^(-1/2) = sum g_k d^k, from (1 - c^2 - 2cd - d^2) g' =
    // (c + d) g: g_{k+1} = (2c (k + 1/2) g_k + k g_{k-1}) / ((1 - c^2)(k + 1)),
    // and asin(c + d) = asin(c) + sum g_k d^(k+1)/(k+1). The degree kept is the
    // least for which the terms left out (summed up to degree 40, the rest
    // bounded as a geometric series) stay below 2^-80 asin(c - 1/256) on every
    // interval.
    {
        static const int odd_num[] = {1, 3, 15, 105, 945};
        static const int odd_den[] = {6, 40, 336, 3456, 42240};
        std::printf("// asin(u) = u + u^3 (A1 + u^2 (A3 + ...)) on [0, 1/128).\n"
                    "inline constexpr double ASIN_ODD[5] = {");
        for (int k = 0; k < 5; ++k) {
            Number v;
            mpfr_set_ui(v.v, static_cast<unsigned long>(odd_num[k]), MPFR_RNDN);
            mpfr_div_ui(v.v, v.v, static_cast<unsigned long>(odd_den[k]), MPFR_RNDN);
            std::printf("%a%s", nearest(v.v), k < 4 ? ", " : "};\n\n");
        }

        static double table[ASIN_INTERVALS][ASIN_MAX_DEGREE + 3];
        int degree = 2;
        double worst_tail = 0; // log2 of tail / asin(c - h), the largest over intervals
        for (int i = 1; i < ASIN_INTERVALS; ++i) {
            Number c, a, g0, g1, g2, t, coefficient, h, hk, tail, low_end;
            mpfr_set_d(c.v, (i + 0.5) / 128.0, MPFR_RNDN);
            mpfr_set_d(h.v, 1.0 / 256.0, MPFR_RNDN);
            mpfr_sqr(a.v, c.v, MPFR_RNDN);
            mpfr_ui_sub(a.v, 1, a.v, MPFR_RNDN); // 1 - c^2
            mpfr_rec_sqrt(g1.v, a.v, MPFR_RNDN); // g_0
            mpfr_set_zero(g0.v, 1);              // g_{-1}
            Number coefficients[ASIN_MAX_DEGREE + 1];
            mpfr_asin(coefficients[0].v, c.v, MPFR_RNDN);
            for (int k = 0; k < ASIN_MAX_DEGREE; ++k) {
                mpfr_div_ui(coefficients[k + 1].v, g1.v, static_cast<unsigned long>(k + 1), MPFR_RNDN);
                // g_{k+1} = (2c (k + 1/2) g_k + k g_{k-1}) / ((1 - c^2)(k + 1))
                mpfr_mul(t.v, c.v, g1.v, MPFR_RNDN);
                mpfr_mul_ui(t.v, t.v, static_cast<unsigned long>(2 * k + 1), MPFR_RNDN);
                mpfr_mul_ui(g2.v, g0.v, static_cast<unsigned long>(k), MPFR_RNDN);
                mpfr_add(t.v, t.v, g2.v, MPFR_RNDN);
                mpfr_div(t.v, t.v, a.v, MPFR_RNDN);
                mpfr_div_ui(t.v, t.v, static_cast<unsigned long>(k + 1), MPFR_RNDN);
                mpfr_set(g0.v, g1.v, MPFR_RNDN);
                mpfr_set(g1.v, t.v, MPFR_RNDN);
            }
            mpfr_sub(low_end.v, c.v, h.v, MPFR_RNDN);
            mpfr_asin(low_end.v, low_end.v, MPFR_RNDN);
            // Least degree whose tail is small enough on this interval.
            for (int d = 2;; ++d) {
                mpfr_set_zero(tail.v, 1);
                mpfr_pow_ui(hk.v, h.v, static_cast<unsigned long>(d + 1), MPFR_RNDN);
                for (int k = d + 1; k <= ASIN_MAX_DEGREE; ++k) {
                    mpfr_mul(t.v, coefficients[k].v, hk.v, MPFR_RNDN);
                    mpfr_abs(t.v, t.v, MPFR_RNDN);
                    mpfr_add(tail.v, tail.v, t.v, MPFR_RNDN);
                    mpfr_mul(hk.v, hk.v, h.v, MPFR_RNDN);
                }
                mpfr_mul_2ui(tail.v, tail.v, 1, MPFR_RNDN); // the geometric rest, generously
                mpfr_div(tail.v, tail.v, low_end.v, MPFR_RNDN);
                if (mpfr_cmp_d(tail.v, 0x1p-80) < 0 || d == ASIN_MAX_DEGREE) {
                    if (d > degree) {
                        degree = d;
                    }
                    break;
                }
            }
            for (int k = 0; k <= ASIN_MAX_DEGREE; ++k) {
                table[i][k] = nearest(coefficients[k].v);
            }
            // Low parts of A0 and A1.
            mpfr_sub_d(t.v, coefficients[0].v, table[i][0], MPFR_RNDN);
            table[i][ASIN_MAX_DEGREE + 1] = nearest(t.v);
            mpfr_sub_d(t.v, coefficients[1].v, table[i][1], MPFR_RNDN);
            table[i][ASIN_MAX_DEGREE + 2] = nearest(t.v);
        }
        // The tail at the degree kept, for the comment.
        for (int i = 1; i < ASIN_INTERVALS; ++i) {
            double sum = 0, hk = 1;
            for (int k = 1; k <= ASIN_MAX_DEGREE; ++k) {
                hk /= 256.0;
                if (k > degree) {
                    sum += (table[i][k] < 0 ? -table[i][k] : table[i][k]) * hk;
                }
            }
            double lo_end = table[i][0] - 1.0 / 256.0 * table[i][1];
            double ratio = 2 * sum / lo_end;
            if (ratio > worst_tail) {
                worst_tail = ratio;
            }
        }
        std::printf("// asin(c + d) for |d| <= 1/256, c = (i + 1/2)/128, i = 1..63: {A0 hi, A0 lo,\n"
                    "// A1 hi, A1 lo, A2, ..., A%d}, the Taylor coefficients of degree 0 to %d. The\n"
                    "// terms left out are below %a asin(c - 1/256) on every interval.\n"
                    "inline constexpr int ASIN_DEGREE = %d;\n"
                    "inline constexpr double ASIN_TAYLOR[64][ASIN_DEGREE + 3] = {\n    {},\n",
                    degree, degree, worst_tail, degree);
        for (int i = 1; i < ASIN_INTERVALS; ++i) {
            std::printf("    {%a, %a, %a, %a", table[i][0], table[i][ASIN_MAX_DEGREE + 1], table[i][1],
                        table[i][ASIN_MAX_DEGREE + 2]);
            for (int k = 2; k <= degree; ++k) {
                std::printf(", %a", table[i][k]);
            }
            std::printf("},\n");
        }
        std::printf("};\n\n");
    }
    std::printf("} // namespace revareza::rounded::internal\n");
    mpfr_free_cache();
    return std::fflush(stdout) == 0 ? 0 : 1;
}
