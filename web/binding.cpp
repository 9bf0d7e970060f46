// The web page's binding (WebAssembly, embind): one definition as typed into
// the page, read and computed by the library as the interactive dialogue
// reads and computes it, and handed back as the program's texts and as the
// points the page draws. Every number and every text comes from here; the
// page only shows the texts and draws the points.
#include <revareza/revareza.hpp>
#include <revareza/text/number_input.hpp>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <initializer_list>
#include <cmath>
#include <ios>
#include <istream>
#include <sstream>
#include <string>

namespace {

using emscripten::val;
using revareza::HVector;
using revareza::Matrix4;

// The definition's vectors in the order the dialogue asks for them, three
// fields each: the point to project, the plane's origin, X, Y, and the
// direction of projection (type 1) or the centre (type 2).
enum Vector { POINT, ORIGIN, X_AXIS, Y_AXIS, LAST };

// Reads the vectors in the dialogue's order and keeps the first refusal,
// with the message matrix mode ends with for it.
class DefinitionReader {
public:
    explicit DefinitionReader(const val& texts) : texts_(texts) {}

    HVector point(Vector vector)
    {
        double v[3];
        if (!read_three(vector, v)) {
            refuse(vector, "Erro na leitura de um ponto!");
            return HVector();
        }
        return HVector(v[0], v[1], v[2], 1.0);
    }

    HVector direction(Vector vector)
    {
        double v[3];
        if (!read_three(vector, v)) {
            refuse(vector, "Erro na leitura de um vetor!");
        } else if (v[0] == 0.0 && v[1] == 0.0 && v[2] == 0.0) { // -0.0 counts as zero
            refuse(vector, "Erro: leitura de vetor degenerado!");
        } else {
            return HVector(v[0], v[1], v[2], 0.0);
        }
        return HVector(0.0, 0.0, 1.0, 0.0);
    }

    bool refused() const { return message_ != nullptr; }
    const char* message() const { return message_; }
    int refused_vector() const { return vector_; }

private:
    // A field holds one number, read as the program reads it, and nothing
    // but white space around it.
    static bool read_number(const std::string& text, double& value)
    {
        std::istringstream in(text);
        revareza::extract_double(in, value);
        if (in.fail()) {
            return false;
        }
        in >> std::ws;
        return in.eof();
    }

    bool read_three(Vector vector, double (&v)[3]) const
    {
        for (int i = 0; i < 3; ++i) {
            if (!read_number(texts_[3 * vector + i].as<std::string>(), v[i])) {
                return false;
            }
        }
        return true;
    }

    void refuse(Vector vector, const char* message)
    {
        if (message_ == nullptr) {
            message_ = message;
            vector_ = vector;
        }
    }

    const val& texts_;
    const char* message_ = nullptr;
    int vector_ = -1;
};

std::string text_of(const HVector& v)
{
    std::ostringstream out;
    out << v;
    return out.str();
}

std::string matrix_text(const Matrix4& m)
{
    std::ostringstream out;
    revareza::print_matrix(m, out);
    return out.str();
}

// The result line as interactive mode prints it, without its newline: the
// image's x and y, or, for a point whose image has weight 0 (at infinity),
// the line that says it has none.
std::string result_line(const Matrix4& m, const HVector& point)
{
    if (revareza::image_weight(m, point) == 0.0) {
        return "O ponto nao tem projecao no plano de revareza, pois pertence ao plano paralelo a ele que passa "
               "pelo centro.";
    }
    const HVector image = m * point;
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(5);
    out << "O resultado da revareza e': (" << image.x() << "," << image.y() << ")";
    return out.str();
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
// field texts. The answer holds either the refusal (message, and which
// vector) or the texts the program prints (echoes, result line, matrix)
// and the scene.
val compute(int type, const val& texts)
{
    DefinitionReader reader(texts);
    const HVector point = reader.point(POINT);
    const HVector origin = reader.point(ORIGIN);
    const HVector x = reader.direction(X_AXIS);
    const HVector read_y = reader.direction(Y_AXIS);
    const HVector last = type == 1 ? reader.direction(LAST) : reader.point(LAST);

    val answer = val::object();
    if (reader.refused()) {
        answer.set("message", std::string(reader.message()));
        answer.set("refusedVector", reader.refused_vector());
        return answer;
    }

    const HVector y = revareza::orthogonal_y(x, read_y);
    val echoes = val::array();
    echoes.call<void>("push", "Usando o vetor " + text_of(x),
                      (revareza::within_ortho_tolerance(x, read_y)
                           ? "Usando o vetor "
                           : "O vetor passado nao e' ortogonal ao vetor X, usando ") +
                          text_of(y));
    if (type == 1) {
        echoes.call<void>("push", "Usando o vetor " + text_of(last));
    }

    const Matrix4 m = type == 1 ? revareza::build_parallel_projection(origin, x, y, last)
                                : revareza::build_perspective_projection(origin, x, y, last);
    const HVector image = m * point;
    answer.set("echoes", echoes);
    answer.set("result", result_line(m, point));
    answer.set("matrix", matrix_text(m));
    answer.set("scene", scene(type, origin, x, y, point, last, image));
    return answer;
}

} // namespace

EMSCRIPTEN_BINDINGS(revareza)
{
    emscripten::function("compute", &compute);
}
