// revareza::rounded against the C library's acos, sin, cos and atan2 on the
// same arguments, in one table: nanoseconds per call as throughput (independent
// calls, as a loop over an array makes them) and as latency (each call's
// argument waits for the previous result), the median of the rounds, the two
// libraries alternating so that both see the same machine.
//
//   rounded_math_bench [COUNT] [ROUNDS]
//
// Each row has a target for its throughput ratio (revareza / C library).
// A row over its target is marked; the run fails only when a ratio passes
// 1.5 times its target, which no noise of a shared machine explains.
#include <revareza/geometry/rounded_math.hpp>

#include "tools/rounded_math_arguments.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

volatile double sink = 0; // keeps the calls from being optimised away

using Function = double (*)(double);
using Function2 = double (*)(double, double);

double c_acos(double x) { return std::acos(x); }
double c_sin(double x) { return std::sin(x); }
double c_cos(double x) { return std::cos(x); }
double c_atan2(double y, double x) { return std::atan2(y, x); }

double nanoseconds_per_call(std::chrono::steady_clock::time_point start, std::size_t calls)
{
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(end - start).count() / static_cast<double>(calls);
}

double throughput(Function f, const std::vector<double>& arguments)
{
    const auto start = std::chrono::steady_clock::now();
    double sum = 0;
    for (const double x : arguments) {
        sum += f(x);
    }
    sink = sum;
    return nanoseconds_per_call(start, arguments.size());
}

// atan2: arguments y, x in pairs.
double throughput(Function2 f, const std::vector<double>& arguments)
{
    const auto start = std::chrono::steady_clock::now();
    double sum = 0;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        sum += f(arguments[i], arguments[i + 1]);
    }
    sink = sum;
    return nanoseconds_per_call(start, arguments.size() / 2);
}

// The next argument depends on the previous result (r * 0 is +-0, which the
// compiler may not assume), so the calls cannot overlap.
double latency(Function f, const std::vector<double>& arguments)
{
    const auto start = std::chrono::steady_clock::now();
    double r = 0;
    for (const double x : arguments) {
        r = f(x + r * 0.0);
    }
    sink = r;
    return nanoseconds_per_call(start, arguments.size());
}

double latency(Function2 f, const std::vector<double>& arguments)
{
    const auto start = std::chrono::steady_clock::now();
    double r = 0;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        r = f(arguments[i] + r * 0.0, arguments[i + 1]);
    }
    sink = r;
    return nanoseconds_per_call(start, arguments.size() / 2);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A row of a function of x, or of atan2 (library2, c_library2) on pairs
// (y, x), draw giving y and draw_x x.
struct Row {
    const char* name;
    const char* arguments;
    Function library;
    Function c_library;
    double target; // throughput ratio to stay under
    double (*draw)(std::uint64_t r, std::uint64_t s);
    Function2 library2 = nullptr;
    Function2 c_library2 = nullptr;
    double (*draw_x)(std::uint64_t r, std::uint64_t s) = nullptr;
};

constexpr double PI = 3.141592653589793;

double uniform(std::uint64_t r, double half_width)
{
    return (2 * rounded_math_arguments::unit(r) - 1) * half_width;
}

// +-(1 + a 2^-20 part), the sign from a bit of s.
double near_one(std::uint64_t r, std::uint64_t s)
{
    return ((s >> 7) & 1) != 0 ? -(1 + uniform(r >> 3, 0x1p-20)) : 1 + uniform(r >> 3, 0x1p-20);
}

