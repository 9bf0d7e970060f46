// The web page's binding (WebAssembly, embind): one definition as typed into
// the page, and the object placed beside its point, read, checked and
// computed by the library (revareza::definition) as the interactive
// dialogue reads, checks and computes it, and handed back as the program's
// texts, why each refused field is refused, the steps of the matrix, the
// matrix in the forms it is copied in, and the points the page draws.
// Every number and every text comes from the library; the page shows the
// texts and scales the points for drawing. The page builds itself from
// types() (each type's number and vectors in order, projection_types),
// texts() (its words, the page's part of the program's text set) and
// objects() (what it may place beside the point).
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

#include <cmath>
#include <initializer_list>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using emscripten::val;
using revareza::Definition;
using revareza::FieldProblem;
using revareza::HVector;
using revareza::Matrix4;
using revareza::ProjectionType;
using revareza::Role;
using revareza::TypeDescription;
using revareza::web::ObjectReading;
using revareza::web::Solid;

// The fields: three for each vector of the type, in its order.
constexpr int FIELD_COUNT = revareza::DEFINITION_FIELD_COUNT;

// What compute says to a call the page never makes.
constexpr char BAD_CALL[] = "compute takes a type's number, fifteen texts and an object or nothing";

// The page's words.
const revareza::PageTexts& page_texts()
{
    return revareza::portuguese_texts().page;
}

// The objects the page may place, by the kind compute() takes and the
// page's address holds: the solids, then the pasted list.
struct ObjectKind {
    const char* kind;
    bool solid;
    Solid shape;
    const char* revareza::ObjectTexts::*name;
};

constexpr ObjectKind OBJECT_KINDS[] = {
    {"cubo", true, Solid::CUBE, &revareza::ObjectTexts::cube},
    {"tetraedro", true, Solid::TETRAHEDRON, &revareza::ObjectTexts::tetrahedron},
    {"casa", true, Solid::HOUSE, &revareza::ObjectTexts::house},
    {"lista", false, Solid::CUBE, &revareza::ObjectTexts::list}, // no shape: its points are pasted
};

