#include <revareza/geometry/matrix4.hpp>

#include <gtest/gtest.h>

#include <cmath>

namespace revareza {
namespace {

const double kPi = std::acos(-1.0);
const float kHalfPi = static_cast<float>(kPi / 2);
// Error of an angle that travelled as a float, in the entries of the matrix.
const double kFloatAngleError = 1e-7;

// Rodrigues' formula, an independent oracle:
// v cos t + (k x v) sin t + k (k . v)(1 - cos t), with k the unit axis.
void Rodrigues(const HVector& k, float theta, const double v[3], double out[3])
{
    const double t = static_cast<double>(theta);
    const double kv = k.x() * v[0] + k.y() * v[1] + k.z() * v[2];
    const double kxv[3] = {k.y() * v[2] - k.z() * v[1], k.z() * v[0] - k.x() * v[2],
                           k.x() * v[1] - k.y() * v[0]};
    const double kk[3] = {k.x(), k.y(), k.z()};
    for (int i = 0; i < 3; ++i) {
        out[i] = v[i] * std::cos(t) + kxv[i] * std::sin(t) + kk[i] * kv * (1 - std::cos(t));
    }
}

struct AxisCase {
    double ax, ay, az;
    float theta;
};

TEST(AxisRotation, AgreesWithRodriguesForAxesOfEverySign)
{
    const AxisCase cases[] = {
        {0, 0, 1, kHalfPi},   {0, 0, -1, kHalfPi},  {1, 0, 0, 0.3f},     {-1, 0, 0, 0.3f},
        {0, 1, 0, 1.2f},      {0, -1, 0, kHalfPi},  {1, 1, 1, 2.0944f},  {-1, 2, -3, -0.7f},
        {2, -1, 0.5, 4.0f},   {-3, -2, 1, 1.0f},    {1, -1, 0, 0.5f},    {0.2, 0, -0.9, 3.0f},
        // A hair off the x axis, where acos of the cosine would lose the turn.
        {1, 1e-9, 0, 1.0f},   {1, 0, -1e-9, 2.0f},  {-1, 1e-10, 1e-12, 1.5f}, {1, 3e-5, -2e-6, 3.0f},
    };
    const double basis[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (const AxisCase& t : cases) {
        SCOPED_TRACE(testing::Message() << t.ax << ' ' << t.ay << ' ' << t.az << " by " << t.theta);
        const HVector axis(t.ax, t.ay, t.az, 0);
        Matrix4 m;
        m.make_axis_rotation(axis, t.theta);
        for (int c = 0; c < 3; ++c) { // column c is the image of basis vector c
            double expected[3];
            Rodrigues(axis, t.theta, basis[c], expected);
            for (int r = 0; r < 3; ++r) {
                EXPECT_NEAR(m(r, c), expected[r], 1e-12) << "entry " << r << ',' << c;
            }
        }
        // A pure rotation: no translation, homogeneous row untouched.
        EXPECT_EQ(m(3, 0), 0.0);
        EXPECT_EQ(m(3, 3), 1.0);
        EXPECT_NEAR(m(0, 3), 0.0, 1e-15);
    }
}

TEST(AxisRotation, QuarterTurnAboutZCarriesFloatAngleError)
{
    Matrix4 m;
    m.make_axis_rotation(HVector(0, 0, 1, 0), kHalfPi);
    EXPECT_NEAR(m(0, 1), -1.0, kFloatAngleError);
    EXPECT_NEAR(m(1, 0), 1.0, kFloatAngleError);
    // cos of the float nearest pi/2 is about -4.37e-8: far from the 6e-17 of
    // a double angle, which shows the angle really travelled as a float.
    EXPECT_NEAR(m(0, 0), std::cos(static_cast<double>(kHalfPi)), 1e-16);
    EXPECT_GT(std::fabs(m(0, 0)), 4e-8);
    const HVector turned = m * HVector(1, 0, 0, 0);
    EXPECT_NEAR(turned.x(), 0.0, kFloatAngleError);
    EXPECT_NEAR(turned.y(), 1.0, kFloatAngleError);
}

TEST(AxisRotation, AboutXIsTheElementaryRotation)
{
    Matrix4 m;
    m.make_axis_rotation(HVector(1, 0, 0, 0), 0.75f);
    Matrix4 rx;
    rx.make_rotation_x(0.75);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(m(r, c), rx(r, c), 1e-15) << r << ',' << c;
        }
    }
}

TEST(AxisRotation, NegativeYAxisHasNoNaN)
{
    Matrix4 m;
    m.make_axis_rotation(HVector(0, -1, 0, 0), kHalfPi);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_FALSE(std::isnan(m(r, c))) << r << ',' << c;
        }
    }
    // Right-handed about -y: z turns to -x.
    const HVector turned = m * HVector(0, 0, 1, 0);
    EXPECT_NEAR(turned.x(), -1.0, kFloatAngleError);
    EXPECT_NEAR(turned.y(), 0.0, kFloatAngleError);
    EXPECT_NEAR(turned.z(), 0.0, kFloatAngleError);
}

TEST(AxisRotation, OverwritesWhatTheMatrixHeld)
{
    Matrix4 m;
    m.make_translation(HVector(5, 6, 7, 1));
    m.make_axis_rotation(HVector(0, 0, 1, 0), 0.0f);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(m(r, c), r == c ? 1.0 : 0.0, 1e-15) << r << ',' << c;
        }
    }
}

TEST(LineRotation, HalfTurnAboutVerticalLineThroughPoint)
{
    const HVector pivot(1, 0, 0, 1);
    Matrix4 m;
    m.make_line_rotation(pivot, HVector(0, 0, 1, 0), static_cast<float>(kPi));
    const HVector moved = m * HVector(2, 0, 0, 1);
    EXPECT_NEAR(moved.x(), 0.0, kFloatAngleError);
    EXPECT_NEAR(moved.y(), 0.0, kFloatAngleError);
    EXPECT_NEAR(moved.z(), 0.0, kFloatAngleError);
    const HVector fixed = m * pivot;
    EXPECT_NEAR(fixed.x(), 1.0, 1e-15);
    EXPECT_NEAR(fixed.y(), 0.0, kFloatAngleError);
    // A point up the axis stays on it.
    const HVector up = m * HVector(1, 0, 3, 1);
    EXPECT_NEAR(up.x(), 1.0, 1e-15);
    EXPECT_NEAR(up.z(), 3.0, 1e-15);
}

TEST(LineRotation, QuarterTurnAboutOffsetSkewAxis)
{
    const HVector pivot(1, 2, 3, 1);
    const HVector axis(1, 1, 0, 0);
    Matrix4 m;
    m.make_line_rotation(pivot, axis, kHalfPi);
    const double offset[3] = {0, 0, 1}; // point pivot + z, relative to the pivot
    double expected[3];
    Rodrigues(axis, kHalfPi, offset, expected);
    const HVector moved = m * HVector(1, 2, 4, 1);
    EXPECT_NEAR(moved.x(), 1 + expected[0], 1e-12);
    EXPECT_NEAR(moved.y(), 2 + expected[1], 1e-12);
    EXPECT_NEAR(moved.z(), 3 + expected[2], 1e-12);
}

} // namespace
} // namespace revareza
