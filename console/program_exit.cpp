#include "console/program_exit.hpp"

#include <revareza/definition/messages.hpp>

#include <ostream>

namespace revareza {
namespace {

int fail(Console& console, const char* message, ExitStatus status)
{
    console.out.flush(); // what was printed before the error stays printed
    console.err << message << std::endl;
    return status;
}

} // namespace

int exit_status(Console& console, Stop stop)
{
    switch (stop) {
    case Stop::UNREADABLE_TYPE:
        return fail(console, portuguese_texts().unreadable_type, EXIT_BAD_TYPE);
    case Stop::UNREADABLE_POINT:
        return fail(console, problem_message(Problem::UNREADABLE, Role::POINT), EXIT_BAD_NUMBER);
    case Stop::UNREADABLE_VECTOR:
        return fail(console, problem_message(Problem::UNREADABLE, Role::X), EXIT_BAD_NUMBER);
    case Stop::ZERO_DIRECTION:
        return fail(console, problem_message(Problem::ZERO_DIRECTION, Role::X), EXIT_ZERO_DIRECTION);
    case Stop::READ_FAILED:
        return fail(console, portuguese_texts().read_failed, EXIT_READ_FAILED);
    case Stop::NONE:
    case Stop::END_OF_INPUT:
    case Stop::WRITE_FAILED:
        break;
    }
    // A full disk, a closed descriptor or a pipe without reader shows only
    // when the buffered text is written.
    console.out.flush();
    if (console.out.fail()) {
        return fail(console, portuguese_texts().write_failed, EXIT_WRITE_FAILED);
    }
    return EXIT_OK;
}

} // namespace revareza
