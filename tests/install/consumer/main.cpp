// A program of someone else's, built against revareza in every way a
// project can take it in; it prints a matrix, a projected point and why a
// definition has no projection, which the test compares.
#include <revareza/revareza.hpp>

#include <iostream>

int main()
{
    using namespace revareza;
    const HVector x(1, 0, 0, 0);
    const HVector y = orthogonal_y(x, HVector(1, 1, 0, 0)); // made (0, 1, 0)
    const Matrix4 m = build_perspective_projection(HVector(0, 0, 5, 1), x, y, HVector(0, 0, 0, 1));
    // A width set before the matrix is used up by it, as by any insertion.
    std::cout.width(12);
    print_matrix(m);
    std::cout << "|\n";
    std::cout << m * HVector(1, 2, 10, 1) << '\n';
    Definition d;
    d.direction = HVector(1, 1, 0, 0); // along the plane z = 0
    std::cout << problem_message(check(d), Role::DIRECTION) << '\n';
    return 0;
}
