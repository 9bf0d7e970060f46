#include <revareza/projection/orthogonal_y.hpp>

#include <cmath>

namespace revareza {

bool within_ortho_tolerance(const HVector& x, const HVector& y) noexcept
{
    return !(std::fabs(dot(x, y)) > ORTHO_TOLERANCE);
}

HVector orthogonal_y(const HVector& x, const HVector& y) noexcept
{
    if (within_ortho_tolerance(x, y)) {
        return y;
    }
    const HVector normal = cross(x, y);
    return cross(normal, x);
}

} // namespace revareza
