#include "web/objects.hpp"

#include <revareza/definition/definition.hpp>

#include <cmath>
#include <initializer_list>

namespace revareza::web {
namespace {

// Corners in units of half the size, from the centre, and the edges
// between them. The cube and the house's walls share their order: the
// square at the bottom, then the one above it, counter-clockwise.
struct Shape {
    const signed char (*corners)[3];
    int corner_count;
    const signed char (*edges)[2];
    int edge_count;
};

constexpr signed char CUBE_CORNERS[][3] = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                                            {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};
constexpr signed char HOUSE_CORNERS[][3] = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, -1, 0},
                                             {1, -1, 0},   {1, 1, 0},   {-1, 1, 0}, {-1, 0, 1},  {1, 0, 1}};
constexpr signed char BOX_EDGES[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6}, {6, 7}, {7, 4},
                                        {0, 4}, {1, 5}, {2, 6}, {3, 7},
                                        // the house's roof: the ridge and the rafters
                                        {8, 9}, {4, 8}, {7, 8}, {5, 9}, {6, 9}};
// Every other corner of the cube: the edges are diagonals of its faces.
constexpr signed char TETRAHEDRON_CORNERS[][3] = {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
constexpr signed char TETRAHEDRON_EDGES[][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};

Shape shape_of(Solid solid)
{
    switch (solid) {
    case Solid::TETRAHEDRON:
        return {TETRAHEDRON_CORNERS, 4, TETRAHEDRON_EDGES, 6};
    case Solid::HOUSE:
        return {HOUSE_CORNERS, 10, BOX_EDGES, 17};
    case Solid::CUBE:
        break;
    }
    return {CUBE_CORNERS, 8, BOX_EDGES, 12};
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Calls take(words, count, line) for each line of text that holds a word,
// with its words (at most max_words; count says how many there were);
// stops when take returns false. Lines end at '\n'.
template <int MAX_WORDS, typename Take>
void for_each_line(std::string_view text, Take take)
{
    int line = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        ++line;
        std::string_view words[MAX_WORDS];
        int count = 0;
        for (std::size_t i = start; i < end;) {
            while (i < end && is_blank(text[i])) {
                ++i;
            }
            const std::size_t word = i;
            while (i < end && !is_blank(text[i])) {
                ++i;
            }
            if (i > word) {
                if (count < MAX_WORDS) {
                    words[count] = text.substr(word, i - word);
                }
                ++count;
            }
        }
        if (count > 0 && !take(words, count, line)) {
            return;
        }
        start = end + 1;
    }
}

// Two points' images within this fraction of the sizes of the terms summed
// to make them are one point as far as the sums can tell: their rounding
// errors are far smaller, and a pair of images apart by rounding alone
// would give rays that go anywhere.
constexpr double SAME_IMAGE_TOLERANCE = 0x1p-40;

// A point's image before the division by its weight: rows 0, 1 and 3 of m
// applied to it (x, y and the weight) as m * p sums them, and for each the
// sum of its terms' sizes, which bounds its rounding error.
struct Unscaled {
    double value[3] = {};
    double size[3] = {};
};

Unscaled unscaled_image(const Matrix4& m, const HVector& p)
{
    Unscaled image;
    const double coordinate[4] = {p.x(), p.y(), p.z(), p.w()};
    const int rows[3] = {0, 1, 3};
    for (int i = 0; i < 3; ++i) {
        for (int c = 0; c < 4; ++c) {
            const double term = m(rows[i], c) * coordinate[c];
            image.value[i] += term;
            image.size[i] += std::fabs(term);
        }
    }
    return image;
}

// Whether the centre sees the two points as one: their unscaled images
// are parallel (every component of their cross product 0), within what
// the rounding of their sums leaves.
bool seen_as_one(Unscaled a, Unscaled b)
{
    // Each divided by its largest size first, so that no product overflows.
    for (Unscaled* image : {&a, &b}) {
        const double largest = std::fmax(image->size[0], std::fmax(image->size[1], image->size[2]));
        if (!(largest > 0.0)) {
            return true;
        }
        for (int i = 0; i < 3; ++i) {
            image->value[i] /= largest;
            image->size[i] /= largest;
        }
    }
    const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& pair : pairs) {
        const int i = pair[0];
        const int j = pair[1];
        const double cross = a.value[i] * b.value[j] - a.value[j] * b.value[i];
        const double bound = a.size[i] * b.size[j] + a.size[j] * b.size[i];
        if (std::fabs(cross) > SAME_IMAGE_TOLERANCE * bound) {
            return false;
        }
    }
    return true;
}

PlanePoint image_of(const Matrix4& m, const HVector& p)
{
    const HVector image = m * p;
    return {image.x(), image.y()};
}

} // namespace

bool ObjectReading::refused() const
{
    for (const FieldProblem p : field) {
        if (p != FieldProblem::NONE) {
            return true;
        }
    }
    return size_not_positive || list_problem != ListProblem::NONE;
}

