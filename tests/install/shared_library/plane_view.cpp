// Where a point falls on the plane z = 5, seen from the origin.
#include <revareza/projection/perspective_projection.hpp>

void view_on_plane(const double point[3], double image[2])
{
    using namespace revareza;
    const Matrix4 m = build_perspective_projection(HVector(0, 0, 5, 1), HVector(1, 0, 0, 0),
                                                   HVector(0, 1, 0, 0), HVector(0, 0, 0, 1));
    const HVector p = m * HVector(point[0], point[1], point[2], 1);
    image[0] = p.x();
    image[1] = p.y();
}
