#include "console/dialogues.hpp"

#include "console/line_editing.hpp"
#include "console/prompt.hpp"
#include "console/readers.hpp"

#include <revareza/definition/messages.hpp>
#include <revareza/definition/projection_types.hpp>

#include <ostream>

namespace revareza {
namespace {

// Asks for the vector in role, as a point or a unit direction.
Reading ask(Console& console, Role role)
{
    PromptStream prompt(console);
    prompt << question(role);
    answering(console, question_of(role));
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
    const TypeDescription& description = describe(type);
    for (int i = 0; i < description.role_count; ++i) {
        const Role role = description.roles[i];
        if (role == Role::POINT && !interactive) { // matrix mode has no point: it stays the origin
            continue;
        }
        for (;;) {
            const Reading r = ask(console, role);
            if (r.stop != Stop::NONE) {
                return r.stop;
            }
            vector_in(d, role) = r.vector;
            // Matrix mode takes any definition, and prints its matrix.
            const Problem problem = interactive ? refusal_after(d, role) : Problem::NONE;
            if (problem == Problem::NONE) {
                break;
            }
            refuse(console, problem, role);
        }
        if (is_echoed(role)) {
            prompt << echo_of(d, role) << prompt_end;
        }
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
