#include "console/program_exit.hpp"

#include <cstdio>
#include <iostream>

namespace revareza {

int output_status()
{
    // A full disk, a closed descriptor or a pipe without reader shows only
    // when the buffered text is written, so flush both layers first.
    std::cout.flush();
    if (std::cout.fail() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "Erro na escrita da saida padrao!" << std::endl;
        return EXIT_WRITE_FAILED;
    }
    return EXIT_OK;
}

void end_program()
{
    exit_process(output_status());
}

void stop_if_output_failed()
{
    if (std::cout.fail()) {
        end_program();
    }
}

void fail_input(const char* message, ExitStatus status)
{
    std::cerr << message << std::endl;
    exit_process(status);
}

} // namespace revareza
