// revareza: planar projections of 3D points, interactively or as a filter
// that turns projection definitions into matrices (--matrizes).
#include "console/program.hpp"

#include <iostream>

int main(int argc, char* argv[])
{
    // The standard streams get buffers of their own instead of going through
    // C stdio one character at a time; every flush is still a write.
    std::ios::sync_with_stdio(false);
    return revareza::run_program(argc, argv, std::cin, std::cout, std::cerr, revareza::LineEditing::ON_A_TERMINAL);
}
