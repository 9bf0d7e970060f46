#include <revareza/definition/classification.hpp>

#include <revareza/definition/text_set.hpp>
#include <revareza/geometry/rounded_math.hpp>
#include <revareza/geometry/turn_angle.hpp>
#include <revareza/projection/orthogonal_y.hpp>
#include <revareza/projection/projection_steps.hpp>
#include <revareza/projection/tolerances.hpp>

#include <cmath>
#include <limits>

namespace revareza {
namespace {

constexpr char AXIS_LETTERS[3] = {'x', 'y', 'z'};

// The world's axis i (0 x, 1 y, 2 z) as a unit direction.
HVector world_axis(int i) noexcept
{
    return HVector(i == 0 ? 1.0 : 0.0, i == 1 ? 1.0 : 0.0, i == 2 ? 1.0 : 0.0, 0.0);
}

// Two factors are equal when they differ by at most 2^-40 of the larger.
bool equal_factors(double a, double b) noexcept
{
    return std::fabs(a - b) <= DEGENERACY_TOLERANCE * std::fmax(std::fabs(a), std::fabs(b));
}

ProjectionName orthographic_name(const HVector& n) noexcept
{
    if (parallel_directions(n, world_axis(1))) {
        return ProjectionName::FRONT;
    }
    if (parallel_directions(n, world_axis(2))) {
        return ProjectionName::TOP;
    }
    if (parallel_directions(n, world_axis(0))) {
        return ProjectionName::SIDE;
    }
    double shortened[3];
    for (int i = 0; i < 3; ++i) {
        shortened[i] = cross_length(n, world_axis(i));
    }
    const int equal_pairs = int{equal_factors(shortened[0], shortened[1])} +
                            int{equal_factors(shortened[1], shortened[2])} +
                            int{equal_factors(shortened[0], shortened[2])};
    return equal_pairs == 3 ? ProjectionName::ISOMETRIC
           : equal_pairs > 0 ? ProjectionName::DIMETRIC
                             : ProjectionName::TRIMETRIC;
}

ProjectionName oblique_name(const HVector& n, double foreshortening) noexcept
{
    if (equal_factors(foreshortening, 1.0)) {
        return parallel_directions(n, world_axis(2)) ? ProjectionName::MILITARY : ProjectionName::CAVALIER;
    }
    return equal_factors(foreshortening, 0.5) ? ProjectionName::CABINET : ProjectionName::OBLIQUE;
}

} // namespace

bool name_of_key(std::string_view text, ProjectionName& name) noexcept
{
    for (int i = 0; i < PROJECTION_NAME_COUNT; ++i) {
        if (text == PROJECTION_NAME_KEYS[i]) {
            name = static_cast<ProjectionName>(i);
            return true;
        }
    }
    return false;
}

const char* kind_text(const TextSet& texts, ProjectionKind kind) noexcept
{
    return texts.classification.kinds[static_cast<int>(kind)];
}

const char* name_text(const TextSet& texts, ProjectionName name) noexcept
{
    return texts.classification.names[static_cast<int>(name)];
}

Classification classify(const Definition& d) noexcept
{
    const HVector n = cross(d.x, orthogonal_y(d.x, d.y));
    Classification c{};
    if (d.type == ProjectionType::PERSPECTIVE) {
        c.kind = ProjectionKind::PERSPECTIVE;
        c.angle_degrees = std::numeric_limits<double>::quiet_NaN();
        c.foreshortening = c.angle_degrees;
        // The image of an axis's direction is column i of the matrix; its
        // weight, n . e_i over the centre's distance, is 0 for an axis
        // parallel to the plane, whose lines stay parallel in the image.
        const Matrix4 m = projection_matrix(d);
        for (int i = 0; i < 3; ++i) {
            if (std::fabs(dot(n, world_axis(i))) > DEGENERACY_TOLERANCE) {
                c.vanishing_points[c.vanishing_point_count++] = {AXIS_LETTERS[i], m(0, i) / m(3, i),
                                                                 m(1, i) / m(3, i)};
            }
        }
        // A unit normal has a component of at least 1/sqrt(3): one point or more.
        constexpr ProjectionName BY_COUNT[3] = {ProjectionName::PERSPECTIVE_1, ProjectionName::PERSPECTIVE_2,
                                                ProjectionName::PERSPECTIVE_3};
        c.name = BY_COUNT[c.vanishing_point_count - 1];
        return c;
    }
    if (parallel_directions(d.direction, n)) {
        c.kind = ProjectionKind::ORTHOGRAPHIC;
        c.angle_degrees = 90.0;
        c.foreshortening = 0.0;
        c.name = orthographic_name(n);
        return c;
    }
    // The angle with the plane has sine |D . n| and cosine |D x n|. acos of
    // the smaller of the two keeps its digits near either end, save for a D
    // nearly along the plane, where pi/2 - acos(sine) keeps only the digits
    // of pi/2's last place: there atan2 of the two.
    const double sine = std::fabs(dot(d.direction, n));
    const double cosine = cross_length(d.direction, n);
    const double radians = sine < NEAR_AXIS_RATIO * cosine ? rounded::atan2_near_axis(sine, cosine)
                           : sine <= cosine                ? rounded::acos(0.0) - rounded::acos(sine)
                                                           : rounded::acos(cosine);
    c.kind = ProjectionKind::OBLIQUE;
    c.angle_degrees = degrees(radians);
    c.foreshortening = cosine / sine;
    c.name = oblique_name(n, c.foreshortening);
    return c;
}

} // namespace revareza
