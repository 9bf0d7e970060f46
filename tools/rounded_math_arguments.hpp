// Arguments for checking and timing revareza::rounded: argument i of each
// kind is the same on every target and in every split of the work (integer
// arithmetic and exact double operations only).
#pragma once

#include <revareza/geometry/hvector.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace rounded_math_arguments {

// splitmix64
inline std::uint64_t mix(std::uint64_t z)
{
    z += 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

inline double unit(std::uint64_t r) { return static_cast<double>(r >> 11) * 0x1p-53; } // [0, 1)

// 1.m 2^exponent with a random mantissa and sign.
inline double with_exponent(std::uint64_t r, int exponent)
{
    return std::ldexp(1.0 + unit(r), exponent) * ((r & 1) != 0 ? -1 : 1);
}

inline double random_finite(std::uint64_t r)
{
    double x = 0;
    std::memcpy(&x, &r, sizeof x);
    if (!std::isfinite(x)) {
        r &= ~(std::uint64_t{1} << 62);
        std::memcpy(&x, &r, sizeof x);
    }
    return x;
}

// Within 4 ulps of k pi/2, |k| < 2^21.
inline double near_multiple_of_half_pi(std::uint64_t r)
{
    const double k = static_cast<double>((r >> 8) % (1u << ((r >> 3) % 21 + 1))) * ((r & 1) != 0 ? -1 : 1);
    double x = k * 0x1.921fb54442d18p+0 + k * 0x1.1a62633145c07p-54;
    for (int step = static_cast<int>((r >> 40) % 7) - 3; step != 0; step += step > 0 ? -1 : 1) {
        x = std::nextafter(x, step > 0 ? INFINITY : -INFINITY);
    }
    return x;
}

// sin and cos: anything, angles, near multiples of pi/2, tiny and subnormal,
// huge, and floats widened (rotation angles of the axis rotation).
inline double sin_cos_argument(long i, std::uint64_t seed)
{
    const std::uint64_t r = mix(seed ^ mix(static_cast<std::uint64_t>(i)));
    const std::uint64_t s = mix(r);
    switch (i % 6) {
    case 0: return random_finite(r);
    case 1: return (2 * unit(r) - 1) * 8;
    case 2: return near_multiple_of_half_pi(r);
    case 3: return with_exponent(s, -1074 + static_cast<int>(r % 1055));
    case 4: return with_exponent(s, 20 + static_cast<int>(r % 1004));
    default: return static_cast<float>((2 * unit(r) - 1) * 6.3);
    }
}

// acos: [-1, 1], near +-1, near 0 (subnormals too), anything, and dot
// products of unit directions as the library forms them (a direction with
// itself rounds to 1 or just past it).
inline double acos_argument(long i)
{
    const std::uint64_t r = mix(mix(static_cast<std::uint64_t>(i)));
    const std::uint64_t s = mix(r);
    switch (i % 5) {
    case 0: return 2 * unit(r) - 1;
    case 1: return ((r & 1) != 0 ? -1 : 1) * (1 - std::ldexp(unit(s), -static_cast<int>(r % 53)));
    case 2: return with_exponent(s, -1074 + static_cast<int>(r % 1074));
    case 3: return random_finite(r);
    default: {
        const double c[6] = {unit(r) - 0.5, unit(s) - 0.5, unit(mix(s)) - 0.5,
                             unit(mix(s + 1)) - 0.5, unit(mix(s + 2)) - 0.5, unit(mix(s + 3)) - 0.5};
        const revareza::HVector u(c[0], c[1], c[2], 0);
        return (r & 0x30) == 0 ? dot(u, u) : dot(u, revareza::HVector(c[3], c[4], c[5], 0));
    }
    }
}

struct YX {
    double y;
    double x;
};

// atan2_near_axis: x near +-1 with y from 2^-1074 up to 2^-10 |x| (what the
// projection builders pass), |y/x| uniform and log-uniform below 2^-10,
// |y| a few ulps either side of 2^-10 |x|, any exponents with the ratio in
// the domain (subnormal, tiny and huge), and anything (mostly outside).
inline YX atan2_arguments(long i)
{
    const std::uint64_t r = mix(mix(static_cast<std::uint64_t>(i) ^ 0xA7A2));
    const std::uint64_t s = mix(r), q = mix(s);
    const double near_one = ((r & 2) != 0 ? -1 : 1) * (1 + (unit(s) - 0.5) * std::ldexp(1.0, -static_cast<int>(q % 54)));
    const int e = static_cast<int>(r >> 20);
    switch (i % 6) {
    case 0: return {with_exponent(q, -1074 + e % 1064), near_one};
    case 1: return {near_one * (2 * unit(q) - 1) * 0x1p-10, near_one};
    case 2: return {with_exponent(q, -64 + e % 54), near_one};
    case 3: {
        const double x = with_exponent(s, -1074 + e % 2098);
        double y = x * 0x1p-10;
        for (int step = static_cast<int>((r >> 8) % 7) - 3; step != 0; step += step > 0 ? -1 : 1) {
            y = std::nextafter(y, step > 0 ? INFINITY : -INFINITY);
        }
        return {(r & 1) != 0 ? -y : y, x};
    }
    case 4: {
        const int ex = -1074 + e % 2098;
        return {with_exponent(q, ex - 11 - static_cast<int>((r >> 8) % 1100)), with_exponent(s, ex)};
    }
    default: return {random_finite(r), random_finite(s)};
    }
}

} // namespace rounded_math_arguments
