#include "console/program.hpp"

#include "console/dialogues.hpp"
#include "console/line_editing.hpp"
#include "console/menu.hpp"
#include "console/program_exit.hpp"
#include "console/prompt.hpp"

#include <revareza/definition/text_set.hpp>
#include <revareza/version.hpp>

#include <cstring>
#include <istream>
#include <ostream>

namespace revareza {
namespace {

// A mistyped option (--matrices, -m) would otherwise start interactive mode
// without a word, answering the menu with whatever is piped in. "-" (by
// custom standard input, which is read anyway) and "--" (the end of the
// options) are not options, and a word is ignored in silence as always.
bool is_unknown_option(const char* argument)
{
    return argument[0] == '-' && std::strcmp(argument, "-") != 0 && std::strcmp(argument, "--") != 0;
}

// The notice, then one request after another until type 0.
Stop run_menu(Console& console)
{
    PromptStream prompt(console);
    prompt << portuguese_texts().notice;
    for (;;) {
        const TypeReading reading = read_projection_type(console);
        if (reading.stop != Stop::NONE || reading.type == 0) {
            return reading.stop;
        }
        // Matrix mode reads any integer: a number of no type runs nothing.
        ProjectionType type;
        if (type_of_number(reading.type, type)) {
            const Stop stop = run_dialogue(console, type);
            if (stop != Stop::NONE) {
                return stop;
            }
        }
        // A filter with nowhere to write stops working.
        if (console.out.fail()) {
            return Stop::WRITE_FAILED;
        }
    }
}

} // namespace

int run_program(int argc, char* argv[], std::istream& in, std::ostream& out, std::ostream& err,
                LineEditing line_editing)
{
    Console console{in, out, err, Mode::INTERACTIVE};
    // Only the first argument is ever looked at; anything unknown is ignored.
    if (argc > 1) {
        if (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0) {
            print_usage(out);
            return exit_status(console, Stop::NONE);
        }
        if (std::strcmp(argv[1], "--version") == 0) {
            out << "revareza " REVAREZA_VERSION_STRING "\n";
            return exit_status(console, Stop::NONE);
        }
        if (std::strcmp(argv[1], "--matrizes") == 0) {
            console.mode = Mode::MATRICES;
        } else if (is_unknown_option(argv[1])) {
            err << portuguese_texts().unknown_option << argv[1] << portuguese_texts().unknown_option_hint << std::endl;
        }
    }

    // Pending prompts must be visible before every read.
    in.tie(&out);
    // Answers typed on a terminal can be edited and recalled; matrix mode
    // reads a terminal as any other input.
    const Stop stop = console.mode == Mode::INTERACTIVE && line_editing == LineEditing::ON_A_TERMINAL
        ? run_with_line_editing(console, run_menu)
        : run_menu(console);
    return exit_status(console, stop);
}

} // namespace revareza
