#include <revareza/geometry/matrix4.hpp>

#include <revareza/geometry/detail/fixed_field.hpp>
#include <revareza/geometry/rounded_math.hpp>

#include <cmath>
#include <iostream>
#include <locale>

namespace revareza {

void Matrix4::set_identity() noexcept
{
    *this = Matrix4{};
}

void Matrix4::make_translation(const HVector& t) noexcept
{
    set_identity();
    at(0, 3) = t.x();
    at(1, 3) = t.y();
    at(2, 3) = t.z();
}

void Matrix4::make_scaling(double sx, double sy, double sz) noexcept
{
    set_identity();
    at(0, 0) = sx;
    at(1, 1) = sy;
    at(2, 2) = sz;
}

void Matrix4::make_rotation(int a, int b, double theta) noexcept
{
    set_identity();
    const double c = rounded::cos(theta);
    const double s = rounded::sin(theta);
    at(a, a) = c;
    at(a, b) = -s;
    at(b, a) = s;
    at(b, b) = c;
}

// Right-handed about each axis: x turns y towards z, y turns z towards x,
// z turns x towards y.
void Matrix4::make_rotation_x(double theta) noexcept
{
    make_rotation(1, 2, theta);
}

void Matrix4::make_rotation_y(double theta) noexcept
{
    make_rotation(2, 0, theta);
}

void Matrix4::make_rotation_z(double theta) noexcept
{
    make_rotation(0, 1, theta);
}

void Matrix4::make_shear_z(double a, double b) noexcept
{
    set_identity();
    at(0, 2) = a;
    at(1, 2) = b;
}

void Matrix4::make_perspective_z(double d) noexcept
{
    set_identity();
    at(3, 2) = 1.0 / d;
    at(3, 3) = 0.0;
}

bool operator==(const Matrix4& a, const Matrix4& b) noexcept
{
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (a(r, c) != b(r, c)) {
                return false;
            }
        }
    }
    return true;
}

bool is_finite(const Matrix4& m) noexcept
{
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (!std::isfinite(m(r, c))) {
                return false;
            }
        }
    }
    return true;
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b) noexcept
{
    double product[16];
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            // Starting at +0.0 matters: it turns a sum of -0.0 terms into +0.0.
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += a(i, k) * b(k, j);
            }
            product[4 * i + j] = sum;
        }
    }
    return Matrix4(product);
}

namespace {

// Row i of m applied to v, summed left to right.
double row_times(const Matrix4& m, int i, const HVector& v) noexcept
{
    return m(i, 0) * v.x() + m(i, 1) * v.y() + m(i, 2) * v.z() + m(i, 3) * v.w();
}

} // namespace

HVector operator*(const Matrix4& m, const HVector& v) noexcept
{
    return HVector(row_times(m, 0, v), row_times(m, 1, v), row_times(m, 2, v), row_times(m, 3, v));
}

double image_weight(const Matrix4& m, const HVector& v) noexcept
{
    return row_times(m, 3, v);
}

namespace {

// Whether a field of width 10 on this stream comes out exactly as
// put_fixed_field writes it: no sign or case flags, space fill on the left,
// and the classic locale's decimal point.
bool plain_fixed_stream(const std::ostream& out)
{
    const std::ios::fmtflags flags = out.flags();
    const std::ios::fmtflags adjust = flags & std::ios::adjustfield;
    return (flags & std::ios::floatfield) == std::ios::fixed
        && !(flags & (std::ios::showpos | std::ios::uppercase))
        && adjust != std::ios::left && adjust != std::ios::internal
        && out.fill() == ' ' && out.getloc() == std::locale::classic();
}

} // namespace

void print_matrix(const Matrix4& m, std::ostream& out)
{
    out.setf(std::ios::showpoint | std::ios::fixed);
    out.precision(5);
    if (plain_fixed_stream(out)) {
        // The same text as below, formatted in one go per line: stream
        // insertion of a double is most of the cost of matrix mode.
        for (int r = 0; r < 4; ++r) {
            char line[4 * (FIXED_FIELD_MAX + 1) + 1];
            char* end = line;
            for (int c = 0; c < 4; ++c) {
                end = put_fixed_field(end, m(r, c));
                *end++ = ' ';
            }
            *end++ = '\n';
            out.write(line, end - line);
            out.flush();
        }
        // Each width(10) below is used up by its entry; a caller's width
        // must not outlive the call on this path either.
        out.width(0);
    } else {
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                out.width(10);
                out << m(r, c) << ' ';
            }
            out << std::endl;
        }
    }
    out.unsetf(std::ios::showpoint | std::ios::fixed);
}

void print_matrix(const Matrix4& m)
{
    print_matrix(m, std::cout);
}

} // namespace revareza
