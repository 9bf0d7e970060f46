// The Python module revareza._revareza: the library's projection builders,
// its Y rule and the projection of many points, for numpy users. Every
// number is computed by the same C++ code as the program's, so a matrix is
// bit for bit the one `revareza --matrizes` prints for the same numbers.
#include <revareza/revareza.hpp>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <string>

namespace py = pybind11;

namespace {

using revareza::HVector;
using revareza::Matrix4;

// An argument as a numpy array of numbers (booleans, integers or floats; no
// strings, no objects), converted to float64. Names the argument when it
// is not one.
py::array_t<double> numbers(const py::handle& value, const char* name)
{
    const py::array array = py::module_::import("numpy").attr("asarray")(value);
    const char kind = array.dtype().kind();
    if (kind != 'b' && kind != 'i' && kind != 'u' && kind != 'f') {
        throw py::type_error(std::string(name) + " must hold numbers, not " +
                             py::str(array.dtype()).cast<std::string>() + " values");
    }
    return py::array_t<double>::ensure(array);
}

std::string shape_text(const py::array& array)
{
    std::string text = "(";
    for (py::ssize_t i = 0; i < array.ndim(); ++i) {
        text += (i > 0 ? ", " : "") + std::to_string(array.shape(i));
    }
    return text + (array.ndim() == 1 ? ",)" : ")");
}

// Three numbers made a point (weight 1) or a direction (weight 0, unit
// length) by HVector's rule. A zero direction is refused, as the program
// refuses it with status 3.
HVector vector3(const py::handle& value, const char* name, double weight)
{
    const py::array_t<double> array = numbers(value, name);
    if (array.ndim() != 1 || array.shape(0) != 3) {
        throw py::value_error(std::string(name) + " must be three numbers, not an array of shape " +
                              shape_text(array));
    }
    const double x = array.at(0);
    const double y = array.at(1);
    const double z = array.at(2);
    if (weight == 0.0 && x == 0.0 && y == 0.0 && z == 0.0) {
        throw py::value_error(std::string(name) + " is (0, 0, 0), which is no direction");
    }
    return HVector(x, y, z, weight);
}

HVector point(const py::handle& value, const char* name) { return vector3(value, name, 1.0); }
HVector direction(const py::handle& value, const char* name) { return vector3(value, name, 0.0); }

py::array_t<double> as_array(const Matrix4& m)
{
    py::array_t<double> result({4, 4});
    auto out = result.mutable_unchecked<2>();
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            out(r, c) = m(r, c);
        }
    }
    return result;
}

py::array_t<double> as_array(const HVector& v)
{
    py::array_t<double> result(3);
    auto out = result.mutable_unchecked<1>();
    out(0) = v.x();
    out(1) = v.y();
    out(2) = v.z();
    return result;
}

Matrix4 matrix(const py::handle& value)
{
    const py::array_t<double> array = numbers(value, "matrix");
    if (array.ndim() != 2 || array.shape(0) != 4 || array.shape(1) != 4) {
        throw py::value_error("matrix must be 4 by 4, not an array of shape " + shape_text(array));
    }
    double entries[16];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            entries[4 * r + c] = array.at(r, c);
        }
    }
    return Matrix4(entries);
}

// The plane as the program's dialogues take it: the origin a point, X and
// Y unit directions, Y made orthogonal to X.
struct Plane {
    HVector origin;
    HVector x;
    HVector y;
};

Plane plane(const py::handle& origin, const py::handle& x, const py::handle& y)
{
    const HVector x_axis = direction(x, "x");
    return {point(origin, "origin"), x_axis, revareza::orthogonal_y(x_axis, direction(y, "y"))};
}

py::array_t<double> parallel_projection(const py::handle& origin, const py::handle& x, const py::handle& y,
                                        const py::handle& d)
{
    const Plane p = plane(origin, x, y);
    return as_array(revareza::build_parallel_projection(p.origin, p.x, p.y, direction(d, "direction")));
}

py::array_t<double> perspective_projection(const py::handle& origin, const py::handle& x, const py::handle& y,
                                           const py::handle& centre)
{
    const Plane p = plane(origin, x, y);
    return as_array(revareza::build_perspective_projection(p.origin, p.x, p.y, point(centre, "centre")));
}

