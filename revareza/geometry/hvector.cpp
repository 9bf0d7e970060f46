#include <revareza/geometry/hvector.hpp>

#include <revareza/geometry/rounded_math.hpp>

#include <cfloat>
#include <cmath>
#include <ostream>

namespace revareza {
namespace {

// The sum of squares of (a, b, c), as the length is computed from it.
double square_sum(double a, double b, double c) noexcept
{
    return (a * a + b * b) + c * c;
}

// (a, b, c) multiplied by a power of two that brings its largest component
// near 1, so that the sum of its squares neither overflows nor leaves the
// normal range. Exact: only exponents change, save for components so much
// smaller than the largest that they lose bits far below its unit in the
// last place. Needed only where square_sum is out of the normal range.
void scale_to_unit_range(double& a, double& b, double& c) noexcept
{
    const double largest = std::fmax(std::fabs(a), std::fmax(std::fabs(b), std::fabs(c)));
    int exponent = 0;
    std::frexp(largest, &exponent); // largest = f * 2^exponent, f in [0.5, 1)
    if (exponent > 0) {
        // 2^-exponent is at least 2^-1024, a subnormal but exact power of two.
        const double down = std::ldexp(1.0, -exponent);
        a *= down;
        b *= down;
        c *= down;
    } else {
        // Up to 2^1074, more than one double holds: two exact steps, each
        // only making the components larger.
        const double up_first = std::ldexp(1.0, -exponent / 2);
        const double up_second = std::ldexp(1.0, -exponent - (-exponent / 2));
        a = a * up_first * up_second;
        b = b * up_first * up_second;
        c = c * up_first * up_second;
    }
}

} // namespace

void HVector::set(double a, double b, double c, double w) noexcept
{
    // -0.0 == 0.0, and NaN != 0.0: a NaN weight makes a (NaN) point.
    if (w != 0.0) {
        x_ = a / w;
        y_ = b / w;
        z_ = c / w;
        w_ = 1.0;
    } else {
        // Components too large or too small for their squares (1e155,
        // 1e-170, 5e-324) still make a direction: they are scaled first.
        // Everywhere else the arithmetic is the plain one, to the last bit.
        double squares = square_sum(a, b, c);
        if (!(squares >= DBL_MIN && squares <= DBL_MAX) && std::isfinite(a) && std::isfinite(b)
            && std::isfinite(c) && !(a == 0.0 && b == 0.0 && c == 0.0)) {
            scale_to_unit_range(a, b, c);
            squares = square_sum(a, b, c);
        }
        const double length = std::sqrt(squares);
        x_ = a / length;
        y_ = b / length;
        z_ = c / length;
        w_ = 0.0;
    }
}

double dot(const HVector& u, const HVector& v) noexcept
{
    return u.x() * v.x() + u.y() * v.y() + u.z() * v.z();
}

double norm(const HVector& v) noexcept
{
    return std::sqrt(square_sum(v.x(), v.y(), v.z()));
}

double angle_between(const HVector& u, const HVector& v) noexcept
{
    return rounded::acos(dot(u, v));
}

HVector cross(const HVector& a, const HVector& b) noexcept
{
    return HVector(a.y() * b.z() - b.y() * a.z(),
                   a.z() * b.x() - b.z() * a.x(),
                   a.x() * b.y() - b.x() * a.y(),
                   0.0);
}

double cross_length(const HVector& a, const HVector& b) noexcept
{
    const double x = a.y() * b.z() - b.y() * a.z();
    const double y = a.z() * b.x() - b.z() * a.x();
    const double z = a.x() * b.y() - b.x() * a.y();
    return std::sqrt(square_sum(x, y, z));
}

HVector operator+(const HVector& u, const HVector& v) noexcept
{
    return HVector(u.x() + v.x(), u.y() + v.y(), u.z() + v.z(), u.w() + v.w());
}

HVector operator-(const HVector& v) noexcept
{
    return HVector(-v.x(), -v.y(), -v.z(), v.w());
}

HVector operator*(const HVector& v, double s) noexcept
{
    return HVector(v.x() * s, v.y() * s, v.z() * s, 1.0);
}

std::ostream& operator<<(std::ostream& out, const HVector& v)
{
    out.setf(std::ios::fixed); // or-ed into the flags; nothing else is cleared
    out.precision(5);
    out << '(' << v.x() << ',' << v.y() << ',' << v.z() << ')';
    out.unsetf(std::ios::fixed);
    return out;
}

} // namespace revareza
