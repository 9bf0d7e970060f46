#include <revareza/geometry/matrix4.hpp>
#include <revareza/geometry/rounded_math.hpp>

#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace revareza {
namespace {

const double kPi = std::acos(-1.0);

void ExpectNear(const HVector& v, double x, double y, double z, double w)
{
    EXPECT_NEAR(v.x(), x, 1e-15);
    EXPECT_NEAR(v.y(), y, 1e-15);
    EXPECT_NEAR(v.z(), z, 1e-15);
    EXPECT_EQ(v.w(), w);
}

TEST(Matrix4, DefaultIsIdentity)
{
    const Matrix4 m;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(m(r, c), r == c ? 1.0 : 0.0) << r << ',' << c;
        }
    }
}

TEST(Matrix4, ArrayIsRowMajor)
{
    double values[16];
    for (int i = 0; i < 16; ++i) {
        values[i] = i;
    }
    const Matrix4 m(values);
    EXPECT_EQ(m(0, 3), 3.0);
    EXPECT_EQ(m(1, 0), 4.0);
    EXPECT_EQ(m(2, 1), 9.0);
    EXPECT_EQ(m(3, 2), 14.0);
}

TEST(Matrix4, EqualityIsElementWise)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Matrix4 a;
    Matrix4 b;
    EXPECT_TRUE(a == b);
    b.make_scaling(1, 1, 2);
    EXPECT_TRUE(a != b);
    const Matrix4 n({nan, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    EXPECT_FALSE(n == n);
}

struct TransformCase {
    const char* name;
    Matrix4 m;
    HVector in;
    double x, y, z, w;
};

Matrix4 Made(void (Matrix4::*make)(double), double arg)
{
    Matrix4 m;
    (m.*make)(arg);
    return m;
}

TEST(Matrix4, ElementaryTransformsOnKnownVectors)
{
    Matrix4 translation;
    translation.make_translation(HVector(1, 2, 3, 1));
    Matrix4 scaling;
    scaling.make_scaling(2, -3, 0.5);
    Matrix4 shear;
    shear.make_shear_z(0.5, -1);
    const TransformCase cases[] = {
        {"rotation z", Made(&Matrix4::make_rotation_z, kPi / 2), HVector(1, 0, 0, 0), 0, 1, 0, 0},
        {"rotation x", Made(&Matrix4::make_rotation_x, kPi / 2), HVector(0, 1, 0, 0), 0, 0, 1, 0},
        {"rotation y", Made(&Matrix4::make_rotation_y, kPi / 2), HVector(0, 0, 1, 0), 1, 0, 0, 0},
        {"rotation z of point", Made(&Matrix4::make_rotation_z, kPi), HVector(2, 1, 5, 1), -2, -1, 5, 1},
        {"perspective divides by z/d", Made(&Matrix4::make_perspective_z, 2), HVector(4, 6, 8, 1), 1, 1.5, 2, 1},
        {"shear", shear, HVector(1, 1, 2, 1), 2, -1, 2, 1},
        {"scaling", scaling, HVector(1, 1, 4, 1), 2, -3, 2, 1},
        {"translation moves points", translation, HVector(1, 1, 1, 1), 2, 3, 4, 1},
        {"translation ignores directions", translation, HVector(0, 0, 1, 0), 0, 0, 1, 0},
        {"image of a direction is normalised", scaling, HVector(1, 0, 0, 0), 1, 0, 0, 0},
    };
    for (const TransformCase& t : cases) {
        SCOPED_TRACE(t.name);
        ExpectNear(t.m * t.in, t.x, t.y, t.z, t.w);
    }
}

TEST(Matrix4, RotationEntriesAndHandedness)
{
    Matrix4 m;
    m.make_rotation_y(0.25);
    EXPECT_EQ(m(0, 0), rounded::cos(0.25));
    EXPECT_EQ(m(0, 2), rounded::sin(0.25));
    EXPECT_EQ(m(2, 0), -rounded::sin(0.25));
    m.make_rotation_x(0.25);
    EXPECT_EQ(m(1, 2), -rounded::sin(0.25));
    EXPECT_EQ(m(2, 1), rounded::sin(0.25));
    m.make_rotation_z(0.25);
    EXPECT_EQ(m(0, 1), -rounded::sin(0.25));
    EXPECT_EQ(m(1, 0), rounded::sin(0.25));
}

TEST(Matrix4, MakeResetsEverythingElse)
{
    Matrix4 m;
    m.make_translation(HVector(7, 8, 9, 1));
    m.make_rotation_x(kPi / 3);
    EXPECT_EQ(m(0, 3), 0.0);
    EXPECT_EQ(m(1, 3), 0.0);
    EXPECT_EQ(m(2, 3), 0.0);
    m.make_perspective_z(4);
    m.make_shear_z(1, 2);
    EXPECT_EQ(m(3, 2), 0.0);
    EXPECT_EQ(m(3, 3), 1.0);
    m.set_identity();
    EXPECT_EQ(m, Matrix4());
}

TEST(Matrix4, PerspectiveOfZeroStoresInfinity)
{
    Matrix4 m;
    m.make_perspective_z(0);
    EXPECT_TRUE(std::isinf(m(3, 2)));
    EXPECT_EQ(m(3, 3), 0.0);
}

TEST(Matrix4, ProductAppliesRightFactorFirst)
{
    Matrix4 t;
    t.make_translation(HVector(1, 0, 0, 1));
    Matrix4 r;
    r.make_rotation_z(kPi / 2);
    const HVector origin;
    // T = R * T: translate, then rotate.
    ExpectNear((r * t) * origin, 0, 1, 0, 1);
    ExpectNear((t * r) * origin, 1, 0, 0, 1);
    ExpectNear((r * t) * origin, (r * (t * origin)).x(), (r * (t * origin)).y(), 0, 1);
}

TEST(Matrix4, ProductOfKnownMatrices)
{
    const Matrix4 a({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    const Matrix4 b({1, 0, 2, 0, 0, 1, 0, 3, 1, 1, 1, 1, 0, 0, 0, 1});
    const Matrix4 expected({4, 5, 5, 13, 12, 13, 17, 33, 20, 21, 29, 53, 28, 29, 41, 73});
    EXPECT_EQ(a * b, expected);
}

TEST(Matrix4, ProductSumStartsAtPositiveZero)
{
    // Every term of entry [0][0] is -0.0; a sum seeded with the first term
    // would keep -0.0, which then prints as -0.00000.
    const Matrix4 a({-1, -1, -1, -1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    const Matrix4 zeros({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const Matrix4 p = a * zeros;
    EXPECT_EQ(p(0, 0), 0.0);
    EXPECT_FALSE(std::signbit(p(0, 0)));
}

TEST(Matrix4, ApplicationDividesByTheNewWeight)
{
    const Matrix4 m({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 4});
    ExpectNear(m * HVector(4, 8, 12, 1), 1, 2, 3, 1);
    // Weight 0 after application: a unit direction.
    const Matrix4 flat({3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0});
    ExpectNear(flat * HVector(1, 1, 0, 1), 0.6, 0.8, 0, 0);
    EXPECT_EQ(image_weight(flat, HVector(1, 1, 0, 1)), 0.0);
    EXPECT_EQ(image_weight(m, HVector(4, 8, 12, 1)), 4.0);
    // A direction whose image is zero becomes NaN.
    const HVector lost = Matrix4({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) * HVector(1, 0, 0, 0);
    EXPECT_TRUE(std::isnan(lost.x()));
}

TEST(Matrix4, PrintIdentityByteForByte)
{
    test::FlushRecorder buffer;
    std::ostream out(&buffer);
    print_matrix(Matrix4(), out);
    const std::string row0 = "   1.00000    0.00000    0.00000    0.00000 \n";
    const std::string row1 = "   0.00000    1.00000    0.00000    0.00000 \n";
    const std::string row2 = "   0.00000    0.00000    1.00000    0.00000 \n";
    const std::string row3 = "   0.00000    0.00000    0.00000    1.00000 \n";
    EXPECT_EQ(buffer.str(), row0 + row1 + row2 + row3);
    const std::size_t line = row0.size();
    EXPECT_EQ(buffer.flushed_at, (std::vector<std::size_t>{line, 2 * line, 3 * line, 4 * line}));
}

TEST(Matrix4, PrintSignsWidthsAndSpecialValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Matrix4 m({-0.0, -0.000001, 0.000004, 0.000005, 12345.678901, -99999.5, 1e10, 2.5,
                     inf, -inf, nan, -nan, 0.2, 1, 1, 1});
    std::ostringstream out;
    print_matrix(m, out);
    EXPECT_EQ(out.str(),
              "  -0.00000   -0.00000    0.00000    0.00001 \n"
              "12345.67890 -99999.50000 10000000000.00000    2.50000 \n"
              "       inf       -inf        nan       -nan \n"
              "   0.20000    1.00000    1.00000    1.00000 \n");
}

TEST(Matrix4, PrintLeavesPrecisionAndClearsItsFlags)
{
    std::ostringstream out;
    out.setf(std::ios::left, std::ios::adjustfield);
    out.fill('*');
    print_matrix(Matrix4(), out);
    EXPECT_EQ(out.precision(), 5);
    EXPECT_FALSE(out.flags() & std::ios::fixed);
    EXPECT_FALSE(out.flags() & std::ios::showpoint);
    // The stream's own adjustment and fill are not overridden.
    EXPECT_EQ(out.str().substr(0, 11), "1.00000*** ");
}

// A field width set before the call is used up inside it, on the formatted
// path (plain flags) and on the stream's own (left adjustment) alike.
TEST(Matrix4, PrintUsesUpTheCallersFieldWidth)
{
    for (const bool left : {false, true}) {
        SCOPED_TRACE(left ? "left-adjusted" : "plain");
        std::ostringstream out;
        if (left) {
            out.setf(std::ios::left, std::ios::adjustfield);
        }
        out.width(12);
        print_matrix(Matrix4(), out);
        EXPECT_EQ(out.width(), 0);
        out << "|";
        EXPECT_EQ(out.str().substr(out.str().size() - 2), "\n|");
    }
}

} // namespace
} // namespace revareza
