// Matrix4: 4x4 homogeneous transforms.
//
// Row-major doubles, vectors as columns: m * v transforms v, and a
// transform r applied after those collected in t is t = r * t. The make_*
// operations overwrite a matrix with one elementary transform (translation,
// scaling, rotations about the axes in radians, a shear along z, a
// perspective division, rotations about any axis); print_matrix writes the
// four rows as fixed-point fields of ten characters.
//
//   #include <revareza/geometry/matrix4.hpp>
//
//   revareza::Matrix4 t;
//   t.make_translation(revareza::HVector(1, 2, 3, 1));
//   revareza::Matrix4 r;
//   r.make_rotation_z(M_PI / 2);
//   t = r * t;                                        // translate, then turn
//   std::cout << t * revareza::HVector(0, 0, 0, 1) << '\n'; // (-2.00000,1.00000,3.00000)
#pragma once

#include <revareza/geometry/hvector.hpp>

#include <iosfwd>

namespace revareza {

/// A 4x4 homogeneous transformation, 16 doubles in row-major order.
///
/// Vectors are columns: M transforms v into M * v, and applying R after the
/// transforms already collected in T is written T = R * T. Row 3 is the
/// homogeneous row. Angles are in radians.
///
/// Every make_* operation first resets the matrix to the identity and then
/// writes only its own entries.
class Matrix4 {
public:
    /// The identity.
    constexpr Matrix4() noexcept
        : e_{1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0}
    {
    }

    /// From 16 values in row-major order: element i goes to row i / 4, column i % 4.
    explicit constexpr Matrix4(const double (&row_major)[16]) noexcept : e_{}
    {
        for (int i = 0; i < 16; ++i) {
            e_[i] = row_major[i];
        }
    }

    /// Element at row r, column c (both 0 to 3).
    constexpr double operator()(int r, int c) const noexcept { return e_[4 * r + c]; }

    /// Overwrites the matrix with the identity.
    void set_identity() noexcept;

    /// Translation by (t.x, t.y, t.z); the weight of t is not read.
    void make_translation(const HVector& t) noexcept;

    /// Scaling by sx, sy, sz along the axes.
    void make_scaling(double sx, double sy, double sz) noexcept;

    /// Right-handed rotations by theta radians about the x, y and z axes.
    void make_rotation_x(double theta) noexcept;
    void make_rotation_y(double theta) noexcept;
    void make_rotation_z(double theta) noexcept;

    /// Shear along z: x' = x + a*z, y' = y + b*z.
    void make_shear_z(double a, double b) noexcept;

    /// Perspective division by z/d: [3][2] = 1/d, [3][3] = 0. d = 0 stores an
    /// infinite entry; nothing guards it.
    void make_perspective_z(double d) noexcept;

    /// Rotation by theta radians about the axis through the origin along the
    /// unit direction axis, right-handed about +axis. The angle arrives in
    /// single precision and keeps that error (cos of the float nearest pi/2 is
    /// about -4.4e-8, not 6e-17).
    void make_axis_rotation(const HVector& axis, float theta) noexcept;

    /// Rotation by theta radians about the axis through point along axis:
    /// Translation(point) * Rotation(axis, theta) * Translation(-point).
    void make_line_rotation(const HVector& point, const HVector& axis, float theta) noexcept;

private:
    constexpr double& at(int r, int c) noexcept { return e_[4 * r + c]; }

    // Identity, then the rotation by theta that turns axis a towards axis b.
    void make_rotation(int a, int b, double theta) noexcept;

    double e_[16];
};

/// Element-wise equality (== on doubles, so a NaN entry is never equal).
bool operator==(const Matrix4& a, const Matrix4& b) noexcept;
inline bool operator!=(const Matrix4& a, const Matrix4& b) noexcept { return !(a == b); }

/// Whether every entry of m is finite (no infinity, no NaN).
bool is_finite(const Matrix4& m) noexcept;

/// Matrix product a * b. Each entry is a sum started at 0.0 and accumulated
/// over k = 0..3 in increasing order; the result is a fresh matrix, so
/// T = R * T never reads an entry it has already overwritten.
Matrix4 operator*(const Matrix4& a, const Matrix4& b) noexcept;

/// Application m * v: r_i = m[i][0]*x + m[i][1]*y + m[i][2]*z + m[i][3]*w,
/// summed left to right, then the setting rule of HVector. A point comes back
/// divided by its new weight; a weight of 0 gives a unit direction.
HVector operator*(const Matrix4& m, const HVector& v) noexcept;

/// The weight of m * v before the setting rule: row 3 of m applied to v,
/// summed as operator* sums it. A weight of 0 (a point mapped to infinity,
/// such as one in the plane through a perspective's centre parallel to its
/// projection plane) is what makes m * v a direction.
double image_weight(const Matrix4& m, const HVector& v) noexcept;

/// Writes the matrix as four lines, each of four entries in fixed notation
/// with five decimals, right-aligned in ten characters and followed by a
/// space; every line ends with a newline and a flush. The show-point and
/// fixed flags are added and cleared again; the precision is left at 5.
void print_matrix(const Matrix4& m, std::ostream& out);

/// print_matrix on standard output.
void print_matrix(const Matrix4& m);

} // namespace revareza
