// The perspective projection from a centre onto a plane, as one matrix that
// gives a point's image in the plane's own frame after the homogeneous
// division that HVector does.
//
//   #include <revareza/projection/perspective_projection.hpp>
//
//   using namespace revareza;
//   // From the origin onto the plane z = 5.
//   const Matrix4 m = build_perspective_projection(HVector(0, 0, 5, 1), HVector(1, 0, 0, 0),
//                                                  HVector(0, 1, 0, 0), HVector(0, 0, 0, 1));
//   std::cout << m * HVector(1, 2, 10, 1) << '\n'; // (0.50000,1.00000,5.00000)
#pragma once

#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/matrix4.hpp>

namespace revareza {

/// The perspective projection from the point c onto the plane through the
/// point o spanned by the unit directions x and y (y orthogonal to x).
///
/// For a point p, M * p (after the homogeneous division of HVector) has in
/// .x and .y where the line from c through p meets the plane, measured from
/// o along x and y. A c in the plane gives infinite or NaN entries; nothing
/// guards it.
Matrix4 build_perspective_projection(HVector o, HVector x, HVector y, HVector c) noexcept;

} // namespace revareza
