// A definition read from texts, one number to a text, as a form's fields
// hold it (the web page's): each text read by the library's number reader,
// the vectors in the program's order, and the first reason to refuse them.
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

#include <string_view>

namespace revareza {

/// A vector read from its three fields, or why it was refused
/// (UNREADABLE, or ZERO_DIRECTION for a direction).
struct VectorReading {
    HVector vector;
    Problem problem = Problem::NONE;
};

/// Reads the three fields of the vector in this role: a point, or a unit
/// direction for X, Y and the direction of projection. Each field holds
/// one number as the program reads it, with nothing but white space
/// around it.
VectorReading read_vector(Role role, std::string_view x, std::string_view y, std::string_view z);

/// A definition read from its fields, or the first reason it has none and
/// the vector blamed for it.
struct DefinitionReading {
    Definition definition;
    Problem problem = Problem::NONE;
    Role role = Role::POINT;
};

/// Reads fifteen fields, three for each of the point, the origin, X, Y and
/// then the direction (PARALLEL) or the centre (PERSPECTIVE), refusing at
/// the first vector that cannot be read, and then checks the definition
/// (check()).
DefinitionReading read_definition(ProjectionType type, const std::string_view (&fields)[15]);

} // namespace revareza
