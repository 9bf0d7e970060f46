// The two paths behind each function of revareza::rounded: what the fast
// paths (rounded_acos.cpp, rounded_sin_cos.cpp, rounded_atan2.cpp) and the
// slow ones (rounded_*_slow.cpp) share, each function's entry points to its
// slow path, and both paths open to the tests, which check each alone. Not
// installed.
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

/// A NaN argument comes back quiet, its sign and payload kept (what x86-64
/// gives for x + x). Set by its bits: arithmetic on a NaN may give any NaN in
/// WebAssembly, and returning a signaling NaN as it is would let the 32-bit
/// x87 return register alone quiet it.
inline double quieted(double nan) noexcept { return from_bits(bits_of(nan) | 0x0008000000000000u); }

/// x + SHIFTER rounds x to an integer, kept in the low mantissa bits.
inline constexpr double SHIFTER = 0x1.8p52;

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

/// Most fraction words the slow paths work with.
constexpr int MAX_LIMBS = 16;

// Each function's paths alone, for the tests: the fast path's approximation
// (false for the arguments it never sees, whose results need no
// approximation), and the result by the slow path alone at `limbs` 32-bit
// words of fraction, 8 or 16 (false when that precision cannot decide the
// rounding; the arguments the fast path never sees as the public function
// gives them).

/// acos's fast path alone; it never sees NaN or |x| >= 1.
bool fast_acos_approximation(double x, Approximation& a) noexcept;

/// acos by its slow path alone.
bool slow_acos_result(double x, int limbs, double& result) noexcept;

/// sin's (quarter 0) or cos's (quarter 1) fast path alone; it never sees
/// NaN, infinities or |x| < 2^-27.
bool fast_sin_cos_approximation(double x, unsigned quarter, Approximation& a) noexcept;

/// sin (quarter 0) or cos (quarter 1) by the slow path alone.
bool slow_sin_cos_result(double x, unsigned quarter, int limbs, double& result) noexcept;

/// atan2_near_axis's fast path alone; it never sees arguments outside the
/// domain, y = 0 or |y/x| < 2^-53.
bool fast_atan2_approximation(double y, double x, Approximation& a) noexcept;

/// atan2_near_axis by its slow path alone.
bool slow_atan2_result(double y, double x, int limbs, double& result) noexcept;

/// The fast path of acos, sin or cos alone (see above).
inline bool fast_approximation(Function f, double x, Approximation& a) noexcept
{
    return f == Function::ACOS ? fast_acos_approximation(x, a)
                               : fast_sin_cos_approximation(x, f == Function::COS ? 1 : 0, a);
}

/// acos, sin or cos by the slow path alone (see above).
inline bool slow_result(Function f, double x, int limbs, double& result) noexcept
{
    return f == Function::ACOS ? slow_acos_result(x, limbs, result)
                               : slow_sin_cos_result(x, f == Function::COS ? 1 : 0, limbs, result);
}

// The slow paths themselves (rounded_*_slow.cpp), on the arguments their
// fast paths see, with `limbs` fraction words; false when undecided.

/// acos(x) for |x| < 1, searched from `guess`, a positive double near it.
bool slow_acos(double x, double guess, int limbs, double& result) noexcept;

/// sin (quarter 0) or cos (quarter 1) of x, 2^-27 <= |x| < infinity.
bool slow_sin_cos(double x, unsigned quarter, int limbs, double& result) noexcept;

/// atan(t) (x positive) or pi - atan(t) (x negative), negated for a
/// negative y, for t = (m_y / m_x) 2^d, 2^52 <= m_y, m_x < 2^53, -53 <= d
/// <= -10 and t < 2^-10.
bool slow_atan2(std::uint64_t m_y, std::uint64_t m_x, int d, bool x_negative, bool y_negative, int limbs,
                double& result) noexcept;

} // namespace revareza::rounded::internal
