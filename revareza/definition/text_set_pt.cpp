// The program's own words, in Portuguese without accents (an acute e is e
// followed by an apostrophe), exactly as it prints them; questions and
// retries keep their trailing space.
#include <revareza/definition/text_set.hpp>

namespace revareza {

const TextSet& portuguese_texts() noexcept
{
    static constexpr TextSet TEXTS = {
        "Uso: revareza [opcoes]\n"
        "Opcoes: --matrizes        Le definicoes de projecoes na entrada padrao e escreve\n"
        "                          matrizes de revareza na saida padrao.\n"
        "        --version         Escreve a versao do programa e termina.\n"
        "O modo padrao de execucao e' interativo, calculando projecoes de pontos.\n",
        "Atencao: Antes de executar este programa, leia as instrucoes de uso\n",
        "Opcao desconhecida ignorada: ",
        " (veja revareza --help)",

        {"Calcular uma revareza paralela", "Calcular uma revareza perspectiva"},
        "Sair do programa",
        "Entre com a sua opcao: ",
        "Resposta invalida, tente novamente: ",

        {"Entre com valores do ponto a ser projetado: ", "Entre com valores da origem do plano de revareza: ",
         "Entre com valores da direcao X no plano de revareza: ",
         "Entre com valores da direcao Y no plano de revareza: ", "Entre com valores da direcao de revareza: ",
         "Entre com valores do centro de revareza: "},
        {"ponto", "origem", "X", "Y", "direcao", "centro"},
        "Dados invalidos, tente novamente: ",
        "Usando o vetor ",
        "O vetor passado nao e' ortogonal ao vetor X, usando ",
        "O resultado da revareza e': ",
        "O ponto nao tem projecao no plano de revareza, pois pertence ao plano paralelo a ele que passa pelo "
        "centro.",
        "O ponto esta atras do centro de revareza: a reta que o liga ao centro encontra o plano do outro lado do "
        "centro.",

        {
            "Erro na leitura de um ponto!",
            "Erro na leitura de um vetor!",
            "Erro: leitura de vetor degenerado!",
            "O vetor passado e' paralelo ao vetor X e nao forma um plano com ele.",
            "A direcao passada e' paralela ao plano de revareza e nunca o atravessa.",
            "O centro passado pertence ao plano de revareza e nao projeta pontos nele.",
            "Os valores passados sao grandes demais: a revareza nao tem resultado finito.",
        },
        {"campo vazio", "nao e' um numero", "texto depois do numero", "numero grande demais",
         "mais de 1000 caracteres"},
        {
            {"ortogonal", "obliqua", "perspectiva"},
            {"obliqua", "cavaleira", "gabinete", "militar", "frontal", "superior", "lateral", "isometrica", "dimetrica",
             "trimetrica", "1 ponto de fuga", "2 pontos de fuga", "3 pontos de fuga"},
        },

        "Erro na leitura do tipo da revareza!",
        "Erro na leitura da entrada padrao!",
        "Erro na escrita da saida padrao!",
    };
    return TEXTS;
}

} // namespace revareza
