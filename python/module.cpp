// The Python module revareza._revareza: the library's projection builders
// and their steps, its Y rule and the projection of many points, for numpy
// users. Every number is computed by the same C++ code as the program's, so
// a matrix is bit for bit the one `revareza --matrizes` prints for the same
// numbers, and a definition is refused for the reasons the program gives.
#include "python/documentation.hpp"

#include <revareza/definition/classical_projections.hpp>
#include <revareza/definition/classification.hpp>
#include <revareza/definition/messages.hpp>
#include <revareza/definition/projection_types.hpp>
#include <revareza/definition/text_set.hpp>
#include <revareza/projection/point_projection.hpp>
#include <revareza/revareza.hpp>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace py = pybind11;

namespace {

using namespace revareza::python;
using revareza::Definition;
using revareza::HVector;
using revareza::Matrix4;
using revareza::Problem;
using revareza::ProjectionType;
using revareza::best_lanes;
using revareza::Lanes;
using revareza::project_points;

std::string shape_text(const py::ssize_t* shape, py::ssize_t ndim)
{
    std::string text = "(";
    for (py::ssize_t i = 0; i < ndim; ++i) {
        text += (i > 0 ? ", " : "") + std::to_string(shape[i]);
    }
    return text + (ndim == 1 ? ",)" : ")");
}

std::string shape_text(const py::array& array) { return shape_text(array.shape(), array.ndim()); }

std::string type_name(const py::handle& value) { return py::str(py::type::handle_of(value).attr("__name__")); }

// An array of Python objects as float64, each element as float() takes it
// (big integers, Fraction, Decimal, numpy scalars), save strings: float()
// reads them, but text is no number.
py::array_t<double> floats(const py::array& objects, const char* name)
{
    py::array_t<double> result(std::vector<py::ssize_t>(objects.shape(), objects.shape() + objects.ndim()));
    double* out = result.mutable_data();
    for (const py::handle item : objects.attr("flat")) {
        PyObject* const number = py::isinstance<py::str>(item) || py::isinstance<py::bytes>(item)
                                         || PyByteArray_Check(item.ptr())
                                     ? nullptr
                                     : PyNumber_Float(item.ptr());
        if (number == nullptr) {
            if (PyErr_Occurred() && !PyErr_ExceptionMatches(PyExc_TypeError)) {
                throw py::error_already_set(); // OverflowError: an integer beyond any double
            }
            PyErr_Clear();
            throw py::type_error(std::string(name) + " must hold numbers, not " + type_name(item) + " values");
        }
        *out++ = PyFloat_AS_DOUBLE(number);
        Py_DECREF(number);
    }
    return result;
}

// An argument as a float64 numpy array: booleans, integers, floats, or
// objects that float() takes; no strings, complex numbers or dates. Names
// the argument when it is not one.
py::array_t<double> numbers(const py::handle& value, const char* name)
{
    const py::array array = py::module_::import("numpy").attr("asarray")(value);
    const char kind = array.dtype().kind();
    if (kind == 'O') {
        return floats(array, name);
    }
    if (kind != 'b' && kind != 'i' && kind != 'u' && kind != 'f') {
        throw py::type_error(std::string(name) + " must hold numbers, not " +
                             py::str(array.dtype()).cast<std::string>() + " values");
    }
    return py::array_t<double>::ensure(array);
}

// Three finite numbers made a point (weight 1) or a direction (weight 0,
// unit length) by HVector's rule. A zero direction is refused, as the
// program refuses it with status 3.
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
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
        throw py::value_error(std::string(name) + " must hold finite numbers");
    }
    if (weight == 0.0 && revareza::is_zero_vector(x, y, z)) {
        throw py::value_error(std::string(name) + " " + revareza::problem_description(Problem::ZERO_DIRECTION));
    }
    return HVector(x, y, z, weight);
}

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

