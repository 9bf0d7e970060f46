#include <revareza/text/number_input.hpp>
#include <revareza/text/number_output.hpp>

#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace revareza {
namespace {

// Every finite double, from random bit patterns and the ends of the range,
// written with 17 digits as printf writes them, and read back to itself.
TEST(NumberOutput, SeventeenDigitsAsPrintfReadBackBitForBit)
{
    test::Random random;
    std::vector<double> values = {0.0, -0.0, 0.1, 1e300, -1e-300, 5e-324, std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(), 9007199254740993.0, 1e17, 1e-5};
    while (values.size() < 200000) {
        const std::uint64_t bits = random.Next();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) {
            values.push_back(v);
        }
    }
    int mismatches = 0;
    for (const double v : values) {
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.17g", v);
        const std::string text = significant_text(v);
        double back = 0.0;
        const bool read = read_number(text, back);
        if ((text != expected || !read || std::memcmp(&back, &v, sizeof v) != 0) && ++mismatches <= 10) {
            ADD_FAILURE() << "wrote " << text << " for " << expected << ", read back " << back;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(significant_text(0.1), "0.10000000000000001");
    EXPECT_EQ(significant_text(-0.0), "-0");
    EXPECT_EQ(significant_text(0.5), "0.5");
}

} // namespace
} // namespace revareza
