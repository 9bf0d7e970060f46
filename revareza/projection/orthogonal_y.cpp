#include <revareza/projection/orthogonal_y.hpp>

#include <cmath>

namespace revareza {

bool within_ortho_tolerance(const HVector& x, const HVector& y) noexcept
{
    return !(std::fabs(dot(x, y)) > ORTHO_TOLERANCE);
}

bool parallel_directions(const HVector& x, const HVector& y) noexcept
{
    return !(cross_length(x, y) > DEGENERACY_TOLERANCE);
}

HVector orthogonal_y(const HVector& x, const HVector& y) noexcept
{
    if (within_ortho_tolerance(x, y)) {
        return y;
    }
    if (parallel_directions(x, y)) {
        return HVector(0.0, 0.0, 0.0, 0.0); // the zero direction: NaN
    }
    return unchecked_orthogonal_y(x, y);
}

HVector unchecked_orthogonal_y(const HVector& x, const HVector& y) noexcept
{
    if (within_ortho_tolerance(x, y)) {
        return y;
    }
    const HVector normal = cross(x, y);
    return cross(normal, x);
}

} // namespace revareza
