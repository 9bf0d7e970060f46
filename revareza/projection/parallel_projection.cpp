#include <revareza/projection/parallel_projection.hpp>

#include <revareza/projection/projection_steps.hpp>

namespace revareza {

Matrix4 build_parallel_projection(HVector o, HVector x, HVector y, HVector d) noexcept
{
    return product(parallel_steps(o, x, y, d));
}

} // namespace revareza
