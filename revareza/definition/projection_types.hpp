// What each type of projection asks for, written once: its number (on the
// menu and in matrix mode), its vectors in the order they are asked, and
// for each vector whether it is read as a point or as a unit direction, and
// the name of its fields in a form and in a page's address. The program's
// menu and dialogues, the reading of text fields, the web page and the
// Python module all take a type's vectors from here, so that a new type is
// a change to this unit (and its texts) alone.
//
//   #include <revareza/definition/projection_types.hpp>
//
//   using namespace revareza;
//   const TypeDescription& t = describe(ProjectionType::PERSPECTIVE);
//   for (int i = 0; i < t.role_count; ++i) {
//       std::cout << describe(t.roles[i]).field << ' '; // ponto origem x y centro
//   }
#pragma once

#include <revareza/definition/definition.hpp>

namespace revareza {

/// How a vector is read: a point (weight 1) or a unit direction (weight 0,
/// never (0, 0, 0)).
enum class VectorKind { POINT, DIRECTION };

/// One vector of a definition.
struct RoleDescription {
    Role role;
    VectorKind kind;
    /// Its fields' name in a form and a page's address: "ponto", "origem",
    /// "x", "y", "direcao", "centro".
    const char* field;
    /// The letter it goes by in figures: P, O, X, Y, D, C.
    const char* letter;
};

/// How many roles there are, and the most a type has.
constexpr int ROLE_COUNT = 6;
constexpr int MAX_TYPE_ROLES = 5;

/// One type of projection.
struct TypeDescription {
    ProjectionType type;
    /// Its number on the menu and in matrix mode's input.
    int number;
    /// Its vectors in the order asked: the point to project first (which
    /// matrix mode does not read), then the plane, then what projects.
    int role_count;
    Role roles[MAX_TYPE_ROLES];
};

/// How many types there are.
constexpr int PROJECTION_TYPE_COUNT = 2;

/// The type at index i (0 to PROJECTION_TYPE_COUNT - 1), in menu order.
const TypeDescription& projection_type_at(int i) noexcept;

/// The description of a type.
const TypeDescription& describe(ProjectionType type) noexcept;

/// The description of a role.
const RoleDescription& describe(Role role) noexcept;

/// The role at index i (0 to ROLE_COUNT - 1), in the order of Role, for
/// tables that hold something per role.
Role role_at(int i) noexcept;

/// The index of a role among ROLE_COUNT: role_at(role_index(r)) == r.
int role_index(Role role) noexcept;

/// The type whose number is n, if there is one: false (and type untouched)
/// for any other number.
bool type_of_number(int n, ProjectionType& type) noexcept;

/// The vector of a definition in this role (direction or centre for the
/// last ones, whatever the definition's type).
HVector& vector_in(Definition& definition, Role role) noexcept;
const HVector& vector_in(const Definition& definition, Role role) noexcept;

/// Whether (x, y, z) is the zero vector, which is no direction: -0.0
/// counts as 0, NaN does not.
constexpr bool is_zero_vector(double x, double y, double z) noexcept
{
    return x == 0.0 && y == 0.0 && z == 0.0;
}

/// The problem the vector just read in this role gives the definition,
/// for which interactive mode asks for it again: Y_PARALLEL_TO_X after Y,
/// DIRECTION_PARALLEL_TO_PLANE or CENTRE_IN_PLANE after the last vector;
/// NONE for every other role, and for NOT_FINITE, which is no one
/// vector's fault (the result line says so).
Problem refusal_after(const Definition& definition, Role role) noexcept;

} // namespace revareza
