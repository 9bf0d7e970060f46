#pragma once

namespace revareza {

/// The questions of interactive mode. On a terminal each one keeps the
/// answers typed to it during the run, for Up and Down to recall.
enum class Question { MENU, POINT, ORIGIN, X, Y, DIRECTION, CENTRE };

/// From here to the end of the process, if standard input and standard
/// output are both terminals and the program was built with libedit,
/// std::cin takes its lines from libedit: the line being typed can be
/// edited (arrows, Home, End, Backspace, the usual control keys), Up and
/// Down recall earlier answers, and the text std::cout left unfinished
/// before the read is the line's prompt. Nothing is read from or written to
/// any file. Anywhere else nothing changes. Called once, before any read.
void start_line_editing();

/// The lines read from here on answer question: with line editing, Up
/// recalls this run's earlier answers to it, most recent first. Without
/// line editing, nothing.
void answering(Question question);

} // namespace revareza
