#pragma once

#include "console/console.hpp"

#include <revareza/definition/definition.hpp>

namespace revareza {

/// One projection of the given type: reads the point (interactive mode
/// only), the plane origin, X, Y and the direction or centre of
/// projection, echoing the directions used, then prints the projected
/// point or, in matrix mode, the matrix and an empty line.
///
/// Interactive mode asks again for a Y parallel to X, a direction parallel
/// to the plane and a centre in the plane, after a line that says why;
/// matrix mode prints whatever matrix such a definition has, NaN and
/// infinities included. Returns why the run must stop, or NONE.
Stop run_dialogue(Console& console, ProjectionType type);

} // namespace revareza
