// Every text the program writes, in one language: a text set. The program,
// the web page and the Python module write their words from a set, never
// from texts of their own, so that a text is changed in one place and a
// language is one more set of the same shape.
//
// portuguese_texts() is the program's own set (plain ASCII, an acute e
// written e'), byte for byte what it prints; english_texts() is the same
// set in English, for library users' messages (the Python module's errors
// say why in its reasons).
//
//   #include <revareza/definition/text_set.hpp>
//
//   std::cout << revareza::portuguese_texts().menu_question; // Entre com a sua opcao:
#pragma once

#include <revareza/definition/classification.hpp>
#include <revareza/definition/projection_types.hpp>

namespace revareza {

/// Why a definition is refused, one text per reason.
struct ReasonTexts {
    /// Matrix mode's errors for a vector that holds no number.
    const char* unreadable_point;
    const char* unreadable_vector;
    /// A direction of (0, 0, 0).
    const char* zero_direction;
    /// The reasons a definition has no projection (Problem).
    const char* y_parallel_to_x;
    const char* direction_parallel_to_plane;
    const char* centre_in_plane;
    const char* not_finite;
};

/// Why a form's field holds no number (FieldProblem), in a few words.
struct FieldTexts {
    const char* empty;
    const char* not_a_number;
    const char* text_after_number;
    const char* out_of_range;
    const char* too_long;
};

/// What a projection is called (classification.hpp): each kind's and each
/// name's text, by the value of ProjectionKind and ProjectionName.
struct ClassificationTexts {
    const char* kinds[PROJECTION_KIND_COUNT];
    const char* names[PROJECTION_NAME_COUNT];
};

/// The web page's definition form: the type's legend and each type's name
/// (after "[number] ", in the order of projection_type_at), the
/// shortcuts' labels with the hints their titles give, and the choice of a
/// classical projection (its label, the choice of none, the field of the
/// obliques' receding axis).
struct FormTexts {
    const char* type_legend;
    const char* type_names[PROJECTION_TYPE_COUNT];
    const char* orthogonal;
    const char* orthogonal_hint;
    const char* recentre;
    const char* recentre_hint;
    const char* classical;
    const char* classical_none;
    const char* classical_angle;
};

/// The page's object: its heading, the choice of object, the solid's fields,
/// the list's labels (the points' around their format, x y z), the table of
/// its points, and why it is refused. The list's refusals read
/// "{list}: {reason}", or "{list}, linha {line}: {reason}" (at_line); their
/// limits stand in them as {limit}.
struct ObjectTexts {
    const char* heading;
    const char* none;
    const char* cube;
    const char* tetrahedron;
    const char* house;
    const char* list;
    const char* solid_legend;
    const char* centre;
    const char* size;
    const char* points_before;
    const char* points_after;
    const char* edges_label;
    const char* table;
    const char* point_column;
    const char* result_column;
    const char* size_not_positive;
    const char* points;
    const char* edges;
    const char* refusal;
    const char* at_line;
    const char* point_count;
    const char* edge_count;
    const char* no_such_point;
    const char* too_long;
    const char* too_many_points;
    const char* too_many_edges;
};

/// The page's result line where it holds no result: a type that is none of
/// the program's, a vector whose numbers in the address were not three
/// ({count} numbers, {numbers} the word for them, {letter} the vector's),
/// the library failing ({error}); and what is said over the drawing then.
struct ResultTexts {
    const char* heading;
    const char* unknown_type;
    const char* choose_type;
    const char* address_count;
    const char* address_vector_count;
    const char* number;
    const char* numbers;
    const char* fix_vector;
    const char* fix_field;
    const char* library_failed;
    const char* no_result;
};

/// The page's drawings: the 3D view's description, why nothing is drawn,
/// the legend's words (its letters are the roles'; the world's axes and
/// ground), the plane seen face on (its description, its title before the
/// result line, its legends of the rings and of the vanishing points, a
/// vanishing point's mark, {axis} the world axis) and its download.
struct DrawingTexts {
    const char* view_label;
    const char* no_webgl;
    const char* too_large;
    const char* plane;
    const char* projector;
    const char* object;
    const char* object_image;
    const char* behind;
    const char* world;
    const char* plane_label;
    const char* plane_title;
    const char* behind_image;
    const char* vanishing_legend;
    const char* vanishing_mark;
    const char* download;
};

/// The projection's name under the result: the heading, and its measures
/// ({angle} in degrees, {factor}, a vanishing point's {axis}, {x}, {y}).
struct NamingTexts {
    const char* heading;
    const char* angle;
    const char* foreshortening;
    const char* vanishing_point;
};

/// The steps of the matrix: the heading, how they combine, each kind's
/// title (a perspective's translation is by -C) and what it moves where
/// and why (a perspective's translation and shear have their own), the
/// names of the parameters, the words after an angle in radians and in
/// degrees, what a negative distance means; and the stepper: its label,
/// what it shows, the stage shown ({step} of {count}, the step's {title}),
/// the table of coordinates (its caption, its first column, a point with
/// no position).
struct StepTexts {
    const char* heading;
    const char* introduction;
    const char* translation;
    const char* translation_by_centre;
    const char* rotation_y;
    const char* rotation_z;
    const char* rotation_x;
    const char* shear;
    const char* perspective;
    const char* translation_why;
    const char* translation_by_centre_why;
    const char* rotation_y_why;
    const char* rotation_z_why;
    const char* rotation_x_why;
    const char* shear_why;
    const char* shear_by_centre_why;
    const char* perspective_why;
    const char* offset;
    const char* angle;
    const char* shear_x;
    const char* shear_y;
    const char* distance;
    const char* radians;
    const char* degrees;
    const char* negative_distance;
    const char* stepper;
    const char* stepper_introduction;
    const char* stage_start;
    const char* stage;
    const char* coordinates;
    const char* vector_column;
    const char* no_position;
};

/// The matrix: its heading and the command that prints it, the copies'
/// buttons (the one for WebGL with its hint, those with five decimals with
/// theirs) and the copied text's label.
struct MatrixTexts {
    const char* heading;
    const char* command;
    const char* copy;
    const char* program;
    const char* numpy;
    const char* latex;
    const char* columns;
    const char* columns_hint;
    const char* numpy_decimals;
    const char* latex_decimals;
    const char* decimals_hint;
    const char* copied;
};

/// Every text of the web page, but the notices it shows before the library
/// loads (opened as a file, the library not loading), which stay in its
/// HTML. {name} stands for what the page or its binding puts in.
struct PageTexts {
    /// After the program's name, in the heading and the window's title.
    const char* subtitle;
    FormTexts form;
    ObjectTexts object;
    ResultTexts result;
    DrawingTexts drawing;
    NamingTexts naming;
    StepTexts steps;
    MatrixTexts matrix;
};

/// One language's texts.
struct TextSet {
    /// The usage text of -h and --help, its lines ended by newlines.
    const char* usage;
    /// The notice interactive mode starts with, ended by a newline.
    const char* notice;
    /// Standard error's line for an unknown option: the first text, the
    /// option, the second.
    const char* unknown_option;
    const char* unknown_option_hint;

