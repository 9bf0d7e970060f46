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
                "Projecoes classicas",
                "nenhuma: a definicao dos campos",
                "Angulo do eixo que recua, em graus",
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
                "eixos x, y e z do mundo e o chao z = 0",
                "O plano visto de frente: O na origem, X para a direita, Y para cima, a imagem P' com suas medidas x e "
                "y",
                "revareza: o plano visto de frente; {result}",
                "imagem de um ponto atras do centro",
                "F: ponto de fuga",
                "F{axis}",
                "baixar SVG",
            },
            {
                "Classificacao",
                "angulo entre D e o plano: {angle} graus",
                "fator de reducao: {factor}",
                "ponto de fuga de {axis}: ({x}, {y})",
            },
            {
                "Como a matriz e' feita",
                "Os passos da biblioteca, na ordem em que agem: cada um multiplica pela esquerda o produto dos "
                "anteriores, e o produto de todos e' a matriz.",
                "Translacao por -O",
                "Translacao por -C",
                "Rotacao em torno de y",
                "Rotacao em torno de z",
                "Rotacao em torno de x",
                "Cisalhamento ao longo de z",
                "Perspectiva",
                "Leva a origem O do plano para a origem do espaco, para que as rotacoes seguintes, que giram em torno "
                "da origem, girem o plano em torno de O.",
                "Leva o centro C para a origem do espaco: as rotacoes seguintes giram em torno dele, e a perspectiva "
                "divide pela distancia a ele.",
                "Gira tudo em torno do eixo y ate X ficar no plano xy (sua coordenada z vai a 0), para que a rotacao "
                "seguinte o deite no eixo x.",
                "Gira tudo em torno do eixo z ate X, ja no plano xy, ficar ao longo do eixo x.",
                "Gira tudo em torno do eixo x, onde agora esta X, ate Y ficar ao longo do eixo y: o plano fica "
                "paralelo ao plano xy, com a normal X x Y ao longo de z.",
                "Desliza cada ponto paralelamente ao plano xy, tanto mais quanto mais alto ele esta, ate a direcao D "
                "ficar ao longo de z: a imagem de cada ponto fica logo abaixo ou acima dele, no plano z = 0, em "
                "(x, y).",
                "Desliza cada ponto paralelamente ao plano xy, na proporcao da sua altura z, ate a origem O do plano "
                "ficar no eixo z, na vertical do centro: as medidas x e y passam a contar a partir de O.",
                "Da a cada ponto o peso z/d, com d a distancia do centro ao plano: dividido por ele, cada ponto vai "
                "para onde a reta que o liga ao centro encontra o plano z = d, e P' fica em (x, y, d).",
                "deslocamento",
                "angulo",
                "inclinacao em x",
                "inclinacao em y",
                "distancia",
                "rad",
                "graus",
                "negativa: o plano esta do lado do centro para onde a normal X x Y nao aponta (z < 0 depois das "
                "rotacoes)",
                "Passo",
                "Veja a matriz sendo feita: a vista 3D mostra o plano, O, X, Y, D ou C, o ponto e o objeto movidos "
                "pelo produto dos primeiros passos, e os eixos do mundo parados. Depois do ultimo, o plano e' "
                "paralelo ao plano xy (z = 0 na paralela, z = d na perspectiva) e P' esta em (x, y).",
                "0 de {count}: a cena como foi definida",
                "{step} de {count}: {title}",
                "Coordenadas depois dos passos feitos",
                "vetor",
                "sem posicao: o peso e' 0",
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
                "numpy, 5 casas",
                "LaTeX, 5 casas",
                "Com as cinco casas decimais do programa, para uma apostila",
                "O texto copiado",
            },
        },
    };
    return TEXTS;
}

} // namespace revareza
