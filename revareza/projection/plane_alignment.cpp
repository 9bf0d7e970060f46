#include <revareza/projection/detail/plane_alignment.hpp>

#include <revareza/geometry/turn_angle.hpp>

namespace revareza {
namespace {

Matrix4& add_rotation(ProjectionSteps& steps, StepKind kind, double angle) noexcept
{
    ProjectionStep& step = steps.step[steps.count++];
    step.kind = kind;
    step.parameter[0] = angle;
    if (kind == StepKind::ROTATION_Y) {
        step.matrix.make_rotation_y(angle);
    } else if (kind == StepKind::ROTATION_Z) {
        step.matrix.make_rotation_z(angle);
    } else {
        step.matrix.make_rotation_x(angle);
    }
    return step.matrix;
}

} // namespace

void align_plane(ProjectionSteps& steps, HVector x, HVector y, HVector& carried) noexcept
{
    const HVector y_axis(0.0, 1.0, 0.0, 0.0);

    // About y, so that x lies in the xy-plane, then about z, so that it lies
    // on the x axis. When x.x and x.z are both zero, x is in the xy-plane
    // already, and its shadow on xz would be the zero direction (NaN):
    // (0, -1, 0) skips the turn just as (0, 1, 0) does.
    const TurnsOntoX turns = turns_onto_x(x, TurnAboutY::UNLESS_ON_Y_AXIS);
    const Matrix4& ry = add_rotation(steps, StepKind::ROTATION_Y, turns.alpha);
    y = ry * y;
    x = ry * x;
    carried = ry * carried;

    const double beta = turns.beta;
    const Matrix4& rz = add_rotation(steps, StepKind::ROTATION_Z, beta);
    y = rz * y;
    carried = rz * carried;

    // About x, so that y lies on the y axis.
    const double gamma_magnitude = turn_angle(dot(y, y_axis), y.z());
    const double gamma = y.z() < 0.0 ? gamma_magnitude : -gamma_magnitude;
    const Matrix4& rx = add_rotation(steps, StepKind::ROTATION_X, gamma);
    carried = rx * carried;
}

} // namespace revareza
