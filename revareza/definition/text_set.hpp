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
};

/// The program's texts.
const TextSet& portuguese_texts() noexcept;

/// The same texts in English.
const TextSet& english_texts() noexcept;

} // namespace revareza
