// The web page's binding (WebAssembly, embind): one definition as typed into
// the page, and the object placed beside its point, read, checked and
// computed by the library (revareza::definition) as the interactive
// dialogue reads, checks and computes it, and handed back as the program's
// texts, why each refused field is refused, the projection's name, the
// steps of the matrix and the scene after each, the matrix in the forms it
// is copied in, and the points the page draws. Every number and every text
// comes from the library; the page shows the texts and scales the points
// for drawing. The page builds itself from types() (each type's number and
// vectors in order, projection_types), texts() (its words, the page's part
// of the program's text set), objects() (what it may place beside the
// point) and classicals() (the classical projections, which classical()
// writes into its fields).
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

// The largest magnitude among numbers shown together, which decides how
// readable_text writes each.
double largest(std::initializer_list<double> values)
{
    double scale = 0.0;
    for (const double v : values) {
        scale = std::fmax(scale, std::fabs(v));
    }
    return scale;
}

// A vector's coordinates as the page shows them among numbers whose
// largest magnitude is scale: five decimals where they read so
// (readable_text).
val coordinate_texts(const HVector& v, double scale)
{
    val texts = val::array();
    for (const double c : {v.x(), v.y(), v.z()}) {
        texts.call<void>("push", revareza::readable_text(c, scale));
    }
    return texts;
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

// What a step moves where, and why. A perspective's translation and shear
// bring the centre to the origin and O over it.
const char* step_explanation(revareza::StepKind kind, ProjectionType type)
{
    const revareza::StepTexts& t = page_texts().steps;
    const bool perspective = type == ProjectionType::PERSPECTIVE;
    switch (kind) {
    case revareza::StepKind::TRANSLATION:
        return perspective ? t.translation_by_centre_why : t.translation_why;
    case revareza::StepKind::ROTATION_Y:
        return t.rotation_y_why;
    case revareza::StepKind::ROTATION_Z:
        return t.rotation_z_why;
    case revareza::StepKind::ROTATION_X:
        return t.rotation_x_why;
    case revareza::StepKind::SHEAR:
        return perspective ? t.shear_by_centre_why : t.shear_why;
    case revareza::StepKind::PERSPECTIVE:
        break;
    }
    return t.perspective_why;
}

// A step's parameters in the page's words, with five decimals, so that
// rounding noise reads 0.00000 (an offset's, a shear's or a distance's
// numbers from DECIMAL_TEXT_CEILING on in scientific notation): "angulo =
// -0.78540 rad = -45.00000 graus".
std::string parameter_text(const revareza::ProjectionStep& step)
{
    const revareza::StepTexts& t = page_texts().steps;
    const double* p = step.parameter;
    const auto readable = [](double v, double scale) { return revareza::readable_text(v, std::fmax(1.0, scale)); };
    switch (step.kind) {
    case revareza::StepKind::TRANSLATION: {
        const double scale = largest({p[0], p[1], p[2]});
        return std::string(t.offset) + " = (" + readable(p[0], scale) + ", " + readable(p[1], scale) + ", "
               + readable(p[2], scale) + ")";
    }
    case revareza::StepKind::SHEAR: {
        const double scale = largest({p[0], p[1]});
        return std::string(t.shear_x) + " = " + readable(p[0], scale) + "; " + t.shear_y + " = "
               + readable(p[1], scale);
    }
    case revareza::StepKind::PERSPECTIVE:
        return std::string(t.distance) + " = " + readable(p[0], std::fabs(p[0]));
    case revareza::StepKind::ROTATION_Y:
    case revareza::StepKind::ROTATION_Z:
    case revareza::StepKind::ROTATION_X:
        break;
    }
    return std::string(t.angle) + " = " + revareza::decimal_text(p[0]) + " " + t.radians + " = "
           + revareza::decimal_text(revareza::degrees(p[0])) + " " + t.degrees;
}

// Each step: its name, title and explanation, its parameters (a rotation's
// angle in degrees too) each with 17 significant digits and all in the
// page's words with five decimals, what a negative distance means, and its
// matrix as the program prints it, as the page shows it (decimal_text) and
// in column-major order.
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
        entry.set("explanation", std::string(step_explanation(step.kind, type)));
        entry.set("parameters", parameters);
        entry.set("parameterText", parameter_text(step));
        const bool negative = step.kind == revareza::StepKind::PERSPECTIVE && step.parameter[0] < 0.0;
        entry.set("note", std::string(negative ? page_texts().steps.negative_distance : ""));
        entry.set("matrix", revareza::matrix_text(step.matrix, revareza::MatrixForm::PROGRAM));
        entry.set("decimals", revareza::matrix_text(step.matrix, revareza::MatrixForm::DECIMALS));
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
    // Keyed by the roles' English names.
    val letters = val::object();
    for (int i = 0; i < revareza::ROLE_COUNT; ++i) {
        const Role role = revareza::role_at(i);
        letters.set(revareza::english_texts().role_names[i], std::string(revareza::describe(role).letter));
    }
    scene.set("letters", letters);
    const HVector image = m * d.point;
    const bool imaged = revareza::has_image(m, d.point);
    scene.set("plane", imaged ? array_of(image.x(), image.y()) : val::null());
    scene.set("image", imaged ? coordinates(in_space(d.origin, d.x, y, image.x(), image.y())) : val::null());
    return scene;
}

