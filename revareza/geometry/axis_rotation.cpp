// Rotations about an arbitrary axis, built from the axis rotations by
// alignment: turn the axis onto x, rotate about x, turn back.
#include <revareza/geometry/matrix4.hpp>
#include <revareza/geometry/turn_angle.hpp>

namespace revareza {

void Matrix4::make_axis_rotation(const HVector& axis, float theta) noexcept
{
    // Turn the axis onto x, about y and then z. Every axis with z = 0 (either
    // sign) skips the turn about y, so (0, -1, 0) never meets the zero
    // shadow.
    const TurnsOntoX turns = turns_onto_x(axis, TurnAboutY::UNLESS_IN_XY_PLANE);
    const double alpha = turns.alpha;
    const double beta = turns.beta;
    make_rotation_y(alpha);

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
