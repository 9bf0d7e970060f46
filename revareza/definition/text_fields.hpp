// A definition read from texts, one number to a text, as a form's fields
// hold it (the web page's): each field read by the library's number reader,
// with a decimal comma taken for a point and at most FIELD_MAX_LENGTH
// characters; why each field is refused; the vectors in the program's
// order, and the first reason to refuse them.
//
//   #include <revareza/definition/text_fields.hpp>
//
//   using namespace revareza;
//   const std::string_view fields[15] = {"1", "2", "3",  "0", "0", "0",  "1", "0", "0",
//                                        "2", "0", "0",  "0", "0", "1"};
//   const DefinitionReading r = read_definition(ProjectionType::PARALLEL, fields);
//   // r.problem == Problem::Y_PARALLEL_TO_X, r.role == Role::Y
#pragma once

#include <revareza/definition/definition.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace revareza {

/// The most characters a field holds. Longer texts are refused unread.
constexpr std::size_t FIELD_MAX_LENGTH = 1000;

/// A definition's fields: three for each vector its type asks for.
constexpr int DEFINITION_FIELD_COUNT = 15;

/// Why a field holds no number, or NONE.
enum class FieldProblem {
    NONE,
    /// Nothing, or nothing but white space.
    EMPTY,
    /// No number where the text starts, or one the reader cannot finish
    /// ("-", "1e", "abc").
    NOT_A_NUMBER,
    /// A number, and more than white space after it ("1 2", "1x").
    TEXT_AFTER_NUMBER,
    /// A number beyond the largest double ("1e400").
    OUT_OF_RANGE,
    /// More than FIELD_MAX_LENGTH characters.
    TOO_LONG,
};

/// Reads a field: one number as the program reads it (read_number), with
/// nothing but white space around it, where a comma stands for the decimal
/// point ("0,5" is 0.5). Sets value only when the field holds a number.
FieldProblem read_field(std::string_view text, double& value);

/// The field's text with every comma written as a point: "0,5" gives "0.5".
/// It reads as the field reads, with no comma in it (a page's address
/// separates numbers by commas).
std::string point_decimal_text(std::string_view text);

/// A vector read from its three fields, or why it was refused
/// (UNREADABLE, or ZERO_DIRECTION for a direction), and why each of its
/// fields was.
struct VectorReading {
    HVector vector;
    Problem problem = Problem::NONE;
    FieldProblem field[3] = {FieldProblem::NONE, FieldProblem::NONE, FieldProblem::NONE};
};

/// Reads the three fields of the vector in this role (read_field): a point,
/// or a unit direction for X, Y and the direction of projection.
VectorReading read_vector(Role role, std::string_view x, std::string_view y, std::string_view z);

/// A definition read from its fields, or the first reason it has none and
/// the vector blamed for it; and why each field was refused.
struct DefinitionReading {
    Definition definition;
    Problem problem = Problem::NONE;
    Role role = Role::POINT;
    FieldProblem field[DEFINITION_FIELD_COUNT] = {};
};

/// Reads the fields, three for each vector of the type in its order
/// (projection_types.hpp): the point, the origin, X, Y and then the
/// direction (PARALLEL) or the centre (PERSPECTIVE). The problem is
/// the first vector's that cannot be read, or else what check() finds; every
/// field is read, so that each refused one is known.
DefinitionReading read_definition(ProjectionType type, const std::string_view (&fields)[DEFINITION_FIELD_COUNT]);

} // namespace revareza
