#include <revareza/projection/parallel_projection.hpp>

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

Matrix4 Build(const Plane& plane, V3 d)
{
    return build_parallel_projection(Point(plane.o), Direction(plane.x), Direction(plane.y), Direction(d));
}

// As a definition builds it: Y made orthogonal to X first.
Matrix4 BuildWithOrthogonalY(const Plane& plane, V3 d)
{
    const HVector x = Direction(plane.x);
    return build_parallel_projection(Point(plane.o), x, orthogonal_y(x, Direction(plane.y)), Direction(d));
}

struct ParallelCase {
    const char* name;
    Plane plane;
    V3 d;
};

// Planes that take every branch of the alignment: X on (0, +-1, 0), X with
// negative z, X with negative y after the first turn, Y with negative z.
const ParallelCase kCases[] = {
    {"xy plane, orthogonal", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 0, 1}},
    {"x is -z", {{1, -2, 3}, {0, 0, -1}, {0, 1, 0}}, {1, 1, 1}},
    {"x is +y", {{0, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {1, 0, 0}},
    {"x is -y", {{2, 3, 4}, {0, -1, 0}, {1, 0, 0}}, {0, 0, 1}},
    {"x is -y, oblique", {{-1, 0, 2}, {0, -1, 0}, {0, 0, -1}}, {1, 0.5, -0.25}},
    {"x is -x", {{0, 0, 0}, {-1, 0, 0}, {0, -1, 0}}, {0, 0, -1}},
    {"x down in y, y down in z", {{-1, 5, 2}, {1, -1, 0}, {0, 0, -1}}, {2, -1, 3}},
    {"skew", {{3, 3, 3}, {1, 2, 2}, {2, 1, -2}}, {-1, 0.5, 2}},
    {"x is +z", {{0.5, 0, -7}, {0, 0, 1}, {-1, 0, 0}}, {0.3, -1, 0.2}},
};

const V3 kPoints[] = {{0, 0, 0}, {5, 1, 9}, {-3, 2.5, -4}, {100, -200, 300}};

TEST(ParallelProjection, MatchesLinePlaneIntersection)
{
    for (const ParallelCase& t : kCases) {
        SCOPED_TRACE(t.name);
        const Matrix4 m = Build(t.plane, t.d);
        for (const V3& p : kPoints) {
            const HVector image = m * Point(p);
            const test::PlanePoint expected = test::ParallelImage(t.plane, test::Unit(t.d), p);
            EXPECT_NEAR(image.x(), expected.x, 1e-9);
            EXPECT_NEAR(image.y(), expected.y, 1e-9);
            EXPECT_EQ(image.w(), 1.0);
            // The third coordinate is the signed distance from the plane.
            const V3 n = test::Unit(test::Cross(t.plane.x, t.plane.y));
            EXPECT_NEAR(image.z(), test::Dot(test::Sub(p, t.plane.o), n), 1e-9);
        }
    }
}

// Near a coordinate plane the angles are small, or near pi: every digit
// still counts. Points far from the plane, along an oblique direction.
TEST(ParallelProjection, PlanesNearTheAxesKeepTheirDigits)
{
    const V3 d = {0.3, 0.2, 1};
    const V3 points[] = {{10000, 10000, -3}, {-7000, 200, 9000}, {1, 2, 3}};
    for (const Plane& plane : test::NearAxisPlanes()) {
        SCOPED_TRACE(::testing::Message() << "X " << plane.x.x << ' ' << plane.x.y << ' ' << plane.x.z << ", Y "
                                          << plane.y.x << ' ' << plane.y.y << ' ' << plane.y.z);
        // Along the plane's normal, turned the other way: never along it.
        const V3 n = test::Unit(test::Cross(plane.x, plane.y));
        const V3 direction = test::Add(n, test::Scale(test::Unit(plane.x), d.x));
        const Matrix4 m = BuildWithOrthogonalY(plane, direction);
        for (const V3& p : points) {
            const HVector image = m * Point(p);
            const test::PlanePoint expected = test::ParallelImage(plane, test::Unit(direction), p);
            const double size = std::fmax(std::fabs(expected.x), std::fabs(expected.y));
            EXPECT_NEAR(image.x(), expected.x, 1e-12 * size);
            EXPECT_NEAR(image.y(), expected.y, 1e-12 * size);
        }
    }
    // Y kept as given within the tolerance still spans the plane's frame.
    const Matrix4 m = BuildWithOrthogonalY({{0, 0, 0}, {1, 0, 0}, {9e-8, 1, 0}}, {1, 1, 1});
    const HVector image = m * Point({0, 10000, 5000});
    EXPECT_NEAR(image.x(), -5000, 1e-12 * 5000);
    EXPECT_NEAR(image.y(), 5000, 1e-12 * 5000);
}

TEST(ParallelProjection, OrthogonalOntoXyIsExactIdentity)
{
    const Matrix4 m = Build({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 0, 1});
    EXPECT_EQ(m, Matrix4());
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_FALSE(std::signbit(m(r, c))) << r << ',' << c; // would print -0.00000
        }
    }
    const HVector image = m * HVector(1, 2, 3, 1);
    EXPECT_EQ(image, HVector(1, 2, 3, 1));
}

