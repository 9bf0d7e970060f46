// The web page's binding (WebAssembly, embind): one definition as typed into
// the page, and the object placed beside its point, read, checked and
// computed by the library (revareza::definition) as the interactive
// dialogue reads, checks and computes it, and handed back as the program's
// texts, why each refused field is refused, the steps of the matrix, the
// matrix in the forms it is copied in, and the points the page draws.
// Every number and every text comes from the library; the page shows the
// texts and scales the points for drawing.
//
// Nothing the page passes can exhaust the module: a field longer than
// FIELD_MAX_LENGTH, or a list longer than LIST_MAX_LENGTH, is refused from
// its length, before it is copied in; anything else than the arguments
// compute() takes is refused with an error, and no C++ exception or
// JavaScript one crosses it, so every handle and every allocation is freed.
#include "web/objects.hpp"

#include <revareza/definition/matrix_forms.hpp>
#include <revareza/definition/messages.hpp>
#include <revareza/definition/text_fields.hpp>
#include <revareza/revareza.hpp>
#include <revareza/text/number_output.hpp>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <malloc.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using emscripten::val;
using revareza::Definition;
using revareza::FieldProblem;
using revareza::HVector;
using revareza::Matrix4;
using revareza::ProjectionType;
using revareza::Role;
using revareza::web::ObjectReading;

// The fields: three for each of the point, the plane's origin, X, Y, and
// the direction of projection (type 1) or the centre (type 2).
constexpr int FIELD_COUNT = 15;

// What compute says to a call the page never makes.
constexpr char BAD_CALL[] = "compute takes the type 1 or 2, fifteen texts and an object or nothing";

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

std::string result_line(const Matrix4& m, const HVector& point)
{
    std::ostringstream out;
    revareza::write_result(out, m, point);
    return out.str();
}

// A coordinate as the result line writes it.
std::string measure_text(double v)
{
    std::ostringstream out;
    revareza::write_coordinate(out, v);
    return out.str();
}

template <typename... T>
val array_of(const T&... items)
{
    val array = val::array();
    (array.call<void>("push", items), ...);
    return array;
}

val coordinates(const HVector& v) { return array_of(v.x(), v.y(), v.z()); }

// A JavaScript string no longer than limit characters, copied in; false
// for anything else, which is not copied.
bool short_text(const val& value, std::size_t limit, std::string& text)
{
    if (!value.isString() || value["length"].as<double>() > static_cast<double>(limit)) {
        return false;
    }
    text = value.as<std::string>();
    return true;
}

// A field of the page: its text, or none for one too long (then read as
// empty, and refused as too long).
struct Field {
    std::string text;
    bool too_long = false;
};

Field field_of(const val& value)
{
    Field field;
    field.too_long = !short_text(value, revareza::FIELD_MAX_LENGTH, field.text);
    return field;
}

val field_answer(const Field& field, FieldProblem problem)
{
    val answer = val::object();
    answer.set("text", field.too_long ? val::null() : val(revareza::point_decimal_text(field.text)));
    answer.set("message", std::string(revareza::field_message(field.too_long ? FieldProblem::TOO_LONG : problem)));
    return answer;
}

// Each step: its name, its parameters (a rotation's angle in degrees too),
// each with 17 significant digits, and its matrix as the program prints it
// and in column-major order.
val steps_of(const revareza::ProjectionSteps& steps)
{
    val list = val::array();
    for (int i = 0; i < steps.count; ++i) {
        const revareza::ProjectionStep& step = steps.step[i];
        val parameters = val::array();
        for (int p = 0; p < revareza::parameter_count(step.kind); ++p) {
            val parameter = val::object();
            parameter.set("name", std::string(revareza::parameter_name(step.kind, p)));
            parameter.set("value", revareza::significant_text(step.parameter[p]));
            if (revareza::is_rotation(step.kind)) {
                parameter.set("degrees", revareza::significant_text(revareza::degrees(step.parameter[p])));
            }
            parameters.call<void>("push", parameter);
        }
        val entry = val::object();
        entry.set("name", std::string(revareza::step_name(step.kind)));
        entry.set("parameters", parameters);
        entry.set("matrix", revareza::matrix_text(step.matrix, revareza::MatrixForm::PROGRAM));
        entry.set("columns", revareza::matrix_text(step.matrix, revareza::MatrixForm::COLUMN_MAJOR));
        list.call<void>("push", entry);
    }
    return list;
}

