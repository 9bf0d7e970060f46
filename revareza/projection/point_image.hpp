// Whether a point has an image on the plane of a projection matrix, and on
// which side of a perspective's centre it lies: both read the weight of m *
// point, measured against its terms (DEGENERACY_TOLERANCE), as every front
// end and project_points decide it.
//
//   #include <revareza/projection/point_image.hpp>
//   #include <revareza/projection/perspective_projection.hpp>
//
//   using namespace revareza;
//   const Matrix4 m = build_perspective_projection(HVector(0, 0, 5, 1), HVector(1, 0, 0, 0),
//                                                  HVector(0, 1, 0, 0), HVector(0, 0, 0, 1));
//   has_image(m, HVector(1, 2, 0, 1));     // false: level with the centre
//   behind_centre(m, HVector(1, 2, -3, 1)); // true
#pragma once

#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/matrix4.hpp>
#include <revareza/projection/tolerances.hpp>

namespace revareza {

/// The weight of m * point (p with p.w = 1) and what it is made of: w =
/// sum over j of m[3][j] p[j], and the sum of the terms' magnitudes, |m[3][j]
/// p[j]|, against which w is measured.
struct ImageWeight {
    double weight;
    double magnitude;
};

/// The weight of m * point, summed as operator* sums it, and its terms'
/// magnitudes.
ImageWeight image_weight_of(const Matrix4& m, const HVector& point) noexcept;

/// Whether the point has an image on the plane of the projection m: its
/// image's weight w is more than 2^-40 times the sum of the magnitudes of
/// its terms. A point in the plane through a perspective's centre parallel
/// to its plane has none: the line from the centre through it never meets
/// the plane, and m * point would be a direction (or, rounded, a point
/// anywhere), no position on the plane. A weight whose terms are not
/// finite has no image either.
bool has_image(const Matrix4& m, const HVector& point) noexcept;

/// Whether the point lies behind the centre of the perspective projection
/// m: on the other side of the centre from the plane, so that the line from
/// the point meets the plane only after passing through the centre. That is
/// a point with an image (has_image) whose weight is negative. False for a
/// parallel projection, whose weight stays 1.
bool behind_centre(const Matrix4& m, const HVector& point) noexcept;

} // namespace revareza
