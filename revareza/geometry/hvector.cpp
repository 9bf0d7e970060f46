#include <revareza/geometry/hvector.hpp>

#include <revareza/geometry/rounded_math.hpp>

#include <cmath>
#include <ostream>

namespace revareza {

void HVector::set(double a, double b, double c, double w) noexcept
{
    // -0.0 == 0.0, and NaN != 0.0: a NaN weight makes a (NaN) point.
    if (w != 0.0) {
        x_ = a / w;
        y_ = b / w;
        z_ = c / w;
        w_ = 1.0;
    } else {
        const double length = std::sqrt((a * a + b * b) + c * c);
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
    return std::sqrt((v.x() * v.x() + v.y() * v.y()) + v.z() * v.z());
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
