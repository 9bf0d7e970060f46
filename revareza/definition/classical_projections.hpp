// The classical projections of a course on computer graphics, each a
// definition ready to draw: the principal views, the isometric and the
// dimetric, the cavalier, cabinet and military obliques, and perspectives
// with one, two and three vanishing points. Each is framed for the page's
// cube, of side 1 centred at the origin (z up, the front facing -y), its
// point P the corner (0.5, 0.5, 0.5), and classify() names it as it is
// called.
//
//   #include <revareza/definition/classical_projections.hpp>
//
//   using namespace revareza;
//   Definition d;
//   classical_projection("gabinete", d, 30); // depth drawn at 30 degrees, halved
//   key(classify(d).name);                   // "gabinete"
#pragma once

#include <revareza/definition/classification.hpp>
#include <revareza/definition/definition.hpp>

#include <string_view>

namespace revareza {

constexpr int CLASSICAL_PROJECTION_COUNT = 11;

/// The classical projections in the order a course meets them; their keys
/// (key(name)) are the names classical_projection takes.
inline constexpr ProjectionName CLASSICAL_PROJECTIONS[CLASSICAL_PROJECTION_COUNT] = {
    ProjectionName::FRONT,         ProjectionName::TOP,           ProjectionName::SIDE,
    ProjectionName::ISOMETRIC,     ProjectionName::DIMETRIC,      ProjectionName::CAVALIER,
    ProjectionName::CABINET,       ProjectionName::MILITARY,      ProjectionName::PERSPECTIVE_1,
    ProjectionName::PERSPECTIVE_2, ProjectionName::PERSPECTIVE_3,
};

/// The side of the cube the classical projections are framed for, centred
/// at the origin: the web page's cube of this size.
constexpr double CLASSICAL_CUBE_SIDE = 1.0;

/// The angle at which the obliques draw their receding axis unless told.
constexpr double RECEDING_AXIS_DEGREES = 45.0;

/// The classical projection of this name into definition, and true; false
/// (and definition untouched) for a name that is none of
/// CLASSICAL_PROJECTIONS or a non-finite angle. The obliques draw their
/// receding axis (y, away from the viewer, for CAVALIER and CABINET onto
/// the front plane; z, up, for MILITARY onto the horizontal plane) at
/// angle_degrees from the plane's X, counterclockwise; the others ignore
/// the angle.
bool classical_projection(ProjectionName name, Definition& definition,
                          double angle_degrees = RECEDING_AXIS_DEGREES) noexcept;

/// The same by the name's key: "frontal", "isometrica", "perspectiva-2"...
bool classical_projection(std::string_view name, Definition& definition,
                          double angle_degrees = RECEDING_AXIS_DEGREES) noexcept;

} // namespace revareza