// The name of a role's argument: its English name.
const char* argument_name(revareza::Role role) { return revareza::english_texts().role_names[revareza::role_index(role)]; }

// A definition as the program's dialogues take it: each of the type's
// vectors after the point, a point or a unit direction as its role is. One
// without a projection is refused, naming the argument the program would
// ask for again (all of them for numbers too large).
Definition definition(ProjectionType type, const py::handle& origin, const py::handle& x, const py::handle& y,
                      const py::handle& last)
{
    Definition d;
    d.type = type;
    const py::handle* const arguments[] = {&origin, &x, &y, &last};
    const revareza::TypeDescription& t = revareza::describe(type);
    for (int i = 1; i < t.role_count; ++i) {
        const revareza::Role role = t.roles[i];
        revareza::vector_in(d, role) = vector3(*arguments[i - 1], argument_name(role),
                                               revareza::is_direction(role) ? 0.0 : 1.0);
    }
    const Problem problem = revareza::check(d);
    if (problem != Problem::NONE) {
        std::string blamed = argument_name(revareza::role_of(problem, type));
        if (problem == Problem::NOT_FINITE) {
            blamed.clear();
            for (int i = 1; i < t.role_count; ++i) {
                blamed += std::string(i == 1 ? "" : i + 1 == t.role_count ? " and " : ", ")
                          + argument_name(t.roles[i]);
            }
        }
        throw py::value_error(blamed + " " + revareza::problem_description(problem));
    }
    return d;
}

py::array_t<double> parallel_projection(const py::handle& origin, const py::handle& x, const py::handle& y,
                                        const py::handle& d)
{
    return as_array(revareza::projection_matrix(definition(ProjectionType::PARALLEL, origin, x, y, d)));
}

py::array_t<double> perspective_projection(const py::handle& origin, const py::handle& x, const py::handle& y,
                                           const py::handle& centre)
{
    return as_array(revareza::projection_matrix(definition(ProjectionType::PERSPECTIVE, origin, x, y, centre)));
}

// One elementary step of a projection matrix, as Python sees it.
struct Step {
    std::string name;
    py::dict parameters;
    py::array_t<double> matrix;
};

py::list steps(const Definition& d)
{
    const revareza::ProjectionSteps steps = revareza::projection_steps(d);
    py::list list;
    for (int i = 0; i < steps.count; ++i) {
        const revareza::ProjectionStep& step = steps.step[i];
        py::dict parameters;
        for (int p = 0; p < revareza::parameter_count(step.kind); ++p) {
            parameters[revareza::parameter_name(step.kind, p)] = step.parameter[p];
        }
        list.append(Step{revareza::step_name(step.kind), parameters, as_array(step.matrix)});
    }
    return list;
}

py::list parallel_steps(const py::handle& origin, const py::handle& x, const py::handle& y, const py::handle& d)
{
    return steps(definition(ProjectionType::PARALLEL, origin, x, y, d));
}

py::list perspective_steps(const py::handle& origin, const py::handle& x, const py::handle& y,
                           const py::handle& centre)
{
    return steps(definition(ProjectionType::PERSPECTIVE, origin, x, y, centre));
}

py::array_t<double> orthogonal_y(const py::handle& x, const py::handle& y)
{
    return as_array(revareza::orthogonal_y(direction(x, "x"), direction(y, "y")));
}

