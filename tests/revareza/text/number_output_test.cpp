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

// Five decimals as the program writes them, without the minus of a zero;
// scientific notation where a value's company is too small or too large
// for five decimals to show it.
TEST(NumberOutput, FiveDecimalsAndWhereTheyDoNotRead)
{
    struct Case {
        double v;
        double scale;
        const char* decimal;
        const char* readable;
    };
    const Case cases[] = {
        {-0.0, 0.0, "0.00000", "0.00000"},
        {-0.000004, 1.0, "0.00000", "0.00000"},
        {-0.000006, 1.0, "-0.00001", "-0.00001"},
        {0.015625, 1.0, "0.01562", "0.01562"}, // a tie, to even as printf rounds
        {-2.5, 3.0, "-2.50000", "-2.50000"},
        {1e-17, 2.0, "0.00000", "0.00000"},
        {5e-301, 1e-300, "0.00000", "5.00000e-301"},
        {-0.0, 1e-300, "0.00000", "0.00000e+00"},
        {-4e-306, 1e-300, "0.00000", "0.00000e+00"},
        {-6e-306, 1e-300, "0.00000", "-6.00000e-306"},
        {0.00005, 0.00005, "0.00005", "5.00000e-05"},
        {0.0001, 0.0001, "0.00010", "0.00010"},
        {999999999.0, 999999999.0, "999999999.00000", "999999999.00000"},
        {-1e9, 1e9, "-1000000000.00000", "-1.00000e+09"},
        {1e300, -1e300, nullptr, "1.00000e+300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.v);
        if (c.decimal != nullptr) {
            EXPECT_EQ(decimal_text(c.v), c.decimal);
        }
        EXPECT_EQ(readable_text(c.v, c.scale), c.readable);
    }
    // The largest double, all 309 of its digits before the point.
    EXPECT_EQ(decimal_text(-std::numeric_limits<double>::max()).size(), 1 + 309 + 6);
}

} // namespace
} // namespace revareza
