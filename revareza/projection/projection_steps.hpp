// The elementary steps a projection matrix is made of, in the order they
// apply: a translation, the rotations about y, z and x that lay the plane's
// X and Y on the x and y axes, a shear along the direction of projection
// and, for perspective, the division by the distance from the centre.
//
// The builders are exactly these steps multiplied in order, so a learner's
// product of the steps' matrices gives their matrix to the last bit.
//
//   #include <revareza/projection/projection_steps.hpp>
//
//   using namespace revareza;
//   const ProjectionSteps steps = parallel_steps(HVector(0, 0, 0, 1), HVector(1, 0, 0, 0),
//                                                HVector(0, 1, 0, 0), HVector(1, 0, 1, 0));
//   for (int i = 0; i < steps.count; ++i) {
//       std::cout << step_name(steps.step[i].kind) << '\n'; // translation, rotation_y, ...
//   }
//   const Matrix4 m = product(steps); // build_parallel_projection's matrix
#pragma once

#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/matrix4.hpp>

namespace revareza {

/// The kinds of step, in the order they come.
enum class StepKind { TRANSLATION, ROTATION_Y, ROTATION_Z, ROTATION_X, SHEAR, PERSPECTIVE };

/// One elementary transform of a projection: its kind, its parameters and
/// the matrix the matching Matrix4::make_* operation writes for them.
///
/// Parameters, by kind: TRANSLATION the offset (x, y, z), that is -O for a
/// parallel projection and -C for a perspective one; ROTATION_Y, _Z, _X the
/// angle in radians; SHEAR the coefficients a and b of x' = x + a*z,
/// y' = y + b*z; PERSPECTIVE the distance d from the centre to the plane
/// (the new weight is z/d). Unused parameters are 0.
struct ProjectionStep {
    StepKind kind = StepKind::TRANSLATION;
    double parameter[3] = {0.0, 0.0, 0.0};
    Matrix4 matrix;
};

/// The steps of one projection, and what the shear divides by.
struct ProjectionSteps {
    static constexpr int MAX_STEPS = 6;

    ProjectionStep step[MAX_STEPS];
    /// 5 for a parallel projection, 6 for a perspective one.
    int count = 0;
    /// In the plane's aligned frame (X on x, Y on y, the plane's normal on
    /// z): the direction of projection, or the plane's origin seen from the
    /// centre. Its z is 0 when the direction is parallel to the plane or the
    /// centre lies in it, and then the shear is infinite or NaN.
    HVector aligned;
};

/// The steps of build_parallel_projection(o, x, y, d).
ProjectionSteps parallel_steps(HVector o, HVector x, HVector y, HVector d) noexcept;

/// The steps of build_perspective_projection(o, x, y, c).
ProjectionSteps perspective_steps(HVector o, HVector x, HVector y, HVector c) noexcept;

/// The steps multiplied in order: the first step's matrix, then each next
/// step's matrix times the product so far (T = S * T). Bit for bit the
/// builder's matrix.
Matrix4 product(const ProjectionSteps& steps) noexcept;

/// The first count steps multiplied as product() multiplies them all: the
/// identity for none, and what they have done to a point so far.
Matrix4 product(const ProjectionSteps& steps, int count) noexcept;

/// How many parameters a step of this kind has: 3, 1, 2 or 1.
int parameter_count(StepKind kind) noexcept;

/// The step's name: "translation", "rotation_y", "rotation_z",
/// "rotation_x", "shear" or "perspective".
const char* step_name(StepKind kind) noexcept;

/// The name of parameter i (0 to parameter_count - 1): "x", "y", "z" for a
/// translation, "angle" for a rotation, "a", "b" for the shear, "distance"
/// for the perspective step.
const char* parameter_name(StepKind kind, int i) noexcept;

/// Whether a step of this kind is a rotation, whose parameter is an angle.
constexpr bool is_rotation(StepKind kind) noexcept
{
    return kind == StepKind::ROTATION_Y || kind == StepKind::ROTATION_Z || kind == StepKind::ROTATION_X;
}

/// An angle in radians in degrees: radians times 180/pi (that ratio
/// rounded to a double once), for showing a rotation's angle.
double degrees(double radians) noexcept;

} // namespace revareza
