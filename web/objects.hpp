// The objects the page projects besides its point: a solid placed by its
// centre and size (a cube, a tetrahedron, a house), or a pasted list of
// points, one "x y z" a line, with edges, one pair of point numbers a
// line. Every number is read as a form's field is (read_field). And what
// an edge's image on the projection plane is: a segment, or rays where the
// edge crosses the plane through the centre parallel to the plane.
#pragma once

#include <revareza/definition/text_fields.hpp>
#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/matrix4.hpp>

#include <cstddef>
#include <string_view>
#include <vector>

namespace revareza::web {

enum class Solid { CUBE, TETRAHEDRON, HOUSE };

/// The most characters a pasted list (points or edges) holds.
constexpr std::size_t LIST_MAX_LENGTH = 100000;
/// The most points, and edges, an object has.
constexpr std::size_t OBJECT_MAX_POINTS = 1000;
constexpr std::size_t OBJECT_MAX_EDGES = 5000;

/// Two points joined, by their places in the object's list (from 0).
struct Edge {
    int from = 0;
    int to = 0;
};

/// Why a pasted list was refused, or NONE.
enum class ListProblem {
    NONE,
    /// A word of the line is no number (number says why).
    NUMBER,
    /// The line holds other than 3 numbers (points) or 2 (edges).
    COUNT,
    /// An edge names a point the list does not have.
    NO_SUCH_POINT,
    /// More than LIST_MAX_LENGTH characters.
    TOO_LONG,
    /// More than OBJECT_MAX_POINTS points or OBJECT_MAX_EDGES edges.
    TOO_MANY,
};

/// An object read: its points and edges, or why not.
struct ObjectReading {
    std::vector<HVector> points;
    std::vector<Edge> edges;
    /// A solid's fields: the centre's x, y and z, then the size.
    FieldProblem field[4] = {};
    /// A size that is a number but not above 0.
    bool size_not_positive = false;
    /// A list's problem, the list it is in (points or edges) and its line
    /// (from 1).
    ListProblem list_problem = ListProblem::NONE;
    bool in_edges = false;
    int line = 0;
    FieldProblem number = FieldProblem::NONE;

    bool refused() const;
};

/// The solid's corners and edges, centred on the centre's fields, as wide
/// as the size field (its corners at the centre plus or minus half the size).
ObjectReading read_solid(Solid solid, const std::string_view (&centre)[3], std::string_view size);

/// The pasted points and edges (edges numbered from 1 in the text).
ObjectReading read_point_list(std::string_view points, std::string_view edges);

/// A place on the projection plane, or a direction in it: along X and Y,
/// from O for a place.
struct PlanePoint {
    double u = 0.0;
    double v = 0.0;
};

/// A part of an edge's image: the segment from start to end, or the ray
/// from start along the direction held in end, out to infinity.
struct ImagePart {
    PlanePoint start;
    PlanePoint end;
    bool ray = false;
};

/// An edge's image on the plane: its first count parts (0 to 2).
struct EdgeImage {
    int count = 0;
    ImagePart part[2];
};

/// The image of the edge from one point to another under the projection m.
/// Ends whose image weights have one sign give the segment between their
/// images. Opposite signs (the edge crosses the plane through the centre
/// parallel to the plane, whose points have no image) give two rays, each
/// from one end's image away from the other's: the edge's image is their
/// line less the segment between them. An end without image (has_image)
/// gives one ray, from the other end's image towards the vanishing
/// direction of the edge. No end with an image, or an edge that the centre
/// sees as one point, gives no part.
EdgeImage edge_image(const Matrix4& m, const HVector& from, const HVector& to);

} // namespace revareza::web
