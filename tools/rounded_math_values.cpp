// A digest of revareza::rounded's results, for comparing builds: for each of
// acos, sin and cos, one line with the count and a 64-bit digest of the
// result bits on signaling NaNs (which a 32-bit x86 return register would
// quiet on its own), the hard cases and the COUNT arguments the MPFR test
// draws. Two builds that print the same lines agree bit for bit on all of
// them; where one of them passed the MPFR test, both are correctly rounded.
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

    void add(double x)
    {
        const double r = f(x);
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
    Digest digests[] = {{"acos", revareza::rounded::acos}, {"sin", revareza::rounded::sin}, {"cos", revareza::rounded::cos}};
    for (const std::uint64_t nan : {0x7ff0000000000001u, 0xfff4000000000000u}) {
        double x = 0;
        std::memcpy(&x, &nan, sizeof x);
        for (Digest& d : digests) {
            d.add(x);
        }
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    std::string line;
    while (std::getline(in, line)) { // "function argument" lines; # starts a comment
        char name[8], value[64];
        if (line[0] != '#' && std::sscanf(line.c_str(), "%7s %63s", name, value) == 2) {
            for (Digest& d : digests) {
                if (std::strcmp(name, d.name) == 0) {
                    d.add(std::strtod(value, nullptr));
                }
            }
        }
    }
    const long count = std::atol(argv[2]);
    for (long i = 0; i < count; ++i) {
        digests[0].add(rounded_math_arguments::acos_argument(i));
        digests[1].add(rounded_math_arguments::sin_cos_argument(i, 1));
        digests[2].add(rounded_math_arguments::sin_cos_argument(i, 2));
    }
    for (const Digest& d : digests) {
        std::printf("%s %ld %016llx\n", d.name, d.count, static_cast<unsigned long long>(d.value));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
