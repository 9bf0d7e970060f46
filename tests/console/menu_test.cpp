#include "console/menu.hpp"

#include "console/line_editing.hpp"

#include "tests/console/console_fixture.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace revareza {
namespace {

using test::TestConsole;

const std::string kMenu =
    "\n[1] Calcular uma revareza paralela\n[2] Calcular uma revareza perspectiva\n\n[0] Sair do programa\n\n";
const std::string kAsk = "Entre com a sua opcao: ";

// Each question keeps its own answers on a terminal: one question per
// role, none of them the menu's.
TEST(Menu, EachRoleHasItsOwnQuestion)
{
    const struct {
        Role role;
        Question question;
    } cases[] = {{Role::POINT, Question::POINT}, {Role::ORIGIN, Question::ORIGIN}, {Role::X, Question::X},
                 {Role::Y, Question::Y},         {Role::DIRECTION, Question::DIRECTION},
                 {Role::CENTRE, Question::CENTRE}};
    for (const auto& c : cases) {
        EXPECT_EQ(question_of(c.role), c.question) << static_cast<int>(c.role);
    }
}

TEST(Menu, UsageText)
{
    std::ostringstream out;
    print_usage(out);
    EXPECT_EQ(out.str(),
              "Uso: revareza [opcoes]\n"
              "Opcoes: --matrizes        Le definicoes de projecoes na entrada padrao e escreve\n"
              "                          matrizes de revareza na saida padrao.\n"
              "        --version         Escreve a versao do programa e termina.\n"
              "O modo padrao de execucao e' interativo, calculando projecoes de pontos.\n");
}

TEST(Menu, InteractiveRetriesMalformedAndAsksAgainOutOfRange)
{
    TestConsole c("abc\n3\n-1 2\n");
    EXPECT_EQ(read_projection_type(c.console).type, 2);
    EXPECT_EQ(c.out.str(), kMenu + kAsk + "Resposta invalida, tente novamente: " + kAsk + kAsk);
    EXPECT_EQ(c.RemainingInput(), "\n");
}

TEST(Menu, InteractiveAcceptsEachValidType)
{
    TestConsole c("0 1 2");
    EXPECT_EQ(read_projection_type(c.console).type, 0);
    EXPECT_EQ(read_projection_type(c.console).type, 1);
    EXPECT_EQ(read_projection_type(c.console).type, 2);
    EXPECT_EQ(c.out.str(), kMenu + kAsk + kMenu + kAsk + kMenu + kAsk);
}

TEST(Menu, MatrixModeTakesAnyIntegerSilently)
{
    TestConsole c("7 -3 0", Mode::MATRICES);
    EXPECT_EQ(read_projection_type(c.console).type, 7);
    EXPECT_EQ(read_projection_type(c.console).type, -3);
    EXPECT_EQ(read_projection_type(c.console).type, 0);
    EXPECT_EQ(c.out.str(), "");
}

TEST(Menu, SaysWhyItReadsNoType)
{
    struct StopCase {
        Mode mode;
        const char* input;
        Stop stop;
    };
    const StopCase cases[] = {
        {Mode::MATRICES, "", Stop::UNREADABLE_TYPE},
        {Mode::MATRICES, "abc", Stop::UNREADABLE_TYPE},
        {Mode::MATRICES, "e5", Stop::UNREADABLE_TYPE},
        {Mode::MATRICES, "+-1", Stop::UNREADABLE_TYPE},
        {Mode::MATRICES, "99999999999", Stop::UNREADABLE_TYPE},
        {Mode::MATRICES, "-99999999999", Stop::UNREADABLE_TYPE},
        {Mode::MATRICES, "  \n", Stop::UNREADABLE_TYPE},
        {Mode::INTERACTIVE, "", Stop::END_OF_INPUT},
        {Mode::INTERACTIVE, "5", Stop::END_OF_INPUT},
        {Mode::INTERACTIVE, "abc", Stop::END_OF_INPUT},
        {Mode::INTERACTIVE, "  \n\n", Stop::END_OF_INPUT},
    };
    for (const StopCase& t : cases) {
        SCOPED_TRACE(t.input);
        TestConsole c(t.input, t.mode);
        EXPECT_EQ(read_projection_type(c.console).stop, t.stop);
    }
}

} // namespace
} // namespace revareza