    /// The menu: an entry per type (after "[number] "), in the order of
    /// projection_type_at, and the entry of 0 that ends the program; the
    /// question, and what a malformed answer gets.
    const char* menu_entries[PROJECTION_TYPE_COUNT];
    const char* menu_end;
    const char* menu_question;
    const char* menu_retry;

    /// The question for each role, by role_index, ending in ": ".
    const char* questions[ROLE_COUNT];
    /// Each role's name, by role_index, as a message names the vector it
    /// blames (the Python module's arguments are the English ones).
    const char* role_names[ROLE_COUNT];
    /// What a malformed answer, or a zero direction, gets before the
    /// answer is read again.
    const char* retry;
    /// The echo of a direction used, before its text form; and of a Y that
    /// was replaced by one orthogonal to X.
    const char* echo;
    const char* y_replaced;
    /// The result line, before "(x,y)".
    const char* result;
    /// In place of the result, for a point without image.
    const char* no_image;
    /// The note for a point behind the centre.
    const char* behind_centre;

    ReasonTexts reasons;
    FieldTexts fields;
    ClassificationTexts classification;

    /// Matrix mode's error for an unreadable type; the errors for standard
    /// input that cannot be read and standard output that cannot be
    /// written.
    const char* unreadable_type;
    const char* read_failed;
    const char* write_failed;

    PageTexts page;
};

/// The program's texts.
const TextSet& portuguese_texts() noexcept;

/// The same texts in English.
const TextSet& english_texts() noexcept;

} // namespace revareza