py::array_t<double> orthogonal_y(const py::handle& x, const py::handle& y)
{
    return as_array(revareza::orthogonal_y(direction(x, "x"), direction(y, "y")));
}

// x and y of m * p for every point p, as interactive mode prints them. A
// float64 array is read where it lies, whatever its strides (C or Fortran
// order, a slice); anything else is converted once. The only allocation is
// the result, and the loop runs without the GIL.
py::array_t<double> project(const py::handle& m, const py::handle& points)
{
    const Matrix4 transform = matrix(m);
    py::array_t<double> input;
    if (py::isinstance<py::array_t<double>>(points)) {
        input = py::reinterpret_borrow<py::array_t<double>>(points);
    } else {
        input = numbers(points, "points");
    }
    if (input.ndim() != 2 || input.shape(1) != 3) {
        throw py::value_error("points must be an array of shape (N, 3), not " + shape_text(input));
    }
    const py::ssize_t count = input.shape(0);
    py::array_t<double> result({count, py::ssize_t{2}});
    const auto in = input.unchecked<2>();
    double* const out = result.mutable_data();
    {
        py::gil_scoped_release unlocked;
        for (py::ssize_t i = 0; i < count; ++i) {
            const HVector image = transform * HVector(in(i, 0), in(i, 1), in(i, 2), 1.0);
            out[2 * i] = image.x();
            out[2 * i + 1] = image.y();
        }
    }
    return result;
}

} // namespace

PYBIND11_MODULE(_revareza, module)
{
    module.doc() = "Planar projections of 3D points as 4x4 homogeneous matrices.";
    module.attr("__version__") = REVAREZA_VERSION_STRING;

    module.def("parallel_projection", &parallel_projection, py::arg("origin"), py::arg("x"), py::arg("y"),
               py::arg("direction"),
               R"(The parallel (oblique or orthogonal) projection along direction onto the
plane through origin spanned by x and y, as a (4, 4) float64 array.

origin is a point; x, y and direction are directions, made unit length; y
is first made orthogonal to x by orthogonal_y. Applied to a point p (as
project does), the matrix gives in x and y where the line through p along
direction meets the plane, measured from origin along x and y. The numbers
are those `revareza --matrizes` prints for the same definition.

Raises ValueError for a zero direction or an argument that is not three
numbers, TypeError for one that does not hold numbers.)");

    module.def("perspective_projection", &perspective_projection, py::arg("origin"), py::arg("x"), py::arg("y"),
               py::arg("centre"),
               R"(The perspective projection from the point centre onto the plane through
origin spanned by x and y, as a (4, 4) float64 array.

origin and centre are points; x and y are directions, made unit length;
y is first made orthogonal to x by orthogonal_y. Applied to a point p (as
project does, with the homogeneous division), the matrix gives in x and y
where the line from centre through p meets the plane, measured from origin
along x and y. The numbers are those `revareza --matrizes` prints.

Raises ValueError for a zero direction or an argument that is not three
numbers, TypeError for one that does not hold numbers.)");

    module.def("orthogonal_y", &orthogonal_y, py::arg("x"), py::arg("y"),
               R"(The plane's Y direction made orthogonal to X, as a (3,) unit direction.

y (made unit length) as given when |x . y| is at most 1e-7; otherwise the
direction cross(cross(x, y), x), orthogonal to x in the plane of x and y.
A y exactly parallel to x gives NaN.

Raises ValueError for a zero direction or an argument that is not three
numbers, TypeError for one that does not hold numbers.)");

    module.def("project", &project, py::arg("matrix"), py::arg("points"),
               R"(The x and y of matrix @ p for each point p, as an (N, 2) float64 array.

points is an (N, 3) array-like of points. Each is taken as (x, y, z, 1),
transformed, and divided by its new weight; a weight of 0 makes the image
a direction of unit length instead, as in the program. The results are bit
for bit those the program prints in interactive mode.

A float64 array is read in place whatever its layout (C or Fortran order,
strided); only the result is allocated, and the GIL is released while the
points are projected.)");
}
