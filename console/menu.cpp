#include "console/menu.hpp"

#include "console/line_editing.hpp"
#include "console/mode.hpp"
#include "console/program_exit.hpp"
#include "console/readers.hpp"

#include <iostream>

namespace revareza {

void print_usage()
{
    std::cout << "Uso: revareza [opcoes]\n";
    std::cout << "Opcoes: --matrizes        Le definicoes de projecoes na entrada padrao e escreve\n";
    std::cout << "                          matrizes de revareza na saida padrao.\n";
    std::cout << "        --version         Escreve a versao do programa e termina.\n";
    std::cout << "O modo padrao de execucao e' interativo, calculando projecoes de pontos.\n";
}

int read_projection_type()
{
    int type = 0;
    if (!interactive_mode) {
        if (!(std::cin >> type)) {
            stop_if_input_unreadable();
            fail_input("Erro na leitura do tipo da revareza!", EXIT_BAD_TYPE);
        }
        return type;
    }

    const char* const menu[] = {"", "[1] Calcular uma revareza paralela",
                                "[2] Calcular uma revareza perspectiva", "", "[0] Sair do programa", ""};
    for (const char* line : menu) {
        std::cout << line << std::endl;
    }
    answering(Question::MENU);
    for (;;) {
        std::cout << "Entre com a sua opcao: ";
        flush_prompt();
        while (!(std::cin >> type)) {
            recover_input("Resposta invalida, tente novamente: ");
            flush_prompt();
        }
        if (type >= 0 && type <= 2) {
            return type;
        }
    }
}

} // namespace revareza
