// The program's only way out other than returning from main. It stands in a
// file of its own so that a harness that runs the program in-process (the
// fuzz targets) can link its own definition in its place.
#include "console/program_exit.hpp"

#include <cstdlib>

namespace revareza {

void exit_process(int status)
{
    std::exit(status);
}

} // namespace revareza
