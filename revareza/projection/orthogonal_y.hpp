// The plane's Y made orthogonal to its X.
//
// Both projection builders take a plane spanned by unit directions x and y
// with y orthogonal to x. orthogonal_y turns any y that is not parallel to
// x into such a direction, in the plane of x and y and on y's side of x;
// a y already orthogonal within ORTHO_TOLERANCE is kept exactly as it is,
// so that results do not move by the last bits for well-made input.
//
//   #include <revareza/projection/orthogonal_y.hpp>
//
//   const revareza::HVector x(1, 0, 0, 0);
//   const revareza::HVector y = revareza::orthogonal_y(x, revareza::HVector(1, 1, 0, 0));
//   // y is the direction (0, 1, 0)
#pragma once

#include <revareza/geometry/hvector.hpp>

namespace revareza {

/// Largest |dot(x, y)| for which y is taken as orthogonal to x.
constexpr double ORTHO_TOLERANCE = 1e-7;

/// Whether orthogonal_y keeps y as given: |dot(x, y)| is not greater than
/// ORTHO_TOLERANCE (a NaN dot product is not greater either).
bool within_ortho_tolerance(const HVector& x, const HVector& y) noexcept;

/// y as given when within_ortho_tolerance(x, y); otherwise the unit
/// direction cross(cross(x, y), x), orthogonal to x in the plane of x and
/// y. A y exactly parallel to x has no such direction and gives NaN; one
/// parallel only up to rounding gives some direction orthogonal to x.
HVector orthogonal_y(const HVector& x, const HVector& y) noexcept;

} // namespace revareza
