#pragma once

#include "console/console.hpp"

#include <revareza/definition/definition.hpp>

namespace revareza {

/// The questions of interactive mode. On a terminal each one keeps the
/// answers typed to it during the run, for Up and Down to recall.
enum class Question { MENU, POINT, ORIGIN, X, Y, DIRECTION, CENTRE };

/// The question that asks for the vector in this role.
constexpr Question question_of(Role role) noexcept
{
    switch (role) {
    case Role::POINT:
        return Question::POINT;
    case Role::ORIGIN:
        return Question::ORIGIN;
    case Role::X:
        return Question::X;
    case Role::Y:
        return Question::Y;
    case Role::DIRECTION:
        return Question::DIRECTION;
    case Role::CENTRE:
        break;
    }
    return Question::CENTRE;
}

/// Runs body on the console, with line editing when the program was built
/// with libedit and standard input and output are both terminals (the
/// console's streams must be the process's own): the line being typed can
/// be edited (arrows, Home, End, Backspace, the usual control keys), Up and
/// Down recall earlier answers, and the text the console's output left
/// unfinished before a read is the line's prompt. The terminal is put back
/// as it was when body returns, and before a signal ends or stops the
/// process. Nothing is read from or written to any file. Anywhere else,
/// body(console) as it is.
Stop run_with_line_editing(Console& console, Stop (*body)(Console&));

/// The lines read from here on answer question: with line editing, Up
/// recalls this run's earlier answers to it, most recent first. Without
/// line editing, nothing.
void answering(Console& console, Question question);

} // namespace revareza