// Where the image (u, v) of the plane's frame lies in space: O + u X + v Y.
HVector in_space(const HVector& o, const HVector& x, const HVector& y, double u, double v)
{
    return HVector(o.x() + u * x.x() + v * y.x(), o.y() + u * x.y() + v * y.y(), o.z() + u * x.z() + v * y.z(), 1.0);
}

// What the page draws, in space: the plane's frame as the dialogue made it
// and its normal X x Y, the point, D or C, and the image, on the plane
// (u, v) and in space, where the point has one.
val scene_of(const Definition& d, const HVector& y, const Matrix4& m)
{
    val scene = val::object();
    scene.set("origin", coordinates(d.origin));
    scene.set("xAxis", coordinates(d.x));
    scene.set("yAxis", coordinates(y));
    scene.set("normal", coordinates(revareza::cross(d.x, y)));
    scene.set("point", coordinates(d.point));
    if (d.type == ProjectionType::PARALLEL) {
        scene.set("direction", coordinates(d.direction));
    } else {
        scene.set("centre", coordinates(d.centre));
    }
    const HVector image = m * d.point;
    const bool imaged = revareza::has_image(m, d.point);
    scene.set("plane", imaged ? array_of(image.x(), image.y()) : val::null());
    scene.set("image", imaged ? coordinates(in_space(d.origin, d.x, y, image.x(), image.y())) : val::null());
    return scene;
}

val plane_point(const revareza::web::PlanePoint& p) { return array_of(p.u, p.v); }

// An edge's image on the plane: its parts, each {start, end} (a segment)
// or {start, direction} (a ray), as [u, v] along X and Y.
val image_parts(const revareza::web::EdgeImage& image)
{
    val parts = val::array();
    for (int i = 0; i < image.count; ++i) {
        const revareza::web::ImagePart& part = image.part[i];
        val entry = val::object();
        entry.set("start", plane_point(part.start));
        entry.set(part.ray ? "direction" : "end", plane_point(part.end));
        parts.call<void>("push", entry);
    }
    return parts;
}

// The object's points, their texts (17 digits, as a program reads them
// back) and, under the definition's matrix where it has one, their images
// on the plane and in space, the program's result line for each, which
// lie behind the centre, and each edge's image on the plane (image_parts).
val object_points(const ObjectReading& object, const Definition* d, const HVector& y, const Matrix4& m)
{
    val points = val::array();
    val texts = val::array();
    val plane = val::array();
    val images = val::array();
    val results = val::array();
    val behind = val::array();
    for (const HVector& p : object.points) {
        points.call<void>("push", coordinates(p));
        texts.call<void>("push", revareza::significant_text(p.x()) + " " + revareza::significant_text(p.y()) + " "
                                     + revareza::significant_text(p.z()));
        if (d == nullptr) {
            continue;
        }
        const HVector image = m * p;
        const bool imaged = revareza::has_image(m, p);
        plane.call<void>("push", imaged ? array_of(image.x(), image.y()) : val::null());
        images.call<void>("push",
                          imaged ? coordinates(in_space(d->origin, d->x, y, image.x(), image.y())) : val::null());
        results.call<void>("push", result_line(m, p));
        behind.call<void>("push", revareza::behind_centre(m, p));
    }
    val edges = val::array();
    val edge_images = val::array();
    for (const revareza::web::Edge& e : object.edges) {
        edges.call<void>("push", array_of(e.from, e.to));
        if (d != nullptr) {
            edge_images.call<void>("push", image_parts(revareza::web::edge_image(m, object.points[e.from],
                                                                                 object.points[e.to])));
        }
    }
    val answer = val::object();
    answer.set("points", points);
    answer.set("texts", texts);
    answer.set("edges", edges);
    if (d != nullptr) {
        answer.set("edgeImages", edge_images);
        answer.set("plane", plane);
        answer.set("images", images);
        answer.set("results", results);
        answer.set("behind", behind);
    }
    return answer;
}

const char* const LIST_PROBLEMS[] = {"", "numero", "quantidade", "ponto", "longa", "muitos"};

