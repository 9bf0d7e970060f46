// The two paths behind revareza::rounded, shared by rounded_math.cpp,
// rounded_atan2.cpp and rounded_math_slow.cpp and open to the tests, which
// check each path alone. Not installed.
#pragma once

#include <cstdint>
#include <cstring>

// The fast paths go whole into each public function: a call would return
// its approximation through memory.
#if defined(__GNUC__)
#define REVAREZA_FAST_PATH __attribute__((always_inline)) inline
#else
#define REVAREZA_FAST_PATH inline
#endif

namespace revareza::rounded::internal {

enum class Function { ACOS, SIN, COS };

/// The IEEE bits of x, and the double with bits b.
inline std::uint64_t bits_of(double x) noexcept
{
    std::uint64_t b = 0;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

inline double from_bits(std::uint64_t b) noexcept
{
    double x = 0;
    std::memcpy(&x, &b, sizeof x);
    return x;
}

inline constexpr std::uint64_t MANTISSA = (std::uint64_t{1} << 52) - 1;
inline constexpr std::uint64_t SIGN_BIT = std::uint64_t{1} << 63;

/// +1 and -1 by a bit, to change signs without a branch.
inline constexpr double SIGN[2] = {1.0, -1.0};

/// The positive quiet NaN, what the C library's acos gives outside [-1, 1]:
/// a fixed bit pattern, so that every target prints the same.
inline double domain_nan() noexcept { return from_bits(0x7ff8000000000000u); }

/// f(x) lies within error of high + low (low need not be below an ulp of
/// high).
struct Approximation {
    double high;
    double low;
    double error;
};

/// The double nearest f(x) when every real within a.error of a.high + a.low
/// rounds to the same double (rounding is monotonic: the two ends decide);
/// false otherwise, with one end's rounding in result. Each end is taken as
/// high + RN(low -+ error), which moves it by at most u (|low| + error):
/// the error bounds count that in.
inline bool rounded(const Approximation& a, double& result) noexcept
{
    const double low = a.high + (a.low - a.error);
    const double high = a.high + (a.low + a.error);
    result = low;
    return low == high;
}

/// The fast path alone: false for the arguments it never sees (NaN,
/// infinities, |x| >= 1 for acos, |x| < 2^-27 for sin and cos), whose
/// results need no approximation.
bool fast_approximation(Function f, double x, Approximation& a) noexcept;

/// The result with the slow path alone, working with `limbs` 32-bit words
/// of fraction (8 or 16); false when that precision cannot decide the
/// rounding. Special values as the public functions give them.
bool slow_result(Function f, double x, int limbs, double& result) noexcept;

/// Most fraction words the slow path works with.
constexpr int MAX_LIMBS = 16;

/// sin (quarter 0) or cos (quarter 1) of x, 2^-27 <= |x| < infinity, with
/// `limbs` fraction words; false when undecided.
bool slow_sin_cos(double x, unsigned quarter, int limbs, double& result) noexcept;

/// acos(x) for |x| < 1, searched from `guess`, a positive double near it;
/// false when undecided.
bool slow_acos(double x, double guess, int limbs, double& result) noexcept;

/// atan2_near_axis's fast path alone: false for the arguments it never sees
/// (outside the domain, y = 0, |y/x| < 2^-53), whose results need no
/// approximation.
bool fast_atan2_approximation(double y, double x, Approximation& a) noexcept;

/// atan2_near_axis with the slow path alone, at `limbs` fraction words;
/// false when undecided. The arguments the fast path never sees as the
/// public function gives them.
bool slow_atan2_result(double y, double x, int limbs, double& result) noexcept;

/// atan(t) (x positive) or pi - atan(t) (x negative), negated for a
/// negative y, for t = (m_y / m_x) 2^d, 2^52 <= m_y, m_x < 2^53, -53 <= d
/// <= -10 and t < 2^-10, with `limbs` fraction words; false when undecided.
bool slow_atan2(std::uint64_t m_y, std::uint64_t m_x, int d, bool x_negative, bool y_negative, int limbs,
                double& result) noexcept;

} // namespace revareza::rounded::internal
