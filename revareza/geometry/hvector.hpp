// HVector: the one value type for points and directions.
//
// Four doubles (x, y, z, w). Every constructor and set() applies one rule:
// a w other than 0 makes a point, divided through by w (w becomes 1); a w
// of 0 makes a direction, normalised to length 1. Sums, negation, scaling,
// dot and cross products work on these values, and a stream writes them as
// "(x,y,z)" with five decimals.
//
//   #include <revareza/geometry/hvector.hpp>
//
//   const revareza::HVector p(2, 4, 6, 2);   // the point (1, 2, 3)
//   const revareza::HVector d(3, 0, 4, 0);   // the direction (0.6, 0, 0.8)
//   std::cout << p + d << '\n';              // (1.60000,2.00000,3.80000)
#pragma once

#include <iosfwd>

namespace revareza {

/// A point or a unit direction in homogeneous coordinates (x, y, z, w).
///
/// Every value passes through the setting rule of set(), so a held value is
/// either a point (w = 1) or a direction of length 1 (w = 0). The one
/// exception is the zero direction, whose components are NaN.
class HVector {
public:
    /// The origin as a point, (0, 0, 0, 1).
    constexpr HVector() noexcept = default;

    /// The value that set(a, b, c, w) gives.
    HVector(double a, double b, double c, double w) noexcept { set(a, b, c, w); }

    /// Setting rule. A w unequal to 0 (NaN included) divides a, b, c by w and
    /// makes a point; a w of +0 or -0 normalises (a, b, c) to a unit direction,
    /// for any finite components however large or small (1e300, 5e-324).
    /// (0, 0, 0, 0) divides zero by zero and leaves NaN in x, y and z.
    void set(double a, double b, double c, double w) noexcept;

    constexpr double x() const noexcept { return x_; }
    constexpr double y() const noexcept { return y_; }
    constexpr double z() const noexcept { return z_; }
    constexpr double w() const noexcept { return w_; }

private:
    double x_ = 0.0;
    double y_ = 0.0;
    double z_ = 0.0;
    double w_ = 1.0;
};

/// u.x*v.x + u.y*v.y + u.z*v.z, summed left to right; w is ignored.
double dot(const HVector& u, const HVector& v) noexcept;

/// sqrt((x*x + y*y) + z*z); w is ignored.
double norm(const HVector& v) noexcept;

/// acos(dot(u, v)) in radians, correctly rounded (rounded::acos). The dot
/// product is not clamped to [-1, 1]: a value that rounds just past 1 gives
/// NaN, and callers rely on seeing it.
double angle_between(const HVector& u, const HVector& v) noexcept;

/// The unit direction of a x b. Exactly parallel inputs give NaN components.
HVector cross(const HVector& a, const HVector& b) noexcept;

/// The length of a x b before cross() normalises it: for two unit
/// directions, the sine of the angle between them, whatever size they were
/// given in.
double cross_length(const HVector& a, const HVector& b) noexcept;

/// True when x, y and z are each equal; w is not compared, so the point
/// (0, 1, 0) equals the direction (0, 1, 0).
constexpr bool operator==(const HVector& u, const HVector& v) noexcept
{
    return u.x() == v.x() && u.y() == v.y() && u.z() == v.z();
}

constexpr bool operator!=(const HVector& u, const HVector& v) noexcept { return !(u == v); }

/// Component-wise sum with the weights added, then the setting rule: point +
/// direction is a point, point + point is the midpoint, and direction +
/// direction is the unit direction of the sum.
HVector operator+(const HVector& u, const HVector& v) noexcept;

/// (-x, -y, -z) with the weight kept: a point is mirrored through the origin,
/// a direction reversed.
HVector operator-(const HVector& v) noexcept;

/// (x*s, y*s, z*s) as a point, whatever the weight of v.
HVector operator*(const HVector& v, double s) noexcept;

/// Writes "(x,y,z)" in fixed notation with five decimals. The fixed flag is
/// added and cleared again; the precision is left at 5.
std::ostream& operator<<(std::ostream& out, const HVector& v);

} // namespace revareza
