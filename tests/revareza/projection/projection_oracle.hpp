#pragma once

// Plain-double geometry for checking the projection builders against the
// textbook construction, independently of the matrix code.

#include <revareza/geometry/hvector.hpp>

#include <cmath>

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
    V3 o, x, y; // x and y orthogonal; normalised by PlaneCoordinates
};

struct PlanePoint {
    double x, y;
};

// Coordinates of the plane point i, from o along x and y.
inline PlanePoint PlaneCoordinates(const Plane& plane, V3 i)
{
    const V3 r = Sub(i, plane.o);
    return {Dot(r, Unit(plane.x)), Dot(r, Unit(plane.y))};
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

} // namespace test
} // namespace revareza