// A text with each {name} in it replaced by its value.
std::string filled(std::string_view text, std::initializer_list<std::pair<std::string_view, std::string>> values)
{
    std::string out(text);
    for (const auto& [name, value] : values) {
        const std::string key = "{" + std::string(name) + "}";
        for (std::size_t at = out.find(key); at != std::string::npos; at = out.find(key, at + value.size())) {
            out.replace(at, key.size(), value);
        }
    }
    return out;
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

// A step's title in the page's words. A perspective's steps move the
// centre to the origin first (perspective_steps), a parallel projection's
// the plane's origin.
const char* step_title(revareza::StepKind kind, ProjectionType type)
{
    const revareza::StepTexts& t = page_texts().steps;
    switch (kind) {
    case revareza::StepKind::TRANSLATION:
        return type == ProjectionType::PERSPECTIVE ? t.translation_by_centre : t.translation;
    case revareza::StepKind::ROTATION_Y:
        return t.rotation_y;
    case revareza::StepKind::ROTATION_Z:
        return t.rotation_z;
    case revareza::StepKind::ROTATION_X:
        return t.rotation_x;
    case revareza::StepKind::SHEAR:
        return t.shear;
    case revareza::StepKind::PERSPECTIVE:
        break;
    }
    return t.perspective;
}

// Each step: its name and title, its parameters (a rotation's angle in
// degrees too), each with 17 significant digits, and its matrix as the
// program prints it and in column-major order.
val steps_of(const revareza::ProjectionSteps& steps, ProjectionType type)
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
        entry.set("title", std::string(step_title(step.kind, type)));
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
// (u, v) and in space, where the point has one; and each vector's letter.
val scene_of(const Definition& d, const HVector& y, const Matrix4& m)
{
    val scene = val::object();
    scene.set("origin", coordinates(d.origin));
    scene.set("xAxis", coordinates(d.x));
    scene.set("yAxis", coordinates(y));
    scene.set("normal", coordinates(revareza::cross(d.x, y)));
    scene.set("point", coordinates(d.point));
    const Role last = revareza::last_role(d.type);
    scene.set(last == Role::CENTRE ? "centre" : "direction", coordinates(revareza::vector_in(d, last)));
    // The letters the drawings name the vectors by.
    val letters = val::object();
    for (const auto& [key, role] : {std::pair{"point", Role::POINT}, std::pair{"origin", Role::ORIGIN},
                                    std::pair{"x", Role::X}, std::pair{"y", Role::Y},
                                    std::pair{"direction", Role::DIRECTION}, std::pair{"centre", Role::CENTRE}}) {
        letters.set(key, std::string(revareza::describe(role).letter));
    }
    scene.set("letters", letters);
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

// Why a pasted list is refused, in the page's words, its limit in it.
std::string list_reason(const ObjectReading& object)
{
    const revareza::ObjectTexts& t = page_texts().object;
    switch (object.list_problem) {
    case revareza::web::ListProblem::NONE:
        break;
    case revareza::web::ListProblem::NUMBER:
        return revareza::field_message(object.number);
    case revareza::web::ListProblem::COUNT:
        return object.in_edges ? t.edge_count : t.point_count;
    case revareza::web::ListProblem::NO_SUCH_POINT:
        return t.no_such_point;
    case revareza::web::ListProblem::TOO_LONG:
        return filled(t.too_long, {{"limit", std::to_string(revareza::web::LIST_MAX_LENGTH)}});
    case revareza::web::ListProblem::TOO_MANY:
        if (object.in_edges) {
            return filled(t.too_many_edges, {{"limit", std::to_string(revareza::web::OBJECT_MAX_EDGES)}});
        }
        return filled(t.too_many_points, {{"limit", std::to_string(revareza::web::OBJECT_MAX_POINTS)}});
    }
    return "";
}

// A refused list: which ('points' or 'edges'), the line (from 1, or 0 for
// the whole list) and the page's message.
val list_problem(const ObjectReading& object)
{
    const revareza::ObjectTexts& t = page_texts().object;
    val problem = val::object();
    problem.set("list", std::string(object.in_edges ? "edges" : "points"));
    problem.set("line", object.line);
    problem.set("message", filled(object.line > 0 ? t.at_line : t.refusal,
                                  {{"list", object.in_edges ? t.edges : t.points},
                                   {"line", std::to_string(object.line)},
                                   {"reason", list_reason(object)}}));
    return problem;
}

// The object the page places: nothing, a solid ({kind: a solid's kind in
// OBJECT_KINDS, centre: three texts, size: a text}) or a list ({kind:
// 'lista', points: a text, edges: a text}). False for anything else.
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
    const ObjectKind* known = nullptr;
    for (const ObjectKind& k : OBJECT_KINDS) {
        if (kind == k.kind) {
            known = &k;
        }
    }
    if (known == nullptr) {
        return false;
    }
    if (!known->solid) {
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
            problem = list_problem(object);
        }
        return true;
    }
    const val centre = given["centre"];
    if (!centre.isArray() || centre["length"].as<double>() != 3.0) {
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
    object = revareza::web::read_solid(known->shape, centre_texts, texts[3].text);
    for (int i = 0; i < 4; ++i) {
        fields.call<void>("push", field_answer(texts[i], object.field[i]));
    }
    // A size of no more than 0 is its field's to say.
    if (object.size_not_positive) {
        fields[3].set("message", std::string(page_texts().object.size_not_positive));
    }
    return true;
}

val error(const char* text)
{
    val answer = val::object();
    answer.set("error", std::string(text));
    return answer;
}

// The type whose number the page passes; false for anything but a type's
// number.
bool type_of(const val& value, ProjectionType& type)
{
    if (!value.isNumber()) {
        return false;
    }
    const double n = value.as<double>();
    return n >= 0.0 && n <= static_cast<double>(std::numeric_limits<int>::max()) && n == std::floor(n)
           && revareza::type_of_number(static_cast<int>(n), type);
}

// The parallel projection along the plane's normal onto the same plane:
// the type that has a direction of projection, the name of its fields and
// the normal's numbers (17 digits) for them.
val orthogonal_of(const HVector& normal)
{
    val orthogonal = val::object();
    for (int i = 0; i < revareza::PROJECTION_TYPE_COUNT; ++i) {
        const TypeDescription& t = revareza::projection_type_at(i);
        for (int r = 0; r < t.role_count; ++r) {
            if (t.roles[r] == Role::DIRECTION) {
                orthogonal.set("type", t.number);
                orthogonal.set("field", std::string(revareza::describe(Role::DIRECTION).field));
            }
        }
    }
    orthogonal.set("texts", array_of(revareza::significant_text(normal.x()), revareza::significant_text(normal.y()),
                                     revareza::significant_text(normal.z())));
    return orthogonal;
}

// One definition: a type's number, the fifteen field texts (three for each
// vector of the type, in its order), and the object or undefined. The
// answer holds either an error (a call the page never makes), or each
// field's text for the address and why it is refused, and then the
// refusal (the program's message, and the place of the vector it blames
// in the type's order), or the texts the program prints (echoes, result
// line, matrix), the matrix's copies, steps and scene, and the orthogonal
// projection onto the same plane; and the object.
val compute(const val& type_value, const val& texts, const val& object_value)
{
    ProjectionType projection = ProjectionType::PARALLEL;
    if (!type_of(type_value, projection)) {
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
        return error("the object is {kind: a solid of objects(), centre: [3 texts], size: a text}, "
                     "{kind: 'lista', points: a text, edges: a text}, or undefined");
    }

    const TypeDescription& type = revareza::describe(projection);
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
        for (int i = 0; i < type.role_count; ++i) {
            if (type.roles[i] == reading.role) {
                answer.set("refusedVector", i);
            }
        }
        return answer;
    }

    // Each vector echoed as the dialogue echoes it.
    val echoes = val::array();
    for (int i = 0; i < type.role_count; ++i) {
        if (revareza::is_echoed(type.roles[i])) {
            echoes.call<void>("push", text_of(revareza::echo_of(d, type.roles[i])));
        }
    }
    const HVector image = m * d.point;
    const bool imaged = revareza::has_image(m, d.point);
    val copies = val::object();
    copies.set("program", revareza::matrix_text(m, revareza::MatrixForm::PROGRAM));
    copies.set("numpy", revareza::matrix_text(m, revareza::MatrixForm::NUMPY));
    copies.set("latex", revareza::matrix_text(m, revareza::MatrixForm::LATEX));
    copies.set("columns", revareza::matrix_text(m, revareza::MatrixForm::COLUMN_MAJOR));
    val measures = val::null();
    if (imaged) {
        measures = val::object();
        measures.set("x", measure_text(image.x()));
        measures.set("y", measure_text(image.y()));
    }
    answer.set("echoes", echoes);
    answer.set("result", result_line(m, d.point));
    answer.set("matrix", copies["program"]);
    answer.set("copies", copies);
    answer.set("steps", steps_of(steps, projection));
    answer.set("orthogonal", orthogonal_of(revareza::cross(d.x, y)));
    answer.set("note", std::string(revareza::behind_centre(m, d.point) ? revareza::portuguese_texts().behind_centre : ""));
    answer.set("measures", measures);
    answer.set("scene", scene_of(d, y, m));
    return answer;
}

