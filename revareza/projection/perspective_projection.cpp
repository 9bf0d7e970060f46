#include <revareza/projection/perspective_projection.hpp>

#include <revareza/projection/projection_steps.hpp>

namespace revareza {

Matrix4 build_perspective_projection(HVector o, HVector x, HVector y, HVector c) noexcept
{
    return product(perspective_steps(o, x, y, c));
}

} // namespace revareza