const Row ROWS[] = {
    {"acos", "uniform on [-1, 1]", revareza::rounded::acos, c_acos, 1.25,
     [](std::uint64_t r, std::uint64_t) { return uniform(r, 1); }},
    // 1 - 2^-k u, k = 1..52, either sign: every distance from +-1 alike.
    {"acos", "near +-1", revareza::rounded::acos, c_acos, 1.25,
     [](std::uint64_t r, std::uint64_t s) {
         const double x = 1 - std::ldexp(rounded_math_arguments::unit(s), -1 - static_cast<int>(r % 52));
         return (r & 0x100) != 0 ? -x : x;
     }},
    {"sin", "[-pi, pi]", revareza::rounded::sin, c_sin, 1.25,
     [](std::uint64_t r, std::uint64_t) { return uniform(r, PI); }},
    {"sin", "[-1e3, 1e3]", revareza::rounded::sin, c_sin, 1.0,
     [](std::uint64_t r, std::uint64_t) { return uniform(r, 1e3); }},
    // 2^20 to 1e300: exponent 20..996 alike, any mantissa, either sign.
    {"sin", "huge (2^20 to 1e300)", revareza::rounded::sin, c_sin, 0.7,
     [](std::uint64_t r, std::uint64_t s) { return rounded_math_arguments::with_exponent(s, 20 + static_cast<int>(r % 977)); }},
    {"cos", "[-pi, pi]", revareza::rounded::cos, c_cos, 1.25,
     [](std::uint64_t r, std::uint64_t) { return uniform(r, PI); }},
    {"cos", "huge (2^20 to 1e300)", revareza::rounded::cos, c_cos, 0.7,
     [](std::uint64_t r, std::uint64_t s) { return rounded_math_arguments::with_exponent(s, 20 + static_cast<int>(r % 977)); }},
    // What the fast path takes: x near +-1, |y/x| in [2^-k, 2^(1-k)), k =
    // 11..53 alike (inside the domain, so that no NaN stops the chain).
    {"atan2", "near axis, fast path", nullptr, nullptr, 1.25,
     [](std::uint64_t r, std::uint64_t s) {
         return rounded_math_arguments::with_exponent(s, -11 - static_cast<int>(r % 43)) * 0.999;
     },
     revareza::rounded::atan2_near_axis, c_atan2, near_one},
    // What the projection builders pass: exponents of y from -1074 to -11
    // alike, most so small that no polynomial is needed.
    {"atan2", "y 2^-1074 to 2^-10", nullptr, nullptr, 1.25,
     [](std::uint64_t r, std::uint64_t s) {
         return rounded_math_arguments::with_exponent(s, -1074 + static_cast<int>(r % 1064)) * 0.999;
     },
     revareza::rounded::atan2_near_axis, c_atan2, near_one},
};

} // namespace

int main(int argc, char* argv[])
{
    namespace args = rounded_math_arguments;
    const long count = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    if (count < 1 || rounds < 1) {
        std::fprintf(stderr, "usage: rounded_math_bench [COUNT] [ROUNDS]\n");
        return 2;
    }
    std::printf("revareza::rounded against the C library, %ld arguments a row, median of %d rounds, ns per call\n",
                count, rounds);
    std::printf("%-5s %-21s %9s %9s %6s %6s   %9s %9s\n", "", "", "revareza", "C lib", "ratio", "target", "latency",
                "C lib");
    bool regressed = false;
    int over = 0;
    for (const Row& row : ROWS) {
        const bool pairs = row.library2 != nullptr;
        std::vector<double> x;
        for (long i = 0; i < count; ++i) {
            const std::uint64_t r = args::mix(static_cast<std::uint64_t>(i) + 0x5EED);
            x.push_back(row.draw(r, args::mix(r)));
            if (pairs) {
                x.push_back(row.draw_x(args::mix(r + 1), r));
            }
        }
        std::vector<double> ours, theirs, ours_chain, theirs_chain;
        for (int round = 0; round < rounds; ++round) {
            ours.push_back(pairs ? throughput(row.library2, x) : throughput(row.library, x));
            theirs.push_back(pairs ? throughput(row.c_library2, x) : throughput(row.c_library, x));
            ours_chain.push_back(pairs ? latency(row.library2, x) : latency(row.library, x));
            theirs_chain.push_back(pairs ? latency(row.c_library2, x) : latency(row.c_library, x));
        }
        const double ratio = median(ours) / median(theirs);
        const bool missed = ratio > row.target;
        std::printf("%-5s %-21s %9.1f %9.1f %6.2f %6.2f%s %9.1f %9.1f\n", row.name, row.arguments, median(ours),
                    median(theirs), ratio, row.target, missed ? " *" : "  ", median(ours_chain),
                    median(theirs_chain));
        over += missed ? 1 : 0;
        regressed = regressed || ratio > 1.5 * row.target;
    }
    std::printf("ratio: throughput, revareza / C library; * over its target (%d row%s)\n", over, over == 1 ? "" : "s");
    return regressed ? 1 : 0;
}
