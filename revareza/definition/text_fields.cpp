#include <revareza/definition/text_fields.hpp>

#include <revareza/definition/projection_types.hpp>
#include <revareza/text/number_input.hpp>

namespace revareza {

std::string point_decimal_text(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == ',') {
            c = '.';
        }
    }
    return out;
}

FieldProblem read_field(std::string_view text, double& value)
{
    if (text.size() > FIELD_MAX_LENGTH) {
        return FieldProblem::TOO_LONG;
    }
    switch (read_number_text(point_decimal_text(text), value)) {
    case NumberContent::ONE_NUMBER:
        return FieldProblem::NONE;
    case NumberContent::BLANK:
        return FieldProblem::EMPTY;
    case NumberContent::NO_NUMBER:
        return FieldProblem::NOT_A_NUMBER;
    case NumberContent::TEXT_AFTER_NUMBER:
        return FieldProblem::TEXT_AFTER_NUMBER;
    case NumberContent::OUT_OF_RANGE:
        return FieldProblem::OUT_OF_RANGE;
    }
    return FieldProblem::NOT_A_NUMBER;
}

VectorReading read_vector(Role role, std::string_view x, std::string_view y, std::string_view z)
{
    VectorReading reading;
    double v[3] = {0.0, 0.0, 0.0};
    const std::string_view texts[3] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        reading.field[i] = read_field(texts[i], v[i]);
        if (reading.field[i] != FieldProblem::NONE) {
            reading.problem = Problem::UNREADABLE;
        }
    }
    if (reading.problem != Problem::NONE) {
        return reading;
    }
    if (!is_direction(role)) {
        reading.vector = HVector(v[0], v[1], v[2], 1.0);
    } else if (is_zero_vector(v[0], v[1], v[2])) {
        reading.problem = Problem::ZERO_DIRECTION;
    } else {
        reading.vector = HVector(v[0], v[1], v[2], 0.0);
    }
    return reading;
}

DefinitionReading read_definition(ProjectionType type, const std::string_view (&fields)[DEFINITION_FIELD_COUNT])
{
    DefinitionReading reading;
    Definition& d = reading.definition;
    d.type = type;
    const TypeDescription& t = describe(type);
    static_assert(3 * MAX_TYPE_ROLES == DEFINITION_FIELD_COUNT, "three fields a vector");
    for (int i = 0; i < t.role_count; ++i) {
        const Role role = t.roles[i];
        const VectorReading v = read_vector(role, fields[3 * i], fields[3 * i + 1], fields[3 * i + 2]);
        for (int k = 0; k < 3; ++k) {
            reading.field[3 * i + k] = v.field[k];
        }
        if (v.problem != Problem::NONE && reading.problem == Problem::NONE) {
            reading.problem = v.problem;
            reading.role = role;
        }
        vector_in(d, role) = v.vector;
    }
    if (reading.problem != Problem::NONE) {
        return reading;
    }
    reading.problem = check(d);
    reading.role = role_of(reading.problem, type);
    return reading;
}

} // namespace revareza
