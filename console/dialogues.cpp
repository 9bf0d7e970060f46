#include "console/dialogues.hpp"

#include "console/line_editing.hpp"
#include "console/mode.hpp"
#include "console/prompt.hpp"
#include "console/readers.hpp"
#include <revareza/projection/orthogonal_y.hpp>
#include <revareza/projection/parallel_projection.hpp>
#include <revareza/projection/perspective_projection.hpp>

#include <iostream>

namespace revareza {
namespace {

// What both dialogues ask first: the point to project and the plane.
struct PlaneRequest {
    HVector point; // stays the origin in matrix mode, where it is not read
    HVector origin;
    HVector x;
    HVector y;
};

PlaneRequest read_plane_request()
{
    PlaneRequest request;
    if (interactive_mode) {
        prompt << "Entre com valores do ponto a ser projetado: ";
        answering(Question::POINT);
        request.point = read_point();
    }
    prompt << "Entre com valores da origem do plano de revareza: ";
    answering(Question::ORIGIN);
    request.origin = read_point();
    prompt << "Entre com valores da direcao X no plano de revareza: ";
    answering(Question::X);
    request.x = read_vector();
    prompt << "Usando o vetor " << request.x << prompt_end;
    prompt << "Entre com valores da direcao Y no plano de revareza: ";
    answering(Question::Y);
    request.y = read_vector();

    // A Y off the orthogonal is replaced, and the echo says so. An exactly
    // parallel Y turns into NaN, which reaches the output unguarded.
    const char* message = within_ortho_tolerance(request.x, request.y)
        ? "Usando o vetor "
        : "O vetor passado nao e' ortogonal ao vetor X, usando ";
    request.y = orthogonal_y(request.x, request.y);
    prompt << message << request.y << prompt_end;
    return request;
}

void print_result(const Matrix4& m, const HVector& point)
{
    std::cout.setf(std::ios::fixed);
    std::cout.precision(5);
    if (print_projected_point) {
        // A weight of 0 puts the image at infinity: the line from the centre
        // through the point runs parallel to the plane. m * point would be a
        // unit direction, no position on the plane, so none is printed.
        if (image_weight(m, point) == 0.0) {
            std::cout << "O ponto nao tem projecao no plano de revareza, pois pertence ao plano paralelo a ele que "
                         "passa pelo centro."
                      << std::endl;
        } else {
            const HVector projected = m * point;
            std::cout << "O resultado da revareza e': (" << projected.x() << "," << projected.y() << ")"
                      << std::endl;
        }
    } else {
        print_matrix(m);
        std::cout << std::endl; // an empty line after each matrix
    }
    std::cout.unsetf(std::ios::fixed);
}

} // namespace

void run_parallel_dialogue()
{
    const PlaneRequest request = read_plane_request();
    prompt << "Entre com valores da direcao de revareza: ";
    answering(Question::DIRECTION);
    const HVector direction = read_vector();
    prompt << "Usando o vetor " << direction << prompt_end;

    const Matrix4 m = build_parallel_projection(request.origin, request.x, request.y, direction);
    print_result(m, request.point);
}

void run_perspective_dialogue()
{
    const PlaneRequest request = read_plane_request();
    prompt << "Entre com valores do centro de revareza: ";
    answering(Question::CENTRE);
    const HVector centre = read_point();

    const Matrix4 m = build_perspective_projection(request.origin, request.x, request.y, centre);
    print_result(m, request.point);
}

} // namespace revareza
