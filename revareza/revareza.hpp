// revareza: planar projections of 3D points as 4x4 homogeneous matrices.
//
// One include for the whole library:
//   <revareza/geometry/hvector.hpp>    HVector: points (w = 1) and unit
//                                      directions (w = 0)
//   <revareza/geometry/matrix4.hpp>    Matrix4: transforms, products,
//                                      application, text form
//   <revareza/geometry/rounded_math.hpp> rounded::acos, sin, cos and
//                                      atan2_near_axis: correctly rounded,
//                                      the same on every platform
//   <revareza/geometry/turn_angle.hpp> the angles that turn a direction
//                                      onto an axis
//   <revareza/projection/...>          build_parallel_projection,
//                                      build_perspective_projection, their
//                                      steps, orthogonal_y for the
//                                      plane's Y, the tolerances, whether
//                                      a point has an image, and
//                                      project_points for many points
//   <revareza/text/number_input.hpp>  the number reader of the program
//   <revareza/text/number_output.hpp> numbers with 17 significant digits
//   <revareza/definition/...>          a projection as its user defines
//                                      it: each type's vectors, why some
//                                      have none, the program's texts in
//                                      Portuguese and English, reading
//                                      fields, a matrix for numpy, LaTeX,
//                                      WebGL, a projection's name, the
//                                      classical projections
//   <revareza/version.hpp>             REVAREZA_VERSION_STRING
//
// Where does the point (1, 2, 10), seen from the origin, fall on the plane
// z = 5, in the plane's own (x, y)?
//
//   #include <revareza/revareza.hpp>
//
//   #include <iostream>
//
//   int main()
//   {
//       using namespace revareza;
//       const HVector origin(0, 0, 5, 1); // a point
//       const HVector x(1, 0, 0, 0);      // a unit direction
//       const HVector y = orthogonal_y(x, HVector(0, 1, 0, 0));
//       const Matrix4 m = build_perspective_projection(origin, x, y, HVector(0, 0, 0, 1));
//       std::cout << m * HVector(1, 2, 10, 1) << '\n'; // (0.50000,1.00000,5.00000)
//   }
//
// With CMake: find_package(revareza 1.0 REQUIRED) and link revareza::revareza
// (or revareza::geometry, ::projection, ::text, ::definition alone);
// without it:
// pkg-config --cflags --libs revareza.
#pragma once

#include <revareza/geometry/hvector.hpp>
#include <revareza/geometry/matrix4.hpp>
#include <revareza/geometry/rounded_math.hpp>
#include <revareza/geometry/turn_angle.hpp>
#include <revareza/projection/orthogonal_y.hpp>
#include <revareza/projection/parallel_projection.hpp>
#include <revareza/projection/perspective_projection.hpp>
#include <revareza/projection/point_image.hpp>
#include <revareza/projection/point_projection.hpp>
#include <revareza/projection/projection_steps.hpp>
#include <revareza/projection/tolerances.hpp>
#include <revareza/definition/classical_projections.hpp>
#include <revareza/definition/classification.hpp>
#include <revareza/definition/definition.hpp>
#include <revareza/definition/matrix_forms.hpp>
#include <revareza/definition/messages.hpp>
#include <revareza/definition/projection_types.hpp>
#include <revareza/definition/text_fields.hpp>
#include <revareza/definition/text_set.hpp>
#include <revareza/text/number_input.hpp>
#include <revareza/text/number_output.hpp>
#include <revareza/version.hpp>
