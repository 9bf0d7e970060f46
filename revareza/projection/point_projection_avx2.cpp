// project_points' AVX2 lanes. This file alone is compiled for AVX2 (-mavx2),
// and only called where the processor has it; so it uses nothing inline
// from other files (see point_lanes.hpp), only its own code and intrinsics.
#include <revareza/projection/detail/point_lanes.hpp>

#include <immintrin.h>

#include <cmath>

namespace revareza {
namespace {

struct Avx2Lanes {
    using Vector = __m256d;
    static constexpr std::ptrdiff_t WIDTH = 4;

    static Vector broadcast(double v) noexcept { return _mm256_set1_pd(v); }

    // a = x0 y0 z0 x1, b = y1 z1 x2 y2, c = z2 x3 y3 z3: regrouped by
    // 128-bit halves into x0 y0 x2 y2, z0 x1 z2 x3 and y1 z1 y3 z3, then
    // picked lane by lane.
    static void load_packed(const char* p, Vector& x, Vector& y, Vector& z) noexcept
    {
        const double* d = reinterpret_cast<const double*>(p);
        const Vector a = _mm256_loadu_pd(d);
        const Vector b = _mm256_loadu_pd(d + 4);
        const Vector c = _mm256_loadu_pd(d + 8);
        const Vector xy = _mm256_blend_pd(a, b, 0b1100);
        const Vector zx = _mm256_permute2f128_pd(a, c, 0x21);
        const Vector yz = _mm256_blend_pd(b, c, 0b1100);
        x = _mm256_shuffle_pd(xy, zx, 0b1010);
        y = _mm256_shuffle_pd(xy, yz, 0b0101);
        z = _mm256_shuffle_pd(zx, yz, 0b1010);
    }

    static void store_packed(char* p, Vector x, Vector y) noexcept
    {
        double* d = reinterpret_cast<double*>(p);
        const Vector low = _mm256_unpacklo_pd(x, y);  // x0 y0 x2 y2
        const Vector high = _mm256_unpackhi_pd(x, y); // x1 y1 x3 y3
        _mm256_storeu_pd(d, _mm256_permute2f128_pd(low, high, 0x20));
        _mm256_storeu_pd(d + 4, _mm256_permute2f128_pd(low, high, 0x31));
    }

    static Vector gather(const char* p, std::ptrdiff_t stride) noexcept
    {
        if (stride == sizeof(double)) {
            return _mm256_loadu_pd(reinterpret_cast<const double*>(p));
        }
        return _mm256_set_pd(load_double(p + 3 * stride), load_double(p + 2 * stride),
                             load_double(p + stride), load_double(p));
    }

    static void scatter(char* p, std::ptrdiff_t stride, Vector v) noexcept
    {
        double lanes[4];
        _mm256_storeu_pd(lanes, v);
        for (int i = 0; i < 4; ++i) {
            store_double(p + i * stride, lanes[i]);
        }
    }

    static Vector abs(Vector v) noexcept { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), v); }

    // Ordered comparisons: a NaN in either makes the lane false.
    static Vector imaged(Vector w, Vector magnitude) noexcept
    {
        const Vector bound = _mm256_mul_pd(_mm256_set1_pd(DEGENERACY_TOLERANCE), magnitude);
        return _mm256_and_pd(_mm256_cmp_pd(abs(w), bound, _CMP_GT_OQ),
                             _mm256_cmp_pd(magnitude, _mm256_set1_pd(INFINITY), _CMP_LT_OQ));
    }

    static Vector nan_unless(Vector v, Vector mask) noexcept
    {
        return _mm256_blendv_pd(_mm256_set1_pd(NOT_A_NUMBER), v, mask);
    }
};

} // namespace

std::ptrdiff_t detail::project_points_avx2(const double (&entries)[16], const PointRun& run) noexcept
{
    return project_in_lanes<Avx2Lanes>(entries, run);
}

} // namespace revareza
