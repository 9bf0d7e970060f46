// The web page's binding (WebAssembly, embind): one definition as typed into
// the page, read, checked and computed by the library (revareza::definition)
// as the interactive dialogue reads, checks and computes it, and handed back
// as the program's texts, the steps of its matrix and the points the page
// draws. Every number and every text comes from the library; the page only
// shows the texts and draws the points.
#include <revareza/definition/messages.hpp>
#include <revareza/definition/text_fields.hpp>
#include <revareza/revareza.hpp>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <ios>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using emscripten::val;
using revareza::Definition;
using revareza::HVector;
using revareza::Matrix4;
using revareza::ProjectionType;
using revareza::Role;

// The fields: three for each of the point, the plane's origin, X, Y, and
// the direction of projection (type 1) or the centre (type 2).
constexpr int FIELD_COUNT = 15;

// Where a vector's fields stand among the page's five vectors.
int vector_index(Role role)
{
    return role == Role::CENTRE ? 4 : static_cast<int>(role);
}

template <typename T>
std::string text_of(const T& value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string matrix_text(const Matrix4& m)
{
    std::ostringstream out;
    revareza::print_matrix(m, out);
    return out.str();
}

std::string result_line(const Matrix4& m, const HVector& point)
{
    std::ostringstream out;
    revareza::write_result(out, m, point);
    return out.str();
}

// Each step: its name, its parameters by name, and its matrix as the
// program prints a matrix.
val steps_of(const revareza::ProjectionSteps& steps)
{
    val list = val::array();
    for (int i = 0; i < steps.count; ++i) {
        const revareza::ProjectionStep& step = steps.step[i];
        val parameters = val::object();
        for (int p = 0; p < revareza::parameter_count(step.kind); ++p) {
            parameters.set(revareza::parameter_name(step.kind, p), step.parameter[p]);
        }
        val entry = val::object();
        entry.set("name", std::string(revareza::step_name(step.kind)));
        entry.set("parameters", parameters);
        entry.set("matrix", matrix_text(step.matrix));
        list.call<void>("push", entry);
    }
    return list;
}

val coordinates(double x, double y, double z)
{
    val array = val::array();
    array.call<void>("push", x, y, z);
    return array;
}

struct Point3 {
    double x, y, z;
};

Point3 point3(const HVector& v) { return {v.x(), v.y(), v.z()}; }

val coordinates(const Point3& p) { return coordinates(p.x, p.y, p.z); }

// from + t * unit
Point3 along(const Point3& from, const HVector& unit, double t)
{
    return {from.x + t * unit.x(), from.y + t * unit.y(), from.z + t * unit.z()};
}

// Where a lies from b along unit: dot(a - b, unit).
double offset(const Point3& a, const Point3& b, const HVector& unit)
{
    return (a.x - b.x) * unit.x() + (a.y - b.y) * unit.y() + (a.z - b.z) * unit.z();
}

// The stretch of the line through base along unit that covers the offsets
// in ts and base itself (offset 0), with a margin past base where base is
// one of its ends.
val stretch(const Point3& base, const HVector& unit, std::initializer_list<double> ts, double margin)
{
    double low = std::min(ts);
    double high = std::max(ts);
    low = low >= 0.0 ? -margin : low;
    high = high <= 0.0 ? margin : high;
    val ends = val::array();
    ends.call<void>("push", coordinates(along(base, unit, low)), coordinates(along(base, unit, high)));
    return ends;
}

// What the page draws, in world coordinates: the plane's frame as the
// dialogue made it and its normal X x Y, the point, D or C, the image on
// the plane when it is a point, the half side of a square patch of the
// plane around O and the image, and the projector's two ends. The
// projector runs along the line through the point and its image, covering
// both (and C), and goes a little past the image, through the plane, where
// the image is an end.
val scene(int type, const HVector& origin, const HVector& x, const HVector& y, const HVector& point,
          const HVector& last, const HVector& image)
{
    const Point3 o = point3(origin);
    const Point3 p = point3(point);
    const bool image_is_point = image.w() == 1.0;
    const double u = image_is_point ? image.x() : 0.0;
    const double v = image_is_point ? image.y() : 0.0;
    const Point3 on_plane = {o.x + u * x.x() + v * y.x(), o.y + u * x.y() + v * y.y(),
                             o.z + u * x.z() + v * y.z()};
    const double reach = revareza::norm(HVector(p.x - o.x, p.y - o.y, p.z - o.z, 1.0)); // |p - o|
    double half_side = 1.25 * std::max({std::fabs(u), std::fabs(v), 0.5 * reach});
    if (half_side == 0.0) {
        half_side = 1.0;
    }
    const double margin = 0.25 * half_side;

    val drawing = val::object();
    drawing.set("origin", coordinates(o));
    drawing.set("xAxis", coordinates(point3(x)));
    drawing.set("yAxis", coordinates(point3(y)));
    drawing.set("normal", coordinates(point3(revareza::cross(x, y))));
    drawing.set("point", coordinates(p));
    drawing.set("halfSide", half_side);
    drawing.set("image", image_is_point ? coordinates(on_plane) : val::null());
    if (type == 1) {
        drawing.set("direction", coordinates(point3(last)));
        drawing.set("projector", stretch(on_plane, last, {offset(p, on_plane, last), 0.0}, margin));
    } else {
        const Point3 c = point3(last);
        drawing.set("centre", coordinates(c));
        const HVector towards_point(p.x - c.x, p.y - c.y, p.z - c.z, 0.0);
        if (image_is_point) {
            drawing.set("projector", stretch(on_plane, towards_point,
                                             {offset(p, on_plane, towards_point),
                                              offset(c, on_plane, towards_point), 0.0},
                                             margin));
        } else {
            // The line from C through the point runs parallel to the plane.
            drawing.set("projector", stretch(c, towards_point, {offset(p, c, towards_point) + margin}, 0.0));
        }
    }
    return drawing;
}

// One definition: type 1 (parallel) or 2 (perspective) and the fifteen
// field texts. The answer holds either an error (a call the page should
// never make), or the refusal (the program's message, and which vector it
// blames), or the texts the program prints (echoes, result line, matrix),
// the steps of the matrix and the scene.
val compute(int type, const val& texts)
{
    val answer = val::object();
    if ((type != 1 && type != 2) || texts["length"].as<int>() != FIELD_COUNT) {
        answer.set("error", std::string("compute takes the type 1 or 2 and fifteen texts"));
        return answer;
    }
    std::string fields[FIELD_COUNT];
    std::string_view views[FIELD_COUNT];
    for (int i = 0; i < FIELD_COUNT; ++i) {
        fields[i] = texts[i].as<std::string>();
        views[i] = fields[i];
    }
    const ProjectionType projection = static_cast<ProjectionType>(type);
    const revareza::DefinitionReading reading = revareza::read_definition(projection, views);
    if (reading.problem != revareza::Problem::NONE) {
        answer.set("message", std::string(revareza::problem_message(reading.problem, reading.role)));
        answer.set("refusedVector", vector_index(reading.role));
        return answer;
    }

    const Definition& d = reading.definition;
    val echoes = val::array();
    echoes.call<void>("push", text_of(revareza::echo(d.x)), text_of(revareza::y_echo(d.x, d.y)));
    if (projection == ProjectionType::PARALLEL) {
        echoes.call<void>("push", text_of(revareza::echo(d.direction)));
    }
    const revareza::ProjectionSteps steps = revareza::projection_steps(d);
    const Matrix4 m = revareza::product(steps);
    const HVector y = revareza::orthogonal_y(d.x, d.y);
    const HVector last = projection == ProjectionType::PARALLEL ? d.direction : d.centre;
    answer.set("echoes", echoes);
    answer.set("result", result_line(m, d.point));
    answer.set("matrix", matrix_text(m));
    answer.set("steps", steps_of(steps));
    answer.set("scene", scene(type, d.origin, d.x, y, d.point, last, m * d.point));
    return answer;
}

} // namespace

EMSCRIPTEN_BINDINGS(revareza)
{
    emscripten::function("compute", &compute);
}
