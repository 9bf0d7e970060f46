// The Python module's documentation, numpy's way, each text written once:
// the parallel and perspective functions share what they have in common,
// and differ only in the direction or centre and what follows from it.
#pragma once

#include <string>

namespace revareza::python {

/// The two kinds of definition a function takes.
enum class Projecting { PARALLEL, PERSPECTIVE };

std::string projection_doc(Projecting kind);
std::string steps_doc(Projecting kind);
std::string classify_doc(Projecting kind);
std::string orthogonal_y_doc();
std::string project_doc();
std::string classical_projections_doc();
std::string classical_projection_doc();

/// The documentation of Step and of its attributes.
extern const char* const STEP_DOC;
extern const char* const STEP_NAME_DOC;
extern const char* const STEP_PARAMETERS_DOC;
extern const char* const STEP_MATRIX_DOC;

} // namespace revareza::python