// Runs project_points over points (..., 3) into images (..., 2): the
// points' axes merged wherever the strides of both arrays allow, the last
// of them one run, the others counted through.
void project_array(const Matrix4& m, const py::array& points, py::array& images, Lanes lanes)
{
    struct Axis {
        py::ssize_t size;
        py::ssize_t in;
        py::ssize_t out;
    };
    const py::ssize_t last = points.ndim() - 1;
    std::vector<Axis> axes;
    for (py::ssize_t d = 0; d < last; ++d) {
        const Axis axis{points.shape(d), points.strides(d), images.strides(d)};
        if (axis.size == 0) {
            return;
        }
        if (axis.size == 1) {
            continue;
        }
        if (!axes.empty() && axes.back().in == axis.size * axis.in && axes.back().out == axis.size * axis.out) {
            axes.back() = {axes.back().size * axis.size, axis.in, axis.out};
        } else {
            axes.push_back(axis);
        }
    }
    const Axis run = axes.empty() ? Axis{1, 0, 0} : axes.back();
    if (!axes.empty()) {
        axes.pop_back();
    }
    std::vector<py::ssize_t> index(axes.size(), 0);
    const char* in = static_cast<const char*>(points.data());
    char* out = static_cast<char*>(images.mutable_data());
    for (;;) {
        project_points(m, {in, run.in, points.strides(last), out, run.out, images.strides(last),
                           static_cast<std::size_t>(run.size)},
                       lanes);
        std::size_t d = axes.size();
        for (; d > 0; --d) {
            const Axis& axis = axes[d - 1];
            in += axis.in;
            out += axis.out;
            if (++index[d - 1] < axis.size) {
                break;
            }
            in -= axis.size * axis.in;
            out -= axis.size * axis.out;
            index[d - 1] = 0;
        }
        if (d == 0) {
            return;
        }
    }
}

// project(matrix, points, out), the given way through the points.
py::array project_with(const py::handle& m, const py::handle& points, const py::handle& out, Lanes lanes)
{
    const Matrix4 transform = matrix(m);
    py::array input = py::isinstance<py::array_t<double>>(points) ? py::reinterpret_borrow<py::array>(points)
                                                                  : numbers(points, "points");
    if (input.ndim() == 0 || input.shape(input.ndim() - 1) != 3) {
        throw py::value_error("points must be an array of shape (3,) or (..., 3), not " + shape_text(input));
    }
    std::vector<py::ssize_t> shape(input.shape(), input.shape() + input.ndim());
    shape.back() = 2;
    py::array images;
    if (out.is_none()) {
        images = py::array_t<double>(shape);
    } else {
        if (!py::isinstance<py::array_t<double>>(out)) {
            const bool array = py::isinstance<py::array>(out);
            throw py::type_error("out must be a float64 array, not " +
                                 (array ? py::str(out.attr("dtype")).cast<std::string>() + " array" : type_name(out)));
        }
        images = py::reinterpret_borrow<py::array>(out);
        if (images.ndim() != input.ndim() || !std::equal(shape.begin(), shape.end(), images.shape())) {
            throw py::value_error("out must be an array of shape " + shape_text(shape.data(), input.ndim()) +
                                  ", not " + shape_text(images));
        }
        if (!images.writeable()) {
            throw py::value_error("out is read-only");
        }
        // Points read after images written over them would be wrong: read a copy.
        if (py::module_::import("numpy").attr("may_share_memory")(input, images).cast<bool>()) {
            input = py::array_t<double>::ensure(input.attr("copy")());
        }
    }
    {
        py::gil_scoped_release unlocked;
        project_array(transform, input, images, lanes);
    }
    return images;
}

py::array project(const py::handle& m, const py::handle& points, const py::handle& out)
{
    return project_with(m, points, out, best_lanes());
}

// Every way through the points this processor runs, by name: the tests hold
// each to the same bits.
py::dict project_each_way(const py::handle& m, const py::handle& points)
{
    py::dict results;
    const char* const names[] = {"scalar", "sse2", "avx2"};
    for (int lanes = 0; lanes <= static_cast<int>(best_lanes()); ++lanes) {
        results[names[lanes]] = project_with(m, points, py::none(), static_cast<Lanes>(lanes));
    }
    return results;
}

