#include <revareza/geometry/detail/fixed_field.hpp>

#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace revareza {
namespace {

// The text a stream writes for v with the state print_matrix gives it.
std::string StreamText(double v)
{
    std::ostringstream out;
    out.setf(std::ios::showpoint | std::ios::fixed);
    out.precision(5);
    out.width(10);
    out << v;
    return out.str();
}

std::string FieldText(double v)
{
    char buffer[FIXED_FIELD_MAX];
    return std::string(buffer, put_fixed_field(buffer, v));
}

double FromBits(std::uint64_t bits)
{
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void ExpectSameAsStream(const std::vector<double>& values)
{
    int mismatches = 0;
    for (double v : values) {
        const std::string expected = StreamText(v);
        const std::string actual = FieldText(v);
        if (expected != actual && ++mismatches <= 10) {
            ADD_FAILURE() << std::hexfloat << v << ": stream '" << expected << "', field '" << actual << "'";
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(FixedField, SpecialValuesAsTheStreamWritesThem)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> values = {
        0.0, -0.0, inf, -inf, nan, -nan, std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(), std::numeric_limits<double>::denorm_min(),
        -std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
        -0.000004, -0.000005, 0.000005, 0.0000049999999999, 1e-300, -1e-300, 0.2, 1.0, -1.0,
        99999.999995, 12345.678901, 1e10, -1e15, 1e22, 1e23, 9007199254740993.0, 123456789012345678.0};
    ExpectSameAsStream(values);
    EXPECT_EQ(FieldText(-0.0), "  -0.00000");
    EXPECT_EQ(FieldText(-0.000004), "  -0.00000");
    EXPECT_EQ(FieldText(12345.678901), "12345.67890");
}

TEST(FixedField, ExactTiesRoundLikeTheStream)
{
    // k / 2^n has an exact decimal expansion; many of these end in a 5 just
    // past the fifth decimal, where the rounding rule shows.
    std::vector<double> values;
    for (int n = 6; n <= 20; ++n) {
        for (int k = -3000; k <= 3000; ++k) {
            values.push_back(std::ldexp(static_cast<double>(k), -n));
        }
    }
    ExpectSameAsStream(values);
}

TEST(FixedField, NeighboursOfRoundingBoundaries)
{
    // Values a few units in the last place around x.xxxxx5 boundaries.
    std::vector<double> values;
    for (int i = -200000; i <= 200000; i += 7) {
        const double boundary = (i + 0.5) * 1e-5;
        double v = boundary;
        for (int step = 0; step < 3; ++step) {
            v = std::nextafter(v, -1e300);
        }
        for (int step = 0; step < 7; ++step) {
            values.push_back(v);
            v = std::nextafter(v, 1e300);
        }
    }
    ExpectSameAsStream(values);
}

TEST(FixedField, RandomBitPatterns)
{
    // Every kind of double: NaNs with payloads and either sign, subnormals,
    // huge and tiny magnitudes.
    test::Random bits(0x853C49E6748FEA9Bu);
    std::vector<double> values;
    for (int i = 0; i < 200000; ++i) {
        values.push_back(FromBits(bits.Next()));
    }
    ExpectSameAsStream(values);
}

TEST(FixedField, RandomValuesOfUsualSize)
{
    test::Random bits(0x853C49E6748FEA9Bu);
    std::vector<double> values;
    for (int i = 0; i < 200000; ++i) {
        const double unit = static_cast<double>(bits.Next() >> 11) * 0x1p-53; // [0, 1)
        const int exponent = static_cast<int>(bits.Next() % 40) - 25;
        values.push_back((i % 2 ? -1 : 1) * std::ldexp(unit, exponent));
    }
    ExpectSameAsStream(values);
}

} // namespace
} // namespace revareza
