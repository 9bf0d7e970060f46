#include <revareza/definition/classical_projections.hpp>
#include <revareza/projection/orthogonal_y.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace revareza {
namespace {

// Each classical projection is a definition with a projection that
// classify names as it is called, framed for the page's cube: P its corner
// (0.5, 0.5, 0.5), every corner on one side of the plane and a
// perspective's centre on the other, a parallel one's plane ahead along D;
// the cube's centre drawn on O.
TEST(ClassicalProjections, EachNamedAsItIsCalledAndFramedForTheCube)
{
    for (const ProjectionName name : CLASSICAL_PROJECTIONS) {
        SCOPED_TRACE(key(name));
        Definition d;
        ASSERT_TRUE(classical_projection(key(name), d));
        ASSERT_EQ(check(d), Problem::NONE);
        EXPECT_STREQ(key(classify(d).name), key(name));
        EXPECT_EQ(d.point, HVector(0.5, 0.5, 0.5, 1));
        const HVector n = cross(d.x, orthogonal_y(d.x, d.y));
        const double cube_side = dot(n, d.origin); // the cube's centre against the plane
        for (int corner = 0; corner < 8; ++corner) {
            const HVector p(corner & 1 ? 0.5 : -0.5, corner & 2 ? 0.5 : -0.5, corner & 4 ? 0.5 : -0.5, 1);
            EXPECT_GT((dot(n, d.origin) - dot(n, p)) * cube_side, 0.0) << corner;
        }
        const bool perspective = d.type == ProjectionType::PERSPECTIVE;
        EXPECT_GT(perspective ? (dot(n, d.origin) - dot(n, d.centre)) * -cube_side : dot(d.origin, d.direction), 0.0);
        const HVector image = projection_matrix(d) * HVector();
        EXPECT_NEAR(image.x(), 0.0, 1e-15);
        EXPECT_NEAR(image.y(), 0.0, 1e-15);
    }
}

// The obliques draw their receding axis r at the angle asked (45 degrees
// unless told), counterclockwise from the plane's X, shortened by their
// factor: the image of P + r less P's.
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
        for (const double degrees : {std::nan(""), 30.0, 60.0, -20.0, 135.0, 400.0}) { // NaN: the default
            SCOPED_TRACE(::testing::Message() << key(o.name) << ' ' << degrees);
            Definition d;
            const bool built = std::isnan(degrees) ? classical_projection(o.name, d)
                                                   : classical_projection(o.name, d, degrees);
            ASSERT_TRUE(built);
            EXPECT_EQ(classify(d).name, o.name);
            const Matrix4 m = projection_matrix(d);
            const HVector from = m * d.point;
            const HVector to = m * (d.point + o.receding);
            const double radians = (std::isnan(degrees) ? 45 : degrees) * M_PI / 180;
            EXPECT_NEAR(to.x() - from.x(), o.factor * std::cos(radians), 1e-12);
            EXPECT_NEAR(to.y() - from.y(), o.factor * std::sin(radians), 1e-12);
        }
    }
}

// Names that are no classical projection, and angles that are no number,
// leave the definition as it was.
TEST(ClassicalProjections, OthersRefused)
{
    Definition d;
    d.origin = HVector(7, 7, 7, 1);
    for (const char* name : {"obliqua", "trimetrica", "", "Frontal", "perspectiva-4", "gabinete "}) {
        EXPECT_FALSE(classical_projection(name, d)) << name;
    }
    for (const double angle : {NAN, INFINITY, -INFINITY}) {
        EXPECT_FALSE(classical_projection("cavaleira", d, angle));
    }
    EXPECT_EQ(d.origin, HVector(7, 7, 7, 1));
}

} // namespace
} // namespace revareza