// Directions moved as m moves them: m with its last row (0, 0, 0, 1). The
// steps before the perspective one are affine, and this is m itself; the
// perspective step divides no direction of the plane (its rows above the
// last are the identity's), so X and Y stay as the shear left them instead
// of turning into points through rounding noise in their weight.
Matrix4 direction_map(const Matrix4& m)
{
    double e[16] = {};
    for (int i = 0; i < 12; ++i) {
        e[i] = m(i / 4, i % 4);
    }
    e[15] = 1.0;
    return Matrix4(e);
}

// A point after the first steps (m; null for none): its position, or none
// where its weight is 0 (the centre, and points level with it, after the
// perspective step).
struct Moved {
    bool placed;
    HVector at;
};

Moved moved(const Matrix4* m, const HVector& p)
{
    if (m == nullptr) {
        return {true, p};
    }
    return revareza::has_image(*m, p) ? Moved{true, *m * p} : Moved{false, HVector()};
}

// A direction after the first steps (m: direction_map of their product;
// null for none), which always has one.
Moved turned(const Matrix4* m, const HVector& v)
{
    return {true, m == nullptr ? v : *m * v};
}

val position(const Moved& p) { return p.placed ? coordinates(p.at) : val::null(); }

// A row of the table of coordinates: the vector's letter and its
// coordinates as the page shows them among numbers of that scale, or null
// where it has no position.
val coordinate_row(const std::string& letter, const Moved& p, double scale)
{
    val row = val::object();
    row.set("letter", letter);
    row.set("texts", p.placed ? coordinate_texts(p.at, scale) : val::null());
    return row;
}

// The largest coordinate of the points placed: the scale of the table's
// points, so that one at rounding noise from 0 beside the others reads
// 0.00000, and all of them at 1e-300 read in scientific notation.
double scale_of(std::initializer_list<Moved> points)
{
    double scale = 0.0;
    for (const Moved& p : points) {
        if (p.placed) {
            scale = std::fmax(scale, largest({p.at.x(), p.at.y(), p.at.z()}));
        }
    }
    return scale;
}

