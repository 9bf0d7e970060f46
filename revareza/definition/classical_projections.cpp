// The parallel planes stand 2 from the cube's centre, on the viewer's side,
// and D points from the cube towards them, as the default definition's D
// is the plane's normal; the perspectives' planes lie between the cube and
// the centre. Each plane's origin is where the line that projects the
// cube's centre meets it, so that the cube's image is centred on O.
#include <revareza/definition/classical_projections.hpp>

#include <revareza/geometry/rounded_math.hpp>

#include <cmath>

namespace revareza {
namespace {

constexpr double PLANE_DISTANCE = 2.0;

// The double nearest pi / 180.
constexpr double RADIANS_PER_DEGREE = 0.017453292519943295;

HVector direction(double x, double y, double z) noexcept { return HVector(x, y, z, 0.0); }
HVector point(double x, double y, double z) noexcept { return HVector(x, y, z, 1.0); }

Definition framed(ProjectionType type, const HVector& x, const HVector& y) noexcept
{
    Definition d;
    d.type = type;
    // A corner of the cube, half its side from the centre along each axis.
    const double corner = CLASSICAL_CUBE_SIDE / 2;
    d.point = point(corner, corner, corner);
    d.x = x;
    d.y = y;
    return d;
}

// x and y are orthogonal unit directions, so that orthogonal_y keeps y.
Definition parallel(const HVector& x, const HVector& y, const HVector& along) noexcept
{
    Definition d = framed(ProjectionType::PARALLEL, x, y);
    d.direction = along;
    d.origin = along * (PLANE_DISTANCE / dot(along, cross(x, y)));
    return d;
}

Definition orthographic(const HVector& x, const HVector& y) noexcept { return parallel(x, y, cross(x, y)); }

// Draws the world axis r along the plane's normal n as g = factor (cos a X
// + sin a Y): the point r goes along D = n + w to -(r . n) w, so w = -g /
// (r . n).
Definition oblique(const HVector& x, const HVector& y, const HVector& r, double factor, double degrees) noexcept
{
    const HVector n = cross(x, y);
    const double radians = degrees * RADIANS_PER_DEGREE;
    const double along_x = factor * rounded::cos(radians) / dot(r, n);
    const double along_y = factor * rounded::sin(radians) / dot(r, n);
    return parallel(x, y,
                    direction(n.x() - (along_x * x.x() + along_y * y.x()), n.y() - (along_x * x.y() + along_y * y.y()),
                              n.z() - (along_x * x.z() + along_y * y.z())));
}

Definition perspective(const HVector& x, const HVector& y, const HVector& origin, const HVector& centre) noexcept
{
    Definition d = framed(ProjectionType::PERSPECTIVE, x, y);
    d.origin = origin;
    d.centre = centre;
    return d;
}

} // namespace

bool classical_projection(ProjectionName name, Definition& definition, double angle_degrees) noexcept
{
    if (!std::isfinite(angle_degrees)) {
        return false;
    }
    // The front plane (X along x, Y up, the viewer at -y), the horizontal
    // one (seen from above) and the right side's.
    const HVector front_x = direction(1, 0, 0), front_y = direction(0, 0, 1);
    const HVector top_x = direction(1, 0, 0), top_y = direction(0, 1, 0);
    // The isometric plane's normal is (1, -1, 1), towards the front, right
    // and top, each axis shortened to sqrt(2/3). The dimetric one's is (1,
    // -sqrt 7, 1): x and z shortened to sqrt(8/9), y to half that, the
    // dimetric of technical drawing (x at 7 degrees, y at 41).
    const HVector iso_x = direction(1, 1, 0), iso_y = direction(-1, 1, 2);
    const double root7 = std::sqrt(7.0);
    switch (name) {
    case ProjectionName::FRONT:
        definition = orthographic(front_x, front_y);
        return true;
    case ProjectionName::TOP:
        definition = orthographic(top_x, top_y);
        return true;
    case ProjectionName::SIDE:
        definition = orthographic(direction(0, 1, 0), direction(0, 0, 1));
        return true;
    case ProjectionName::ISOMETRIC:
        definition = orthographic(iso_x, iso_y);
        return true;
    case ProjectionName::DIMETRIC:
        definition = orthographic(direction(root7, 1, 0), direction(-1, root7, 8));
        return true;
    case ProjectionName::CAVALIER:
    case ProjectionName::CABINET:
        definition = oblique(front_x, front_y, direction(0, 1, 0), name == ProjectionName::CAVALIER ? 1.0 : 0.5,
                             angle_degrees);
        return true;
    case ProjectionName::MILITARY:
        definition = oblique(top_x, top_y, direction(0, 0, 1), 1.0, angle_degrees);
        return true;
    // The centres stand in front of the cube, above it and to its right,
    // so that its front, top and right faces show: onto the front plane
    // (y only recedes), onto a vertical plane turned 45 degrees (z stays
    // vertical), and from the isometric plane's normal, 2 sqrt(3) from the cube's
    // centre, its three vanishing points an equilateral triangle.
    case ProjectionName::PERSPECTIVE_1:
        definition = perspective(front_x, front_y, point(0.25, -1, 0.25), point(1, -4, 1));
        return true;
    case ProjectionName::PERSPECTIVE_2:
        definition = perspective(direction(1, 1, 0), front_y, point(1, -1, 0.5), point(3, -3, 1.5));
        return true;
    case ProjectionName::PERSPECTIVE_3:
        definition = perspective(iso_x, iso_y, point(1, -1, 1), point(2, -2, 2));
        return true;
    case ProjectionName::OBLIQUE:
    case ProjectionName::TRIMETRIC:
        break;
    }
    return false;
}

bool classical_projection(std::string_view name, Definition& definition, double angle_degrees) noexcept
{
    ProjectionName named = ProjectionName::OBLIQUE;
    return name_of_key(name, named) && classical_projection(named, definition, angle_degrees);
}

} // namespace revareza
