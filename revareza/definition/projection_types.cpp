#include <revareza/definition/projection_types.hpp>

namespace revareza {
namespace {

// In the order of Role.
constexpr RoleDescription ROLES[ROLE_COUNT] = {
    {Role::POINT, VectorKind::POINT, "ponto", "P"},
    {Role::ORIGIN, VectorKind::POINT, "origem", "O"},
    {Role::X, VectorKind::DIRECTION, "x", "X"},
    {Role::Y, VectorKind::DIRECTION, "y", "Y"},
    {Role::DIRECTION, VectorKind::DIRECTION, "direcao", "D"},
    {Role::CENTRE, VectorKind::POINT, "centro", "C"},
};

// In menu order.
constexpr TypeDescription TYPES[PROJECTION_TYPE_COUNT] = {
    {ProjectionType::PARALLEL, 1, 5, {Role::POINT, Role::ORIGIN, Role::X, Role::Y, Role::DIRECTION}},
    {ProjectionType::PERSPECTIVE, 2, 5, {Role::POINT, Role::ORIGIN, Role::X, Role::Y, Role::CENTRE}},
};

} // namespace

const TypeDescription& projection_type_at(int i) noexcept
{
    return TYPES[i];
}

const TypeDescription& describe(ProjectionType type) noexcept
{
    for (const TypeDescription& t : TYPES) {
        if (t.type == type) {
            return t;
        }
    }
    return TYPES[0];
}

int role_index(Role role) noexcept
{
    for (int i = 0; i < ROLE_COUNT; ++i) {
        if (ROLES[i].role == role) {
            return i;
        }
    }
    return 0;
}

Role role_at(int i) noexcept
{
    return ROLES[i].role;
}

const RoleDescription& describe(Role role) noexcept
{
    return ROLES[role_index(role)];
}

bool type_of_number(int n, ProjectionType& type) noexcept
{
    for (const TypeDescription& t : TYPES) {
        if (t.number == n) {
            type = t.type;
            return true;
        }
    }
    return false;
}

bool is_direction(Role role) noexcept
{
    return describe(role).kind == VectorKind::DIRECTION;
}

Role last_role(ProjectionType type) noexcept
{
    const TypeDescription& t = describe(type);
    return t.roles[t.role_count - 1];
}

HVector& vector_in(Definition& d, Role role) noexcept
{
    switch (role) {
    case Role::POINT:
        return d.point;
    case Role::ORIGIN:
        return d.origin;
    case Role::X:
        return d.x;
    case Role::Y:
        return d.y;
    case Role::DIRECTION:
        return d.direction;
    case Role::CENTRE:
        break;
    }
    return d.centre;
}

const HVector& vector_in(const Definition& d, Role role) noexcept
{
    return vector_in(const_cast<Definition&>(d), role);
}

Problem refusal_after(const Definition& d, Role role) noexcept
{
    if (role == Role::Y) {
        return check_plane(d.x, d.y);
    }
    if (role != last_role(d.type)) {
        return Problem::NONE;
    }
    const Problem problem = check(d);
    return problem == Problem::DIRECTION_PARALLEL_TO_PLANE || problem == Problem::CENTRE_IN_PLANE ? problem
                                                                                                  : Problem::NONE;
}

} // namespace revareza