// The scene after each number of steps, from none to all: the plane's
// origin, X, Y and their normal, the point and its image (in space), D or
// C, and the object's points and their images, each moved by the product
// of the first steps (that of the builder's matrix at the last), as the
// page draws them; and the table of P, P', O, X, Y and D or C.
val stages_of(const Definition& d, const HVector& y, const revareza::ProjectionSteps& steps, const Matrix4& m,
              const ObjectReading* object)
{
    const Role last = revareza::last_role(d.type);
    const std::string letter_of_last = revareza::describe(last).letter;
    const std::string point_letter = revareza::describe(Role::POINT).letter;
    const HVector plane_image = m * d.point;
    const bool imaged = revareza::has_image(m, d.point);
    const HVector image = in_space(d.origin, d.x, y, plane_image.x(), plane_image.y());
    // The object's images in space, where its points have them.
    std::vector<Moved> object_images;
    if (object != nullptr) {
        for (const HVector& p : object->points) {
            const HVector at = m * p;
            const bool has = revareza::has_image(m, p);
            object_images.push_back({has, has ? in_space(d.origin, d.x, y, at.x(), at.y()) : HVector()});
        }
    }
    val stages = val::array();
    for (int k = 0; k <= steps.count; ++k) {
        const Matrix4 t = revareza::product(steps, k);
        const Matrix4* points = k == 0 ? nullptr : &t;
        const Matrix4 turning = direction_map(t);
        const Matrix4* directions = k == 0 ? nullptr : &turning;
        const Moved origin = moved(points, d.origin);
        const Moved point = moved(points, d.point);
        const Moved moved_image = imaged ? moved(points, image) : Moved{false, HVector()};
        const Moved x = turned(directions, d.x);
        const Moved yy = turned(directions, y);
        const HVector& given = revareza::vector_in(d, last);
        const Moved final_vector = last == Role::CENTRE ? moved(points, given) : turned(directions, given);
        val scene = val::object();
        scene.set("origin", position(origin));
        scene.set("xAxis", position(x));
        scene.set("yAxis", position(yy));
        scene.set("normal", coordinates(revareza::cross(x.at, yy.at)));
        scene.set("point", position(point));
        scene.set("image", position(moved_image));
        scene.set(last == Role::CENTRE ? "centre" : "direction", position(final_vector));
        // The points' coordinates among the points', the unit directions'
        // among numbers of 1.
        const double scale = scale_of({point, moved_image, origin, last == Role::CENTRE ? final_vector : origin});
        val rows = array_of(coordinate_row(point_letter, point, scale));
        if (imaged) {
            rows.call<void>("push", coordinate_row(point_letter + "'", moved_image, scale));
        }
        for (const auto& [role, p] : {std::pair{Role::ORIGIN, origin}, std::pair{Role::X, x}, std::pair{Role::Y, yy},
                                      std::pair{last, final_vector}}) {
            rows.call<void>("push", coordinate_row(revareza::describe(role).letter, p,
                                                   revareza::is_direction(role) ? 1.0 : scale));
        }
        val stage = val::object();
        stage.set("scene", scene);
        stage.set("rows", rows);
        if (object != nullptr) {
            val object_points = val::array();
            val images = val::array();
            for (std::size_t i = 0; i < object->points.size(); ++i) {
                object_points.call<void>("push", position(moved(points, object->points[i])));
                images.call<void>("push", object_images[i].placed ? position(moved(points, object_images[i].at))
                                                                  : val::null());
            }
            val moved_object = val::object();
            moved_object.set("points", object_points);
            moved_object.set("images", images);
            stage.set("object", moved_object);
        }
        stages.call<void>("push", stage);
    }
    return stages;
}

