// A projection as its user defines it: the type, the point to project, the
// plane (origin, X, Y) and the direction or centre of projection; the rules
// that make it a matrix; and why some definitions have no projection.
//
// The program, the web page and the Python module all take a definition
// through here, so that they refuse the same definitions for the same
// reasons and compute the same matrix from it.
//
//   #include <revareza/definition/definition.hpp>
//
//   using namespace revareza;
//   Definition d;
//   d.type = ProjectionType::PARALLEL;
//   d.x = HVector(1, 0, 0, 0);
//   d.y = HVector(0, 1, 0, 0);
//   d.direction = HVector(1, 1, 0, 0);       // parallel to the plane z = 0
//   check(d);                                 // Problem::DIRECTION_PARALLEL_TO_PLANE
#pragma once

#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/matrix4.hpp>
// has_image and behind_centre, which the result of a definition's point needs.
#include <revareza/projection/point_image.hpp>
#include <revareza/projection/projection_steps.hpp>
#include <revareza/projection/tolerances.hpp>

namespace revareza {

/// The two kinds of projection, by the numbers the program's menu gives them.
enum class ProjectionType { PARALLEL = 1, PERSPECTIVE = 2 };

/// The vectors of a definition, in the order the program asks for them. The
/// last is DIRECTION for a parallel projection, CENTRE for a perspective one.
enum class Role { POINT, ORIGIN, X, Y, DIRECTION, CENTRE };

/// Whether a vector in this role is a unit direction (X, Y, the direction
/// of projection) rather than a point (projection_types.hpp describes each
/// role).
bool is_direction(Role role) noexcept;

/// The last vector of a definition of this type: DIRECTION or CENTRE.
Role last_role(ProjectionType type) noexcept;

/// Why a definition has no projection, or NONE when it has one. Each
/// geometric reason is decided by a relative measure against
/// DEGENERACY_TOLERANCE (2^-40), the same whatever the scale of the numbers
/// and far above their rounding, so that a definition degenerate in exact
/// arithmetic is refused however its numbers round.
enum class Problem {
    NONE,
    /// A field holds no number the reader takes.
    UNREADABLE,
    /// A direction given as (0, 0, 0).
    ZERO_DIRECTION,
    /// Y is parallel to X: Y is to be made orthogonal to X and the unit
    /// directions' cross product has length at most 2^-40
    /// (parallel_directions).
    Y_PARALLEL_TO_X,
    /// The direction of projection is parallel to the plane: |n . D| <=
    /// 2^-40, with n the unit normal X x Y of the directions the builder
    /// uses and D the unit direction of projection.
    DIRECTION_PARALLEL_TO_PLANE,
    /// The centre lies in the plane: |n . (C - O)| <= 2^-40 (|C| + |O|).
    CENTRE_IN_PLANE,
    /// Numbers so large that the arithmetic overflows: the matrix (or the
    /// point's image) holds an infinite or NaN entry.
    NOT_FINITE,
};

/// The role a problem is blamed on when it is not a reading one: Y,
/// DIRECTION or CENTRE; NOT_FINITE belongs to the definition as a whole
/// and is blamed on its last vector. POINT for NONE.
Role role_of(Problem problem, ProjectionType type) noexcept;

/// One definition. X, Y and the direction are unit directions (w = 0), the
/// others points (w = 1); Y is kept as given, and the projection makes it
/// orthogonal to X (orthogonal_y). Only the last vector of the type is used.
struct Definition {
    ProjectionType type = ProjectionType::PARALLEL;
    HVector point;
    HVector origin;
    HVector x = HVector(1.0, 0.0, 0.0, 0.0);
    HVector y = HVector(0.0, 1.0, 0.0, 0.0);
    HVector direction = HVector(0.0, 0.0, 1.0, 0.0);
    HVector centre;
};

/// Y_PARALLEL_TO_X when x and y span no plane (orthogonal_y(x, y) is not
/// finite: y is to be made orthogonal and is parallel to x), else NONE.
Problem check_plane(const HVector& x, const HVector& y) noexcept;

/// Why the definition has no projection, or NONE. In this order:
/// Y_PARALLEL_TO_X, DIRECTION_PARALLEL_TO_PLANE or CENTRE_IN_PLANE,
/// NOT_FINITE (the matrix). The point is not looked at.
Problem check(const Definition& definition) noexcept;

/// The steps of the definition's matrix, with Y made orthogonal to X.
ProjectionSteps projection_steps(const Definition& definition) noexcept;

/// The definition's matrix: build_parallel_projection or
/// build_perspective_projection of its plane (Y made orthogonal to X) and
/// its last vector. Where check() finds a problem it may hold anything,
/// NaN and infinite entries included, as the builders give them.
Matrix4 projection_matrix(const Definition& definition) noexcept;

/// The matrix matrix mode prints: projection_matrix with Y made orthogonal
/// by unchecked_orthogonal_y, as matrix mode has always made it, so that a
/// Y parallel to X only up to rounding still gives the matrix it always
/// gave. The same as projection_matrix for every definition check() takes.
Matrix4 unchecked_projection_matrix(const Definition& definition) noexcept;

} // namespace revareza
