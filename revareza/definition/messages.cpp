#include <revareza/definition/messages.hpp>

#include <revareza/definition/projection_types.hpp>

#include <revareza/projection/orthogonal_y.hpp>

#include <cmath>
#include <ostream>

namespace revareza {

const char* question(Role role) noexcept
{
    return portuguese_texts().questions[role_index(role)];
}

const char* problem_text(const TextSet& texts, Problem problem, Role role) noexcept
{
    const ReasonTexts& r = texts.reasons;
    switch (problem) {
    case Problem::NONE:
        return "";
    case Problem::UNREADABLE:
        return is_direction(role) ? r.unreadable_vector : r.unreadable_point;
    case Problem::ZERO_DIRECTION:
        return r.zero_direction;
    case Problem::Y_PARALLEL_TO_X:
        return r.y_parallel_to_x;
    case Problem::DIRECTION_PARALLEL_TO_PLANE:
        return r.direction_parallel_to_plane;
    case Problem::CENTRE_IN_PLANE:
        return r.centre_in_plane;
    case Problem::NOT_FINITE:
        return r.not_finite;
    }
    return "";
}

const char* problem_message(Problem problem, Role role) noexcept
{
    return problem_text(portuguese_texts(), problem, role);
}

const char* problem_description(Problem problem) noexcept
{
    return problem_text(english_texts(), problem, Role::POINT);
}

const char* field_message(FieldProblem problem) noexcept
{
    static_assert(FIELD_MAX_LENGTH == 1000, "too_long's words name the limit");
    const FieldTexts& f = portuguese_texts().fields;
    switch (problem) {
    case FieldProblem::NONE:
        return "";
    case FieldProblem::EMPTY:
        return f.empty;
    case FieldProblem::NOT_A_NUMBER:
        return f.not_a_number;
    case FieldProblem::TEXT_AFTER_NUMBER:
        return f.text_after_number;
    case FieldProblem::OUT_OF_RANGE:
        return f.out_of_range;
    case FieldProblem::TOO_LONG:
        return f.too_long;
    }
    return "";
}

Echo echo(const HVector& v) noexcept
{
    return {portuguese_texts().echo, v};
}

Echo y_echo(const HVector& x, const HVector& given_y) noexcept
{
    // The words say whether the Y given is the one used.
    const TextSet& texts = portuguese_texts();
    return {within_ortho_tolerance(x, given_y) ? texts.echo : texts.y_replaced, orthogonal_y(x, given_y)};
}

bool is_echoed(Role role) noexcept
{
    return is_direction(role);
}

Echo echo_of(const Definition& d, Role role) noexcept
{
    return role == Role::Y ? y_echo(d.x, d.y) : echo(vector_in(d, role));
}

std::ostream& operator<<(std::ostream& out, const Echo& e)
{
    return out << e.text << e.vector;
}

void write_coordinate(std::ostream& out, double v)
{
    out.precision(5);
    out.setf(std::ios::fixed);
    out << v;
    out.unsetf(std::ios::fixed);
}

void write_result(std::ostream& out, const Matrix4& m, const HVector& point)
{
    out.precision(5);
    if (!is_finite(m)) {
        out << problem_message(Problem::NOT_FINITE, Role::POINT);
        return;
    }
    // A weight of 0 puts the image at infinity: the line from the centre
    // through the point runs parallel to the plane. m * point would be a
    // unit direction, or within rounding of 0 a point anywhere, no position
    // on the plane, so none is written. Terms that overflow measure nothing.
    if (!std::isfinite(image_weight_of(m, point).magnitude)) {
        out << problem_message(Problem::NOT_FINITE, Role::POINT);
        return;
    }
    if (!has_image(m, point)) {
        out << portuguese_texts().no_image;
        return;
    }
    const HVector image = m * point;
    if (!std::isfinite(image.x()) || !std::isfinite(image.y())) {
        out << problem_message(Problem::NOT_FINITE, Role::POINT);
        return;
    }
    out << portuguese_texts().result << '(';
    write_coordinate(out, image.x());
    out << ",";
    write_coordinate(out, image.y());
    out << ")";
}

} // namespace revareza
