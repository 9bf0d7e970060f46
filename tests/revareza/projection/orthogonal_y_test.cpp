#include <revareza/projection/orthogonal_y.hpp>

#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace revareza {
namespace {

struct OrthogonalCase {
    const char* name;
    HVector x;
    HVector y;
    bool kept;
};

TEST(OrthogonalY, KeepsYWithinTheToleranceAndReplacesItBeyond)
{
    // By value: the tolerance is 1e-7, not whatever the constant holds.
    const double tolerance = 1e-7;
    const double past = std::nextafter(tolerance, 1.0);
    const OrthogonalCase cases[] = {
        {"orthogonal", HVector(1, 0, 0, 0), HVector(0, 1, 0, 0), true},
        // A point as y gives an exact dot product: the bound itself is kept.
        {"dot at the bound", HVector(1, 0, 0, 0), HVector(tolerance, 1, 0, 1), true},
        {"dot just past it", HVector(1, 0, 0, 0), HVector(past, 1, 0, 1), false},
        {"negative dot just past it", HVector(1, 0, 0, 0), HVector(-past, 1, 0, 1), false},
        {"NaN dot is not greater", HVector(1, 0, 0, 0), HVector(0, 0, 0, 0), true},
        {"45 degrees", HVector(1, 0, 0, 0), HVector(1, 1, 0, 0), false},
    };
    for (const OrthogonalCase& t : cases) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(within_ortho_tolerance(t.x, t.y), t.kept);
        const HVector y = orthogonal_y(t.x, t.y);
        if (t.kept) {
            EXPECT_TRUE(y == t.y || std::isnan(t.y.x()));
            EXPECT_EQ(y.w(), t.y.w());
        } else {
            EXPECT_NEAR(dot(t.x, y), 0.0, 1e-15);
            EXPECT_EQ(y.w(), 0.0);
        }
    }
    EXPECT_EQ(orthogonal_y(HVector(1, 0, 0, 0), HVector(1, 1, 0, 0)), HVector(0, 1, 0, 0));
}

// Any y not parallel to x becomes the unit direction orthogonal to x in the
// plane of x and y, on y's side: y's own component orthogonal to x, scaled.
TEST(OrthogonalY, IsTheNormalisedRejectionOfYFromX)
{
    test::Random random;
    const auto coordinate = [&random] { return (random.Below(2001) - 1000) / 100.0; };
    for (int i = 0; i < 2000; ++i) {
        const HVector x(coordinate(), coordinate(), coordinate(), 0);
        const HVector y(coordinate(), coordinate(), coordinate(), 0);
        const double d = dot(x, y);
        if (std::isnan(d) || std::fabs(d) <= ORTHO_TOLERANCE || std::fabs(d) > 0.999) {
            continue;
        }
        const HVector expected(y.x() - d * x.x(), y.y() - d * x.y(), y.z() - d * x.z(), 0);
        const HVector actual = orthogonal_y(x, y);
        EXPECT_NEAR(actual.x(), expected.x(), 1e-12);
        EXPECT_NEAR(actual.y(), expected.y(), 1e-12);
        EXPECT_NEAR(actual.z(), expected.z(), 1e-12);
    }
}

// A y parallel to x, exactly or up to rounding, spans no plane with it:
// NaN, where the unchecked rule normalises whatever the rounding left.
TEST(OrthogonalY, ParallelGivesNaN)
{
    const struct {
        HVector x;
        HVector y;
        bool unchecked_nan;
    } cases[] = {
        {HVector(1, 2, 3, 0), HVector(2, 4, 6, 0), true},
        {HVector(1, 2, 3, 0), HVector(5, 10, 15, 0), false},
        {HVector(0.1, 0.2, 0.3, 0), HVector(1, 2, 3, 0), false},
        {HVector(1, 2, 3, 0), HVector(-5, -10, -15, 0), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ' ' << c.y);
        EXPECT_TRUE(parallel_directions(c.x, c.y));
        const HVector y = orthogonal_y(c.x, c.y);
        EXPECT_TRUE(std::isnan(y.x()) && std::isnan(y.y()) && std::isnan(y.z()));
        EXPECT_EQ(std::isnan(unchecked_orthogonal_y(c.x, c.y).x()), c.unchecked_nan);
    }
}

} // namespace
} // namespace revareza
