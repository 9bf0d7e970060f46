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

        {
            "laboratorio de projecoes planares",
            {
                "Tipo de revareza",
                {"paralela", "perspectiva"},
                "Tornar ortogonal",
                "Paralela, com D = X x Y como a biblioteca o calcula",
                "Recentrar a vista",
                "Tecla Home (ou R) na vista 3D",
            },
            {
                "Objeto",
                "nenhum, so o ponto",
                "cubo",
                "tetraedro",
                "casa",
                "lista de pontos",
                "Centro e tamanho do objeto:",
                "centro",
                "tamanho",
                "Pontos, ",
                " por linha",
                "Arestas, dois numeros de ponto por linha (opcional)",
                "Os pontos do objeto e suas imagens",
                "ponto",
                "resultado",
                "o tamanho deve ser maior que 0",
                "Pontos",
                "Arestas",
                "{list}: {reason}",
                "{list}, linha {line}: {reason}",
                "esperava 3 numeros (x y z)",
                "esperava 2 numeros de ponto",
                "nao ha ponto com esse numero",
                "lista longa demais ({limit} caracteres no maximo)",
                "pontos demais ({limit} no maximo)",
                "arestas demais ({limit} no maximo)",
            },
            {
                "Resultado",
                "O endereco traz um tipo que nao e' 1 nem 2: escolha um.",
                "Escolha o tipo de revareza.",
                "o endereco traz {count} {numbers}, nao 3",
                "O endereco traz {count} {numbers} para {letter}, nao 3.",
                "numero",
                "numeros",
                "Corrija o vetor marcado.",
                "Corrija o campo marcado.",
                "A biblioteca falhou ({error}); recarregue a pagina.",
                "Sem resultado: a biblioteca falhou.",
            },
            {
                "Vista 3D: o plano com O, X e Y, o ponto P, o projetor, a imagem P' e o objeto com suas imagens. "
                "Arraste, ou use Shift e as setas, para girar; as setas deslocam; Home ou R recentra.",
                "Este navegador nao desenha em 3D (WebGL).",
                "Nada a desenhar: os numeros passam do que o desenho alcanca.",
                "plano",
                "projetor",
                "objeto",
                "sua imagem",
                "atras do centro",
                "O plano visto de frente: O na origem, X para a direita, Y para cima, a imagem P' com suas medidas x e "
                "y",
                "revareza: o plano visto de frente; {result}",
                "imagem de um ponto atras do centro",
                "baixar SVG",
            },
            {
                "Como a matriz e' feita",
                "Os passos da biblioteca, na ordem em que agem: cada um multiplica pela esquerda o produto dos "
                "anteriores, e o produto de todos e' a matriz.",
                "Translacao por -O: a origem do plano vai para a origem",
                "Translacao por -C: o centro vai para a origem",
                "Rotacao em torno de y",
                "Rotacao em torno de z: X vai para o eixo x",
                "Rotacao em torno de x: Y vai para o eixo y",
                "Cisalhamento ao longo de z: a direcao de projecao (ou a reta do centro a O) fica ao longo de z",
                "Perspectiva: divide pela distancia ao centro",
                "rad",
                "graus",
            },
            {
                "Matriz",
                "(revareza --matrizes)",
                "Copiar:",
                "como o programa",
                "numpy",
                "LaTeX",
                "WebGL",
                "Por colunas, para WebGL e Matrix4.fromArray do three.js",
                "O texto copiado",
            },
        },
    };
    return TEXTS;
}

} // namespace revareza
