// Projects a point with the installed headers and library; prints the
// result, which the test compares.
#include <geometry/hvector.hpp>
#include <geometry/matrix4.hpp>
#include <projection/perspective_projection.hpp>

#include <iostream>

int main()
{
    using namespace revareza;
    const Matrix4 m = build_perspective_projection(HVector(0, 0, 5, 1), HVector(1, 0, 0, 0),
                                                   HVector(0, 1, 0, 0), HVector(0, 0, 0, 1));
    // A width set before the matrix is used up by it, as by any insertion.
    std::cout.width(12);
    print_matrix(m);
    std::cout << "|\n";
    std::cout << m * HVector(1, 2, 10, 1) << '\n';
    return 0;
}
