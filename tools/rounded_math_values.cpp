// A digest of revareza::rounded's results, for comparing builds: for each of
// acos, sin, cos and atan2_near_axis, one line with the count and a 64-bit
// digest of the result bits on signaling NaNs (which a 32-bit x86 return
// register would quiet on its own), the hard cases and the COUNT arguments
// the MPFR test draws. Two builds that print the same lines agree bit for
// bit on all of them; where one of them passed the MPFR test, both are
// correctly rounded.
//
//   rounded_math_values HARD_CASES COUNT
#include <revareza/geometry/rounded_math.hpp>

#include "tools/rounded_math_arguments.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <string>

namespace {

struct Digest {
    const char* name;
    double (*f)(double);
    long count = 0;
    std::uint64_t value = 0;

    void add(double x) { add_result(f(x)); }

    void add(double y, double x) { add_result(revareza::rounded::atan2_near_axis(y, x)); }

    void add_result(double r)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &r, sizeof bits);
        value = rounded_math_arguments::mix(value ^ bits);
        ++count;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: rounded_math_values HARD_CASES COUNT\n");
        return 2;
    }
    Digest digests[] = {{"acos", revareza::rounded::acos},
                        {"sin", revareza::rounded::sin},
                        {"cos", revareza::rounded::cos},
                        {"atan2_near_axis", nullptr}};
    Digest& atan2 = digests[3];
    for (const std::uint64_t nan : {0x7ff0000000000001u, 0xfff4000000000000u}) {
        double x = 0;
        std::memcpy(&x, &nan, sizeof x);
        for (int k = 0; k < 3; ++k) {
            digests[k].add(x);
        }
        atan2.add(x, 1.0);
        atan2.add(0x1p-20, x);
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    std::string line;
    while (std::getline(in, line)) { // "function argument" lines (atan2: y x); # starts a comment
        char name[32], value[64], x[64];
        const int fields = line[0] != '#' ? std::sscanf(line.c_str(), "%31s %63s %63s", name, value, x) : 0;
        if (fields == 3 && std::strcmp(name, atan2.name) == 0) {
            atan2.add(std::strtod(value, nullptr), std::strtod(x, nullptr));
        } else if (fields == 2) {
            for (int k = 0; k < 3; ++k) {
                if (std::strcmp(name, digests[k].name) == 0) {
                    digests[k].add(std::strtod(value, nullptr));
                }
            }
        }
    }
    const long count = std::atol(argv[2]);
    for (long i = 0; i < count; ++i) {
        digests[0].add(rounded_math_arguments::acos_argument(i));
        digests[1].add(rounded_math_arguments::sin_cos_argument(i, 1));
        digests[2].add(rounded_math_arguments::sin_cos_argument(i, 2));
        const rounded_math_arguments::YX a = rounded_math_arguments::atan2_arguments(i);
        atan2.add(a.y, a.x);
    }
    for (const Digest& d : digests) {
        std::printf("%s %ld %016llx\n", d.name, d.count, static_cast<unsigned long long>(d.value));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
