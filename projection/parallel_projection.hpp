#pragma once

#include "geometry/hvector.hpp"
#include "geometry/matrix4.hpp"

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
