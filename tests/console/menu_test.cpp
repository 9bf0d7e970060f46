#include "console/menu.hpp"

#include "tests/console/console_fixture.hpp"

#include <gtest/gtest.h>

#include <string>

namespace revareza {
namespace {

using MenuTest = test::ConsoleTest;
using MenuDeathTest = test::ConsoleTest;

const std::string kMenu =
    "\n[1] Calcular uma revareza paralela\n[2] Calcular uma revareza perspectiva\n\n[0] Sair do programa\n\n";
const std::string kAsk = "Entre com a sua opcao: ";

TEST_F(MenuTest, UsageText)
{
    print_usage();
    EXPECT_EQ(Output(),
              "Uso: revareza [opcoes]\n"
              "Opcoes: --matrizes        Le definicoes de projecoes na entrada padrao e escreve\n"
              "                          matrizes de revareza na saida padrao.\n"
              "        --version         Escreve a versao do programa e termina.\n"
              "O modo padrao de execucao e' interativo, calculando projecoes de pontos.\n");
}

TEST_F(MenuTest, InteractiveRetriesMalformedAndAsksAgainOutOfRange)
{
    SetInput("abc\n3\n-1 2\n");
    EXPECT_EQ(read_projection_type(), 2);
    EXPECT_EQ(Output(), kMenu + kAsk + "Resposta invalida, tente novamente: " + kAsk + kAsk);
    EXPECT_EQ(RemainingInput(), "\n");
}

TEST_F(MenuTest, InteractiveAcceptsEachValidType)
{
    SetInput("0 1 2");
    EXPECT_EQ(read_projection_type(), 0);
    EXPECT_EQ(read_projection_type(), 1);
    EXPECT_EQ(read_projection_type(), 2);
    EXPECT_EQ(Output(), kMenu + kAsk + kMenu + kAsk + kMenu + kAsk);
}

TEST_F(MenuTest, MatrixModeTakesAnyIntegerSilently)
{
    UseMatrixMode();
    SetInput("7 -3 0");
    EXPECT_EQ(read_projection_type(), 7);
    EXPECT_EQ(read_projection_type(), -3);
    EXPECT_EQ(read_projection_type(), 0);
    EXPECT_EQ(Output(), "");
}

TEST_F(MenuDeathTest, MatrixModeUnreadableTypeEndsWithStatusOne)
{
    const char* inputs[] = {"", "abc", "e5", "+-1", "99999999999", "-99999999999", "  \n"};
    for (const char* input : inputs) {
        SCOPED_TRACE(input);
        UseMatrixMode();
        SetInput(input);
        EXPECT_EXIT(read_projection_type(), testing::ExitedWithCode(1),
                    "^Erro na leitura do tipo da revareza!\n$");
    }
}

TEST_F(MenuDeathTest, InteractiveEndOfInputEndsLikeTypeZero)
{
    const char* inputs[] = {"", "5", "abc", "  \n\n"};
    for (const char* input : inputs) {
        SCOPED_TRACE(input);
        SetInput(input);
        EXPECT_EXIT(read_projection_type(), testing::ExitedWithCode(0), "^$");
    }
}

} // namespace
} // namespace revareza
