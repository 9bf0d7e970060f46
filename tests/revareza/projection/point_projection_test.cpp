#include <revareza/projection/point_projection.hpp>

#include <revareza/projection/parallel_projection.hpp>
#include <revareza/projection/perspective_projection.hpp>
#include <revareza/projection/point_image.hpp>

#include "tests/revareza/projection/projection_oracle.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace revareza {
namespace {

using test::Direction;
using test::Point;

constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr std::ptrdiff_t D = sizeof(double);

struct NamedMatrix {
    const char* name;
    Matrix4 m;
};

Matrix4 Perspective(test::V3 o, test::V3 x, test::V3 y, test::V3 c)
{
    return build_perspective_projection(Point(o), Direction(x), Direction(y), Point(c));
}

std::vector<NamedMatrix> Matrices()
{
    double signed_zeros[16];
    for (int i = 0; i < 16; ++i) {
        signed_zeros[i] = i % 5 == 0 ? 1.0 : -0.0;
    }
    const double no_weight[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    const double weight_x_plus_y[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0};
    return {
        // Weight 0.2 z: exactly 0 at z = 0, negative behind the centre.
        {"from the origin onto z = 5", Perspective({0, 0, 5}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0})},
        // Weight 1 - z against terms 1 + z: within 2^-40 of 0, not 0, near z = 1.
        {"from (0, 0, 1) onto z = 0", Perspective({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1})},
        {"skew perspective", Perspective({3, 3, 3}, {1, 2, 2}, {2, 1, -2}, {-10, 4, 1})},
        {"oblique parallel", build_parallel_projection(Point({1, -2, 3}), Direction({0, 0, -1}),
                                                       Direction({0, 1, 0}), Direction({1, 1, 1}))},
        {"signed zeros", Matrix4(signed_zeros)},
        {"no weight at all", Matrix4(no_weight)},
        // (2^40 + 1, 1 - 2^40): weight 2, exactly 2^-40 times its terms' 2^41.
        {"weight x + y", Matrix4(weight_x_plus_y)},
    };
}

// Points the lanes could get wrong, strewn over every lane among random ones.
const double AWKWARD[][3] = {
    {-0.0, -0.0, -0.0}, {-0.0, 1, 1},       {INF, 1, 2},         {NOT_A_NUMBER, 0, 0}, {1, -INF, INF},
    {0, 0, 0},          {1, 2, 0},          {3, -4, 1 - 0x1p-42}, {3, 4, 1 + 0x1p-44},  {-5, 1, 1 - 0x1p-38},
    {1e300, 1e300, 1},  {1e-200, -1e-200, 0}, {0, 0, 1},  {0, 0, 1 - 0x1.8p-40}, {0x1p40 + 1, 1 - 0x1p40, 0},
    {0x1p40 + 3, 1 - 0x1p40, 0}, {1.7e308, -1e308, 0},
};

std::vector<double> Points(std::size_t count)
{
    test::Random random;
    std::vector<double> points(3 * count);
    for (std::size_t i = 0; i < count; ++i) {
        for (int c = 0; c < 3; ++c) {
            const double u = static_cast<double>(random.Next() >> 11) * 0x1p-53;
            points[3 * i + c] = i % 7 == 0 ? AWKWARD[i / 7 % std::size(AWKWARD)][c] : 100 * u - 50;
        }
    }
    return points;
}

// Slots of `width` doubles at any strides in a byte buffer, shifted off
// alignment by `shift`, with 8 guard bytes each side; every byte starts as
// `fill`.
struct Strided {
    std::vector<char> bytes;
    char* first;

