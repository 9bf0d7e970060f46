#include <revareza/definition/definition.hpp>
#include <revareza/definition/messages.hpp>
#include <revareza/definition/text_fields.hpp>

#include <gtest/gtest.h>

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
     {"1", "2", "3", "0", "0", "0", "0.1", "0.2", "0.3", "1", "2", "3", "0", "0", "1"}, Problem::NONE, Role::POINT,
     "O resultado da revareza e': (3.20268,-0.10358)"},
    {"D along the plane", PARALLEL, {"1", "2", "3", "0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "1", "0"},
     Problem::DIRECTION_PARALLEL_TO_PLANE, Role::DIRECTION, nullptr},
    {"D a hair off the plane", PARALLEL,
     {"1", "2", "0", "0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "1", "1e-300"}, Problem::NONE, Role::POINT,
     "O resultado da revareza e': (1.00000,2.00000)"},
    {"D too close to the plane", PARALLEL,
     {"1", "2", "0", "0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "1", "1e-310"}, Problem::NOT_FINITE,
     Role::DIRECTION, nullptr},
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
        } else if (t.problem != Problem::UNREADABLE && t.problem != Problem::ZERO_DIRECTION) {
            // The builders' own contract stands: NaN or infinite entries.
            EXPECT_FALSE(is_finite(projection_matrix(reading.definition)));
        }
    }
}

} // namespace
} // namespace revareza
