// Where a point falls on the plane z = 5, seen from the origin, by the
// batch call (its SIMD objects linked from the static library too).
#include <revareza/projection/perspective_projection.hpp>
#include <revareza/projection/point_projection.hpp>

void view_on_plane(const double point[3], double image[2])
{
    using namespace revareza;
    const Matrix4 m = build_perspective_projection(HVector(0, 0, 5, 1), HVector(1, 0, 0, 0),
                                                   HVector(0, 1, 0, 0), HVector(0, 0, 0, 1));
    project_points(m, point, 1, image);
}
