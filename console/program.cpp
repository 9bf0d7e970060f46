#include "console/program.hpp"

#include "console/dialogues.hpp"
#include "console/line_editing.hpp"
#include "console/menu.hpp"
#include "console/mode.hpp"
#include "console/program_exit.hpp"
#include "console/prompt.hpp"

#include <revareza/version.hpp>

#include <cstring>
#include <iostream>

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

} // namespace

int run_program(int argc, char* argv[], LineEditing line_editing)
{
    // The standard streams get buffers of their own instead of going through
    // C stdio one character at a time; every flush is still a write.
    std::ios::sync_with_stdio(false);

    // Only the first argument is ever looked at; anything unknown is ignored.
    if (argc > 1) {
        if (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0) {
            print_usage();
            return output_status();
        }
        if (std::strcmp(argv[1], "--version") == 0) {
            std::cout << "revareza " REVAREZA_VERSION_STRING "\n";
            return output_status();
        }
        if (std::strcmp(argv[1], "--matrizes") == 0) {
            interactive_mode = false;
            print_projected_point = false;
        } else if (is_unknown_option(argv[1])) {
            std::cerr << "Opcao desconhecida ignorada: " << argv[1] << " (veja revareza --help)" << std::endl;
        }
    }

    // Pending prompts must be visible before every read.
    std::cin.tie(&std::cout);
    // Answers typed on a terminal can be edited and recalled; matrix mode
    // reads a terminal as any other input.
    if (interactive_mode && line_editing == LineEditing::ON_A_TERMINAL) {
        start_line_editing();
    }

    prompt << "Atencao: Antes de executar este programa, leia as instrucoes de uso\n";
    int type = 0;
    do {
        type = read_projection_type();
        if (type == 1) {
            run_parallel_dialogue();
        } else if (type == 2) {
            run_perspective_dialogue();
        }
        stop_if_output_failed();
    } while (type != 0);
    return output_status();
}

} // namespace revareza
