#pragma once

// Plain-double geometry for checking the projection builders against the
// textbook construction, independently of the matrix code.

#include <revareza/geometry/hvector.hpp>

#include <cmath>
#include <vector>

namespace revareza {
namespace test {

struct V3 {
    double x, y, z;
};

inline V3 Sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 Add(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 Scale(V3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline V3 Unit(V3 a) { return Scale(a, 1.0 / std::sqrt(Dot(a, a))); }

inline HVector Point(V3 v) { return HVector(v.x, v.y, v.z, 1); }
inline HVector Direction(V3 v) { return HVector(v.x, v.y, v.z, 0); }

struct Plane {
    V3 o, x, y; // normalised, and y made orthogonal to x, by PlaneCoordinates
};

struct PlanePoint {
    double x, y;
};

// Coordinates of the plane point i, from o along x and along y's part
// orthogonal to x: the plane's own frame, whatever y's tilt towards x.
inline PlanePoint PlaneCoordinates(const Plane& plane, V3 i)
{
    const V3 r = Sub(i, plane.o);
    const V3 x = Unit(plane.x);
    const V3 y = Unit(Sub(plane.y, Scale(x, Dot(plane.y, x))));
    return {Dot(r, x), Dot(r, y)};
}

// Where the line through p along d meets the plane.
inline PlanePoint ParallelImage(const Plane& plane, V3 d, V3 p)
{
    const V3 n = Cross(plane.x, plane.y);
    const double t = -Dot(Sub(p, plane.o), n) / Dot(d, n);
    return PlaneCoordinates(plane, Add(p, Scale(d, t)));
}

// Where the line from c through p meets the plane.
inline PlanePoint PerspectiveImage(const Plane& plane, V3 c, V3 p)
{
    const V3 n = Cross(plane.x, plane.y);
    const double t = Dot(Sub(plane.o, c), n) / Dot(Sub(p, c), n);
    return PlaneCoordinates(plane, Add(c, Scale(Sub(p, c), t)));
}

// Planes turned by small angles from the coordinate planes, where the
// alignment's angles are small or near pi: X turned in the plane, the
// plane tilted about X or about Y, both, and X reversed, for angles from
// 1e-12 to 1e-2. The origin lies far from the axes, so that an angle's
// error moves images by many of its digits.
inline std::vector<Plane> NearAxisPlanes()
{
    const V3 frames[][2] = {{{1, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 0, 1}}, {{0, 0, 1}, {1, 0, 0}},
                            {{-1, 0, 0}, {0, 1, 0}}, {{1, 0, 0}, {0, 0, -1}}};
    std::vector<Plane> planes;
    for (double angle = 1e-12; angle < 2e-2; angle *= 10) {
        for (const auto& f : frames) {
            const V3 x = f[0], y = f[1], n = Cross(x, y);
            const V3 turned_x = Add(x, Scale(y, angle)), turned_y = Sub(y, Scale(x, angle));
            const V3 tilted_x = Add(x, Scale(n, angle)), tilted_y = Add(y, Scale(n, angle));
            const V3 o = {3000, -2000, 5000};
            planes.push_back({o, turned_x, turned_y});
            planes.push_back({o, x, tilted_y});
            planes.push_back({o, tilted_x, y});
            planes.push_back({o, Add(turned_x, Scale(n, -angle)), Add(turned_y, Scale(n, 2 * angle))});
        }
    }
    return planes;
}

} // namespace test
} // namespace revareza
