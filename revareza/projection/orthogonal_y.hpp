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
#include <revareza/projection/tolerances.hpp>

namespace revareza {

/// Whether orthogonal_y keeps y as given: |dot(x, y)| is not greater than
/// ORTHO_TOLERANCE (a NaN dot product is not greater either).
bool within_ortho_tolerance(const HVector& x, const HVector& y) noexcept;

/// Whether the unit directions x and y are parallel (or opposite) within
/// DEGENERACY_TOLERANCE: the length of their cross product, the sine of the
/// angle between them, is at most 2^-40. NaN components count as parallel.
bool parallel_directions(const HVector& x, const HVector& y) noexcept;

/// y as given when within_ortho_tolerance(x, y); otherwise the unit
/// direction cross(cross(x, y), x), orthogonal to x in the plane of x and
/// y. A y parallel to x (parallel_directions, which includes every y
/// parallel only up to rounding) spans no plane with it and gives NaN.
HVector orthogonal_y(const HVector& x, const HVector& y) noexcept;

/// orthogonal_y without the parallel test, as matrix mode has always made
/// Y: a y parallel to x up to rounding gives the normalised tiny cross
/// product, some direction orthogonal to x; an exactly parallel one, NaN.
HVector unchecked_orthogonal_y(const HVector& x, const HVector& y) noexcept;

} // namespace revareza
