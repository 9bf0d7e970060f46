#include "web/objects.hpp"

#include <cmath>

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

} // namespace revareza::web
