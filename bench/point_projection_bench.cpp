// project_points against memory speed (a memcpy of the same points) and
// against the loops a C++ user would write without it: Matrix4 * HVector
// point by point, and glm's dmat4 * dvec4 with the division (where
// libglm-dev was found at configure time). 10^4 to 10^7 points, packed
// (N, 3) in, (N, 2) out, each contender in turn; the median of the rounds'
// times, and the median of each round's ratio to that round's memcpy, which
// the other loads of a shared machine sway far less.
//
//   point_projection_bench [ROUNDS]
//
// Fails when project_points takes more than 1.3 times the memcpy at 10^7
// points, the goal; a figure over it at a smaller size is only marked, as
// those fit in the caches, where a copy costs next to nothing.
#include <revareza/projection/perspective_projection.hpp>
#include <revareza/projection/point_projection.hpp>

#if defined(REVAREZA_HAVE_GLM)
#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>
#endif

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using revareza::HVector;
using revareza::Matrix4;

constexpr double GOAL = 1.3;               // project_points / memcpy at the largest size
constexpr std::size_t POINTS_A_SAMPLE = 10000000; // small sizes repeated up to this many

volatile double sink = 0; // one image read after each pass, so that none is optimised away

struct Buffers {
    std::vector<double> points;
    std::vector<double> copy;   // the memcpy's destination, as large as the points
    std::vector<double> images;
};

void copy_points(const Matrix4&, Buffers& b)
{
    std::memcpy(b.copy.data(), b.points.data(), b.points.size() * sizeof(double));
    sink = b.copy[b.copy.size() / 2];
}

void batch(const Matrix4& m, Buffers& b)
{
    revareza::project_points(m, b.points.data(), b.points.size() / 3, b.images.data());
    sink = b.images[b.images.size() / 2];
}

void hvector_loop(const Matrix4& m, Buffers& b)
{
    const std::size_t count = b.points.size() / 3;
    for (std::size_t i = 0; i < count; ++i) {
        const HVector image = m * HVector(b.points[3 * i], b.points[3 * i + 1], b.points[3 * i + 2], 1);
        b.images[2 * i] = image.x();
        b.images[2 * i + 1] = image.y();
    }
    sink = b.images[b.images.size() / 2];
}

#if defined(REVAREZA_HAVE_GLM)
void glm_loop(const Matrix4& m, Buffers& b)
{
    glm::dmat4 g; // column-major: g[column][row]
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            g[c][r] = m(r, c);
        }
    }
    const std::size_t count = b.points.size() / 3;
    for (std::size_t i = 0; i < count; ++i) {
        const glm::dvec4 image = g * glm::dvec4(b.points[3 * i], b.points[3 * i + 1], b.points[3 * i + 2], 1.0);
        b.images[2 * i] = image.x / image.w;
        b.images[2 * i + 1] = image.y / image.w;
    }
    sink = b.images[b.images.size() / 2];
}
#endif

struct Contender {
    const char* name;
    void (*run)(const Matrix4&, Buffers&);
};

const Contender CONTENDERS[] = {
    {"memcpy of the points", copy_points},
    {"project_points", batch},
    {"Matrix4 * HVector loop", hvector_loop},
#if defined(REVAREZA_HAVE_GLM)
    {"glm dmat4 * dvec4 loop", glm_loop},
#endif
};
constexpr std::size_t CONTENDER_COUNT = sizeof CONTENDERS / sizeof CONTENDERS[0];

// Nanoseconds per point of one sample: as many passes as make up
// POINTS_A_SAMPLE points.
double nanoseconds_per_point(const Contender& c, const Matrix4& m, Buffers& b)
{
    const std::size_t count = b.points.size() / 3;
    const std::size_t passes = std::max<std::size_t>(1, POINTS_A_SAMPLE / count);
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < passes; ++i) {
        c.run(m, b);
    }
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(end - start).count() / static_cast<double>(passes * count);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    if (rounds < 1) {
        std::fprintf(stderr, "usage: point_projection_bench [ROUNDS]\n");
        return 2;
    }
    const Matrix4 m = revareza::build_perspective_projection(HVector(1, 2, 5, 1), HVector(1, 0.2, 0, 0),
                                                             HVector(-0.2, 1, 0.3, 0), HVector(0.5, -1, -2, 1));
    std::printf("project_points, packed (N, 3) -> (N, 2), median of %d rounds, ns per point"
                " (ratio to the round's memcpy)\n",
                rounds);
    std::printf("%-9s", "points");
    for (const Contender& c : CONTENDERS) {
        std::printf(" %24s", c.name);
    }
    std::printf("\n");
    bool missed = false;
    for (const std::size_t count : {10000u, 100000u, 1000000u, 10000000u}) {
        Buffers b;
        b.points.resize(3 * count);
        std::uint64_t state = 2026;
        for (double& v : b.points) { // uniform on [-10, 10), the same every run
            state = state * 6364136223846793005u + 1442695040888963407u;
            v = static_cast<double>(state >> 11) * 0x1p-53 * 20 - 10;
        }
        b.copy.assign(b.points.size(), 0.0); // touched: no page faults in the timings
        b.images.assign(2 * count, 0.0);
        std::vector<double> samples[CONTENDER_COUNT];
        std::vector<double> ratios[CONTENDER_COUNT];
        for (int round = 0; round < rounds; ++round) { // in turns, so that all see the same machine
            for (std::size_t c = 0; c < CONTENDER_COUNT; ++c) {
                samples[c].push_back(nanoseconds_per_point(CONTENDERS[c], m, b));
                ratios[c].push_back(samples[c].back() / samples[0].back());
            }
        }
        std::printf("%-9zu %24.3f", count, median(samples[0]));
        for (std::size_t c = 1; c < CONTENDER_COUNT; ++c) {
            const double ratio = median(ratios[c]);
            const bool over = c == 1 && ratio > GOAL;
            std::printf(" %15.3f (%5.2f)%s", median(samples[c]), ratio, over ? "*" : " ");
            missed = missed || (over && count == 10000000u);
        }
        std::printf("\n");
    }
#if !defined(REVAREZA_HAVE_GLM)
    std::printf("glm's loop skipped: its header was not found (apt-get install libglm-dev)\n");
#endif
    std::printf("* project_points over %.1f times the memcpy; the run fails past it at 10000000 points\n", GOAL);
    return missed ? 1 : 0;
}
