#include <revareza/projection/projection_steps.hpp>

#include <revareza/projection/detail/plane_alignment.hpp>

namespace revareza {
namespace {

ProjectionStep& add_step(ProjectionSteps& steps, StepKind kind) noexcept
{
    ProjectionStep& step = steps.step[steps.count++];
    step.kind = kind;
    return step;
}

void add_translation(ProjectionSteps& steps, const HVector& offset) noexcept
{
    ProjectionStep& step = add_step(steps, StepKind::TRANSLATION);
    step.parameter[0] = offset.x();
    step.parameter[1] = offset.y();
    step.parameter[2] = offset.z();
    step.matrix.make_translation(offset);
}

// With the plane on xy, slide every point along `along` (the aligned
// direction, or the aligned plane origin) until z would be 0.
void add_shear(ProjectionSteps& steps, const HVector& along) noexcept
{
    ProjectionStep& step = add_step(steps, StepKind::SHEAR);
    step.parameter[0] = -along.x() / along.z();
    step.parameter[1] = -along.y() / along.z();
    step.matrix.make_shear_z(step.parameter[0], step.parameter[1]);
}

} // namespace

ProjectionSteps parallel_steps(HVector o, HVector x, HVector y, HVector d) noexcept
{
    ProjectionSteps steps;
    add_translation(steps, -o);
    align_plane(steps, x, y, d);
    add_shear(steps, d);
    steps.aligned = d;
    return steps;
}

ProjectionSteps perspective_steps(HVector o, HVector x, HVector y, HVector c) noexcept
{
    // Work from the centre; the plane origin is carried through the alignment.
    ProjectionSteps steps;
    add_translation(steps, -c);
    o = steps.step[0].matrix * o;
    align_plane(steps, x, y, o);
    // Shear the plane origin onto the z axis, then divide by z / o.z, the
    // distance from the centre to the plane.
    add_shear(steps, o);
    ProjectionStep& perspective = add_step(steps, StepKind::PERSPECTIVE);
    perspective.parameter[0] = o.z();
    perspective.matrix.make_perspective_z(o.z());
    steps.aligned = o;
    return steps;
}

Matrix4 product(const ProjectionSteps& steps) noexcept
{
    return product(steps, steps.count);
}

Matrix4 product(const ProjectionSteps& steps, int count) noexcept
{
    if (count <= 0) {
        return Matrix4{};
    }
    // Starting from the first matrix itself, not from identity * it: the
    // product would turn its -0.0 entries into +0.0.
    Matrix4 t = steps.step[0].matrix;
    for (int i = 1; i < count && i < steps.count; ++i) {
        t = steps.step[i].matrix * t;
    }
    return t;
}

int parameter_count(StepKind kind) noexcept
{
    switch (kind) {
    case StepKind::TRANSLATION:
        return 3;
    case StepKind::SHEAR:
        return 2;
    default:
        return 1;
    }
}

const char* step_name(StepKind kind) noexcept
{
    switch (kind) {
    case StepKind::TRANSLATION:
        return "translation";
    case StepKind::ROTATION_Y:
        return "rotation_y";
    case StepKind::ROTATION_Z:
        return "rotation_z";
    case StepKind::ROTATION_X:
        return "rotation_x";
    case StepKind::SHEAR:
        return "shear";
    case StepKind::PERSPECTIVE:
        return "perspective";
    }
    return "";
}

double degrees(double radians) noexcept
{
    constexpr double DEGREES_PER_RADIAN = 57.295779513082320876798154814105170332405472466564;
    return radians * DEGREES_PER_RADIAN;
}

const char* parameter_name(StepKind kind, int i) noexcept
{
    switch (kind) {
    case StepKind::TRANSLATION:
        return i == 0 ? "x" : i == 1 ? "y" : "z";
    case StepKind::SHEAR:
        return i == 0 ? "a" : "b";
    case StepKind::PERSPECTIVE:
        return "distance";
    default:
        return "angle";
    }
}

} // namespace revareza
