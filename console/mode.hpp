#pragma once

namespace revareza {

/// True until --matrizes: prompts, menu and retries exist only in this mode,
/// and the point to project is read only here. In matrix mode an input error
/// ends the program instead of being retried.
extern bool interactive_mode;

/// True until --matrizes: the dialogues print the projected point, else the
/// projection matrix.
extern bool print_projected_point;

} // namespace revareza
