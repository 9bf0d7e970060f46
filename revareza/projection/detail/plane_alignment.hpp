#pragma once

#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/matrix4.hpp>

namespace revareza {

/// Turns the plane spanned by the unit directions x and y so that x lies on
/// the x axis and y on the y axis: t = Rx(gamma) * Rz(beta) * Ry(alpha) * t.
/// `carried` is turned along with the plane at every step (the direction of
/// projection, or the plane origin seen from the centre).
void align_plane(Matrix4& t, HVector x, HVector y, HVector& carried) noexcept;

} // namespace revareza
