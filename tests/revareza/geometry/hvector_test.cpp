#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/rounded_math.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>
#include <sstream>
#include <string>

namespace revareza {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

void ExpectExactly(const HVector& v, double x, double y, double z, double w)
{
    EXPECT_EQ(v.x(), x);
    EXPECT_EQ(v.y(), y);
    EXPECT_EQ(v.z(), z);
    EXPECT_EQ(v.w(), w);
}

std::string Text(const HVector& v)
{
    std::ostringstream out;
    out << v;
    return out.str();
}

TEST(HVector, DefaultIsOriginPoint)
{
    ExpectExactly(HVector{}, 0.0, 0.0, 0.0, 1.0);
}

struct SettingCase {
    double a, b, c, w;
    double x, y, z, expected_w;
};

TEST(HVector, SettingRuleMakesPointsAndUnitDirections)
{
    const SettingCase cases[] = {
        {2, 4, 6, 2, 1, 2, 3, 1},          // point divided by its weight
        {1, 2, 3, 1, 1, 2, 3, 1},          // weight 1 is kept as is
        {-3, 6, 9, -3, 1, -2, -3, 1},      // a negative weight mirrors
        {3, 0, 4, 0, 0.6, 0, 0.8, 0},      // direction normalised
        {0, 0, 5, -0.0, 0, 0, 1, 0},       // -0.0 counts as zero weight
        {0, -2, 0, 0, 0, -1, 0, 0},
    };
    for (const SettingCase& t : cases) {
        SCOPED_TRACE(testing::Message() << t.a << ' ' << t.b << ' ' << t.c << ' ' << t.w);
        ExpectExactly(HVector(t.a, t.b, t.c, t.w), t.x, t.y, t.z, t.expected_w);
        HVector v(9, 9, 9, 1);
        v.set(t.a, t.b, t.c, t.w);
        ExpectExactly(v, t.x, t.y, t.z, t.expected_w);
    }
}

TEST(HVector, DirectionsAtTheEndsOfTheRangeAreTheDirectionsOfPlainOnes)
{
    // Their squares overflow or leave the normal range; scaled by a power
    // of two first, they give the very bits of the plain vector.
    struct FarCase {
        double a, b, c;
        double plain_a, plain_b, plain_c;
    };
    const double max = std::numeric_limits<double>::max();
    const FarCase cases[] = {
        {1e155, 0, 0, 1, 0, 0},
        {0, 0, 1e300, 0, 0, 1},
        {-max, 0, 0, -1, 0, 0},
        {std::ldexp(3, 500), std::ldexp(4, 500), 0, 3, 4, 0},
        {std::ldexp(1, 1023), std::ldexp(1, 1023), std::ldexp(1, 1023), 1, 1, 1},
        {1e-170, 0, 0, 1, 0, 0},
        {std::ldexp(3, -560), std::ldexp(-4, -560), 0, 3, -4, 0},
        {0, 5e-324, 0, 0, 1, 0},
        {-5e-324, 0, 5e-324, -1, 0, 1},
    };
    for (const FarCase& t : cases) {
        SCOPED_TRACE(testing::Message() << t.a << ' ' << t.b << ' ' << t.c);
        const HVector plain(t.plain_a, t.plain_b, t.plain_c, 0);
        ExpectExactly(HVector(t.a, t.b, t.c, 0), plain.x(), plain.y(), plain.z(), 0);
    }
    // A component far below the largest keeps its ratio to it.
    EXPECT_NEAR(HVector(1e300, 1e200, 0, 0).y() / 1e-100, 1, 1e-15);
    // Infinite or NaN components are no direction at all.
    EXPECT_TRUE(std::isnan(HVector(std::numeric_limits<double>::infinity(), 0, 0, 0).x()));
    EXPECT_TRUE(std::isnan(HVector(1e300, kNaN, 0, 0).x()));
}

TEST(HVector, ZeroWeightIsExactlyPositiveZero)
{
    EXPECT_FALSE(std::signbit(HVector(1, 0, 0, -0.0).w()));
}

TEST(HVector, ZeroDirectionIsNaN)
{
    const HVector v(0, 0, 0, 0);
    EXPECT_TRUE(std::isnan(v.x()));
    EXPECT_TRUE(std::isnan(v.y()));
    EXPECT_TRUE(std::isnan(v.z()));
    EXPECT_EQ(v.w(), 0.0);
}

TEST(HVector, NaNWeightMakesNaNPoint)
{
    const HVector v(1, 2, 3, kNaN);
    EXPECT_TRUE(std::isnan(v.x()));
    EXPECT_EQ(v.w(), 1.0);
}

TEST(HVector, NaNPropagatesThroughArithmetic)
{
    const HVector bad(0, 0, 0, 0);
    const HVector good(1, 2, 3, 1);
    EXPECT_TRUE(std::isnan((bad + good).x()));
    EXPECT_TRUE(std::isnan((-bad).y()));
    EXPECT_TRUE(std::isnan((bad * 2.0).z()));
    EXPECT_TRUE(std::isnan(dot(bad, good)));
    EXPECT_TRUE(std::isnan(cross(bad, HVector(1, 0, 0, 0)).x()));
}

TEST(HVector, SumFollowsTheWeights)
{
    const HVector p(2, 4, 6, 1);
    const HVector q(4, 0, -2, 1);
    const HVector d(0, 3, 4, 0); // (0, 0.6, 0.8)

    // point + direction: a point moved along the unit direction
    ExpectExactly(p + d, 2, 4.6, 6.8, 1);
    // point + point: the midpoint (weight 2, then divided)
    ExpectExactly(p + q, 3, 2, 2, 1);
    // direction + direction: the unit direction of the sum
    const HVector diagonal = HVector(1, 0, 0, 0) + HVector(0, 1, 0, 0);
    EXPECT_NEAR(diagonal.x(), std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(diagonal.y(), std::sqrt(0.5), 1e-15);
    EXPECT_EQ(diagonal.z(), 0.0);
    EXPECT_EQ(diagonal.w(), 0.0);
}

TEST(HVector, NegationKeepsTheWeight)
{
    ExpectExactly(-HVector(1, -2, 3, 1), -1, 2, -3, 1);
    ExpectExactly(-HVector(0, 0, 2, 0), 0, 0, -1, 0);
}

TEST(HVector, ScalingAlwaysGivesAPoint)
{
    ExpectExactly(HVector(0, 0, 1, 0) * 2.0, 0, 0, 2, 1);
    ExpectExactly(HVector(1, 2, 3, 1) * -0.5, -0.5, -1, -1.5, 1);
}

TEST(HVector, EqualityIgnoresTheWeight)
{
    EXPECT_TRUE(HVector(0, 1, 0, 1) == HVector(0, 1, 0, 0));
    EXPECT_FALSE(HVector(0, 1, 0, 1) != HVector(0, 1, 0, 0));
    EXPECT_TRUE(HVector(0, -0.0, 0, 1) == HVector(0, 0, 0, 1));
    EXPECT_FALSE(HVector(1, 2, 3, 1) == HVector(1, 2, 4, 1));
    const HVector nan(0, 0, 0, 0);
    EXPECT_FALSE(nan == nan);
}

TEST(HVector, DotAndNormIgnoreTheWeight)
{
    const HVector p(1, 2, 3, 1);
    const HVector q(4, -5, 6, 1);
    EXPECT_EQ(dot(p, q), 12.0);
    EXPECT_EQ(norm(HVector(2, 3, 6, 1)), 7.0);
    EXPECT_NEAR(norm(HVector(2, 3, 6, 0)), 1.0, 1e-15);
}

TEST(HVector, DotOfDiagonalRoundsPastOneAndAngleIsNaN)
{
    // The unit diagonal is not exactly representable; its square length
    // rounds above 1 and acos is not protected from it.
    const HVector u(1, 1, 1, 0);
    EXPECT_EQ(dot(u, u), 1.0000000000000002);
    EXPECT_TRUE(std::isnan(angle_between(u, u)));
}

TEST(HVector, AngleBetweenAxes)
{
    const HVector x(1, 0, 0, 0);
    EXPECT_EQ(angle_between(x, x), 0.0);
    EXPECT_EQ(angle_between(x, HVector(-1, 0, 0, 0)), rounded::acos(-1.0));
    EXPECT_EQ(angle_between(x, HVector(0, 1, 0, 0)), rounded::acos(0.0));
}

TEST(HVector, CrossIsAUnitDirection)
{
    ExpectExactly(cross(HVector(1, 0, 0, 0), HVector(0, 1, 0, 0)), 0, 0, 1, 0);
    ExpectExactly(cross(HVector(0, 1, 0, 0), HVector(1, 0, 0, 0)), 0, 0, -1, 0);
    ExpectExactly(cross(HVector(0, 0, 3, 0), HVector(2, 0, 0, 0)), 0, 1, 0, 0);
    // Not unit before normalisation: |(2,0,0) x (0,3,0)| = 6.
    ExpectExactly(cross(HVector(2, 0, 0, 1), HVector(0, 3, 0, 1)), 0, 0, 1, 0);
}

TEST(HVector, CrossOfExactlyParallelDirectionsIsNaN)
{
    const HVector x(1, 0, 0, 0);
    EXPECT_TRUE(std::isnan(cross(x, HVector(-1, 0, 0, 0)).x()));
    EXPECT_TRUE(std::isnan(cross(x, x).z()));
    const HVector u(1, 2, 3, 0);
    EXPECT_TRUE(std::isnan(cross(u, HVector(2, 4, 6, 0)).y()));
}

TEST(HVector, CrossOfNearlyParallelDirectionsIsSomeUnitDirection)
{
    const HVector a(0.1, 0.2, 0.3, 0);
    const HVector b(1, 2, 3, 0);
    ASSERT_NE(a, b); // parallel only up to rounding
    const HVector c = cross(a, b);
    EXPECT_FALSE(std::isnan(c.x()));
    EXPECT_NEAR(norm(c), 1.0, 1e-15);
}

TEST(HVector, TextForm)
{
    EXPECT_EQ(Text(HVector(0, 1, 0, 0)), "(0.00000,1.00000,0.00000)");
    EXPECT_EQ(Text(HVector(-1.5, 2.25, 1e6, 1)), "(-1.50000,2.25000,1000000.00000)");
    EXPECT_EQ(Text(HVector(-0.0, -0.000001, 0.000005, 1)), "(-0.00000,-0.00000,0.00001)");
    // 0/0 gives NaN; its sign depends on the hardware, so allow both.
    EXPECT_TRUE(std::regex_match(Text(HVector(0, 0, 0, 0)), std::regex(R"(\(-?nan,-?nan,-?nan\))")));
}

TEST(HVector, TextFormLeavesPrecisionAndClearsOnlyFixed)
{
    std::ostringstream out;
    out.setf(std::ios::showpoint | std::ios::showpos);
    out << HVector(1, 2, 3, 1);
    EXPECT_EQ(out.str(), "(+1.00000,+2.00000,+3.00000)");
    EXPECT_EQ(out.precision(), 5);
    EXPECT_FALSE(out.flags() & std::ios::fixed);
    EXPECT_TRUE(out.flags() & std::ios::showpoint);
    EXPECT_TRUE(out.flags() & std::ios::showpos);
    // A later plain insertion uses the leftover precision in default notation.
    out.unsetf(std::ios::showpoint | std::ios::showpos);
    out.str("");
    out << 3.14159265;
    EXPECT_EQ(out.str(), "3.1416");
}

} // namespace
} // namespace revareza
