#include <revareza/projection/point_image.hpp>

#include <cmath>

namespace revareza {

ImageWeight image_weight_of(const Matrix4& m, const HVector& point) noexcept
{
    // The terms in operator*'s order; their sum is image_weight(m, point).
    const double terms[4] = {m(3, 0) * point.x(), m(3, 1) * point.y(), m(3, 2) * point.z(), m(3, 3) * point.w()};
    return {((terms[0] + terms[1]) + terms[2]) + terms[3],
            ((std::fabs(terms[0]) + std::fabs(terms[1])) + std::fabs(terms[2])) + std::fabs(terms[3])};
}

bool has_image(const Matrix4& m, const HVector& point) noexcept
{
    const ImageWeight w = image_weight_of(m, point);
    return std::isfinite(w.magnitude) && std::fabs(w.weight) > DEGENERACY_TOLERANCE * w.magnitude;
}

bool behind_centre(const Matrix4& m, const HVector& point) noexcept
{
    return has_image(m, point) && image_weight(m, point) < 0.0;
}

} // namespace revareza
