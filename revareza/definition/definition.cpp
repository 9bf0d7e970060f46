#include <revareza/definition/definition.hpp>

#include <revareza/projection/orthogonal_y.hpp>

#include <cmath>

namespace revareza {
namespace {

bool is_finite(const HVector& v) noexcept
{
    return std::isfinite(v.x()) && std::isfinite(v.y()) && std::isfinite(v.z());
}

} // namespace

Role role_of(Problem problem, ProjectionType type) noexcept
{
    return problem == Problem::NONE ? Role::POINT : problem == Problem::Y_PARALLEL_TO_X ? Role::Y : last_role(type);
}

Problem check_plane(const HVector& x, const HVector& y) noexcept
{
    return is_finite(orthogonal_y(x, y)) ? Problem::NONE : Problem::Y_PARALLEL_TO_X;
}

ProjectionSteps projection_steps(const Definition& d) noexcept
{
    const HVector y = orthogonal_y(d.x, d.y);
    return d.type == ProjectionType::PARALLEL ? parallel_steps(d.origin, d.x, y, d.direction)
                                              : perspective_steps(d.origin, d.x, y, d.centre);
}

Matrix4 projection_matrix(const Definition& d) noexcept
{
    return product(projection_steps(d));
}

bool has_image(const Matrix4& m, const HVector& point) noexcept
{
    return image_weight(m, point) != 0.0;
}

bool behind_centre(const Matrix4& m, const HVector& point) noexcept
{
    return image_weight(m, point) < 0.0;
}

Problem check(const Definition& d) noexcept
{
    const Problem plane = check_plane(d.x, d.y);
    if (plane != Problem::NONE) {
        return plane;
    }
    const ProjectionSteps steps = projection_steps(d);
    // The shear divides by this z: a line along a direction parallel to the
    // plane never meets it, and a line from a centre in the plane meets it
    // only at the centre, or runs in it.
    if (steps.aligned.z() == 0.0) {
        return d.type == ProjectionType::PARALLEL ? Problem::DIRECTION_PARALLEL_TO_PLANE : Problem::CENTRE_IN_PLANE;
    }
    return is_finite(product(steps)) ? Problem::NONE : Problem::NOT_FINITE;
}

} // namespace revareza
