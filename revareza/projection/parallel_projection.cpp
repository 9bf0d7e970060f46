#include <revareza/projection/parallel_projection.hpp>

#include <revareza/projection/plane_alignment.hpp>

namespace revareza {

Matrix4 build_parallel_projection(HVector o, HVector x, HVector y, HVector d) noexcept
{
    Matrix4 t;
    t.make_translation(-o);
    align_plane(t, x, y, d);

    // With the plane on xy, slide every point along d until z would be 0.
    Matrix4 shear;
    shear.make_shear_z(-d.x() / d.z(), -d.y() / d.z());
    return shear * t;
}

} // namespace revareza
