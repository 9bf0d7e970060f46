#include "console/readers.hpp"

#include "console/mode.hpp"
#include "console/program_exit.hpp"
#include <revareza/text/number_input.hpp>

#include <iostream>

namespace revareza {
namespace {

const char* const kRetryMessage = "Dados invalidos, tente novamente: ";

// Three numbers in one chained extraction: after a failure the rest fail
// too, and the partial values are not used.
bool read_three(double& x, double& y, double& z)
{
    flush_prompt();
    extract_double(std::cin, x);
    extract_double(std::cin, y);
    extract_double(std::cin, z);
    return !std::cin.fail();
}

bool all_zero(double x, double y, double z)
{
    return x == 0.0 && y == 0.0 && z == 0.0; // -0.0 counts as zero
}

} // namespace

void stop_if_input_unreadable()
{
    if (std::cin.bad()) {
        fail_input("Erro na leitura da entrada padrao!", EXIT_READ_FAILED);
    }
}

void flush_prompt()
{
    if (interactive_mode) {
        // The read would flush it through the tie too, but only after
        // waiting for input, and without a word if it failed.
        std::cout.flush();
        stop_if_output_failed();
    }
}

void recover_input(const char* retry_message)
{
    stop_if_input_unreadable();
    // Once the input has ended no retry can succeed: stop as on type 0.
    if (std::cin.fail() && std::cin.eof()) {
        end_program();
    }
    std::cin.clear();
    std::cin.ignore(255, '\n');
    stop_if_input_unreadable(); // the discarding is a read too
    std::cout << retry_message;
}

HVector read_point()
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    if (interactive_mode) {
        while (!read_three(x, y, z)) {
            recover_input(kRetryMessage);
        }
    } else if (!read_three(x, y, z)) {
        stop_if_input_unreadable();
        fail_input("Erro na leitura de um ponto!", EXIT_BAD_NUMBER);
    }
    return HVector(x, y, z, 1.0);
}

HVector read_vector()
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    if (interactive_mode) {
        while (!read_three(x, y, z) || all_zero(x, y, z)) {
            recover_input(kRetryMessage);
        }
    } else if (!read_three(x, y, z)) {
        stop_if_input_unreadable();
        fail_input("Erro na leitura de um vetor!", EXIT_BAD_NUMBER);
    } else if (all_zero(x, y, z)) {
        fail_input("Erro: leitura de vetor degenerado!", EXIT_ZERO_DIRECTION);
    }
    return HVector(x, y, z, 0.0);
}

} // namespace revareza