// The projection's kind and name (their keys and the page's texts), its
// measures in the page's words (the angle with the plane and the
// foreshortening of a parallel one, each vanishing point of a
// perspective), and the vanishing points on the plane, along X and Y.
val classification_of(const Definition& d)
{
    const revareza::Classification c = revareza::classify(d);
    const revareza::TextSet& set = revareza::portuguese_texts();
    const revareza::NamingTexts& t = set.page.naming;
    val measures = val::array();
    val points = val::array();
    if (c.kind == revareza::ProjectionKind::PERSPECTIVE) {
        for (int i = 0; i < c.vanishing_point_count; ++i) {
            const revareza::VanishingPoint& v = c.vanishing_points[i];
            const double scale = largest({v.x, v.y});
            measures.call<void>("push", filled(t.vanishing_point, {{"axis", std::string(1, v.axis)},
                                                                   {"x", revareza::readable_text(v.x, scale)},
                                                                   {"y", revareza::readable_text(v.y, scale)}}));
            val point = val::object();
            point.set("axis", std::string(1, v.axis));
            point.set("at", array_of(v.x, v.y));
            points.call<void>("push", point);
        }
    } else {
        measures.call<void>("push", filled(t.angle, {{"angle", revareza::decimal_text(c.angle_degrees)}}));
        measures.call<void>("push", filled(t.foreshortening,
                                           {{"factor", revareza::readable_text(c.foreshortening, c.foreshortening)}}));
    }
    val answer = val::object();
    answer.set("kind", std::string(revareza::key(c.kind)));
    answer.set("name", std::string(revareza::key(c.name)));
    answer.set("kindText", std::string(revareza::kind_text(set, c.kind)));
    answer.set("nameText", std::string(revareza::name_text(set, c.name)));
    answer.set("measures", measures);
    answer.set("vanishingPoints", points);
    return answer;
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
    val echo_letters = val::array();
    for (int i = 0; i < type.role_count; ++i) {
        const Role role = type.roles[i];
        if (revareza::is_echoed(role)) {
            echoes.call<void>("push", text_of(revareza::echo_of(d, role)));
            echo_letters.call<void>("push", std::string(revareza::describe(role).letter));
        }
    }
    const HVector image = m * d.point;
    const bool imaged = revareza::has_image(m, d.point);
    val copies = val::object();
    copies.set("program", revareza::matrix_text(m, revareza::MatrixForm::PROGRAM));
    copies.set("numpy", revareza::matrix_text(m, revareza::MatrixForm::NUMPY));
    copies.set("latex", revareza::matrix_text(m, revareza::MatrixForm::LATEX));
    copies.set("columns", revareza::matrix_text(m, revareza::MatrixForm::COLUMN_MAJOR));
    copies.set("numpyDecimals", revareza::matrix_text(m, revareza::MatrixForm::NUMPY_DECIMALS));
    copies.set("latexDecimals", revareza::matrix_text(m, revareza::MatrixForm::LATEX_DECIMALS));
    // x and y as the page writes them, the larger deciding (readable_text):
    // the result line keeps the program's five decimals.
    val measures = val::null();
    if (imaged) {
        const double scale = largest({image.x(), image.y()});
        measures = val::object();
        measures.set("x", revareza::readable_text(image.x(), scale));
        measures.set("y", revareza::readable_text(image.y(), scale));
    }
    answer.set("echoes", echoes);
    answer.set("echoLetters", echo_letters);
    answer.set("result", result_line(m, d.point));
    answer.set("matrix", copies["program"]);
    answer.set("copies", copies);
    answer.set("steps", steps_of(steps, projection));
    answer.set("orthogonal", orthogonal_of(revareza::cross(d.x, y)));
    answer.set("note", std::string(revareza::behind_centre(m, d.point) ? revareza::portuguese_texts().behind_centre : ""));
    answer.set("measures", measures);
    answer.set("scene", scene_of(d, y, m));
    answer.set("classification", classification_of(d));
    const bool object_placed = has_object && !object.refused();
    answer.set("stages", stages_of(d, y, steps, m, object_placed ? &object : nullptr));
    return answer;
}

// The classical projections in a course's order: each one's key (the
// address's classica=), its name on the page, and whether it takes the
// angle of a receding axis (the obliques), with that angle's text unless
// told.
val classicals()
{
    val list = val::array();
    for (const revareza::ProjectionName name : revareza::CLASSICAL_PROJECTIONS) {
        Definition d;
        revareza::classical_projection(name, d);
        val entry = val::object();
        entry.set("key", std::string(revareza::key(name)));
        entry.set("name", std::string(revareza::name_text(revareza::portuguese_texts(), name)));
        const bool receding = revareza::classify(d).kind == revareza::ProjectionKind::OBLIQUE;
        entry.set("receding", receding);
        if (receding) {
            entry.set("angle", revareza::significant_text(revareza::RECEDING_AXIS_DEGREES));
        }
        list.call<void>("push", entry);
    }
    return list;
}

