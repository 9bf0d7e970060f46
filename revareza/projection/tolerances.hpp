// The two tolerances of the library, each written once here.
//
// ORTHO_TOLERANCE is the program's old rule for when the plane's Y is used
// as given. DEGENERACY_TOLERANCE decides whether a definition has a
// projection at all: Y parallel to X, a direction parallel to the plane, a
// centre in the plane, a point without image. Each of those is a relative
// measure (a sine, or a distance over the sizes it comes from), so it does
// not change when the numbers are scaled, and 2^-40 stands far above the
// rounding noise of doubles (2^-53 for each operation, a few dozen
// operations deep) while no definition a user means as a projection comes
// anywhere near it.
#pragma once

namespace revareza {

/// Largest |dot(x, y)| for which the plane's y is taken as orthogonal to x
/// and kept exactly as given.
constexpr double ORTHO_TOLERANCE = 1e-7;

/// 2^-40 (about 9.1e-13): the largest relative measure at which a
/// definition counts as degenerate. Two unit directions are parallel when
/// the length of their cross product is at most this; a direction is
/// parallel to a plane when its dot product with the plane's unit normal is
/// at most this; a centre lies in the plane when its distance from it is at
/// most this times |C| + |O|; a point has no image when its image's weight
/// is at most this times the sum of the weight's terms' magnitudes.
constexpr double DEGENERACY_TOLERANCE = 0x1p-40;

} // namespace revareza
