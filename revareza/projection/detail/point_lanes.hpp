// The SIMD loop of project_points, written once for every width: each file
// that includes it (point_projection.cpp for SSE2, point_projection_avx2.cpp
// compiled for AVX2) instantiates it with its own lane type.
//
// Everything here but project_points_avx2 has internal linkage on purpose:
// an inline function with external linkage compiled in both files could be
// merged by the linker into its AVX2 copy, which a processor without AVX2
// cannot run.
#pragma once

#include <revareza/projection/point_projection.hpp>
#include <revareza/projection/tolerances.hpp>

#include <cstddef>
#include <cstring>
#include <limits>

namespace revareza {
namespace detail {

/// project_points' AVX2 lanes, from a file of their own compiled for AVX2:
/// the first points of run, a multiple of four, whose number it returns.
/// entries holds m row by row. Only to be called where the processor has
/// AVX2.
std::ptrdiff_t project_points_avx2(const double (&entries)[16], const PointRun& run) noexcept;

} // namespace detail

namespace {

// The x and y of a point without image.
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

// A double at any address (a strided run may be unaligned, numpy's arrays too).
inline double load_double(const char* p) noexcept
{
    double value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

inline void store_double(char* p, double value) noexcept { std::memcpy(p, &value, sizeof value); }

// A lane type L offers, for L::WIDTH points at once in a vector L::Vector
// (on which + * / are the lane-wise IEEE operations):
//   broadcast(v)                 v in every lane
//   load_packed(p, x, y, z)      x, y, z of WIDTH points packed as an
//                                (N, 3) array of doubles
//   store_packed(p, x, y)        WIDTH pairs packed as an (N, 2) array
//   gather(p, stride)            WIDTH doubles stride bytes apart
//   scatter(p, stride, v)        the reverse
//   abs(v)                       |v|
//   imaged(w, magnitude)         a mask of the lanes where |w| > 2^-40 magnitude
//                                and magnitude is finite (has_image's test)
//   nan_unless(v, mask)          v, with NaN in the lanes the mask leaves out
template <class L, bool PACKED_IN, bool PACKED_OUT>
std::ptrdiff_t project_lanes(const double (&m)[16], const PointRun& run) noexcept
{
    using Vector = typename L::Vector;
    // Rows 0, 1 and 3: x and y are divided by the weight; z is not asked for.
    const Vector m00 = L::broadcast(m[0]), m01 = L::broadcast(m[1]), m02 = L::broadcast(m[2]),
                 m03 = L::broadcast(m[3]);
    const Vector m10 = L::broadcast(m[4]), m11 = L::broadcast(m[5]), m12 = L::broadcast(m[6]),
                 m13 = L::broadcast(m[7]);
    const Vector m30 = L::broadcast(m[12]), m31 = L::broadcast(m[13]), m32 = L::broadcast(m[14]),
                 m33 = L::broadcast(m[15]);
    const auto count = static_cast<std::ptrdiff_t>(run.count);
    const std::ptrdiff_t done = count - count % L::WIDTH;
    for (std::ptrdiff_t i = 0; i < done; i += L::WIDTH) {
        const char* const in = run.in + i * run.in_point;
        char* const out = run.out + i * run.out_point;
        Vector x;
        Vector y;
        Vector z;
        if constexpr (PACKED_IN) {
            L::load_packed(in, x, y, z);
        } else {
            x = L::gather(in, run.in_point);
            y = L::gather(in + run.in_coordinate, run.in_point);
            z = L::gather(in + 2 * run.in_coordinate, run.in_point);
        }
        // Matrix4 * HVector: each row's four products summed left to right.
        // The fourth is m[i][3] * 1.0, which is m[i][3] exactly.
        const Vector r0 = ((m00 * x + m01 * y) + m02 * z) + m03;
        const Vector r1 = ((m10 * x + m11 * y) + m12 * z) + m13;
        const Vector w0 = m30 * x;
        const Vector w1 = m31 * y;
        const Vector w2 = m32 * z;
        const Vector r3 = ((w0 + w1) + w2) + m33;
        // has_image: a weight within rounding of 0, measured against its
        // terms, puts the point in the plane through the centre: no image.
        const Vector magnitude = ((L::abs(w0) + L::abs(w1)) + L::abs(w2)) + L::abs(m33);
        const Vector imaged = L::imaged(r3, magnitude);
        const Vector image_x = L::nan_unless(r0 / r3, imaged);
        const Vector image_y = L::nan_unless(r1 / r3, imaged);
        if constexpr (PACKED_OUT) {
            L::store_packed(out, image_x, image_y);
        } else {
            L::scatter(out, run.out_point, image_x);
            L::scatter(out + run.out_coordinate, run.out_point, image_y);
        }
    }
    return done;
}

// The points of run that come in whole vectors of L, in the quickest loop
// their layout allows; returns how many that is.
template <class L>
std::ptrdiff_t project_in_lanes(const double (&m)[16], const PointRun& run) noexcept
{
    constexpr std::ptrdiff_t D = sizeof(double);
    const bool packed_in = run.in_coordinate == D && run.in_point == 3 * D;
    const bool packed_out = run.out_coordinate == D && run.out_point == 2 * D;
    if (packed_in) {
        return packed_out ? project_lanes<L, true, true>(m, run) : project_lanes<L, true, false>(m, run);
    }
    return packed_out ? project_lanes<L, false, true>(m, run) : project_lanes<L, false, false>(m, run);
}

} // namespace
} // namespace revareza
