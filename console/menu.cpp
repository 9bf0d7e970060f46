#include "console/menu.hpp"

#include "console/line_editing.hpp"
#include "console/readers.hpp"

#include <istream>
#include <ostream>

namespace revareza {

void print_usage(std::ostream& out)
{
    out << "Uso: revareza [opcoes]\n";
    out << "Opcoes: --matrizes        Le definicoes de projecoes na entrada padrao e escreve\n";
    out << "                          matrizes de revareza na saida padrao.\n";
    out << "        --version         Escreve a versao do programa e termina.\n";
    out << "O modo padrao de execucao e' interativo, calculando projecoes de pontos.\n";
}

TypeReading read_projection_type(Console& console)
{
    TypeReading reading;
    if (console.mode == Mode::MATRICES) {
        if (!(console.in >> reading.type)) {
            reading.stop = console.in.bad() ? Stop::READ_FAILED : Stop::UNREADABLE_TYPE;
        }
        return reading;
    }

    const char* const menu[] = {"", "[1] Calcular uma revareza paralela",
                                "[2] Calcular uma revareza perspectiva", "", "[0] Sair do programa", ""};
    for (const char* line : menu) {
        console.out << line << std::endl;
    }
    answering(console, Question::MENU);
    for (;;) {
        console.out << "Entre com a sua opcao: ";
        reading.stop = flush_prompt(console);
        while (reading.stop == Stop::NONE && !(console.in >> reading.type)) {
            reading.stop = recover_input(console, "Resposta invalida, tente novamente: ");
            if (reading.stop == Stop::NONE) {
                reading.stop = flush_prompt(console);
            }
        }
        if (reading.stop != Stop::NONE || (reading.type >= 0 && reading.type <= 2)) {
            return reading;
        }
    }
}

} // namespace revareza
