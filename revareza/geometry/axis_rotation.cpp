// Rotations about an arbitrary axis, built from the axis rotations by
// alignment: turn the axis onto x, rotate about x, turn back.
#include <revareza/geometry/matrix4.hpp>

namespace revareza {

void Matrix4::make_axis_rotation(const HVector& axis, float theta) noexcept
{
    const HVector x_axis(1.0, 0.0, 0.0, 0.0);

    // Turn the axis into the xy-plane about y. Every axis with z = 0 (either
    // sign) skips the turn, so (0, -1, 0) never meets the zero shadow.
    double alpha = 0.0;
    if (axis.z() != 0.0) { // NaN takes this branch too
        const HVector shadow(axis.x(), 0.0, axis.z(), 0.0);
        alpha = axis.z() < 0.0 ? -angle_between(shadow, x_axis) : angle_between(shadow, x_axis);
    }
    make_rotation_y(alpha);

    // Then onto the x axis about z.
    const HVector in_plane = *this * axis;
    const double beta =
        in_plane.y() < 0.0 ? angle_between(in_plane, x_axis) : -angle_between(in_plane, x_axis);

    Matrix4 step;
    step.make_rotation_z(beta);
    *this = step * *this;
    // The angle is widened only here: the rotation keeps single-precision error.
    step.make_rotation_x(static_cast<double>(theta));
    *this = step * *this;
    step.make_rotation_z(-beta);
    *this = step * *this;
    step.make_rotation_y(-alpha);
    *this = step * *this;
}

void Matrix4::make_line_rotation(const HVector& point, const HVector& axis, float theta) noexcept
{
    make_translation(-point);
    Matrix4 step;
    step.make_axis_rotation(axis, theta);
    *this = step * *this;
    step.make_translation(point);
    *this = step * *this;
}

} // namespace revareza
