#include <revareza/definition/text_fields.hpp>

#include <revareza/text/number_input.hpp>

namespace revareza {

VectorReading read_vector(Role role, std::string_view x, std::string_view y, std::string_view z)
{
    double v[3] = {0.0, 0.0, 0.0};
    const std::string_view texts[3] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        if (!read_number(texts[i], v[i])) {
            return {HVector(), Problem::UNREADABLE};
        }
    }
    if (!is_direction(role)) {
        return {HVector(v[0], v[1], v[2], 1.0), Problem::NONE};
    }
    if (v[0] == 0.0 && v[1] == 0.0 && v[2] == 0.0) { // -0.0 counts as zero
        return {HVector(), Problem::ZERO_DIRECTION};
    }
    return {HVector(v[0], v[1], v[2], 0.0), Problem::NONE};
}

DefinitionReading read_definition(ProjectionType type, const std::string_view (&fields)[15])
{
    DefinitionReading reading;
    Definition& d = reading.definition;
    d.type = type;
    HVector* const vectors[5] = {&d.point, &d.origin, &d.x, &d.y,
                                 type == ProjectionType::PARALLEL ? &d.direction : &d.centre};
    const Role roles[5] = {Role::POINT, Role::ORIGIN, Role::X, Role::Y, last_role(type)};
    for (int i = 0; i < 5; ++i) {
        const VectorReading v = read_vector(roles[i], fields[3 * i], fields[3 * i + 1], fields[3 * i + 2]);
        if (v.problem != Problem::NONE) {
            reading.problem = v.problem;
            reading.role = roles[i];
            return reading;
        }
        *vectors[i] = v.vector;
    }
    reading.problem = check(d);
    reading.role = role_of(reading.problem, type);
    return reading;
}

} // namespace revareza
