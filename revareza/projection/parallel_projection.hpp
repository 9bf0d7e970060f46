// The parallel (oblique or orthogonal) projection onto a plane, as one
// matrix that gives a point's image in the plane's own frame.
//
//   #include <revareza/projection/parallel_projection.hpp>
//
//   using namespace revareza;
//   // The plane z = 0 with its usual axes, projected along (1, 0, 1).
//   const Matrix4 m = build_parallel_projection(HVector(0, 0, 0, 1), HVector(1, 0, 0, 0),
//                                               HVector(0, 1, 0, 0), HVector(1, 0, 1, 0));
//   const HVector image = m * HVector(0, 0, 2, 1);
//   // image.x() == -2, image.y() == 0: where the point's line meets the plane
#pragma once

#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/matrix4.hpp>

namespace revareza {

/// The parallel projection along the unit direction d onto the plane through
/// the point o spanned by the unit directions x and y (y orthogonal to x).
///
/// For a point p, (M * p).x and .y are where the line through p along d
/// meets the plane, measured from o along x and y; .z keeps the signed
/// distance from the plane. A d parallel to the plane gives infinite or NaN
/// shear entries; nothing guards it.
Matrix4 build_parallel_projection(HVector o, HVector x, HVector y, HVector d) noexcept;

} // namespace revareza