// The classical projection of this key, its receding axis at the angle in
// degrees the text holds (read as a field is): its type's number, each of
// its vectors' fields (17 significant digits, which read back to its
// numbers) by their name, and the cube it is framed for, as compute()
// takes an object. For an angle that is no number, why, in the page's
// words; an error for a key that is none of classicals().
val classical(const val& key, const val& angle)
{
    std::string name;
    Field angle_field;
    if (!short_text(key, 100, name) || !angle.isString()) {
        return error("classical takes the key of one of classicals() and the angle's text");
    }
    angle_field = field_of(angle);
    double degrees = 0.0;
    const FieldProblem problem = angle_field.too_long ? FieldProblem::TOO_LONG
                                                      : revareza::read_field(angle_field.text, degrees);
    revareza::ProjectionName named = revareza::ProjectionName::OBLIQUE;
    Definition d;
    if (!revareza::name_of_key(name, named) || !revareza::classical_projection(named, d)) {
        return error("classical takes the key of one of classicals() and the angle's text");
    }
    val answer = val::object();
    if (problem != FieldProblem::NONE) {
        answer.set("message", std::string(revareza::field_message(problem)));
        return answer;
    }
    revareza::classical_projection(named, d, degrees);
    const TypeDescription& type = revareza::describe(d.type);
    val vectors = val::object();
    for (int i = 0; i < type.role_count; ++i) {
        const HVector& v = revareza::vector_in(d, type.roles[i]);
        vectors.set(revareza::describe(type.roles[i]).field,
                    array_of(revareza::significant_text(v.x()), revareza::significant_text(v.y()),
                             revareza::significant_text(v.z())));
    }
    const std::string origin = revareza::significant_text(0.0);
    val cube = val::object();
    cube.set("kind", std::string(OBJECT_KINDS[0].kind));
    cube.set("centre", array_of(origin, origin, origin));
    cube.set("size", revareza::significant_text(revareza::CLASSICAL_CUBE_SIDE));
    answer.set("type", type.number);
    answer.set("vectors", vectors);
    answer.set("object", cube);
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
                           {"recentre_hint", f.recentre_hint}, {"classical", f.classical},
                           {"classical_none", f.classical_none}, {"classical_angle", f.classical_angle}});
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
                                   {"world", d.world},
                                   {"plane_label", d.plane_label},
                                   {"plane_title", d.plane_title},
                                   {"behind_image", d.behind_image},
                                   {"vanishing_legend", d.vanishing_legend},
                                   {"vanishing_mark", d.vanishing_mark},
                                   {"download", d.download}}));
    const revareza::NamingTexts& n = t.naming;
    all.set("naming", text_group({{"heading", n.heading},
                                  {"angle", n.angle},
                                  {"foreshortening", n.foreshortening},
                                  {"vanishing_point", n.vanishing_point}}));
    all.set("steps", text_group({{"heading", s.heading},
                                 {"introduction", s.introduction},
                                 {"translation", s.translation},
                                 {"translation_by_centre", s.translation_by_centre},
                                 {"rotation_y", s.rotation_y},
                                 {"rotation_z", s.rotation_z},
                                 {"rotation_x", s.rotation_x},
                                 {"shear", s.shear},
                                 {"perspective", s.perspective},
                                 {"translation_why", s.translation_why},
                                 {"translation_by_centre_why", s.translation_by_centre_why},
                                 {"rotation_y_why", s.rotation_y_why},
                                 {"rotation_z_why", s.rotation_z_why},
                                 {"rotation_x_why", s.rotation_x_why},
                                 {"shear_why", s.shear_why},
                                 {"shear_by_centre_why", s.shear_by_centre_why},
                                 {"perspective_why", s.perspective_why},
                                 {"offset", s.offset},
                                 {"angle", s.angle},
                                 {"shear_x", s.shear_x},
                                 {"shear_y", s.shear_y},
                                 {"distance", s.distance},
                                 {"radians", s.radians},
                                 {"degrees", s.degrees},
                                 {"negative_distance", s.negative_distance},
                                 {"stepper", s.stepper},
                                 {"stepper_introduction", s.stepper_introduction},
                                 {"stage_start", s.stage_start},
                                 {"stage", s.stage},
                                 {"coordinates", s.coordinates},
                                 {"vector_column", s.vector_column},
                                 {"no_position", s.no_position}}));
    all.set("matrix", text_group({{"heading", m.heading},
                                  {"command", m.command},
                                  {"copy", m.copy},
                                  {"program", m.program},
                                  {"numpy", m.numpy},
                                  {"latex", m.latex},
                                  {"columns", m.columns},
                                  {"columns_hint", m.columns_hint},
                                  {"numpy_decimals", m.numpy_decimals},
                                  {"latex_decimals", m.latex_decimals},
                                  {"decimals_hint", m.decimals_hint},
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
    emscripten::function("classicals", &classicals);
    emscripten::function("classical", &classical);
    emscripten::function("texts", &texts);
    emscripten::function("memoryInUse", &memory_in_use);
    // Every member of PageTexts is a text, or a list of texts.
    emscripten::constant("PAGE_TEXT_COUNT", static_cast<double>(sizeof(revareza::PageTexts) / sizeof(const char*)));
    emscripten::constant("FIELD_MAX_LENGTH", static_cast<double>(revareza::FIELD_MAX_LENGTH));
    emscripten::constant("LIST_MAX_LENGTH", static_cast<double>(revareza::web::LIST_MAX_LENGTH));
    emscripten::constant("OBJECT_MAX_POINTS", static_cast<double>(revareza::web::OBJECT_MAX_POINTS));
    emscripten::constant("OBJECT_MAX_EDGES", static_cast<double>(revareza::web::OBJECT_MAX_EDGES));
}
