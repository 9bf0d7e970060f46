// Many points projected by one matrix: x and y of m * (x, y, z, 1) for each
// point, bit for bit what Matrix4 * HVector gives, and NaN for both where
// the point has no image on the plane (has_image). The loop runs in SIMD
// lanes, SSE2 or, where the processor has it, AVX2 (chosen at run time);
// each lane does one point's operations in the library's order, so every
// way, the scalar one of WebAssembly included, gives the same bits.
//
//   #include <revareza/projection/point_projection.hpp>
//
//   const double points[] = {1, 2, 10, 4, -2, 5}; // (x, y, z) of two points
//   double images[4];                              // (x, y) of each
//   revareza::project_points(m, points, 2, images);
#pragma once

#include <revareza/geometry/matrix4.hpp>

#include <cstddef>

namespace revareza {

/// A run of points laid out as any strided array holds them: count points
/// from in, in_point bytes apart, the x, y and z of each in_coordinate bytes
/// apart; their images' x and y likewise at out. Any stride goes (negative,
/// zero, not a multiple of a double's size); a double may lie at any
/// address. The images must not overlap the points.
struct PointRun {
    const char* in;
    std::ptrdiff_t in_point;
    std::ptrdiff_t in_coordinate;
    char* out;
    std::ptrdiff_t out_point;
    std::ptrdiff_t out_coordinate;
    std::size_t count;
};

/// The ways through a run, narrowest first: a point at a time through
/// Matrix4 * HVector and has_image, or SIMD lanes of two or four points.
/// All give the same bits.
enum class Lanes { SCALAR, SSE2, AVX2 };

/// The widest way this processor runs: AVX2 where the processor has it
/// (asked at run time, so the library runs on any x86), else SSE2 where the
/// build targets it, else SCALAR.
Lanes best_lanes() noexcept;

/// For each of count points packed as (x, y, z) doubles in points, writes
/// its image's x and y to images, packed as (x, y): m * (x, y, z, 1) divided
/// by its weight, or NaN for both where the point has no image (has_image).
/// The two arrays must not overlap.
void project_points(const Matrix4& m, const double* points, std::size_t count, double* images) noexcept;

/// The same for a strided run, the best way this processor has.
void project_points(const Matrix4& m, const PointRun& run) noexcept;

/// The same the given way (the tests hold each way to the same bits); a way
/// wider than best_lanes() is taken as best_lanes().
void project_points(const Matrix4& m, const PointRun& run, Lanes lanes) noexcept;

} // namespace revareza
