#include <revareza/projection/orthogonal_y.hpp>
#include <revareza/projection/parallel_projection.hpp>
#include <revareza/projection/perspective_projection.hpp>
#include <revareza/projection/projection_steps.hpp>
#include <revareza/text/number_input.hpp>

#include "tools/definition_generator.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace revareza {
namespace {

bool SameBits(const Matrix4& a, const Matrix4& b)
{
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const double x = a(r, c);
            const double y = b(r, c);
            if (std::memcmp(&x, &y, sizeof x) != 0) {
                return false;
            }
        }
    }
    return true;
}

// The matrix the make_* operation writes for the step's kind and parameters.
Matrix4 Elementary(const ProjectionStep& step)
{
    Matrix4 m;
    const double* p = step.parameter;
    switch (step.kind) {
    case StepKind::TRANSLATION:
        m.make_translation(HVector(p[0], p[1], p[2], 1.0));
        break;
    case StepKind::ROTATION_Y:
        m.make_rotation_y(p[0]);
        break;
    case StepKind::ROTATION_Z:
        m.make_rotation_z(p[0]);
        break;
    case StepKind::ROTATION_X:
        m.make_rotation_x(p[0]);
        break;
    case StepKind::SHEAR:
        m.make_shear_z(p[0], p[1]);
        break;
    case StepKind::PERSPECTIVE:
        m.make_perspective_z(p[0]);
        break;
    }
    return m;
}

// On the definitions the program and the web module are compared on: the
// steps come in their order, each is the elementary transform of its
// parameters, the first moves O (or C) to the origin, and multiplied in
// order (T = S * T) they are the builder's matrix to the last bit.
TEST(ProjectionSteps, MultipliedInOrderAreTheBuildersMatrixBitForBit)
{
    const StepKind parallel[] = {StepKind::TRANSLATION, StepKind::ROTATION_Y, StepKind::ROTATION_Z,
                                 StepKind::ROTATION_X, StepKind::SHEAR};
    const StepKind perspective[] = {StepKind::TRANSLATION, StepKind::ROTATION_Y, StepKind::ROTATION_Z,
                                    StepKind::ROTATION_X, StepKind::SHEAR, StepKind::PERSPECTIVE};
    int definitions = 0;
    for (const tools::Kind kind : {tools::Kind::INTEGERS, tools::Kind::MIXED, tools::Kind::WILD}) {
        std::istringstream lines(tools::definitions_text(20000, 20261208, kind, false));
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream words(line);
            int type = 0;
            std::vector<double> v;
            std::string word;
            for (words >> type; words >> word;) {
                double value = 0;
                ASSERT_TRUE(read_number(word, value)) << word;
                v.push_back(value);
            }
            if (type != 1 && type != 2) {
                continue;
            }
            SCOPED_TRACE(line);
            ++definitions;
            const HVector o(v[0], v[1], v[2], 1.0);
            const HVector x(v[3], v[4], v[5], 0.0);
            const HVector y = orthogonal_y(x, HVector(v[6], v[7], v[8], 0.0));
            const HVector last(v[9], v[10], v[11], type == 1 ? 0.0 : 1.0);
            const ProjectionSteps steps = type == 1 ? parallel_steps(o, x, y, last) : perspective_steps(o, x, y, last);
            const Matrix4 built = type == 1 ? build_parallel_projection(o, x, y, last)
                                            : build_perspective_projection(o, x, y, last);
            const StepKind* kinds = type == 1 ? parallel : perspective;
            ASSERT_EQ(steps.count, type == 1 ? 5 : 6);
            Matrix4 t = steps.step[0].matrix;
            for (int i = 0; i < steps.count; ++i) {
                ASSERT_EQ(steps.step[i].kind, kinds[i]);
                ASSERT_TRUE(SameBits(steps.step[i].matrix, Elementary(steps.step[i]))) << step_name(kinds[i]);
                if (i > 0) {
                    t = steps.step[i].matrix * t;
                }
                // What the first steps have done so far, as the page's stepper shows it.
                ASSERT_TRUE(SameBits(product(steps, i + 1), t));
            }
            ASSERT_TRUE(SameBits(product(steps, 0), Matrix4()));
            const HVector moved = type == 1 ? o : last;
            ASSERT_TRUE(steps.step[0].parameter[0] == -moved.x() && steps.step[0].parameter[1] == -moved.y()
                        && steps.step[0].parameter[2] == -moved.z());
            ASSERT_TRUE(SameBits(t, built));
            ASSERT_TRUE(SameBits(product(steps), built));
        }
    }
    EXPECT_GT(definitions, 50000);
}

// On the axes each turn's sign is fixed by a strict test (< 0): a z, y or
// z of exactly 0 takes the positive branch, so X = (-1, 0, 0) turns by +pi
// about y, never -pi (whose sine would flip the signs of the matrix's
// zeros, -0.00000 where 0.00000 stands).
TEST(ProjectionSteps, TurnsOnTheAxesHaveTheirSigns)
{
    const double pi = std::acos(-1.0);
    const struct {
        HVector x, y;
        double alpha, beta, gamma;
    } cases[] = {
        {HVector(-1, 0, 0, 0), HVector(0, 1, 0, 0), pi, -0.0, -0.0},
        {HVector(1, 0, 0, 0), HVector(0, -1, 0, 0), 0.0, -0.0, -pi},
        {HVector(0, 0, -1, 0), HVector(0, 1, 0, 0), -pi / 2, -0.0, -0.0},
        {HVector(0, 0, 1, 0), HVector(0, 1, 0, 0), pi / 2, -0.0, -0.0},
        {HVector(0, -1, 0, 0), HVector(1, 0, 0, 0), 0.0, pi / 2, -0.0},
        {HVector(0, 1, 0, 0), HVector(0, 0, 1, 0), 0.0, -pi / 2, -pi / 2},
        {HVector(1, 0, 0, 0), HVector(0, 0, -1, 0), 0.0, -0.0, pi / 2},
        {HVector(1, 0, 0, 0), HVector(0, 0, 1, 0), 0.0, -0.0, -pi / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "X " << c.x << ", Y " << c.y);
        const ProjectionSteps steps = parallel_steps(HVector(0, 0, 0, 1), c.x, c.y, cross(c.x, c.y));
        const double expected[3] = {c.alpha, c.beta, c.gamma};
        for (int i = 0; i < 3; ++i) {
            const double angle = steps.step[1 + i].parameter[0];
            EXPECT_EQ(angle, expected[i]) << step_name(steps.step[1 + i].kind);
            EXPECT_EQ(std::signbit(angle), std::signbit(expected[i])) << step_name(steps.step[1 + i].kind);
        }
    }
}

// A rotation's angle as the page shows it in degrees: the ratio 180/pi
// gives the round angles exactly.
TEST(ProjectionSteps, AnglesInDegrees)
{
    const double pi = std::acos(-1.0);
    const double cases[][2] = {{0.0, 0.0}, {pi, 180.0}, {-pi / 2, -90.0}, {pi / 4, 45.0}, {1.0, 57.295779513082323}};
    for (const auto& c : cases) {
        EXPECT_EQ(degrees(c[0]), c[1]) << c[0];
    }
}

} // namespace
} // namespace revareza
