// The angle of one turn of an alignment: about a coordinate axis, so that a
// unit vector comes onto a reference axis (the plane's X onto x, its Y onto
// y, a rotation's axis onto x).
//
// It is acos of the vector's component along the reference axis, save for
// small angles (and angles near pi), where the cosine is within rounding of
// +-1 and acos throws away half the digits (below about 1e-8 it cannot tell
// the angle from 0): there the angle comes from the two components in the
// turn's plane, as atan2 of them, which keeps every digit.
//
//   #include <revareza/geometry/turn_angle.hpp>
//
//   revareza::turn_angle(1.0, 1e-8);  // 1e-8 (acos(1.0) would be 0)
//   revareza::turn_angle(0.6, 0.8);   // acos(0.6)
#pragma once

#include <revareza/geometry/hvector.hpp>

namespace revareza {

/// Below this |s| / |c|, turn_angle takes atan2 rather than acos.
constexpr double NEAR_AXIS_RATIO = 0x1p-10;

/// Below this |s|, a |c| of exactly 1 is taken for a vector on the axis, its
/// s rounding noise of the turns before: the angle stays acos(c), 0 or pi.
constexpr double ON_AXIS_NOISE = 0x1p-40;

/// The magnitude, in [0, pi] radians, of the turn that brings a unit vector
/// onto the reference axis, from c, the vector's component along that axis
/// (the cosine of the angle), and s, its component that the turn brings to
/// 0. rounded::acos(c) where |s| >= NEAR_AXIS_RATIO |c| (or either is NaN);
/// otherwise the correctly rounded atan2(|s|, c), unless |c| is exactly 1
/// and |s| < ON_AXIS_NOISE. The sign of the turn is the caller's.
double turn_angle(double c, double s) noexcept;

/// Which directions need no turn about y before the turn about z: the
/// projections' X turns unless it lies on the y axis (x and z both 0, where
/// its shadow on the xz-plane would be no direction), a rotation's axis
/// unless it lies anywhere in the xy-plane (z of 0, either sign).
enum class TurnAboutY { UNLESS_ON_Y_AXIS, UNLESS_IN_XY_PLANE };

/// The two turns, in radians as Matrix4::make_rotation_y and _z take them,
/// that bring a unit direction onto the x axis.
struct TurnsOntoX {
    /// About y, into the xy-plane: from the direction's shadow on the
    /// xz-plane, negative when its z is negative; 0 where `rule` skips it.
    double alpha;
    /// Then about z, onto +x: from the direction turned by alpha, positive
    /// when its y is negative.
    double beta;
};

/// The turns that bring the unit direction v onto the x axis. Every sign
/// test is strict (0, -0 and NaN take the positive branch) and each
/// magnitude is a turn_angle.
TurnsOntoX turns_onto_x(const HVector& v, TurnAboutY rule) noexcept;

} // namespace revareza
