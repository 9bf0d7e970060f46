#include "console/dialogues.hpp"

#include "console/line_editing.hpp"
#include "console/prompt.hpp"
#include "console/readers.hpp"

#include <revareza/definition/messages.hpp>

#include <ostream>

namespace revareza {
namespace {

// Asks for the vector in role, as a point or a unit direction.
Reading ask(Console& console, Role role)
{
    PromptStream prompt(console);
    prompt << question(role);
    answering(console, static_cast<Question>(static_cast<int>(role) + 1));
    return is_direction(role) ? read_vector(console) : read_point(console);
}

// In interactive mode, the line that says why the vector just read gives
// no projection, before its question comes again.
void refuse(Console& console, Problem problem, Role role)
{
    console.out << problem_message(problem, role) << '\n';
}

} // namespace

Stop run_dialogue(Console& console, ProjectionType type)
{
    const bool interactive = console.mode == Mode::INTERACTIVE;
    PromptStream prompt(console);
    Definition d;
    d.type = type;
    Reading r;

    if (interactive) { // matrix mode has no point: it stays the origin
        if ((r = ask(console, Role::POINT)).stop != Stop::NONE) {
            return r.stop;
        }
        d.point = r.vector;
    }
    if ((r = ask(console, Role::ORIGIN)).stop != Stop::NONE) {
        return r.stop;
    }
    d.origin = r.vector;
    if ((r = ask(console, Role::X)).stop != Stop::NONE) {
        return r.stop;
    }
    d.x = r.vector;
    prompt << echo(d.x) << prompt_end;

    for (;;) {
        if ((r = ask(console, Role::Y)).stop != Stop::NONE) {
            return r.stop;
        }
        d.y = r.vector;
        const Problem problem = check_plane(d.x, d.y);
        if (!interactive || problem == Problem::NONE) {
            break;
        }
        refuse(console, problem, Role::Y);
    }
    prompt << y_echo(d.x, d.y) << prompt_end;

    const Role last = last_role(type);
    for (;;) {
        if ((r = ask(console, last)).stop != Stop::NONE) {
            return r.stop;
        }
        (type == ProjectionType::PARALLEL ? d.direction : d.centre) = r.vector;
        const Problem problem = interactive ? check(d) : Problem::NONE;
        // Numbers too large (NOT_FINITE) are no fault of this one vector:
        // the result line says so.
        if (problem != Problem::DIRECTION_PARALLEL_TO_PLANE && problem != Problem::CENTRE_IN_PLANE) {
            break;
        }
        refuse(console, problem, last);
    }
    if (type == ProjectionType::PARALLEL) {
        prompt << echo(d.direction) << prompt_end;
    }

    // Matrix mode makes Y as it always has: its matrices stay the same.
    const Matrix4 m = interactive ? projection_matrix(d) : unchecked_projection_matrix(d);
    if (interactive) {
        write_result(console.out, m, d.point);
    } else {
        print_matrix(m, console.out);
    }
    console.out << std::endl; // after a matrix, an empty line
    return console.out.fail() ? Stop::WRITE_FAILED : Stop::NONE;
}

} // namespace revareza
