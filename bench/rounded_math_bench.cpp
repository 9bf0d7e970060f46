// revareza::rounded against the C library's acos, sin and cos on the same
// arguments: nanoseconds per call (best of the rounds) and the ratio.
//
//   rounded_math_bench [COUNT] [ROUNDS]
//
// Fails when one of the library's functions takes more than 3 times the C
// library's time.
#include <revareza/geometry/rounded_math.hpp>

#include "tools/rounded_math_arguments.hpp"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

volatile double sink = 0; // keeps the calls from being optimised away

template <typename F>
double nanoseconds_per_call(F f, const std::vector<double>& arguments)
{
    const auto start = std::chrono::steady_clock::now();
    double sum = 0;
    for (const double x : arguments) {
        sum += f(x);
    }
    const auto end = std::chrono::steady_clock::now();
    sink = sum;
    return std::chrono::duration<double, std::nano>(end - start).count() / static_cast<double>(arguments.size());
}

} // namespace

int main(int argc, char* argv[])
{
    namespace args = rounded_math_arguments;
    const long count = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    struct Case {
        const char* name;
        const char* arguments;
        double (*library)(double);
        double (*c_library)(double);
        std::vector<double> x;
    };
    Case cases[] = {
        {"acos", "uniform in [-1, 1]", revareza::rounded::acos, [](double x) { return std::acos(x); }, {}},
        {"acos", "the test's mix", revareza::rounded::acos, [](double x) { return std::acos(x); }, {}},
        {"sin", "uniform in [-pi, pi]", revareza::rounded::sin, [](double x) { return std::sin(x); }, {}},
        {"sin", "the test's mix", revareza::rounded::sin, [](double x) { return std::sin(x); }, {}},
        {"cos", "uniform in [-pi, pi]", revareza::rounded::cos, [](double x) { return std::cos(x); }, {}},
        {"cos", "the test's mix", revareza::rounded::cos, [](double x) { return std::cos(x); }, {}},
    };
    for (long i = 0; i < count; ++i) {
        const std::uint64_t r = args::mix(static_cast<std::uint64_t>(i) + 0x5EED);
        cases[0].x.push_back(2 * args::unit(r) - 1);
        cases[1].x.push_back(args::acos_argument(i));
        cases[2].x.push_back((2 * args::unit(r) - 1) * 3.141592653589793);
        cases[3].x.push_back(args::sin_cos_argument(i, 1));
        cases[4].x.push_back(cases[2].x.back());
        cases[5].x.push_back(args::sin_cos_argument(i, 2));
    }
    std::printf("%ld arguments, best of %d rounds, nanoseconds per call\n", count, rounds);
    bool slow = false;
    for (const Case& c : cases) {
        double ours = 1e300, theirs = 1e300;
        for (int round = 0; round < rounds; ++round) { // alternate, so that both see the same machine
            ours = std::fmin(ours, nanoseconds_per_call(c.library, c.x));
            theirs = std::fmin(theirs, nanoseconds_per_call(c.c_library, c.x));
        }
        std::printf("  %-4s %-22s revareza %6.1f  C library %6.1f  ratio %5.2f (limit 3)\n", c.name, c.arguments, ours,
                    theirs, ours / theirs);
        slow = slow || ours > 3 * theirs;
    }
    return slow ? 1 : 0;
}
