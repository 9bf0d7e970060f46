#include <revareza/definition/definition.hpp>
#include <revareza/definition/matrix_forms.hpp>
#include <revareza/definition/messages.hpp>
#include <revareza/definition/projection_types.hpp>
#include <revareza/definition/text_fields.hpp>
#include <revareza/definition/text_set.hpp>
#include <revareza/projection/orthogonal_y.hpp>
#include <revareza/projection/perspective_projection.hpp>

#include "tests/revareza/projection/projection_oracle.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace revareza {
namespace {

struct FieldsCase {
    const char* name;
    ProjectionType type;
    // The point, O, X, Y, then D or C: three fields each.
    std::string_view fields[15];
    Problem problem;
    Role role;
    const char* result; // for a definition with a projection
};

constexpr ProjectionType PARALLEL = ProjectionType::PARALLEL;
constexpr ProjectionType PERSPECTIVE = ProjectionType::PERSPECTIVE;

// Each reason a definition has none, decided by the builders' own
// arithmetic, and the near misses that keep their projection.
const FieldsCase kCases[] = {
    {"plain", PARALLEL, {"1", "2", "3", "0", "0", "0", "1", "0", "0", "0", "1", "0", "0", "0", "1"},
     Problem::NONE, Role::POINT, "O resultado da revareza e': (1.00000,2.00000)"},
    {"white space around", PARALLEL, {" 1", "2\t", "\n3 ", "0", "0", "0", "1", "0", "0", "0", "1", "0", "0", "0", "1"},
     Problem::NONE, Role::POINT, "O resultado da revareza e': (1.00000,2.00000)"},
    {"empty field", PARALLEL, {"1", "", "3", "0", "0", "0", "1", "0", "0", "0", "1", "0", "0", "0", "1"},
     Problem::UNREADABLE, Role::POINT, nullptr},
    {"two numbers in a field", PARALLEL, {"1", "2", "3", "0 1", "0", "0", "1", "0", "0", "0", "1", "0", "0", "0", "1"},
     Problem::UNREADABLE, Role::ORIGIN, nullptr},
    {"overflow", PARALLEL, {"1", "2", "3", "0", "0", "0", "1e400", "0", "0", "0", "1", "0", "0", "0", "1"},
     Problem::UNREADABLE, Role::X, nullptr},
    {"zero direction", PERSPECTIVE, {"1", "2", "3", "0", "0", "0", "1", "0", "0", "-0", "0", "0.0", "0", "0", "0"},
     Problem::ZERO_DIRECTION, Role::Y, nullptr},
    {"first refusal wins", PARALLEL, {"x", "2", "3", "0", "0", "0", "0", "0", "0", "0", "1", "0", "0", "0", "1"},
     Problem::UNREADABLE, Role::POINT, nullptr},
    {"Y along X", PARALLEL, {"1", "2", "3", "0", "0", "0", "1", "0", "0", "2", "0", "0", "0", "0", "1"},
     Problem::Y_PARALLEL_TO_X, Role::Y, nullptr},
    {"Y against X", PERSPECTIVE, {"1", "2", "3", "0", "0", "5", "1", "2", "3", "-2", "-4", "-6", "0", "0", "0"},
     Problem::Y_PARALLEL_TO_X, Role::Y, nullptr},
    {"Y parallel up to rounding", PARALLEL,
     {"1", "2", "3", "0", "0", "0", "0.1", "0.2", "0.3", "1", "2", "3", "0", "0", "1"}, Problem::Y_PARALLEL_TO_X,
     Role::Y, nullptr},
    {"Y a multiple of X on a tilted plane", PARALLEL,
     {"1", "2", "3", "0", "0", "0", "1", "2", "3", "5", "10", "15", "0", "0", "1"}, Problem::Y_PARALLEL_TO_X, Role::Y,
     nullptr},
    {"D along the plane", PARALLEL, {"1", "2", "3", "0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "1", "0"},
     Problem::DIRECTION_PARALLEL_TO_PLANE, Role::DIRECTION, nullptr},
    {"D a hair off the plane", PARALLEL,
     {"1", "2", "0", "0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "1", "1e-9"}, Problem::NONE, Role::POINT,
     "O resultado da revareza e': (1.00000,2.00000)"},
    {"D within rounding of the plane", PARALLEL,
     {"1", "2", "0", "0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "1", "1e-300"},
     Problem::DIRECTION_PARALLEL_TO_PLANE, Role::DIRECTION, nullptr},
    {"D is Y on a tilted plane", PARALLEL,
     {"1", "2", "3", "0", "0", "0", "1", "1", "0", "0", "0", "1", "0", "0", "1"}, Problem::DIRECTION_PARALLEL_TO_PLANE,
     Role::DIRECTION, nullptr},
    {"C in a tilted plane", PERSPECTIVE,
     {"1", "2", "3", "0", "0", "0", "1", "1", "0", "0", "0", "1", "0", "0", "5"}, Problem::CENTRE_IN_PLANE,
     Role::CENTRE, nullptr},
    {"point in the plane through C of a tilted plane", PERSPECTIVE,
     {"1", "1", "6", "0", "0", "0", "1", "0", "1", "0", "1", "0", "0", "0", "5"}, Problem::NONE, Role::POINT,
     "O ponto nao tem projecao no plano de revareza, pois pertence ao plano paralelo a ele que passa pelo centro."},
    {"C in the plane", PERSPECTIVE, {"1", "2", "10", "0", "0", "5", "1", "0", "0", "0", "1", "0", "3", "3", "5"},
     Problem::CENTRE_IN_PLANE, Role::CENTRE, nullptr},
    {"C at the origin", PERSPECTIVE, {"1", "2", "10", "0", "0", "5", "1", "0", "0", "0", "1", "0", "0", "0", "0"},
     Problem::NONE, Role::POINT, "O resultado da revareza e': (0.50000,1.00000)"},
    {"point without image", PERSPECTIVE, {"1", "1", "0", "0", "0", "5", "1", "0", "0", "0", "1", "0", "0", "0", "0"},
     Problem::NONE, Role::POINT,
     "O ponto nao tem projecao no plano de revareza, pois pertence ao plano paralelo a ele que passa pelo centro."},
    {"matrix overflows", PARALLEL,
     {"1", "2", "3", "1e308", "0", "1e308", "1", "0", "0", "0", "1", "0", "1", "0", "-1"}, Problem::NOT_FINITE,
     Role::DIRECTION, nullptr},
    {"image overflows", PARALLEL,
     {"1e308", "0", "1e308", "0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "0", "-1"}, Problem::NONE, Role::POINT,
     "Os valores passados sao grandes demais: a revareza nao tem resultado finito."},
    {"decimal commas", PARALLEL, {"0,5", "2", "3", "0", "0", "0", "1,0", "0", "0", "0", "1", "0", "0", "0", " 1,5 "},
     Problem::NONE, Role::POINT, "O resultado da revareza e': (0.50000,2.00000)"},
    {"a vector's commas in one field", PARALLEL,
     {"1,2,3", "2", "3", "0", "0", "0", "1", "0", "0", "0", "1", "0", "0", "0", "1"}, Problem::UNREADABLE, Role::POINT,
     nullptr},
    {"far directions", PARALLEL,
     {"1", "2", "3", "0", "0", "0", "1e155", "0", "0", "0", "5e-324", "0", "0", "0", "1e300"}, Problem::NONE,
     Role::POINT, "O resultado da revareza e': (1.00000,2.00000)"},
};

TEST(Definition, ReadCheckedAndAnsweredAsTheProgramDoes)
{
    for (const FieldsCase& t : kCases) {
        SCOPED_TRACE(t.name);
        const DefinitionReading reading = read_definition(t.type, t.fields);
        EXPECT_EQ(reading.problem, t.problem);
        EXPECT_EQ(reading.role, t.role);
        if (t.problem == Problem::NONE) {
            const Definition& d = reading.definition;
            EXPECT_EQ(check(d), Problem::NONE);
            EXPECT_TRUE(is_finite(projection_matrix(d)));
            std::ostringstream out;
            write_result(out, projection_matrix(d), d.point);
            EXPECT_EQ(out.str(), t.result);
        }
    }
}

// Definitions that are degenerate in exact arithmetic, on tilted planes of
// small integers, one family for each reason: Y = kX, D = pX + qY, C = O +
// pX + qY, and a point P = C + pX + qY in the plane through C parallel to
// the plane (no image). However their numbers round, none passes; and the
// same definitions moved off the degeneracy by 1e-9 of their size all do.
TEST(Definition, DegenerateFamiliesOnTiltedPlanes)
{
    test::Random random(29);
    const auto integer = [&random] { return static_cast<double>(random.Below(19) - 9); };
    const auto integers = [&] { return test::V3{integer(), integer(), integer()}; };
    int planes = 0;
    while (planes < 300) {
        const test::V3 o = integers(), x = integers(), y = integers();
        const test::V3 n = test::Cross(x, y);
        const double p = integer(), q = integer(), k = integer();
        const test::V3 along = test::Add(test::Scale(x, p), test::Scale(y, q));
        // Tilted planes only, and a Y that is to be made orthogonal.
        if (test::Dot(n, n) == 0.0 || n.x == 0.0 || n.y == 0.0 || n.z == 0.0 || test::Dot(x, y) == 0.0
            || test::Dot(along, along) == 0.0 || k == 0.0) {
            continue;
        }
        ++planes;
        SCOPED_TRACE(::testing::Message() << "O " << o.x << ' ' << o.y << ' ' << o.z << ", X " << x.x << ' ' << x.y
                                          << ' ' << x.z << ", Y " << y.x << ' ' << y.y << ' ' << y.z << ", p " << p
                                          << ", q " << q << ", k " << k);
        // Off by 1e-9 of its length along the normal: a projection again.
        const test::V3 nudge = test::Scale(test::Unit(n), 1e-9 * std::sqrt(test::Dot(along, along)));
        Definition d;
        d.origin = test::Point(o);
        d.x = test::Direction(x);
        d.y = test::Direction(test::Scale(x, k));
        EXPECT_EQ(check(d), Problem::Y_PARALLEL_TO_X);
        EXPECT_FALSE(std::isfinite(orthogonal_y(d.x, d.y).x()));
        d.y = test::Direction(y);
        d.direction = test::Direction(along);
        EXPECT_EQ(check(d), Problem::DIRECTION_PARALLEL_TO_PLANE);
        d.direction = test::Direction(test::Add(along, nudge));
        EXPECT_EQ(check(d), Problem::NONE);
        d.type = ProjectionType::PERSPECTIVE;
        const test::V3 c = test::Add(o, along);
        d.centre = test::Point(c);
        EXPECT_EQ(check(d), Problem::CENTRE_IN_PLANE);
        d.centre = test::Point(test::Add(c, nudge));
        EXPECT_EQ(check(d), Problem::NONE);
        // C off the plane by its normal; P = C + pX + qY has no image, and
        // neither writes a result nor projects.
        d.centre = test::Point(test::Add(o, n));
        ASSERT_EQ(check(d), Problem::NONE);
        const Matrix4 m = projection_matrix(d);
        const HVector point = test::Point(test::Add(test::Add(o, n), along));
        EXPECT_FALSE(has_image(m, point));
        EXPECT_FALSE(behind_centre(m, point));
        std::ostringstream out;
        write_result(out, m, point);
        EXPECT_EQ(out.str().rfind("O ponto nao tem projecao", 0), 0u) << out.str();
        EXPECT_TRUE(has_image(m, test::Point(test::Add(test::Add(test::Add(o, n), along), nudge))));
    }
}

// Each measure at 2^-40 itself is degenerate, and just above it is not: the
// tolerance is this value, whatever the constant's name says.
TEST(Definition, DegeneracyToleranceIsTwoToTheMinusForty)
{
    const double at = 0x1p-40;
    const double above = 0x1.00001p-40;
    const HVector x(1, 0, 0, 0);
    EXPECT_TRUE(parallel_directions(x, HVector(1, at, 0, 0)));
    EXPECT_FALSE(parallel_directions(x, HVector(1, above, 0, 0)));
    Definition d;
    d.direction = HVector(1, 0, at, 0);
    EXPECT_EQ(check(d), Problem::DIRECTION_PARALLEL_TO_PLANE);
    d.direction = HVector(1, 0, above, 0);
    EXPECT_EQ(check(d), Problem::NONE);
    // |C| + |O| = 1 + 2^-80 rounds to 1, and the distance is z.
    d.type = ProjectionType::PERSPECTIVE;
    d.centre = HVector(1, 0, at, 1);
    EXPECT_EQ(check(d), Problem::CENTRE_IN_PLANE);
    d.centre = HVector(1, 0, above, 1);
    EXPECT_EQ(check(d), Problem::NONE);
    // From C = (0, 0, 1) onto z = 0 the weight of (0, 0, z) is 1 - z, its
    // terms' magnitudes 1 + z: no image while 1 - z <= 2^-40 (1 + z).
    d.centre = HVector(0, 0, 1, 1);
    const Matrix4 m = projection_matrix(d);
    EXPECT_FALSE(has_image(m, HVector(0, 0, 1 - 0x1p-40, 1)));
    EXPECT_TRUE(has_image(m, HVector(0, 0, 1 - 0x1p-38, 1)));
}

// What each type asks for, as every front end reads it: the menu's
// numbers and no others, the vectors in the program's order with their
// kinds, every role somewhere with its own fields and question, and
// conversions that come back to where they started.
TEST(Definition, ProjectionTypesDescribedOnce)
{
    const struct {
        ProjectionType type;
        int number;
        const char* fields;
        const char* kinds; // p point, d direction
    } expected[] = {{ProjectionType::PARALLEL, 1, "ponto origem x y direcao", "ppddd"},
                    {ProjectionType::PERSPECTIVE, 2, "ponto origem x y centro", "ppddp"}};
    ASSERT_EQ(PROJECTION_TYPE_COUNT, 2);
    for (int i = 0; i < PROJECTION_TYPE_COUNT; ++i) {
        const TypeDescription& t = projection_type_at(i);
        EXPECT_EQ(t.type, expected[i].type);
        EXPECT_EQ(t.number, expected[i].number);
        EXPECT_EQ(&describe(t.type), &t);
        ProjectionType read = ProjectionType::PARALLEL;
        EXPECT_TRUE(type_of_number(t.number, read));
        EXPECT_EQ(read, t.type);
        std::string fields;
        std::string kinds;
        for (int r = 0; r < t.role_count; ++r) {
            fields += std::string(r ? " " : "") + describe(t.roles[r]).field;
            kinds += describe(t.roles[r]).kind == VectorKind::DIRECTION ? 'd' : 'p';
            EXPECT_EQ(is_direction(t.roles[r]), kinds.back() == 'd');
        }
        EXPECT_EQ(fields, expected[i].fields);
        EXPECT_EQ(kinds, expected[i].kinds);
        EXPECT_EQ(last_role(t.type), t.roles[t.role_count - 1]);
    }
    for (const int n : {0, 3, -1, 12}) {
        ProjectionType untouched = ProjectionType::PERSPECTIVE;
        EXPECT_FALSE(type_of_number(n, untouched)) << n;
        EXPECT_EQ(untouched, ProjectionType::PERSPECTIVE);
    }
    std::set<std::string> fields;
    std::set<std::string> questions;
    for (int i = 0; i < ROLE_COUNT; ++i) {
        const Role role = role_at(i);
        EXPECT_EQ(role_index(role), i);
        EXPECT_EQ(describe(role).role, role);
        fields.insert(describe(role).field);
        questions.insert(question(role));
        Definition d;
        vector_in(d, role) = HVector(i, 7, 7, 1);
        EXPECT_EQ(vector_in(static_cast<const Definition&>(d), role).x(), i);
    }
    EXPECT_EQ(fields.size(), 6u);
    EXPECT_EQ(questions.size(), 6u);
    // The zero direction: -0.0 is 0, NaN is not.
    EXPECT_TRUE(is_zero_vector(0.0, -0.0, 0.0));
    EXPECT_FALSE(is_zero_vector(0.0, std::nan(""), 0.0));
    EXPECT_FALSE(is_zero_vector(5e-324, 0.0, 0.0));
}

// What interactive mode asks again for, vector by vector: Y for no plane,
// the last vector for a direction along the plane or a centre in it, and
// nothing else (too large numbers are the result line's to say).
TEST(Definition, RefusalAfterEachVector)
{
    Definition d;
    d.y = HVector(2, 0, 0, 0);
    d.direction = HVector(1, 1, 0, 0);
    EXPECT_EQ(refusal_after(d, Role::X), Problem::NONE);
    EXPECT_EQ(refusal_after(d, Role::Y), Problem::Y_PARALLEL_TO_X);
    d.y = HVector(0, 1, 0, 0);
    EXPECT_EQ(refusal_after(d, Role::Y), Problem::NONE);
    EXPECT_EQ(refusal_after(d, Role::DIRECTION), Problem::DIRECTION_PARALLEL_TO_PLANE);
    EXPECT_EQ(refusal_after(d, Role::CENTRE), Problem::NONE); // not this type's
    d.type = ProjectionType::PERSPECTIVE;
    d.centre = HVector(3, 3, 0, 1);
    EXPECT_EQ(refusal_after(d, Role::CENTRE), Problem::CENTRE_IN_PLANE);
    d.type = ProjectionType::PARALLEL;
    d.origin = HVector(1e308, 0, 1e308, 1);
    d.direction = HVector(1, 0, -1, 0);
    EXPECT_EQ(check(d), Problem::NOT_FINITE);
    EXPECT_EQ(refusal_after(d, Role::DIRECTION), Problem::NONE);
}

// A form's field: one number, a comma for the decimal point, at most
// FIELD_MAX_LENGTH characters, and why it is refused, each reason with its
// own words.
TEST(Definition, FieldsAndWhyTheyAreRefused)
{
    const std::string longest = std::string(FIELD_MAX_LENGTH - 1, ' ') + "7";
    const std::string too_long = std::string(FIELD_MAX_LENGTH, ' ') + "7";
    const struct {
        std::string text;
        FieldProblem problem;
        double value;
    } cases[] = {
        {"0,5", FieldProblem::NONE, 0.5},
        {"-0,0", FieldProblem::NONE, -0.0},
        {" 1e3\t", FieldProblem::NONE, 1000.0},
        {",5e-1", FieldProblem::NONE, 0.05},
        {longest, FieldProblem::NONE, 7.0},
        {"", FieldProblem::EMPTY, 0.0},
        {" \n ", FieldProblem::EMPTY, 0.0},
        {"-", FieldProblem::NOT_A_NUMBER, 0.0},
        {"1e", FieldProblem::NOT_A_NUMBER, 0.0},
        {"x1", FieldProblem::NOT_A_NUMBER, 0.0},
        {"1 2", FieldProblem::TEXT_AFTER_NUMBER, 0.0},
        {"1,2,3", FieldProblem::TEXT_AFTER_NUMBER, 0.0},
        {"1.5,3", FieldProblem::TEXT_AFTER_NUMBER, 0.0},
        {"1e400", FieldProblem::OUT_OF_RANGE, 0.0},
        {"-1e400 2", FieldProblem::OUT_OF_RANGE, 0.0},
        {too_long, FieldProblem::TOO_LONG, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        double value = 0.0;
        EXPECT_EQ(read_field(c.text, value), c.problem);
        EXPECT_EQ(std::memcmp(&value, &c.value, sizeof value), 0);
    }
    EXPECT_EQ(point_decimal_text(" -1,5e3,"), " -1.5e3.");
    std::set<std::string> messages;
    for (const FieldProblem p : {FieldProblem::EMPTY, FieldProblem::NOT_A_NUMBER, FieldProblem::TEXT_AFTER_NUMBER,
                                 FieldProblem::OUT_OF_RANGE, FieldProblem::TOO_LONG}) {
        messages.insert(field_message(p));
    }
    EXPECT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages.count(""), 0u);

    // Every field is read, whichever vector is blamed first.
    const std::string_view fields[15] = {"1", "-", "3", "0", "0", "0", "1", "0", "0", "", "1", "0", "0", "0", "1 1"};
    const DefinitionReading reading = read_definition(PARALLEL, fields);
    EXPECT_EQ(reading.problem, Problem::UNREADABLE);
    EXPECT_EQ(reading.role, Role::POINT);
    for (int i = 0; i < 15; ++i) {
        const FieldProblem expected = i == 1    ? FieldProblem::NOT_A_NUMBER
                                      : i == 9  ? FieldProblem::EMPTY
                                      : i == 14 ? FieldProblem::TEXT_AFTER_NUMBER
                                                : FieldProblem::NONE;
        EXPECT_EQ(reading.field[i], expected) << i;
    }
}

// A point behind the centre (beyond it, seen from the plane) has a negative
// weight; in front of the plane, between it and the centre, in the plane
// through the centre, or in a parallel projection it has none.
TEST(Definition, PointsBehindTheCentre)
{
    const HVector o(0, 0, 5, 1), x(1, 0, 0, 0), y(0, 1, 0, 0), c(0, 0, 0, 1);
    const Matrix4 m = build_perspective_projection(o, x, y, c);
    EXPECT_TRUE(behind_centre(m, HVector(1, 2, -3, 1)));
    for (const double z : {10.0, 5.0, 2.0, 0.0}) {
        EXPECT_FALSE(behind_centre(m, HVector(1, 2, z, 1))) << z;
    }
    Definition parallel;
    EXPECT_FALSE(behind_centre(projection_matrix(parallel), HVector(1, 2, -3, 1)));
}

// The forms a matrix is copied in, each number with 17 significant digits.
TEST(Definition, MatrixForms)
{
    const double entries[16] = {0.1, -0.0, 1e-7, 1e300, 0, 1, 0, 0, 0, 0, 1, 0, 0.5, 0, 0.2, 1};
    const Matrix4 m(entries);
    std::ostringstream printed;
    print_matrix(m, printed);
    EXPECT_EQ(matrix_text(m, MatrixForm::PROGRAM), printed.str());
    EXPECT_EQ(matrix_text(m, MatrixForm::NUMPY),
              "np.array([[0.10000000000000001, -0, 9.9999999999999995e-08, 1.0000000000000001e+300],\n"
              "          [0, 1, 0, 0],\n"
              "          [0, 0, 1, 0],\n"
              "          [0.5, 0, 0.20000000000000001, 1]])");
    EXPECT_EQ(matrix_text(m, MatrixForm::LATEX),
              "\\begin{pmatrix}\n"
              "0.10000000000000001 & -0 & 9.9999999999999995 \\times 10^{-8} & 1.0000000000000001 \\times 10^{300} \\\\\n"
              "0 & 1 & 0 & 0 \\\\\n"
              "0 & 0 & 1 & 0 \\\\\n"
              "0.5 & 0 & 0.20000000000000001 & 1\n"
              "\\end{pmatrix}");
    EXPECT_EQ(matrix_text(m, MatrixForm::COLUMN_MAJOR),
              "[0.10000000000000001, 0, 0, 0.5, -0, 1, 0, 0, 9.9999999999999995e-08, 0, 1, 0.20000000000000001, "
              "1.0000000000000001e+300, 0, 0, 1]");

    // With the program's five decimals and no negative zero: a tie rounds
    // to even, as printf does.
    const double handout[16] = {0.1, -0.0, -1e-7, -0.015625, 0, 1, 0, 0, 0, 0, 1, 0, 12345.678916, 0, -0.2, 1};
    const Matrix4 h(handout);
    EXPECT_EQ(matrix_text(h, MatrixForm::DECIMALS), "   0.10000    0.00000    0.00000   -0.01562 \n"
                                                    "   0.00000    1.00000    0.00000    0.00000 \n"
                                                    "   0.00000    0.00000    1.00000    0.00000 \n"
                                                    "12345.67892    0.00000   -0.20000    1.00000 \n");
    EXPECT_EQ(matrix_text(h, MatrixForm::NUMPY_DECIMALS), "np.array([[0.10000, 0.00000, 0.00000, -0.01562],\n"
                                                          "          [0.00000, 1.00000, 0.00000, 0.00000],\n"
                                                          "          [0.00000, 0.00000, 1.00000, 0.00000],\n"
                                                          "          [12345.67892, 0.00000, -0.20000, 1.00000]])");
    EXPECT_EQ(matrix_text(h, MatrixForm::LATEX_DECIMALS), "\\begin{pmatrix}\n"
                                                          "0.10000 & 0.00000 & 0.00000 & -0.01562 \\\\\n"
                                                          "0.00000 & 1.00000 & 0.00000 & 0.00000 \\\\\n"
                                                          "0.00000 & 0.00000 & 1.00000 & 0.00000 \\\\\n"
                                                          "12345.67892 & 0.00000 & -0.20000 & 1.00000\n"
                                                          "\\end{pmatrix}");
}

// The page's texts, in both languages: PageTexts holds texts alone (the web
// binding counts them), none left out of a set nor empty, and each names
// the same {name}s in English as in Portuguese, which the page and its
// binding fill in.
TEST(Definition, PageTextsOfOneShapeInBothLanguages)
{
    constexpr std::size_t COUNT = sizeof(PageTexts) / sizeof(const char*);
    static_assert(COUNT * sizeof(const char*) == sizeof(PageTexts), "texts alone");
    const auto texts_of = [](const TextSet& set, const char* (&texts)[COUNT]) {
        std::memcpy(texts, &set.page, sizeof texts);
    };
    const auto names_in = [](const char* text) {
        std::multiset<std::string> names;
        const std::string s(text);
        const std::regex name("\\{\\w+\\}");
        for (auto i = std::sregex_iterator(s.begin(), s.end(), name); i != std::sregex_iterator(); ++i) {
            names.insert(i->str());
        }
        return names;
    };
    const char* portuguese[COUNT];
    const char* english[COUNT];
    texts_of(portuguese_texts(), portuguese);
    texts_of(english_texts(), english);
    for (std::size_t i = 0; i < COUNT; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(portuguese[i] != nullptr && english[i] != nullptr);
        EXPECT_STRNE(portuguese[i], "");
        EXPECT_STRNE(english[i], "");
        EXPECT_EQ(names_in(portuguese[i]), names_in(english[i])) << portuguese[i] << " / " << english[i];
    }
}

} // namespace
} // namespace revareza
