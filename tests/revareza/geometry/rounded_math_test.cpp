// revareza::rounded against MPFR (round to nearest, 53 bits, subnormals as
// doubles have them), bit for bit:
//
//   rounded_math_test HARD_CASES COUNT [PART PARTS]
//
// For each function (atan2_near_axis against mpfr_atan2, and the positive
// quiet NaN outside its domain): the special values below; the hard cases
// of the file (arguments whose value lies closest to a midpoint between
// doubles); and COUNT arguments drawn over the whole double range and the
// ranges the library meets (arguments i = PART, PART + PARTS, ... of them,
// so that processes can share the work). On every argument the fast path's
// approximation must lie within its own error bound of the exact value, and
// on one in 8 (one in 64 at the slow path's second precision) the slow path
// alone must give the right double. Prints what it saw; fails on any miss.
#include <revareza/geometry/rounded_math.hpp>
#include <revareza/geometry/detail/rounded_math_internal.hpp>

#include "tools/rounded_math_arguments.hpp"

#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using revareza::rounded::internal::Approximation;
using revareza::rounded::internal::bits_of;
using revareza::rounded::internal::from_bits;
using revareza::rounded::internal::Function;

// A function of one argument x, or atan2_near_axis(x, x2) when atan2 is set.
struct Checked {
    const char* name;
    Function function;
    int (*mpfr_function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    double (*library)(double);
    bool atan2 = false;
    long arguments = 0, mismatches = 0, fast = 0, fast_undecided = 0, outside_bound = 0;
    long slow[2] = {0, 0};
    double worst_ratio = 0, worst_relative = 0, hardest = 1, hardest_argument = 0, hardest_x2 = 0;
};

// f(x) or atan2(x, x2) at r's precision; the ternary value.
int exact_value(const Checked& c, mpfr_ptr r, double x, double x2)
{
    mpfr_t a, b;
    mpfr_inits2(53, a, b, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, x, MPFR_RNDN);
    mpfr_set_d(b, x2, MPFR_RNDN);
    const int inexact = c.atan2 ? mpfr_atan2(r, a, b, MPFR_RNDN) : c.mpfr_function(r, a, MPFR_RNDN);
    mpfr_clears(a, b, static_cast<mpfr_ptr>(nullptr));
    return inexact;
}

// Inside atan2_near_axis's domain: finite, |y| 2^10 < |x| (exactly, in MPFR).
bool in_atan2_domain(double y, double x)
{
    if (!std::isfinite(y) || !std::isfinite(x)) {
        return false;
    }
    mpfr_t a, b;
    mpfr_inits2(53, a, b, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, y, MPFR_RNDN);
    mpfr_mul_2si(a, a, 10, MPFR_RNDN); // exact, or +-inf past the range, as it should
    mpfr_set_d(b, x, MPFR_RNDN);
    const bool inside = mpfr_cmpabs(a, b) < 0;
    mpfr_clears(a, b, static_cast<mpfr_ptr>(nullptr));
    return inside;
}

// MPFR's correctly rounded double.
double reference(const Checked& c, double x, double x2)
{
    if (c.atan2 && !in_atan2_domain(x, x2)) {
        return from_bits(0x7ff8000000000000u);
    }
    mpfr_t r;
    mpfr_init2(r, 53);
    const int inexact = exact_value(c, r, x, x2);
    mpfr_subnormalize(r, inexact, MPFR_RNDN);
    const double d = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clear(r);
    return d;
}

std::string hex(double x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%a", x);
    return text;
}

// Bit for bit; any NaN for NaN, except atan2's one NaN.
bool same(const Checked& c, double a, double b)
{
    return bits_of(a) == bits_of(b) || (!c.atan2 && a != a && b != b);
}

void report_miss(const Checked& c, const char* what, double x, double x2, double got, double want)
{
    if (c.atan2) {
        std::printf("MISS %s(%a, %a) %s: %a, MPFR %a\n", c.name, x, x2, what, got, want);
    } else {
        std::printf("MISS %s(%a) %s: %a, MPFR %a\n", c.name, x, what, got, want);
    }
}

// The exact value at 160 bits against the fast path's approximation and
// bound; also how close the value comes to a midpoint.
void check_fast(Checked& c, double x, double x2, double want)
{
    namespace internal = revareza::rounded::internal;
    Approximation a{};
    if (!(c.atan2 ? internal::fast_atan2_approximation(x, x2, a) : internal::fast_approximation(c.function, x, a))) {
        return;
    }
    ++c.fast;
    mpfr_t exact, d, ulp;
    mpfr_inits2(160, exact, d, ulp, static_cast<mpfr_ptr>(nullptr));
    exact_value(c, exact, x, x2);
    mpfr_sub_d(d, exact, a.high, MPFR_RNDN);
    mpfr_sub_d(d, d, a.low, MPFR_RNDN);
    mpfr_abs(d, d, MPFR_RNDN);
    const double error = mpfr_get_d(d, MPFR_RNDU);
    if (!(error <= a.error)) {
        ++c.outside_bound;
        std::printf("MISS %s(%a, %a): fast path off by %a, bound %a\n", c.name, x, x2, error, a.error);
    }
    if (error / a.error > c.worst_ratio) {
        c.worst_ratio = error / a.error;
    }
    const double relative = error / std::fabs(a.high);
    if (relative > c.worst_relative) {
        c.worst_relative = relative;
    }
    // Undecided when the ends of the bound round apart (as the library tests).
    mpfr_set_d(d, a.high, MPFR_RNDN);
    mpfr_add_d(d, d, a.low, MPFR_RNDN);
    mpfr_sub_d(ulp, d, a.error, MPFR_RNDN);
    mpfr_add_d(d, d, a.error, MPFR_RNDN);
    if (mpfr_get_d(ulp, MPFR_RNDN) != mpfr_get_d(d, MPFR_RNDN)) {
        ++c.fast_undecided;
    }
    // How near a midpoint the value lies, in ulps of the result on its side.
    const double side = std::fabs(want);
    const bool away = (mpfr_cmp_d(exact, want) > 0) == (want > 0);
    const double gap = away ? std::nextafter(side, INFINITY) - side : side - std::nextafter(side, 0.0);
    mpfr_sub_d(d, exact, want, MPFR_RNDN);
    mpfr_div_d(d, d, gap, MPFR_RNDN);
    mpfr_abs(d, d, MPFR_RNDN);
    mpfr_d_sub(d, 0.5, d, MPFR_RNDN);
    const double to_midpoint = mpfr_get_d(d, MPFR_RNDN);
    if (to_midpoint < c.hardest) {
        c.hardest = to_midpoint;
        c.hardest_argument = x;
        c.hardest_x2 = x2;
    }
    mpfr_clears(exact, d, ulp, static_cast<mpfr_ptr>(nullptr));
}

void check(Checked& c, double x, double x2, bool slow_too, bool second_precision_too)
{
    namespace internal = revareza::rounded::internal;
    const double want = reference(c, x, x2);
    const double got = c.atan2 ? revareza::rounded::atan2_near_axis(x, x2) : c.library(x);
    ++c.arguments;
    if (!same(c, got, want)) {
        ++c.mismatches;
        report_miss(c, "", x, x2, got, want);
    }
    check_fast(c, x, x2, want);
    for (int level = 0; level < (second_precision_too ? 2 : slow_too ? 1 : 0); ++level) {
        double slow = 0;
        ++c.slow[level];
        const int limbs = 8 << level;
        if (!(c.atan2 ? internal::slow_atan2_result(x, x2, limbs, slow)
                      : internal::slow_result(c.function, x, limbs, slow))
            || !same(c, slow, want)) {
            ++c.mismatches;
            report_miss(c, level == 0 ? "slow path, 8 words" : "slow path, 16 words", x, x2, slow, want);
        }
    }
}

struct Special {
    Function function;
    double x;
    std::uint64_t expected;
};

const double INF = INFINITY;
const double NAN_POSITIVE = from_bits(0x7ff8000000000000u);
const double NAN_NEGATIVE = from_bits(0xfff8000000000000u);
const double NAN_SIGNALING = from_bits(0x7ff0000000000001u); // comes back quiet, payload kept

const Special SPECIALS[] = {
    {Function::ACOS, 1.0, bits_of(0.0)},
    {Function::ACOS, -1.0, bits_of(0x1.921fb54442d18p+1)},
    {Function::ACOS, 0.0, bits_of(0x1.921fb54442d18p+0)},
    {Function::ACOS, -0.0, bits_of(0x1.921fb54442d18p+0)},
    {Function::ACOS, 0x1.0000000000001p0, 0x7ff8000000000000u},   // a dot product just past 1
    {Function::ACOS, -0x1.0000000000001p0, 0x7ff8000000000000u},
    {Function::ACOS, INF, 0x7ff8000000000000u},
    {Function::ACOS, -INF, 0x7ff8000000000000u},
    {Function::ACOS, NAN_POSITIVE, 0x7ff8000000000000u},
    {Function::ACOS, NAN_NEGATIVE, 0xfff8000000000000u},
    {Function::ACOS, NAN_SIGNALING, 0x7ff8000000000001u},
    {Function::SIN, 0.0, bits_of(0.0)},
    {Function::SIN, -0.0, bits_of(-0.0)},
    {Function::SIN, 0x1p-1074, bits_of(0x1p-1074)},
    {Function::SIN, INF, 0xfff8000000000000u},
    {Function::SIN, -INF, 0xfff8000000000000u},
    {Function::SIN, NAN_POSITIVE, 0x7ff8000000000000u},
    {Function::SIN, NAN_NEGATIVE, 0xfff8000000000000u},
    {Function::SIN, NAN_SIGNALING, 0x7ff8000000000001u},
    {Function::COS, 0.0, bits_of(1.0)},
    {Function::COS, -0.0, bits_of(1.0)},
    {Function::COS, INF, 0xfff8000000000000u},
    {Function::COS, -INF, 0xfff8000000000000u},
    {Function::COS, NAN_POSITIVE, 0x7ff8000000000000u},
    {Function::COS, NAN_NEGATIVE, 0xfff8000000000000u},
    {Function::COS, NAN_SIGNALING, 0x7ff8000000000001u},
};

// atan2_near_axis where the domain, a zero, the sizes or the subnormals
// decide (checked as the random arguments are): the boundary |y| = 2^-10
// |x| and just inside, NaN and infinities, t = |y/x| on a midpoint or a
// multiple of the least subnormal, at 2^-1022, around 2^-53.
const double ATAN2_EDGES[][2] = {
    {0.0, 1.0}, {-0.0, 1.0}, {0.0, -1.0}, {-0.0, -1.0}, {0.0, 0x1p-1074}, {-0.0, -0x1p-1074},
    {0.0, 0.0}, {-0.0, -0.0}, {0x1p-1074, 0.0}, {0.0, INF}, {1.0, -INF}, {INF, 1.0}, {-INF, INF},
    {NAN_POSITIVE, 1.0}, {NAN_NEGATIVE, -1.0}, {1.0, NAN_SIGNALING}, {0.0, NAN_NEGATIVE},
    {0x1p-10, 1.0}, {-0x1p-10, -1.0}, {0x1.fffffffffffffp-11, 1.0}, {-0x1.fffffffffffffp-11, -1.0},
    {0x1p-1074, 0x1p-1064}, {0x1p-1074, 0x1.004p-1064}, {0x1p-1074, -0x1.8p-1063},
    {0x1p-1074, 0x1.fffffffffffffp1023}, {-0x1p-1074, 0x1p1023}, {1e-300, 1e308}, {0x1p-1074, -0x1p1023},
    {0x1.8p-1073, 2.0}, {0x1p-1074, 2.0}, {-0x1.8p-1073, 4.0}, {0x1.8p-1000, 0x1p75}, {0x1p-1021, 2.0},
    {0x0.fffffffffffffp-1022, 1.0}, {0x1.0000000000001p-1022, 1.0}, {-0x1.5555555555555p-1000, 0x1.5555555555555p50},
    {0x1p-54, 1.0}, {0x1.fffffffffffffp-54, -1.0}, {0x1p-53, 1.0}, {-0x1p-53, -1.0}, {0x1p-52, -1.0},
    {0x1p1012, 0x1.fffffffffffffp1023}, {-0x1.fffffffffffffp1012, -0x1.fffffffffffffp1023},
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: rounded_math_test HARD_CASES COUNT [PART PARTS]\n");
        return 2;
    }
    const long count = std::atol(argv[2]);
    const long part = argc == 5 ? std::atol(argv[3]) : 0;
    const long parts = argc == 5 ? std::atol(argv[4]) : 1;
    mpfr_set_emin(-1073); // the exponent range of doubles, subnormals by mpfr_subnormalize
    mpfr_set_emax(1024);

