// What a projection is called in a course on computer graphics: its kind
// (orthogonal, oblique, perspective), its name (cavalier, isometric, two
// vanishing points...), and the numbers the name comes from: for a
// parallel projection the angle between the direction and the plane and
// how much lengths along the plane's normal shorten; for a perspective the
// vanishing points of the world's axes.
//
// Every decision is a scale-invariant measure against DEGENERACY_TOLERANCE
// (2^-40), the library's one tolerance, so that a definition made to be a
// cavalier projection is one however its numbers round, and one a hair
// off it is not.
//
//   #include <revareza/definition/classification.hpp>
//
//   using namespace revareza;
//   Definition d;                                  // the plane z = 0
//   d.direction = HVector(1, 1, 1, 0);
//   const Classification c = classify(d);
//   key(c.name);                                   // "obliqua": cot 35.26 degrees is sqrt(2)
#pragma once

#include <revareza/definition/definition.hpp>

#include <string_view>

namespace revareza {

struct TextSet;

/// A projection's kind: parallel along the plane's normal, parallel along
/// any other direction, or from a centre.
enum class ProjectionKind { ORTHOGRAPHIC, OBLIQUE, PERSPECTIVE };

constexpr int PROJECTION_KIND_COUNT = 3;

/// A projection's name, one for every projection: an oblique one is
/// OBLIQUE when its foreshortening is neither 1 nor 1/2, an orthogonal one
/// a principal view or an axonometric one, a perspective named by its
/// count of vanishing points.
enum class ProjectionName {
    OBLIQUE,
    CAVALIER,
    CABINET,
    MILITARY,
    FRONT,
    TOP,
    SIDE,
    ISOMETRIC,
    DIMETRIC,
    TRIMETRIC,
    PERSPECTIVE_1,
    PERSPECTIVE_2,
    PERSPECTIVE_3,
};

constexpr int PROJECTION_NAME_COUNT = 13;

/// The kinds' keys, by the kind's value: the names an API gives them.
inline constexpr const char* PROJECTION_KIND_KEYS[PROJECTION_KIND_COUNT] = {"ortogonal", "obliqua", "perspectiva"};

/// The names' keys, by the name's value, in the program's plain ASCII.
inline constexpr const char* PROJECTION_NAME_KEYS[PROJECTION_NAME_COUNT] = {
    "obliqua",    "cavaleira", "gabinete",   "militar",       "frontal",       "superior",      "lateral",
    "isometrica", "dimetrica", "trimetrica", "perspectiva-1", "perspectiva-2", "perspectiva-3",
};

/// The kind's key: "ortogonal", "obliqua" or "perspectiva".
constexpr const char* key(ProjectionKind kind) noexcept { return PROJECTION_KIND_KEYS[static_cast<int>(kind)]; }

/// The name's key: "cavaleira", "isometrica", "perspectiva-2"...
constexpr const char* key(ProjectionName name) noexcept { return PROJECTION_NAME_KEYS[static_cast<int>(name)]; }

/// The name whose key is text, if there is one: false (and name untouched)
/// for any other text.
bool name_of_key(std::string_view text, ProjectionName& name) noexcept;

/// The kind's and the name's display texts in a text set: "ortogonal",
/// "cavaleira", "2 pontos de fuga" in portuguese_texts().
const char* kind_text(const TextSet& texts, ProjectionKind kind) noexcept;
const char* name_text(const TextSet& texts, ProjectionName name) noexcept;

/// Where the lines along one world axis meet on the plane: the image of
/// the axis's direction, (1, 0, 0, 0) for x, under the matrix, divided by
/// its weight; x and y in the plane's frame, from O along X and Y.
struct VanishingPoint {
    char axis; // 'x', 'y' or 'z'
    double x;
    double y;
};

/// A projection's kind and name, and what they are decided by.
struct Classification {
    ProjectionKind kind;
    ProjectionName name;
    /// For a parallel projection, the angle between its direction and the
    /// plane in degrees (90 for an orthogonal one), and the factor by which
    /// lengths along the plane's normal shorten, cot of that angle (0
    /// orthogonal, 1 cavalier, 1/2 cabinet). NaN for a perspective.
    double angle_degrees;
    double foreshortening;
    /// For a perspective, the vanishing points of the world axes not
    /// parallel to the plane, in the order x, y, z: 1 to 3 of them. None
    /// for a parallel projection.
    int vanishing_point_count;
    VanishingPoint vanishing_points[3];
};

/// The classification of a definition that check() accepts (any other
/// gives whatever its arithmetic makes). With n the plane's unit normal X x
/// Y and D the unit direction, each decision and its measure:
///
/// - orthogonal when D is along n: |D x n| <= 2^-40; then a principal view
///   when n is along a world axis (|n x e| <= 2^-40): FRONT for y, TOP for
///   z, SIDE for x; else axonometric by how each world axis e_i shortens,
///   |n x e_i| = sqrt(1 - (n . e_i)^2): ISOMETRIC when every pair is equal,
///   DIMETRIC when one pair is, TRIMETRIC when none is;
/// - oblique otherwise, with foreshortening |D x n| / |D . n|: CAVALIER for
///   1 (MILITARY when n is along z, the lab's vertical), CABINET for 1/2,
///   OBLIQUE for any other; factors a and b are equal when |a - b| <= 2^-40
///   max(|a|, |b|);
/// - a perspective's axis e_i has a vanishing point unless it is parallel
///   to the plane, |n . e_i| <= 2^-40; PERSPECTIVE_1 to _3 by their count.
Classification classify(const Definition& definition) noexcept;

} // namespace revareza
