// revareza: planar projections of 3D points, interactively or as a filter
// that turns projection definitions into matrices (--matrizes).
#include "console/program.hpp"

int main(int argc, char* argv[])
{
    return revareza::run_program(argc, argv, revareza::LineEditing::ON_A_TERMINAL);
}
