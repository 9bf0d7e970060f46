#include <revareza/definition/definition.hpp>

#include <revareza/projection/orthogonal_y.hpp>

#include <cmath>

namespace revareza {
namespace {

bool is_finite(const HVector& v) noexcept
{
    return std::isfinite(v.x()) && std::isfinite(v.y()) && std::isfinite(v.z());
}

double largest_magnitude(const HVector& v) noexcept
{
    return std::fmax(std::fabs(v.x()), std::fmax(std::fabs(v.y()), std::fabs(v.z())));
}

// Whether the centre c lies in the plane through o with unit normal n:
// |n . (c - o)| <= DEGENERACY_TOLERANCE (|c| + |o|). Both sides scale alike,
// so c and o are first brought near 1 by one power of two (exact), and
// neither c - o nor the lengths can overflow.
bool centre_in_plane(const HVector& n, const HVector& c, const HVector& o) noexcept
{
    const double largest = std::fmax(largest_magnitude(c), largest_magnitude(o));
    if (!std::isfinite(largest)) {
        return false; // no measure: the matrix is not finite either
    }
    int exponent = 0;
    std::frexp(largest, &exponent);
    const auto scaled = [exponent](double v) { return std::ldexp(v, -exponent); };
    const double cx = scaled(c.x()), cy = scaled(c.y()), cz = scaled(c.z());
    const double ox = scaled(o.x()), oy = scaled(o.y()), oz = scaled(o.z());
    const double distance = n.x() * (cx - ox) + n.y() * (cy - oy) + n.z() * (cz - oz);
    const double sizes = std::sqrt((cx * cx + cy * cy) + cz * cz) + std::sqrt((ox * ox + oy * oy) + oz * oz);
    return std::fabs(distance) <= DEGENERACY_TOLERANCE * sizes; // NaN: not in it
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

Matrix4 unchecked_projection_matrix(const Definition& d) noexcept
{
    const HVector y = unchecked_orthogonal_y(d.x, d.y);
    return product(d.type == ProjectionType::PARALLEL ? parallel_steps(d.origin, d.x, y, d.direction)
                                                      : perspective_steps(d.origin, d.x, y, d.centre));
}

Problem check(const Definition& d) noexcept
{
    const Problem plane = check_plane(d.x, d.y);
    if (plane != Problem::NONE) {
        return plane;
    }
    // The plane's unit normal from the directions the builder aligns. A
    // line along a direction parallel to the plane never meets it, and a
    // line from a centre in the plane meets it only at the centre, or runs
    // in it.
    const HVector normal = cross(d.x, orthogonal_y(d.x, d.y));
    if (d.type == ProjectionType::PARALLEL) {
        if (std::fabs(dot(normal, d.direction)) <= DEGENERACY_TOLERANCE) { // NaN: NOT_FINITE below
            return Problem::DIRECTION_PARALLEL_TO_PLANE;
        }
    } else if (centre_in_plane(normal, d.centre, d.origin)) {
        return Problem::CENTRE_IN_PLANE;
    }
    return is_finite(projection_matrix(d)) ? Problem::NONE : Problem::NOT_FINITE;
}

} // namespace revareza
