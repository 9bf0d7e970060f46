#include <revareza/definition/classical_projections.hpp>
#include <revareza/projection/orthogonal_y.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace revareza {
namespace {

// Each classical projection is a definition with a projection that
// classify names as it is called, framed for the page's cube: P its corner
// (0.5, 0.5, 0.5), the cube on one side of the plane and a perspective's
// centre on the other, a parallel one's plane ahead of the cube along D;
// the cube's centre drawn on O.
TEST(ClassicalProjections, EachNamedAsItIsCalledAndFramedForTheCube)
{
    for (const ProjectionName name : CLASSICAL_PROJECTIONS) {
        SCOPED_TRACE(key(name));
        Definition d;
        ASSERT_TRUE(classical_projection(key(name), d));
        ASSERT_EQ(check(d), Problem::NONE);
        EXPECT_EQ(key(classify(d).name), std::string(key(name)));
        EXPECT_EQ(d.point, HVector(0.5, 0.5, 0.5, 1));
        const HVector n = cross(d.x, orthogonal_y(d.x, d.y));
        const auto side = [&](const HVector& p) { return dot(n, p) - dot(n, d.origin); };
        const double centre_side = side(HVector());
        for (const double x : {-0.5, 0.5}) {
            for (const double y : {-0.5, 0.5}) {
                for (const double z : {-0.5, 0.5}) {
                    EXPECT_GT(side(HVector(x, y, z, 1)) * centre_side, 0.0) << x << ' ' << y << ' ' << z;
                }
            }
        }
        if (d.type == ProjectionType::PERSPECTIVE) {
            EXPECT_LT(side(d.centre) * centre_side, 0.0);
        } else {
            EXPECT_GT(dot(d.origin, d.direction), 0.0);
        }
        const HVector image = projection_matrix(d) * HVector();
        EXPECT_NEAR(image.x(), 0.0, 1e-15);
        EXPECT_NEAR(image.y(), 0.0, 1e-15);
    }
}

// The obliques draw their receding axis at the angle asked, counterclockwise
// from the plane's X, shortened by their factor: the image of P + r less
// P's; 45 degrees unless told.
TEST(ClassicalProjections, ObliquesDrawTheRecedingAxisAtTheAngle)
{
    const struct {
        ProjectionName name;
        HVector receding;
        double factor;
    } obliques[] = {{ProjectionName::CAVALIER, HVector(0, 1, 0, 0), 1.0},
                    {ProjectionName::CABINET, HVector(0, 1, 0, 0), 0.5},
                    {ProjectionName::MILITARY, HVector(0, 0, 1, 0), 1.0}};
    for (const auto& o : obliques) {
        for (const double degrees : {45.0, 30.0, 60.0, -20.0, 135.0, 400.0}) {
            SCOPED_TRACE(::testing::Message() << key(o.name) << ' ' << degrees);
            Definition d;
            ASSERT_TRUE(classical_projection(o.name, d, degrees));
            EXPECT_EQ(classify(d).name, o.name);
            const Matrix4 m = projection_matrix(d);
            const HVector from = m * d.point;
            const HVector to = m * (d.point + o.receding);
            const double radians = degrees * M_PI / 180;
            EXPECT_NEAR(to.x() - from.x(), o.factor * std::cos(radians), 1e-12);
            EXPECT_NEAR(to.y() - from.y(), o.factor * std::sin(radians), 1e-12);
        }
        Definition by_default;
        Definition at_45;
        ASSERT_TRUE(classical_projection(o.name, by_default));
        ASSERT_TRUE(classical_projection(o.name, at_45, 45));
        EXPECT_EQ(by_default.direction, at_45.direction);
    }
}

// Names that are no classical projection, and angles that are no number,
// leave the definition as it was.
TEST(ClassicalProjections, OthersRefused)
{
    const HVector seven(7, 7, 7, 1);
    for (const char* name : {"obliqua", "trimetrica", "", "Frontal", "perspectiva-4", "gabinete "}) {
        Definition d;
        d.origin = seven;
        EXPECT_FALSE(classical_projection(name, d)) << name;
        EXPECT_EQ(d.origin, seven) << name;
    }
    for (const double angle : {NAN, INFINITY, -INFINITY}) {
        Definition d;
        d.origin = seven;
        EXPECT_FALSE(classical_projection("cavaleira", d, angle));
        EXPECT_EQ(d.origin, seven);
    }
}

} // namespace
} // namespace revareza
