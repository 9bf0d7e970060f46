#include <revareza/geometry/turn_angle.hpp>

#include <revareza/geometry/matrix4.hpp>
#include <revareza/geometry/rounded_math.hpp>

#include <cmath>

namespace revareza {

double turn_angle(double c, double s) noexcept
{
    const double across = std::fabs(s);
    const double along = std::fabs(c);
    // NaN fails both comparisons and keeps acos, as ever.
    if (across < NEAR_AXIS_RATIO * along && !(along == 1.0 && across < ON_AXIS_NOISE)) {
        return rounded::atan2_near_axis(across, c);
    }
    return rounded::acos(c);
}

TurnsOntoX turns_onto_x(const HVector& v, TurnAboutY rule) noexcept
{
    const HVector x_axis(1.0, 0.0, 0.0, 0.0);
    const bool skip = rule == TurnAboutY::UNLESS_ON_Y_AXIS ? v.x() == 0.0 && v.z() == 0.0
                                                           : !(v.z() != 0.0); // NaN turns
    TurnsOntoX turns{0.0, 0.0};
    if (!skip) {
        const HVector shadow(v.x(), 0.0, v.z(), 0.0);
        const double magnitude = turn_angle(dot(shadow, x_axis), shadow.z());
        turns.alpha = v.z() < 0.0 ? -magnitude : magnitude;
    }
    Matrix4 about_y;
    about_y.make_rotation_y(turns.alpha);
    const HVector in_plane = about_y * v;
    const double magnitude = turn_angle(dot(in_plane, x_axis), in_plane.y());
    turns.beta = in_plane.y() < 0.0 ? magnitude : -magnitude;
    return turns;
}

} // namespace revareza
