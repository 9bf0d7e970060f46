#include "console/mode.hpp"

namespace revareza {

bool interactive_mode = true;
bool print_projected_point = true;

} // namespace revareza
