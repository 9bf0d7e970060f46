#include <revareza/projection/point_projection.hpp>

#include <revareza/geometry/hvector.hpp>
#include <revareza/projection/detail/point_lanes.hpp>
#include <revareza/projection/point_image.hpp>

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace revareza {
namespace {

#if defined(__SSE2__)
struct Sse2Lanes {
    using Vector = __m128d;
    static constexpr std::ptrdiff_t WIDTH = 2;

    static Vector broadcast(double v) noexcept { return _mm_set1_pd(v); }

    // x0 y0 | z0 x1 | y1 z1
    static void load_packed(const char* p, Vector& x, Vector& y, Vector& z) noexcept
    {
        const double* d = reinterpret_cast<const double*>(p);
        const Vector a = _mm_loadu_pd(d);
        const Vector b = _mm_loadu_pd(d + 2);
        const Vector c = _mm_loadu_pd(d + 4);
        x = _mm_shuffle_pd(a, b, 0b10);
        y = _mm_shuffle_pd(a, c, 0b01);
        z = _mm_shuffle_pd(b, c, 0b10);
    }

    static void store_packed(char* p, Vector x, Vector y) noexcept
    {
        double* d = reinterpret_cast<double*>(p);
        _mm_storeu_pd(d, _mm_unpacklo_pd(x, y));
        _mm_storeu_pd(d + 2, _mm_unpackhi_pd(x, y));
    }

    static Vector gather(const char* p, std::ptrdiff_t stride) noexcept
    {
        if (stride == sizeof(double)) {
            return _mm_loadu_pd(reinterpret_cast<const double*>(p));
        }
        return _mm_set_pd(load_double(p + stride), load_double(p));
    }

    static void scatter(char* p, std::ptrdiff_t stride, Vector v) noexcept
    {
        store_double(p, _mm_cvtsd_f64(v));
        store_double(p + stride, _mm_cvtsd_f64(_mm_unpackhi_pd(v, v)));
    }

    static Vector abs(Vector v) noexcept { return _mm_andnot_pd(_mm_set1_pd(-0.0), v); }

    // Ordered comparisons: a NaN in either makes the lane false.
    static Vector imaged(Vector w, Vector magnitude) noexcept
    {
        return _mm_and_pd(_mm_cmpgt_pd(abs(w), _mm_mul_pd(_mm_set1_pd(DEGENERACY_TOLERANCE), magnitude)),
                          _mm_cmplt_pd(magnitude, _mm_set1_pd(INFINITY)));
    }

    static Vector nan_unless(Vector v, Vector mask) noexcept
    {
        return _mm_or_pd(_mm_and_pd(mask, v), _mm_andnot_pd(mask, _mm_set1_pd(NOT_A_NUMBER)));
    }
};
#endif

// One point at a time through the library itself, from point `first` on.
void project_each(const Matrix4& m, const PointRun& run, std::ptrdiff_t first) noexcept
{
    const auto count = static_cast<std::ptrdiff_t>(run.count);
    for (std::ptrdiff_t i = first; i < count; ++i) {
        const char* const in = run.in + i * run.in_point;
        char* const out = run.out + i * run.out_point;
        const HVector point(load_double(in), load_double(in + run.in_coordinate),
                            load_double(in + 2 * run.in_coordinate), 1.0);
        const HVector image = m * point;
        const bool on_plane = has_image(m, point);
        store_double(out, on_plane ? image.x() : NOT_A_NUMBER);
        store_double(out + run.out_coordinate, on_plane ? image.y() : NOT_A_NUMBER);
    }
}

} // namespace

Lanes best_lanes() noexcept
{
#if defined(REVAREZA_AVX2_LANES)
    if (__builtin_cpu_supports("avx2")) {
        return Lanes::AVX2;
    }
#endif
#if defined(__SSE2__)
    return Lanes::SSE2;
#else
    return Lanes::SCALAR;
#endif
}

void project_points(const Matrix4& m, const PointRun& run, Lanes lanes) noexcept
{
    // A way the processor lacks would stop the program at its first instruction.
    const Lanes best = best_lanes();
    if (static_cast<int>(lanes) > static_cast<int>(best)) {
        lanes = best;
    }
    double entries[16];
    for (int i = 0; i < 16; ++i) {
        entries[i] = m(i / 4, i % 4);
    }
    std::ptrdiff_t done = 0;
#if defined(REVAREZA_AVX2_LANES)
    if (lanes == Lanes::AVX2) {
        done = detail::project_points_avx2(entries, run);
    }
#endif
#if defined(__SSE2__)
    if (lanes != Lanes::SCALAR) {
        // What AVX2 left over, or all of it.
        const PointRun rest{run.in + done * run.in_point, run.in_point, run.in_coordinate,
                            run.out + done * run.out_point, run.out_point, run.out_coordinate,
                            run.count - static_cast<std::size_t>(done)};
        done += project_in_lanes<Sse2Lanes>(entries, rest);
    }
#endif
    project_each(m, run, done);
}

void project_points(const Matrix4& m, const PointRun& run) noexcept
{
    project_points(m, run, best_lanes());
}

void project_points(const Matrix4& m, const double* points, std::size_t count, double* images) noexcept
{
    constexpr std::ptrdiff_t D = sizeof(double);
    const PointRun packed{reinterpret_cast<const char*>(points), 3 * D, D, reinterpret_cast<char*>(images), 2 * D, D,
                          count};
    project_points(m, packed, best_lanes());
}

} // namespace revareza
