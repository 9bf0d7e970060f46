#include <revareza/definition/messages.hpp>

#include <revareza/projection/orthogonal_y.hpp>

#include <cmath>
#include <ostream>

namespace revareza {
namespace {

// The echo of a direction used as it was given.
constexpr char USING_VECTOR[] = "Usando o vetor ";

} // namespace

const char* question(Role role) noexcept
{
    switch (role) {
    case Role::POINT:
        return "Entre com valores do ponto a ser projetado: ";
    case Role::ORIGIN:
        return "Entre com valores da origem do plano de revareza: ";
    case Role::X:
        return "Entre com valores da direcao X no plano de revareza: ";
    case Role::Y:
        return "Entre com valores da direcao Y no plano de revareza: ";
    case Role::DIRECTION:
        return "Entre com valores da direcao de revareza: ";
    case Role::CENTRE:
        return "Entre com valores do centro de revareza: ";
    }
    return "";
}

const char* problem_message(Problem problem, Role role) noexcept
{
    switch (problem) {
    case Problem::NONE:
        return "";
    case Problem::UNREADABLE:
        return is_direction(role) ? "Erro na leitura de um vetor!" : "Erro na leitura de um ponto!";
    case Problem::ZERO_DIRECTION:
        return "Erro: leitura de vetor degenerado!";
    case Problem::Y_PARALLEL_TO_X:
        return "O vetor passado e' paralelo ao vetor X e nao forma um plano com ele.";
    case Problem::DIRECTION_PARALLEL_TO_PLANE:
        return "A direcao passada e' paralela ao plano de revareza e nunca o atravessa.";
    case Problem::CENTRE_IN_PLANE:
        return "O centro passado pertence ao plano de revareza e nao projeta pontos nele.";
    case Problem::NOT_FINITE:
        return "Os valores passados sao grandes demais: a revareza nao tem resultado finito.";
    }
    return "";
}

const char* problem_description(Problem problem) noexcept
{
    switch (problem) {
    case Problem::NONE:
        return "";
    case Problem::UNREADABLE:
        return "is not a number";
    case Problem::ZERO_DIRECTION:
        return "is (0, 0, 0), which is no direction";
    case Problem::Y_PARALLEL_TO_X:
        return "is parallel to x, so that x and y span no plane";
    case Problem::DIRECTION_PARALLEL_TO_PLANE:
        return "is parallel to the plane, so that no line along it meets the plane";
    case Problem::CENTRE_IN_PLANE:
        return "lies in the plane, so that no line from it crosses the plane";
    case Problem::NOT_FINITE:
        return "make a matrix that overflows: the numbers are too large for doubles";
    }
    return "";
}

const char* field_message(FieldProblem problem) noexcept
{
    switch (problem) {
    case FieldProblem::NONE:
        return "";
    case FieldProblem::EMPTY:
        return "campo vazio";
    case FieldProblem::NOT_A_NUMBER:
        return "nao e' um numero";
    case FieldProblem::TEXT_AFTER_NUMBER:
        return "texto depois do numero";
    case FieldProblem::OUT_OF_RANGE:
        return "numero grande demais";
    case FieldProblem::TOO_LONG:
        static_assert(FIELD_MAX_LENGTH == 1000, "the message names the limit");
        return "mais de 1000 caracteres";
    }
    return "";
}

Echo echo(const HVector& v) noexcept
{
    return {USING_VECTOR, v};
}

Echo y_echo(const HVector& x, const HVector& given_y) noexcept
{
    // The words say whether the Y given is the one used.
    return {within_ortho_tolerance(x, given_y) ? USING_VECTOR
                                               : "O vetor passado nao e' ortogonal ao vetor X, usando ",
            orthogonal_y(x, given_y)};
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
        out << "O ponto nao tem projecao no plano de revareza, pois pertence ao plano paralelo a ele que "
               "passa pelo centro.";
        return;
    }
    const HVector image = m * point;
    if (!std::isfinite(image.x()) || !std::isfinite(image.y())) {
        out << problem_message(Problem::NOT_FINITE, Role::POINT);
        return;
    }
    out << "O resultado da revareza e': (";
    write_coordinate(out, image.x());
    out << ",";
    write_coordinate(out, image.y());
    out << ")";
}

} // namespace revareza