// A classification as Python sees it: the keys of its kind and name, a
// parallel projection's angle and foreshortening (None for a perspective)
// and a perspective's vanishing points as (axis, x, y).
py::dict classification(const Definition& d)
{
    const revareza::Classification c = revareza::classify(d);
    const auto parallel_only = [&c](double value) -> py::object {
        return c.kind == revareza::ProjectionKind::PERSPECTIVE ? py::object(py::none()) : py::float_(value);
    };
    py::list points;
    for (int i = 0; i < c.vanishing_point_count; ++i) {
        const revareza::VanishingPoint& v = c.vanishing_points[i];
        points.append(py::make_tuple(std::string(1, v.axis), v.x, v.y));
    }
    py::dict result;
    result["kind"] = revareza::key(c.kind);
    result["name"] = revareza::key(c.name);
    result["angle_degrees"] = parallel_only(c.angle_degrees);
    result["foreshortening"] = parallel_only(c.foreshortening);
    result["vanishing_points"] = points;
    return result;
}

py::dict classify_parallel(const py::handle& origin, const py::handle& x, const py::handle& y, const py::handle& d)
{
    return classification(definition(ProjectionType::PARALLEL, origin, x, y, d));
}

py::dict classify_perspective(const py::handle& origin, const py::handle& x, const py::handle& y,
                              const py::handle& centre)
{
    return classification(definition(ProjectionType::PERSPECTIVE, origin, x, y, centre));
}

py::list classical_projections()
{
    py::list names;
    for (const revareza::ProjectionName name : revareza::CLASSICAL_PROJECTIONS) {
        names.append(revareza::key(name));
    }
    return names;
}

// The builder's keyword arguments for a classical projection: each of its
// type's vectors after the point, by its argument's name.
py::dict classical_projection(const py::handle& name, const py::handle& angle)
{
    if (!py::isinstance<py::str>(name)) {
        throw py::type_error("name must be a str, not " + type_name(name));
    }
    const py::array_t<double> degrees = numbers(angle, "angle");
    if (degrees.ndim() != 0) {
        throw py::value_error("angle must be one number, not an array of shape " + shape_text(degrees));
    }
    if (!std::isfinite(degrees.at())) {
        throw py::value_error("angle must be a finite number");
    }
    const std::string text = name.cast<std::string>();
    Definition d;
    if (!revareza::classical_projection(text, d, degrees.at())) {
        std::string names;
        for (const revareza::ProjectionName known : revareza::CLASSICAL_PROJECTIONS) {
            names += (names.empty() ? "" : ", ") + std::string(revareza::key(known));
        }
        throw py::value_error("name must be one of " + names + ", not " + py::repr(name).cast<std::string>());
    }
    py::dict arguments;
    const revareza::TypeDescription& t = revareza::describe(d.type);
    for (int i = 1; i < t.role_count; ++i) {
        const HVector& v = revareza::vector_in(d, t.roles[i]);
        arguments[argument_name(t.roles[i])] = py::list(py::make_tuple(v.x(), v.y(), v.z()));
    }
    return arguments;
}

// Each function's signature is written once, as the arguments given to
// define(): pybind11 takes their names and defaults from them, and the
// documentation opens with them twice. First untyped, ended by "--", which
// Python reads as the function's text signature (inspect.signature,
// help()); then typed, the line the build copies into the package's type
// stub (cmake/python_stub.py).
struct Argument {
    const char* name;
    const char* type;
    py::arg arg() const { return py::arg(name); }
    std::string untyped() const { return name; }
    std::string typed() const { return std::string(name) + ": " + type; }
};

struct OptionalArgument { // defaults to None
    const char* name;
    const char* type;
    py::arg_v arg() const { return py::arg(name) = py::none(); }
    std::string untyped() const { return std::string(name) + "=None"; }
    std::string typed() const { return std::string(name) + ": " + type + " | None = None"; }
};

struct NumberArgument { // defaults to a number
    const char* name;
    const char* type;
    double value;
    const char* text; // the default as written
    py::arg_v arg() const { return py::arg(name) = value; }
    std::string untyped() const { return std::string(name) + "=" + text; }
    std::string typed() const { return std::string(name) + ": " + type + " = " + text; }
};