// Each type, in menu order: its number, and its vectors in the order asked,
// each with its fields' name, its letter, whether it is a point or a
// direction, and the program's question for it.
val types()
{
    val list = val::array();
    for (int i = 0; i < revareza::PROJECTION_TYPE_COUNT; ++i) {
        const TypeDescription& t = revareza::projection_type_at(i);
        val roles = val::array();
        for (int r = 0; r < t.role_count; ++r) {
            const revareza::RoleDescription& role = revareza::describe(t.roles[r]);
            val entry = val::object();
            entry.set("field", std::string(role.field));
            entry.set("letter", std::string(role.letter));
            entry.set("kind", std::string(role.kind == revareza::VectorKind::DIRECTION ? "direction" : "point"));
            entry.set("question", std::string(revareza::question(role.role)));
            roles.call<void>("push", entry);
        }
        val type = val::object();
        type.set("number", t.number);
        type.set("roles", roles);
        list.call<void>("push", type);
    }
    return list;
}

// The objects the page may place: each kind as compute() takes it, whether
// it is a solid (placed by a centre and a size) and its name on the page.
val objects()
{
    val list = val::array();
    for (const ObjectKind& k : OBJECT_KINDS) {
        val entry = val::object();
        entry.set("kind", std::string(k.kind));
        entry.set("solid", k.solid);
        entry.set("name", std::string(page_texts().object.*k.name));
        list.call<void>("push", entry);
    }
    return list;
}

// An object of texts, each member under its name in PageTexts.
using Members = std::initializer_list<std::pair<const char*, const char*>>;

val text_group(Members members)
{
    val group = val::object();
    for (const auto& [name, text] : members) {
        group.set(name, std::string(text));
    }
    return group;
}