TEST(ParallelProjection, ShiftedOriginIsTranslation)
{
    const Matrix4 m = Build({{1, 1, 1}, {1, 0, 0}, {0, 1, 0}}, {0, 0, 1});
    const Matrix4 expected({1, 0, 0, -1, 0, 1, 0, -1, 0, 0, 1, -1, 0, 0, 0, 1});
    EXPECT_EQ(m, expected);
    EXPECT_EQ(m * HVector(3, 5, 7, 1), HVector(2, 4, 6, 1));
}

TEST(ParallelProjection, ObliqueDirectionShears)
{
    const Matrix4 m = Build({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {1, 0, 1});
    EXPECT_EQ(m(0, 2), -1.0);
    EXPECT_EQ(m(1, 2), 0.0);
    EXPECT_EQ(m * HVector(0, 0, 2, 1), HVector(-2, 0, 2, 1));
}

TEST(ParallelProjection, NegativeYAxisAsXGivesAFiniteMatrix)
{
    // Its shadow on the xz-plane is the zero direction; the turn about y
    // must be skipped rather than computed from NaN.
    const Matrix4 m = Build({{2, 3, 4}, {0, -1, 0}, {1, 0, 0}}, {0, 0, 1});
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_TRUE(std::isfinite(m(r, c))) << r << ',' << c;
        }
    }
    const HVector image = m * HVector(5, 1, 9, 1);
    EXPECT_NEAR(image.x(), 2.0, 1e-12);
    EXPECT_NEAR(image.y(), 3.0, 1e-12);
}

TEST(ParallelProjection, NegativeZAsXTurnsOntoX)
{
    const Matrix4 m = Build({{0, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {1, 0, 0});
    const HVector x_image = m * HVector(0, 0, -1, 0);
    EXPECT_NEAR(x_image.x(), 1.0, 1e-15);
    EXPECT_NEAR(x_image.y(), 0.0, 1e-15);
    EXPECT_NEAR(x_image.z(), 0.0, 1e-15);
}

TEST(ParallelProjection, DirectionInThePlaneGivesNonFiniteShear)
{
    const Matrix4 m = Build({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {1, 0, 0});
    EXPECT_FALSE(std::isfinite(m(0, 2)));
}

TEST(ParallelProjection, LeavesCallerValuesUnchanged)
{
    const HVector o(1, 2, 3, 1);
    const HVector x(0, 0, -1, 0);
    const HVector y(0, 1, 0, 0);
    const HVector d(1, 1, 1, 0);
    HVector copies[] = {o, x, y, d};
    build_parallel_projection(copies[0], copies[1], copies[2], copies[3]);
    const HVector originals[] = {o, x, y, d};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(copies[i], originals[i]);
        EXPECT_EQ(copies[i].w(), originals[i].w());
    }
}

} // namespace
} // namespace revareza
