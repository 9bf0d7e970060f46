// The program's words about a definition, as it writes them: the
// questions, the echoes of the directions used, the result line, and the
// line for each reason a definition has no projection. Each comes from the
// program's text set (text_set.hpp); every front end writes them from
// here.
//
//   #include <revareza/definition/messages.hpp>
//
//   std::cout << revareza::question(revareza::Role::X);        // Entre com valores da direcao X ...
//   std::cout << revareza::echo(revareza::HVector(0, 0, 5, 0)); // Usando o vetor (0.00000,0.00000,1.00000)
#pragma once

#include <revareza/definition/definition.hpp>
#include <revareza/definition/text_fields.hpp>
#include <revareza/definition/text_set.hpp>

#include <iosfwd>

namespace revareza {

/// The question asked for the vector in this role, ending in ": ".
const char* question(Role role) noexcept;

/// The program's line for a problem with the vector in this role, without
/// a newline: the errors matrix mode ends with for UNREADABLE ("Erro na
/// leitura de um ponto!" or "... de um vetor!") and ZERO_DIRECTION, and
/// the reason a definition has no projection for the others. Empty for
/// NONE.
const char* problem_message(Problem problem, Role role) noexcept;

/// The same reason in a text set's words: problem_message is
/// problem_text(portuguese_texts(), ...). english_texts() words each as a
/// predicate of the vector it blames ("is parallel to x and spans no plane
/// with it"), for library users' messages such as the Python module's
/// errors.
const char* problem_text(const TextSet& texts, Problem problem, Role role) noexcept;

/// problem_text(english_texts(), problem, ...), the role aside: for C++
/// and Python callers' messages.
const char* problem_description(Problem problem) noexcept;

/// Why a form's field was refused, in a few words ("campo vazio"). Empty for
/// NONE.
const char* field_message(FieldProblem problem) noexcept;

/// An echo of a direction used: a text and the vector, written
/// "Usando o vetor (x,y,z)" by operator<<.
struct Echo {
    const char* text;
    HVector vector;
};

/// The echo of the direction v, as the program uses it (unit length).
Echo echo(const HVector& v) noexcept;

/// The echo of the plane's Y: the Y used (given_y made orthogonal to x),
/// with the words that say whether it was replaced.
Echo y_echo(const HVector& x, const HVector& given_y) noexcept;

/// Whether the program echoes the vector in this role once read: every
/// direction (X, Y, the direction of projection) is echoed as used.
bool is_echoed(Role role) noexcept;

/// The echo of the vector in this role of the definition: echo() of the
/// direction, y_echo() for Y. Only for roles is_echoed() takes.
Echo echo_of(const Definition& definition, Role role) noexcept;

/// Writes the echo's text and its vector in the vector's text form.
std::ostream& operator<<(std::ostream& out, const Echo& e);

/// Writes a coordinate as the result line writes it: fixed, five decimals.
/// Leaves the stream's precision at 5.
void write_coordinate(std::ostream& out, double v);

/// Writes, without a newline, what interactive mode prints for the point
/// under the matrix m: "O resultado da revareza e': (x,y)" with five
/// decimals, or the line that says the point has no image (has_image), or,
/// when m, the image's weight or the image holds a non-finite number, the
/// NOT_FINITE reason. Leaves the stream's precision at 5.
void write_result(std::ostream& out, const Matrix4& m, const HVector& point);

} // namespace revareza
