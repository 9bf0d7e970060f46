#include <revareza/projection/perspective_projection.hpp>

#include <revareza/projection/plane_alignment.hpp>

namespace revareza {

Matrix4 build_perspective_projection(HVector o, HVector x, HVector y, HVector c) noexcept
{
    // Work from the centre; the plane origin is carried through the alignment.
    Matrix4 t;
    t.make_translation(-c);
    o = t * o;
    align_plane(t, x, y, o);

    // Shear the plane origin onto the z axis, then divide by z / o.z, the
    // distance from the centre to the plane.
    Matrix4 r;
    r.make_shear_z(-o.x() / o.z(), -o.y() / o.z());
    t = r * t;
    r.make_perspective_z(o.z());
    return r * t;
}

} // namespace revareza
