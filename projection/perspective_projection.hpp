#pragma once

#include "geometry/hvector.hpp"
#include "geometry/matrix4.hpp"

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