// The object the page places: nothing, a solid ({kind: 'cubo',
// 'tetraedro' or 'casa', centre: three texts, size: a text}) or a list
// ({kind: 'lista', points: a text, edges: a text}). False for anything
// else.
bool read_object(const val& given, ObjectReading& object, val& fields, val& problem, bool& present)
{
    present = !given.isUndefined() && !given.isNull();
    if (!present) {
        return true;
    }
    if (given.typeOf().as<std::string>() != "object" || !given["kind"].isString()) {
        return false;
    }
    const std::string kind = given["kind"].as<std::string>();
    if (kind == "lista") {
        std::string points;
        std::string edges;
        const val points_text = given["points"];
        const val edges_text = given["edges"];
        if (!points_text.isString() || !edges_text.isString()) {
            return false;
        }
        const bool fit = short_text(points_text, revareza::web::LIST_MAX_LENGTH, points)
                         && short_text(edges_text, revareza::web::LIST_MAX_LENGTH, edges);
        object = fit ? revareza::web::read_point_list(points, edges) : ObjectReading();
        if (!fit) {
            object.list_problem = revareza::web::ListProblem::TOO_LONG;
            object.in_edges = points_text["length"].as<double>() <= revareza::web::LIST_MAX_LENGTH;
        }
        if (object.list_problem != revareza::web::ListProblem::NONE) {
            problem = val::object();
            problem.set("reason", std::string(LIST_PROBLEMS[static_cast<int>(object.list_problem)]));
            problem.set("list", std::string(object.in_edges ? "arestas" : "pontos"));
            problem.set("line", object.line);
            problem.set("message", std::string(revareza::field_message(object.number)));
        }
        return true;
    }
    const revareza::web::Solid solid = kind == "cubo"        ? revareza::web::Solid::CUBE
                                       : kind == "tetraedro" ? revareza::web::Solid::TETRAHEDRON
                                                             : revareza::web::Solid::HOUSE;
    const val centre = given["centre"];
    if ((kind != "cubo" && kind != "tetraedro" && kind != "casa") || !centre.isArray()
        || centre["length"].as<double>() != 3.0) {
        return false;
    }
    const val values[4] = {centre[0], centre[1], centre[2], given["size"]};
    Field texts[4];
    for (int i = 0; i < 4; ++i) {
        if (!values[i].isString()) {
            return false;
        }
        texts[i] = field_of(values[i]);
    }
    const std::string_view centre_texts[3] = {texts[0].text, texts[1].text, texts[2].text};
    object = revareza::web::read_solid(solid, centre_texts, texts[3].text);
    for (int i = 0; i < 4; ++i) {
        fields.call<void>("push", field_answer(texts[i], object.field[i]));
    }
    if (object.size_not_positive) {
        problem = val::object();
        problem.set("reason", std::string("tamanho"));
    }
    return true;
}

val error(const char* text)
{
    val answer = val::object();
    answer.set("error", std::string(text));
    return answer;
}

