#include <revareza/projection/detail/plane_alignment.hpp>

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
    const HVector x_axis(1.0, 0.0, 0.0, 0.0);
    const HVector y_axis(0.0, 1.0, 0.0, 0.0);

    // About y, so that x lies in the xy-plane. When x.x and x.z are both
    // zero, x is there already, and its shadow on xz would be the zero
    // direction (NaN): (0, -1, 0) must skip the turn just as (0, 1, 0) does.
    double alpha = 0.0;
    if (!(x.x() == 0.0 && x.z() == 0.0)) {
        const HVector shadow(x.x(), 0.0, x.z(), 0.0);
        alpha = x.z() < 0.0 ? -angle_between(shadow, x_axis) : angle_between(shadow, x_axis);
    }
    const Matrix4& ry = add_rotation(steps, StepKind::ROTATION_Y, alpha);
    y = ry * y;
    x = ry * x;
    carried = ry * carried;

    // About z, so that x lies on the x axis.
    const double beta = x.y() < 0.0 ? angle_between(x, x_axis) : -angle_between(x, x_axis);
    const Matrix4& rz = add_rotation(steps, StepKind::ROTATION_Z, beta);
    y = rz * y;
    carried = rz * carried;

    // About x, so that y lies on the y axis.
    const double gamma = y.z() < 0.0 ? angle_between(y, y_axis) : -angle_between(y, y_axis);
    const Matrix4& rx = add_rotation(steps, StepKind::ROTATION_X, gamma);
    carried = rx * carried;
}

} // namespace revareza