// The page's texts, nested and named as PageTexts is: every text of it,
// which the module's test counts against PAGE_TEXT_COUNT.
val texts()
{
    const revareza::PageTexts& t = page_texts();
    const revareza::FormTexts& f = t.form;
    val form = text_group({{"type_legend", f.type_legend}, {"orthogonal", f.orthogonal},
                           {"orthogonal_hint", f.orthogonal_hint}, {"recentre", f.recentre},
                           {"recentre_hint", f.recentre_hint}});
    val type_names = val::array();
    for (const char* name : f.type_names) {
        type_names.call<void>("push", std::string(name));
    }
    form.set("type_names", type_names);
    const revareza::ObjectTexts& o = t.object;
    const revareza::ResultTexts& r = t.result;
    const revareza::DrawingTexts& d = t.drawing;
    const revareza::StepTexts& s = t.steps;
    const revareza::MatrixTexts& m = t.matrix;
    val all = val::object();
    all.set("subtitle", std::string(t.subtitle));
    all.set("form", form);
    all.set("object", text_group({{"heading", o.heading},
                                  {"none", o.none},
                                  {"cube", o.cube},
                                  {"tetrahedron", o.tetrahedron},
                                  {"house", o.house},
                                  {"list", o.list},
                                  {"solid_legend", o.solid_legend},
                                  {"centre", o.centre},
                                  {"size", o.size},
                                  {"points_before", o.points_before},
                                  {"points_after", o.points_after},
                                  {"edges_label", o.edges_label},
                                  {"table", o.table},
                                  {"point_column", o.point_column},
                                  {"result_column", o.result_column},
                                  {"size_not_positive", o.size_not_positive},
                                  {"points", o.points},
                                  {"edges", o.edges},
                                  {"refusal", o.refusal},
                                  {"at_line", o.at_line},
                                  {"point_count", o.point_count},
                                  {"edge_count", o.edge_count},
                                  {"no_such_point", o.no_such_point},
                                  {"too_long", o.too_long},
                                  {"too_many_points", o.too_many_points},
                                  {"too_many_edges", o.too_many_edges}}));
    all.set("result", text_group({{"heading", r.heading},
                                  {"unknown_type", r.unknown_type},
                                  {"choose_type", r.choose_type},
                                  {"address_count", r.address_count},
                                  {"address_vector_count", r.address_vector_count},
                                  {"number", r.number},
                                  {"numbers", r.numbers},
                                  {"fix_vector", r.fix_vector},
                                  {"fix_field", r.fix_field},
                                  {"library_failed", r.library_failed},
                                  {"no_result", r.no_result}}));
    all.set("drawing", text_group({{"view_label", d.view_label},
                                   {"no_webgl", d.no_webgl},
                                   {"too_large", d.too_large},
                                   {"plane", d.plane},
                                   {"projector", d.projector},
                                   {"object", d.object},
                                   {"object_image", d.object_image},
                                   {"behind", d.behind},
                                   {"plane_label", d.plane_label},
                                   {"plane_title", d.plane_title},
                                   {"behind_image", d.behind_image},
                                   {"download", d.download}}));
    all.set("steps", text_group({{"heading", s.heading},
                                 {"introduction", s.introduction},
                                 {"translation", s.translation},
                                 {"translation_by_centre", s.translation_by_centre},
                                 {"rotation_y", s.rotation_y},
                                 {"rotation_z", s.rotation_z},
                                 {"rotation_x", s.rotation_x},
                                 {"shear", s.shear},
                                 {"perspective", s.perspective},
                                 {"radians", s.radians},
                                 {"degrees", s.degrees}}));
    all.set("matrix", text_group({{"heading", m.heading},
                                  {"command", m.command},
                                  {"copy", m.copy},
                                  {"program", m.program},
                                  {"numpy", m.numpy},
                                  {"latex", m.latex},
                                  {"columns", m.columns},
                                  {"columns_hint", m.columns_hint},
                                  {"copied", m.copied}}));
    return all;
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
    emscripten::function("types", &types);
    emscripten::function("objects", &objects);
    emscripten::function("texts", &texts);
    emscripten::function("memoryInUse", &memory_in_use);
    // Every member of PageTexts is a text, or a list of texts.
    emscripten::constant("PAGE_TEXT_COUNT", static_cast<double>(sizeof(revareza::PageTexts) / sizeof(const char*)));
    emscripten::constant("FIELD_MAX_LENGTH", static_cast<double>(revareza::FIELD_MAX_LENGTH));
    emscripten::constant("LIST_MAX_LENGTH", static_cast<double>(revareza::web::LIST_MAX_LENGTH));
    emscripten::constant("OBJECT_MAX_POINTS", static_cast<double>(revareza::web::OBJECT_MAX_POINTS));
    emscripten::constant("OBJECT_MAX_EDGES", static_cast<double>(revareza::web::OBJECT_MAX_EDGES));
}