// One definition: type 1 (parallel) or 2 (perspective), the fifteen field
// texts, and the object or undefined. The answer holds either an error (a
// call the page never makes), or each field's text for the address and
// why it is refused, and then the refusal (the program's message, and
// which vector it blames), or the texts the program prints (echoes, result
// line, matrix), the matrix's copies, steps and scene; and the object.
val compute(const val& type_value, const val& texts, const val& object_value)
{
    if (!type_value.isNumber() || (type_value.as<double>() != 1.0 && type_value.as<double>() != 2.0)) {
        return error(BAD_CALL);
    }
    if (!texts.isArray() || texts["length"].as<double>() != FIELD_COUNT) {
        return error(BAD_CALL);
    }
    Field fields[FIELD_COUNT];
    std::string_view views[FIELD_COUNT];
    for (int i = 0; i < FIELD_COUNT; ++i) {
        const val text = texts[i];
        if (!text.isString()) {
            return error(BAD_CALL);
        }
        fields[i] = field_of(text);
        views[i] = fields[i].text;
    }
    ObjectReading object;
    val object_fields = val::array();
    val object_problem = val::null();
    bool has_object = false;
    if (!read_object(object_value, object, object_fields, object_problem, has_object)) {
        return error("the object is {kind: 'cubo', 'tetraedro' or 'casa', centre: [3 texts], size: a text}, "
                     "{kind: 'lista', points: a text, edges: a text}, or undefined");
    }

    const ProjectionType projection = type_value.as<double>() == 1.0 ? ProjectionType::PARALLEL
                                                                      : ProjectionType::PERSPECTIVE;
    const revareza::DefinitionReading reading = revareza::read_definition(projection, views);
    val answer = val::object();
    val field_answers = val::array();
    for (int i = 0; i < FIELD_COUNT; ++i) {
        field_answers.call<void>("push", field_answer(fields[i], reading.field[i]));
    }
    answer.set("fields", field_answers);

    const Definition& d = reading.definition;
    const HVector y = revareza::orthogonal_y(d.x, d.y);
    const revareza::ProjectionSteps steps = revareza::projection_steps(d);
    const Matrix4 m = revareza::product(steps);
    const bool refused = reading.problem != revareza::Problem::NONE;
    if (has_object) {
        val object_answer = object.refused() ? val::object() : object_points(object, refused ? nullptr : &d, y, m);
        object_answer.set("fields", object_fields);
        object_answer.set("problem", object_problem);
        answer.set("object", object_answer);
    }
    if (refused) {
        answer.set("message", std::string(revareza::problem_message(reading.problem, reading.role)));
        answer.set("refusedVector", vector_index(reading.role));
        return answer;
    }

    val echoes = array_of(text_of(revareza::echo(d.x)), text_of(revareza::y_echo(d.x, d.y)));
    if (projection == ProjectionType::PARALLEL) {
        echoes.call<void>("push", text_of(revareza::echo(d.direction)));
    }
    const HVector image = m * d.point;
    const bool imaged = revareza::has_image(m, d.point);
    val copies = val::object();
    copies.set("programa", revareza::matrix_text(m, revareza::MatrixForm::PROGRAM));
    copies.set("numpy", revareza::matrix_text(m, revareza::MatrixForm::NUMPY));
    copies.set("latex", revareza::matrix_text(m, revareza::MatrixForm::LATEX));
    copies.set("colunas", revareza::matrix_text(m, revareza::MatrixForm::COLUMN_MAJOR));
    const HVector normal = revareza::cross(d.x, y);
    val measures = val::null();
    if (imaged) {
        measures = val::object();
        measures.set("x", measure_text(image.x()));
        measures.set("y", measure_text(image.y()));
    }
    answer.set("echoes", echoes);
    answer.set("result", result_line(m, d.point));
    answer.set("matrix", copies["programa"]);
    answer.set("copies", copies);
    answer.set("steps", steps_of(steps));
    answer.set("normal", array_of(revareza::significant_text(normal.x()), revareza::significant_text(normal.y()),
                                  revareza::significant_text(normal.z())));
    answer.set("note", std::string(revareza::behind_centre(m, d.point) ? revareza::portuguese_texts().behind_centre : ""));
    answer.set("measures", measures);
    answer.set("scene", scene_of(d, y, m));
    return answer;
}

// The questions the program asks, in the page's order of vectors: the
// point, the origin, X, Y, the direction and the centre.
val questions()
{
    return array_of(std::string(revareza::question(Role::POINT)), std::string(revareza::question(Role::ORIGIN)),
                    std::string(revareza::question(Role::X)), std::string(revareza::question(Role::Y)),
                    std::string(revareza::question(Role::DIRECTION)), std::string(revareza::question(Role::CENTRE)));
}

// Bytes of the module's heap in use: the tests watch it stay flat.
double memory_in_use()
{
    return static_cast<double>(mallinfo().uordblks);
}

} // namespace

EMSCRIPTEN_BINDINGS(revareza)
{
    emscripten::function("compute", &compute);
    emscripten::function("questions", &questions);
    emscripten::function("memoryInUse", &memory_in_use);
    emscripten::constant("FIELD_MAX_LENGTH", static_cast<double>(revareza::FIELD_MAX_LENGTH));
    emscripten::constant("LIST_MAX_LENGTH", static_cast<double>(revareza::web::LIST_MAX_LENGTH));
    emscripten::constant("OBJECT_MAX_POINTS", static_cast<double>(revareza::web::OBJECT_MAX_POINTS));
    emscripten::constant("OBJECT_MAX_EDGES", static_cast<double>(revareza::web::OBJECT_MAX_EDGES));
}
