// Many points projected by one matrix, as numpy lays them out: x and y of
// m * (x, y, z, 1) for each point, as the library's Matrix4 and HVector
// compute them, and NaN for both where the point has no image on the plane
// (has_image: its image's weight is within 2^-40 of 0, relative to the
// weight's terms). The loop runs in SIMD lanes, SSE2 or, where
// the processor has it, AVX2; each lane does one point's operations in the
// library's order, so every way gives the same bits.
#pragma once

#include <revareza/geometry/matrix4.hpp>

#include <cstddef>

namespace revareza::python {

/// A run of points: count points from in, in_point bytes apart, the x, y
/// and z of each in_coordinate bytes apart; their images' x and y likewise
/// at out. Any stride goes (negative, unaligned, zero).
struct PointRun {
    const char* in;
    std::ptrdiff_t in_point;
    std::ptrdiff_t in_coordinate;
    char* out;
    std::ptrdiff_t out_point;
    std::ptrdiff_t out_coordinate;
    std::ptrdiff_t count;
};

/// The ways through a run, narrowest first: a point at a time through the
/// library, or SIMD lanes of two or four points.
enum class Lanes { SCALAR, SSE2, AVX2 };

/// The widest way this processor runs (AVX2 chosen at run time, so the
/// module runs on any x86-64).
Lanes best_lanes() noexcept;

/// Writes x and y of m * (x, y, z, 1) for every point of run, or NaN for
/// both where the point has no image (has_image).
void project_points(const Matrix4& m, const PointRun& run, Lanes lanes) noexcept;

/// project_points' AVX2 lanes, from a file of their own compiled for AVX2:
/// the first points of run, a multiple of four, whose number it returns.
/// entries holds m row by row.
std::ptrdiff_t project_points_avx2(const double (&entries)[16], const PointRun& run) noexcept;

} // namespace revareza::python
