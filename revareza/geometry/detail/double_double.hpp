// Error-free transformations of doubles, shared by the fast paths of
// revareza::rounded (rounded_acos.cpp, rounded_sin_cos.cpp,
// rounded_atan2.cpp): a sum or a product as an unevaluated pair hi + lo
// ("DD") that equals it exactly.
// Only IEEE +, -, * in the order written (the build forbids contraction
// into fused multiply-adds, so products are split by Veltkamp, or kept of
// 26 bits in the tables). Not installed.
#pragma once

namespace revareza::rounded::internal {

inline constexpr double U = 0x1p-53; // the unit roundoff

struct DD {
    double hi;
    double lo;
};

/// a + b = s + e exactly, any a and b (Knuth).
inline DD two_sum(double a, double b) noexcept
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

/// a + b = s + e exactly when |a| >= |b| or a = 0 (Dekker).
inline DD fast_two_sum(double a, double b) noexcept
{
    const double s = a + b;
    return {s, b - (s - a)};
}

/// a = head + tail exactly, each of at most 26 significant bits (Veltkamp's
/// splitting; |a| far from overflow), so that the product of a head or a
/// tail with 26 bits is exact.
inline DD split(double a) noexcept
{
    const double c = 134217729.0 * a; // 2^27 + 1
    const double head = c - (c - a);
    return {head, a - head};
}

// a = head + tail exactly, the head a + shifter - shifter rounded to a
// multiple of 2^-n (shifter = 1.5 2^(52-n), |a| < 2^(50-n)), |tail| <=
// 2^-(n+1): cheaper than split() where the size of a is known. For a in
// [1, 2) and n = 25, head and tail are those of split(), 26 bits each.
inline constexpr double SPLIT_26 = 0x1.8p26; // head: a multiple of 2^-26
inline constexpr double SPLIT_25 = 0x1.8p27; // head: a multiple of 2^-25

/// a as head + tail by a shifter (see SPLIT_26, SPLIT_25).
inline DD split_at(double a, double shifter) noexcept
{
    const double head = (a + shifter) - shifter;
    return {head, a - head};
}

} // namespace revareza::rounded::internal
