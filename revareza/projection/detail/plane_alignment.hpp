#pragma once

#include <revareza/projection/projection_steps.hpp>

namespace revareza {

/// Appends to steps the rotations about y, z and x that turn the plane
/// spanned by the unit directions x and y so that x lies on the x axis and
/// y on the y axis. `carried` is turned along with the plane at every step
/// (the direction of projection, or the plane origin seen from the centre).
void align_plane(ProjectionSteps& steps, HVector x, HVector y, HVector& carried) noexcept;

} // namespace revareza