ObjectReading read_solid(Solid solid, const std::string_view (&centre)[3], std::string_view size)
{
    ObjectReading reading;
    double c[3] = {0.0, 0.0, 0.0};
    double s = 0.0;
    for (int i = 0; i < 3; ++i) {
        reading.field[i] = read_field(centre[i], c[i]);
    }
    reading.field[3] = read_field(size, s);
    reading.size_not_positive = reading.field[3] == FieldProblem::NONE && !(s > 0.0);
    if (reading.refused()) {
        return reading;
    }
    const double half = 0.5 * s;
    const Shape shape = shape_of(solid);
    for (int i = 0; i < shape.corner_count; ++i) {
        const signed char* k = shape.corners[i];
        reading.points.emplace_back(c[0] + k[0] * half, c[1] + k[1] * half, c[2] + k[2] * half, 1.0);
    }
    for (int i = 0; i < shape.edge_count; ++i) {
        reading.edges.push_back({shape.edges[i][0], shape.edges[i][1]});
    }
    return reading;
}

ObjectReading read_point_list(std::string_view points, std::string_view edges)
{
    ObjectReading reading;
    const auto refuse = [&reading](ListProblem problem, bool in_edges, int line) {
        reading.list_problem = problem;
        reading.in_edges = in_edges;
        reading.line = line;
        return false;
    };
    if (points.size() > LIST_MAX_LENGTH || edges.size() > LIST_MAX_LENGTH) {
        refuse(ListProblem::TOO_LONG, points.size() <= LIST_MAX_LENGTH, 0);
        return reading;
    }
    for_each_line<3>(points, [&](const std::string_view (&words)[3], int count, int line) {
        if (count != 3) {
            return refuse(ListProblem::COUNT, false, line);
        }
        if (reading.points.size() == OBJECT_MAX_POINTS) {
            return refuse(ListProblem::TOO_MANY, false, line);
        }
        double v[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < 3; ++i) {
            reading.number = read_field(words[i], v[i]);
            if (reading.number != FieldProblem::NONE) {
                return refuse(ListProblem::NUMBER, false, line);
            }
        }
        reading.points.emplace_back(v[0], v[1], v[2], 1.0);
        return true;
    });
    if (reading.refused()) {
        return reading;
    }
    for_each_line<2>(edges, [&](const std::string_view (&words)[2], int count, int line) {
        if (count != 2) {
            return refuse(ListProblem::COUNT, true, line);
        }
        if (reading.edges.size() == OBJECT_MAX_EDGES) {
            return refuse(ListProblem::TOO_MANY, true, line);
        }
        int ends[2] = {0, 0};
        for (int i = 0; i < 2; ++i) {
            double v = 0.0;
            reading.number = read_field(words[i], v);
            if (reading.number != FieldProblem::NONE) {
                return refuse(ListProblem::NUMBER, true, line);
            }
            if (!(v >= 1.0 && v <= static_cast<double>(reading.points.size()) && v == std::floor(v))) {
                return refuse(ListProblem::NO_SUCH_POINT, true, line);
            }
            ends[i] = static_cast<int>(v) - 1;
        }
        reading.edges.push_back({ends[0], ends[1]});
        return true;
    });
    if (reading.refused()) {
        reading.points.clear();
        reading.edges.clear();
    }
    return reading;
}

EdgeImage edge_image(const Matrix4& m, const HVector& from, const HVector& to)
{
    // The edge's points are (1 - t) m from + t m to, t from 0 to 1, before
    // the division by their weights: where the ends' weights differ in
    // sign, the point between them of weight 0 goes to infinity.
    EdgeImage image;
    const bool from_imaged = has_image(m, from);
    const bool to_imaged = has_image(m, to);
    if (from_imaged && to_imaged && behind_centre(m, from) == behind_centre(m, to)) {
        image.part[image.count++] = {image_of(m, from), image_of(m, to), false};
        return image;
    }
    if ((!from_imaged && !to_imaged) || seen_as_one(unscaled_image(m, from), unscaled_image(m, to))) {
        return image;
    }
    if (from_imaged && to_imaged) {
        const PlanePoint a = image_of(m, from);
        const PlanePoint b = image_of(m, to);
        // Halved first: the difference of two images near 1e308 would
        // overflow, and only the direction is wanted.
        const PlanePoint away = {a.u / 2 - b.u / 2, a.v / 2 - b.v / 2};
        image.part[image.count++] = {a, away, true};
        image.part[image.count++] = {b, {-away.u, -away.v}, true};
        return image;
    }
    // With the lost end's weight 0, the edge's points are the seen end's
    // image plus t / (1 - t) times the lost end's x and y over the seen
    // end's weight: those x and y are the direction, turned by that
    // weight's sign.
    const HVector& seen = from_imaged ? from : to;
    const Unscaled lost = unscaled_image(m, from_imaged ? to : from);
    const double sign = behind_centre(m, seen) ? -1.0 : 1.0;
    image.part[image.count++] = {image_of(m, seen), {sign * lost.value[0], sign * lost.value[1]}, true};
    return image;
}

} // namespace revareza::web