    Strided(std::size_t count, int width, std::ptrdiff_t point, std::ptrdiff_t coordinate, int shift, char fill)
    {
        const auto last = static_cast<std::ptrdiff_t>(std::max<std::size_t>(count, 1) - 1);
        const std::ptrdiff_t span = (width - 1) * coordinate;
        const std::ptrdiff_t low = std::min({std::ptrdiff_t{0}, last * point, span, last * point + span});
        const std::ptrdiff_t high = std::max({std::ptrdiff_t{0}, last * point, span, last * point + span});
        bytes.assign(static_cast<std::size_t>(high - low + D + 16 + shift), fill);
        first = bytes.data() + 8 + shift - low;
    }
};

struct Layout {
    const char* name;
    std::ptrdiff_t in_point, in_coordinate, out_point, out_coordinate;
    int shift;
    bool by_coordinate; // x of every point, then y, then z: in_coordinate is count doubles
};

const Layout LAYOUTS[] = {
    {"packed", 3 * D, D, 2 * D, D, 0, false},
    {"packed, unaligned", 3 * D, D, 2 * D, D, 3, false},
    {"spread", 5 * D, 2 * D, 4 * D, 2 * D, 0, false},
    {"reversed", -3 * D, D, -2 * D, D, 0, false},
    {"coordinates backwards", 3 * D, -D, 2 * D, -D, 0, false},
    {"odd byte strides", 25, D, 17, 9, 1, false},
    {"one point for all", 0, D, 2 * D, D, 0, false},
    {"by coordinate", D, 0, 3 * D, D, 0, true},
};

std::uint64_t Bits(double v)
{
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

// Runs `count` points from `start` of `points` through each way in this
// layout; each must write exactly the bits of m * HVector with has_image's
// NaN, and not one byte besides.
void ExpectEveryWayExact(const Matrix4& m, const std::vector<double>& points, std::size_t start, std::size_t count,
                         const Layout& layout)
{
    const std::ptrdiff_t in_coordinate =
        layout.by_coordinate ? static_cast<std::ptrdiff_t>(std::max<std::size_t>(count, 1)) * D : layout.in_coordinate;
    Strided in(count, 3, layout.in_point, in_coordinate, layout.shift, 0);
    Strided expected(count, 2, layout.out_point, layout.out_coordinate, layout.shift, 0x5A);
    for (std::size_t i = 0; i < count; ++i) {
        const double* p = &points[3 * (start + (layout.in_point == 0 ? 0 : i))];
        const auto at = static_cast<std::ptrdiff_t>(i);
        for (int c = 0; c < 3; ++c) {
            std::memcpy(in.first + at * layout.in_point + c * in_coordinate, &p[c], D);
        }
        const HVector point(p[0], p[1], p[2], 1);
        const HVector image = m * point;
        const double xy[2] = {has_image(m, point) ? image.x() : NOT_A_NUMBER,
                              has_image(m, point) ? image.y() : NOT_A_NUMBER};
        for (int c = 0; c < 2; ++c) {
            std::memcpy(expected.first + at * layout.out_point + c * layout.out_coordinate, &xy[c], D);
        }
    }
    const bool packed = layout.in_point == 3 * D && in_coordinate == D && layout.out_point == 2 * D &&
                        layout.out_coordinate == D && layout.shift == 0;
    // Each way, then (-1) the call on packed arrays.
    for (const int way : {0, 1, 2, -1}) {
        if (way < 0 && !packed) {
            continue;
        }
        SCOPED_TRACE(way);
        Strided out(count, 2, layout.out_point, layout.out_coordinate, layout.shift, 0x5A);
        if (way < 0) {
            project_points(m, reinterpret_cast<const double*>(in.first), count, reinterpret_cast<double*>(out.first));
        } else {
            const PointRun run{in.first,  layout.in_point,        in_coordinate, out.first,
                               layout.out_point, layout.out_coordinate, count};
            project_points(m, run, static_cast<Lanes>(way));
        }
        for (std::size_t i = 0; i < count * 2; ++i) {
            const char* at = static_cast<std::ptrdiff_t>(i / 2) * layout.out_point +
                             static_cast<std::ptrdiff_t>(i % 2) * layout.out_coordinate + out.first;
            double got, want;
            std::memcpy(&got, at, D);
            std::memcpy(&want, at - out.first + expected.first, D);
            ASSERT_EQ(Bits(got), Bits(want)) << "point " << start + i / 2 << " of " << count << ", coordinate "
                                             << i % 2 << ": " << got << " for " << want;
        }
        ASSERT_TRUE(out.bytes == expected.bytes) << "bytes written outside the images";
    }
}

TEST(PointProjection, EveryWayGivesMatrixTimesPointBitForBit)
{
#if defined(__SSE2__)
    EXPECT_NE(best_lanes(), Lanes::SCALAR);
#endif
    const std::vector<double> points = Points(4099 + 8);
    for (const NamedMatrix& matrix : Matrices()) {
        SCOPED_TRACE(matrix.name);
        for (const Layout& layout : LAYOUTS) {
            SCOPED_TRACE(layout.name);
            // Every remainder of two and four lanes, from each start.
            for (std::size_t count = 0; count <= 9; ++count) {
                for (std::size_t start = 0; start < 8; ++start) {
                    ASSERT_NO_FATAL_FAILURE(ExpectEveryWayExact(matrix.m, points, start, count, layout));
                }
            }
            ASSERT_NO_FATAL_FAILURE(ExpectEveryWayExact(matrix.m, points, 1, 3001, layout));
            ASSERT_NO_FATAL_FAILURE(ExpectEveryWayExact(matrix.m, points, 0, 4099, layout));
        }
    }
}

} // namespace
} // namespace revareza
