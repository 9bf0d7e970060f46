// revareza::rounded against MPFR (round to nearest, 53 bits, subnormals as
// doubles have them), bit for bit:
//
//   rounded_math_test HARD_CASES COUNT [PART PARTS]
//
// For each function: the special values below; the hard cases of the file
// (arguments whose value lies closest to a midpoint between doubles); and
// COUNT arguments drawn over the whole double range and the ranges the
// library meets (arguments i = PART, PART + PARTS, ... of them, so that
// processes can share the work). On every argument the fast path's
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

struct Checked {
    const char* name;
    Function function;
    int (*mpfr_function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    double (*library)(double);
    long arguments = 0, mismatches = 0, fast = 0, fast_undecided = 0, outside_bound = 0;
    long slow[2] = {0, 0};
    double worst_ratio = 0, worst_relative = 0, hardest = 1, hardest_argument = 0;
};

// MPFR's correctly rounded double.
double reference(const Checked& c, double x)
{
    mpfr_t a, r;
    mpfr_inits2(53, a, r, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, x, MPFR_RNDN);
    const int inexact = c.mpfr_function(r, a, MPFR_RNDN);
    mpfr_subnormalize(r, inexact, MPFR_RNDN);
    const double d = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clears(a, r, static_cast<mpfr_ptr>(nullptr));
    return d;
}

bool same(double a, double b) { return bits_of(a) == bits_of(b) || (a != a && b != b); }

void report_miss(const Checked& c, const char* what, double x, double got, double want)
{
    std::printf("MISS %s(%a) %s: %a, MPFR %a\n", c.name, x, what, got, want);
}

// The exact value at 160 bits against the fast path's approximation and
// bound; also how close the value comes to a midpoint.
void check_fast(Checked& c, double x, double want)
{
    Approximation a{};
    if (!revareza::rounded::internal::fast_approximation(c.function, x, a)) {
        return;
    }
    ++c.fast;
    mpfr_t arg, exact, d, ulp;
    mpfr_inits2(160, arg, exact, d, ulp, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(arg, x, MPFR_RNDN);
    c.mpfr_function(exact, arg, MPFR_RNDN);
    mpfr_sub_d(d, exact, a.high, MPFR_RNDN);
    mpfr_sub_d(d, d, a.low, MPFR_RNDN);
    mpfr_abs(d, d, MPFR_RNDN);
    const double error = mpfr_get_d(d, MPFR_RNDU);
    if (!(error <= a.error)) {
        ++c.outside_bound;
        std::printf("MISS %s(%a): fast path off by %a, bound %a\n", c.name, x, error, a.error);
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
    }
    mpfr_clears(arg, exact, d, ulp, static_cast<mpfr_ptr>(nullptr));
}

void check(Checked& c, double x, bool slow_too, bool second_precision_too)
{
    const double want = reference(c, x);
    const double got = c.library(x);
    ++c.arguments;
    if (!same(got, want)) {
        ++c.mismatches;
        report_miss(c, "", x, got, want);
    }
    check_fast(c, x, want);
    for (int level = 0; level < (second_precision_too ? 2 : slow_too ? 1 : 0); ++level) {
        double slow = 0;
        ++c.slow[level];
        if (!revareza::rounded::internal::slow_result(c.function, x, 8 << level, slow) || !same(slow, want)) {
            ++c.mismatches;
            report_miss(c, level == 0 ? "slow path, 8 words" : "slow path, 16 words", x, slow, want);
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
    };
    bool failed = false;
    for (const Special& s : SPECIALS) {
        Checked& c = functions[static_cast<int>(s.function)];
        const double got = c.library(s.x);
        if (bits_of(got) != s.expected) {
            report_miss(c, "special value", s.x, got, from_bits(s.expected));
            failed = true;
        }
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
            for (Checked& c : functions) {
                if (name == c.name) {
                    check(c, std::strtod(value.c_str(), nullptr), true, true);
                    ++hard_cases;
                }
            }
        }
    }
    for (long i = part; i < count; i += parts) {
        // The slow path on whole blocks of 30, every kind of argument alike.
        const bool slow = i / 30 % 8 == 0, second = i / 30 % 64 == 0;
        check(functions[0], rounded_math_arguments::acos_argument(i), slow, second);
        check(functions[1], rounded_math_arguments::sin_cos_argument(i, 1), slow, second);
        check(functions[2], rounded_math_arguments::sin_cos_argument(i, 2), slow, second);
    }

    std::printf("%ld hard cases, %ld arguments per function (part %ld of %ld)\n", hard_cases, count, part + 1, parts);
    for (const Checked& c : functions) {
        std::printf("%-4s %9ld arguments, %ld mismatches; fast path %ld (%ld undecided), error at most 2^%.1f "
                    "of the result, %.3f of its bound, %ld beyond; slow path alone %ld + %ld; "
                    "hardest: %a, 2^%.1f ulp from a midpoint\n",
                    c.name, c.arguments, c.mismatches, c.fast, c.fast_undecided,
                    c.worst_relative > 0 ? std::log2(c.worst_relative) : -999.0, c.worst_ratio, c.outside_bound,
                    c.slow[0], c.slow[1], c.hardest_argument, std::log2(c.hardest));
        failed = failed || c.mismatches != 0 || c.outside_bound != 0;
    }
    mpfr_free_cache();
    return failed ? 1 : 0;
}
