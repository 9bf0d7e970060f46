#include <revareza/projection/perspective_projection.hpp>

#include <revareza/projection/orthogonal_y.hpp>

#include "tests/revareza/projection/projection_oracle.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace revareza {
namespace {

using test::Direction;
using test::Plane;
using test::Point;
using test::V3;

Matrix4 Build(const Plane& plane, V3 c)
{
    return build_perspective_projection(Point(plane.o), Direction(plane.x), Direction(plane.y), Point(c));
}

// As a definition builds it: Y made orthogonal to X first.
Matrix4 BuildWithOrthogonalY(const Plane& plane, V3 c)
{
    const HVector x = Direction(plane.x);
    return build_perspective_projection(Point(plane.o), x, orthogonal_y(x, Direction(plane.y)), Point(c));
}

struct PerspectiveCase {
    const char* name;
    Plane plane;
    V3 c;
};

const PerspectiveCase kCases[] = {
    {"centre at the origin", {{0, 0, 5}, {1, 0, 0}, {0, 1, 0}}, {0, 0, 0}},
    {"centre below", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 0, -4}},
    {"x is -z", {{1, -2, 3}, {0, 0, -1}, {0, 1, 0}}, {7, 1, 1}},
    {"x is +y", {{0, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {-6, 0.5, 0.5}},
    {"x is -y", {{2, 3, 4}, {0, -1, 0}, {1, 0, 0}}, {0, 0, 20}},
    {"x down in y, y down in z", {{-1, 5, 2}, {1, -1, 0}, {0, 0, -1}}, {4, 9, -3}},
    {"skew", {{3, 3, 3}, {1, 2, 2}, {2, 1, -2}}, {-10, 4, 1}},
};

const V3 kPoints[] = {{0.5, 0.25, 1}, {5, 1, 9}, {-3, 2.5, -3.5}, {100, -200, 300}};

TEST(PerspectiveProjection, MatchesLineFromCentreThroughPoint)
{
    for (const PerspectiveCase& t : kCases) {
        SCOPED_TRACE(t.name);
        const Matrix4 m = Build(t.plane, t.c);
        for (const V3& p : kPoints) {
            const HVector image = m * Point(p);
            const test::PlanePoint expected = test::PerspectiveImage(t.plane, t.c, p);
            EXPECT_NEAR(image.x(), expected.x, 1e-9 * (1 + std::fabs(expected.x)));
            EXPECT_NEAR(image.y(), expected.y, 1e-9 * (1 + std::fabs(expected.y)));
            // After the division every image lies at the centre's distance.
            const V3 n = test::Unit(test::Cross(t.plane.x, t.plane.y));
            EXPECT_NEAR(image.z(), test::Dot(test::Sub(t.plane.o, t.c), n), 1e-9);
        }
    }
}

// As the parallel projection's: planes near the axes keep every digit.
TEST(PerspectiveProjection, PlanesNearTheAxesKeepTheirDigits)
{
    const V3 points[] = {{10000, 10000, -3}, {-7000, 200, 9000}, {1, 2, 3}};
    for (const Plane& plane : test::NearAxisPlanes()) {
        SCOPED_TRACE(::testing::Message() << "X " << plane.x.x << ' ' << plane.x.y << ' ' << plane.x.z << ", Y "
                                          << plane.y.x << ' ' << plane.y.y << ' ' << plane.y.z);
        const V3 n = test::Unit(test::Cross(plane.x, plane.y));
        const V3 c = test::Add(plane.o, test::Add(test::Scale(n, 20000), {300, 100, -200}));
        const Matrix4 m = BuildWithOrthogonalY(plane, c);
        for (const V3& p : points) {
            const HVector image = m * Point(p);
            const test::PlanePoint expected = test::PerspectiveImage(plane, c, p);
            const double size = std::fmax(std::fabs(expected.x), std::fabs(expected.y));
            EXPECT_NEAR(image.x(), expected.x, 1e-12 * size);
            EXPECT_NEAR(image.y(), expected.y, 1e-12 * size);
        }
    }
}

TEST(PerspectiveProjection, CentreAtOriginMatrixAndImage)
{
    const Matrix4 m = Build({{0, 0, 5}, {1, 0, 0}, {0, 1, 0}}, {0, 0, 0});
    const Matrix4 expected({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0.2, 0});
    EXPECT_EQ(m, expected);
    EXPECT_EQ(m * HVector(1, 2, 10, 1), HVector(0.5, 1, 5, 1));
}

TEST(PerspectiveProjection, CentreBehindPlane)
{
    const Matrix4 m = Build({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 0, -4});
    const HVector image = m * HVector(2, 2, 4, 1);
    EXPECT_NEAR(image.x(), 1.0, 1e-15);
    EXPECT_NEAR(image.y(), 1.0, 1e-15);
    EXPECT_NEAR(image.z(), 4.0, 1e-15);
}

TEST(PerspectiveProjection, PointsOfThePlaneKeepTheirCoordinates)
{
    const Plane plane{{3, 3, 3}, {1, 2, 2}, {2, 1, -2}};
    const Matrix4 m = Build(plane, {-10, 4, 1});
    // o + 3 X - 2 Y with the unit X = (1, 2, 2)/3 and Y = (2, 1, -2)/3.
    const HVector image = m * HVector(3 + 1 - 4.0 / 3, 3 + 2 - 2.0 / 3, 3 + 2 + 4.0 / 3, 1);
    EXPECT_NEAR(image.x(), 3.0, 1e-12);
    EXPECT_NEAR(image.y(), -2.0, 1e-12);
}

TEST(PerspectiveProjection, PointLevelWithCentreBecomesDirection)
{
    const Matrix4 m = Build({{0, 0, 5}, {1, 0, 0}, {0, 1, 0}}, {0, 0, 0});
    const HVector image = m * HVector(3, 4, 0, 1);
    EXPECT_EQ(image.w(), 0.0);
    EXPECT_NEAR(image.x(), 0.6, 1e-15);
    EXPECT_NEAR(image.y(), 0.8, 1e-15);
    // The centre itself has no image.
    EXPECT_TRUE(std::isnan((m * HVector(0, 0, 0, 1)).x()));
}

TEST(PerspectiveProjection, NegativeYAxisAsXGivesAFiniteMatrix)
{
    const Matrix4 m = Build({{2, 3, 4}, {0, -1, 0}, {1, 0, 0}}, {2, 3, 10});
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_TRUE(std::isfinite(m(r, c))) << r << ',' << c;
        }
    }
    const HVector image = m * HVector(5, 1, 4, 1); // in the plane
    EXPECT_NEAR(image.x(), 2.0, 1e-12);
    EXPECT_NEAR(image.y(), 3.0, 1e-12);
}

TEST(PerspectiveProjection, CentreInThePlaneGivesNonFiniteEntries)
{
    const Matrix4 m = Build({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {1, 1, 0});
    EXPECT_FALSE(std::isfinite(m(3, 2)));
}

TEST(PerspectiveProjection, LeavesCallerValuesUnchanged)
{
    const HVector originals[] = {HVector(0, 0, 5, 1), HVector(0, 0, -1, 0), HVector(0, 1, 0, 0),
                                 HVector(1, 2, 3, 1)};
    HVector copies[] = {originals[0], originals[1], originals[2], originals[3]};
    build_perspective_projection(copies[0], copies[1], copies[2], copies[3]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(copies[i], originals[i]);
        EXPECT_EQ(copies[i].w(), originals[i].w());
    }
}

} // namespace
} // namespace revareza