    Checked functions[] = {
        {"acos", Function::ACOS, mpfr_acos, revareza::rounded::acos},
        {"sin", Function::SIN, mpfr_sin, revareza::rounded::sin},
        {"cos", Function::COS, mpfr_cos, revareza::rounded::cos},
        {"atan2_near_axis", Function::ACOS, nullptr, nullptr, true}, // by mpfr_atan2; no Function
    };
    Checked& atan2 = functions[3];
    bool failed = false;
    for (const Special& s : SPECIALS) {
        Checked& c = functions[static_cast<int>(s.function)];
        const double got = c.library(s.x);
        if (bits_of(got) != s.expected) {
            report_miss(c, "special value", s.x, 0, got, from_bits(s.expected));
            failed = true;
        }
    }
    for (const auto& e : ATAN2_EDGES) {
        check(atan2, e[0], e[1], true, true);
    }

    long hard_cases = 0;
    if (part == 0) {
        std::ifstream in(argv[1]);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", argv[1]);
            return 2;
        }
        std::string name, value;
        while (in >> name) {
            if (name[0] == '#') {
                std::getline(in, value);
                continue;
            }
            in >> value;
            std::string x2 = "0"; // atan2_near_axis y x
            if (name == atan2.name) {
                in >> x2;
            }
            for (Checked& c : functions) {
                if (name == c.name) {
                    check(c, std::strtod(value.c_str(), nullptr), std::strtod(x2.c_str(), nullptr), true, true);
                    ++hard_cases;
                }
            }
        }
    }
    for (long i = part; i < count; i += parts) {
        // The slow path on whole blocks of 30, every kind of argument alike.
        const bool slow = i / 30 % 8 == 0, second = i / 30 % 64 == 0;
        check(functions[0], rounded_math_arguments::acos_argument(i), 0, slow, second);
        check(functions[1], rounded_math_arguments::sin_cos_argument(i, 1), 0, slow, second);
        check(functions[2], rounded_math_arguments::sin_cos_argument(i, 2), 0, slow, second);
        const rounded_math_arguments::YX a = rounded_math_arguments::atan2_arguments(i);
        check(atan2, a.y, a.x, slow, second);
    }

    std::printf("%ld hard cases, %ld arguments per function (part %ld of %ld)\n", hard_cases, count, part + 1, parts);
    for (const Checked& c : functions) {
        std::printf("%-4s %9ld arguments, %ld mismatches; fast path %ld (%ld undecided), error at most 2^%.1f "
                    "of the result, %.3f of its bound, %ld beyond; slow path alone %ld + %ld; "
                    "hardest: %a%s, 2^%.1f ulp from a midpoint\n",
                    c.name, c.arguments, c.mismatches, c.fast, c.fast_undecided,
                    c.worst_relative > 0 ? std::log2(c.worst_relative) : -999.0, c.worst_ratio, c.outside_bound,
                    c.slow[0], c.slow[1], c.hardest_argument, c.atan2 ? (", " + hex(c.hardest_x2)).c_str() : "",
                    std::log2(c.hardest));
        failed = failed || c.mismatches != 0 || c.outside_bound != 0;
    }
    mpfr_free_cache();
    return failed ? 1 : 0;
}
