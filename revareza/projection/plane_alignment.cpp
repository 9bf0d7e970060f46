#include <revareza/projection/plane_alignment.hpp>

namespace revareza {

void align_plane(Matrix4& t, HVector x, HVector y, HVector& carried) noexcept
{
    const HVector x_axis(1.0, 0.0, 0.0, 0.0);
    const HVector y_axis(0.0, 1.0, 0.0, 0.0);
    Matrix4 r;

    // About y, so that x lies in the xy-plane. When x.x and x.z are both
    // zero, x is there already, and its shadow on xz would be the zero
    // direction (NaN): (0, -1, 0) must skip the turn just as (0, 1, 0) does.
    double alpha = 0.0;
    if (!(x.x() == 0.0 && x.z() == 0.0)) {
        const HVector shadow(x.x(), 0.0, x.z(), 0.0);
        alpha = x.z() < 0.0 ? -angle_between(shadow, x_axis) : angle_between(shadow, x_axis);
    }
    r.make_rotation_y(alpha);
    t = r * t;
    y = r * y;
    x = r * x;
    carried = r * carried;

    // About z, so that x lies on the x axis.
    const double beta = x.y() < 0.0 ? angle_between(x, x_axis) : -angle_between(x, x_axis);
    r.make_rotation_z(beta);
    t = r * t;
    y = r * y;
    carried = r * carried;

    // About x, so that y lies on the y axis.
    const double gamma = y.z() < 0.0 ? angle_between(y, y_axis) : -angle_between(y, y_axis);
    r.make_rotation_x(gamma);
    t = r * t;
    carried = r * carried;
}

} // namespace revareza