template <typename Function, typename... Arguments>
void define(py::module_& module, const char* name, Function function, const char* returns, const std::string& doc,
            const Arguments&... arguments)
{
    std::string untyped;
    std::string typed;
    ((untyped += (untyped.empty() ? "" : ", ") + arguments.untyped(),
      typed += (typed.empty() ? "" : ", ") + arguments.typed()),
     ...);
    const std::string text =
        std::string(name) + "(" + untyped + ")\n--\n\n" + name + "(" + typed + ") -> " + returns + "\n\n" + doc;
    module.def(name, function, arguments.arg()..., text.c_str());
}

// An attribute's documentation opens with its type, for the stub likewise.
template <typename Class, typename Member>
void attribute(py::class_<Class>& type, const char* name, Member member, const char* returns, const char* doc)
{
    type.def_readonly(name, member, (std::string(name) + ": " + returns + "\n\n" + doc).c_str());
}

} // namespace

// Signatures as define() writes them, not as pybind11 would from the C++
// types.
PYBIND11_MODULE(_revareza, module)
{
    py::options options;
    options.disable_function_signatures();
    module.doc() = "Planar projections of 3D points as 4x4 homogeneous matrices.";
    module.attr("__version__") = REVAREZA_VERSION_STRING;

    const char* const array_like = "ArrayLike";
    const char* const float64_array = "NDArray[np.float64]";
    const Argument origin{"origin", array_like};
    const Argument x{"x", array_like};
    const Argument y{"y", array_like};

    py::class_<Step> step(module, "Step", STEP_DOC);
    attribute(step, "name", &Step::name, "str", STEP_NAME_DOC);
    attribute(step, "parameters", &Step::parameters, "dict[str, float]", STEP_PARAMETERS_DOC);
    attribute(step, "matrix", &Step::matrix, float64_array, STEP_MATRIX_DOC);
    step.def("__repr__", [](const Step& s) {
        return "Step(" + s.name + ", " + py::repr(s.parameters).cast<std::string>() + ")";
    });

    const Argument direction{"direction", array_like};
    const Argument centre{"centre", array_like};
    define(module, "parallel_projection", &parallel_projection, float64_array,
           projection_doc(Projecting::PARALLEL),
           origin, x, y, direction);

    define(module, "perspective_projection", &perspective_projection, float64_array,
           projection_doc(Projecting::PERSPECTIVE),
           origin, x, y, centre);

    define(module, "parallel_steps", &parallel_steps, "list[Step]",
           steps_doc(Projecting::PARALLEL),
           origin, x, y, direction);

    define(module, "perspective_steps", &perspective_steps, "list[Step]",
           steps_doc(Projecting::PERSPECTIVE),
           origin, x, y, centre);

    define(module, "orthogonal_y", &orthogonal_y, float64_array,
           orthogonal_y_doc(),
           x, y);

    define(module, "project", &project, float64_array,
           project_doc(),
           Argument{"matrix", array_like}, Argument{"points", array_like},
           OptionalArgument{"out", float64_array});

    const char* const classification_dict = "dict[str, Any]";
    define(module, "classify_parallel", &classify_parallel, classification_dict,
           classify_doc(Projecting::PARALLEL),
           origin, x, y, direction);

    define(module, "classify_perspective", &classify_perspective, classification_dict,
           classify_doc(Projecting::PERSPECTIVE),
           origin, x, y, centre);

    define(module, "classical_projections", &classical_projections, "list[str]",
           classical_projections_doc());

    define(module, "classical_projection", &classical_projection, "dict[str, list[float]]",
           classical_projection_doc(),
           Argument{"name", "str"}, NumberArgument{"angle", "float", 45.0, "45"});

    module.def("_project_each_way", &project_each_way, py::arg("matrix"), py::arg("points"));
}
