#include "console/readers.hpp"

#include "tests/console/console_fixture.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

namespace revareza {
namespace {

using ReadersTest = test::ConsoleTest;
using ReadersDeathTest = test::ConsoleTest;

const std::string kRetry = "Dados invalidos, tente novamente: ";

struct ReadCase {
    const char* name;
    bool direction;
    std::string input;
    HVector expected;
    int retries;
    std::string left_over;
};

TEST_F(ReadersTest, InteractiveReadsRetriesAndLeavesTheRest)
{
    const std::string garbage(600, 'a');
    const ReadCase cases[] = {
        {"plain point", false, "1 2 3\n", HVector(1, 2, 3, 1), 0, "\n"},
        {"spread over lines", false, " \n\t-1\n\n2.5\n3e2", HVector(-1, 2.5, 300, 1), 0, ""},
        {"bad token drops partial values", false, "1 2\nx\n3 4 5\n", HVector(3, 4, 5, 1), 1, "\n"},
        {"zero point is a point", false, "0 0 0", HVector(0, 0, 0, 1), 0, ""},
        {"numbers beyond three stay", false, "1 2 3 4 5\n", HVector(1, 2, 3, 1), 0, " 4 5\n"},
        {"direction normalised", true, "0 0 5\n", HVector(0, 0, 1, 0), 0, "\n"},
        {"zero direction asked again", true, "0 0 0\n0 0 2\n", HVector(0, 0, 1, 0), 1, "\n"},
        {"negative zero is zero", true, "0 -0.0 0 9 9\n1 0 0\n", HVector(1, 0, 0, 0), 1, "\n"},
        // The discard stops after 255 characters: a 600-character line
        // costs three retries (255 + 255 + the last 91 with the newline).
        {"long bad line", false, garbage + "\n3 4 5\n", HVector(3, 4, 5, 1), 3, "\n"},
        {"overflow is a failed read", false, "1e400 0 0\n1 1 1\n", HVector(1, 1, 1, 1), 1, "\n"},
    };
    for (const ReadCase& t : cases) {
        SCOPED_TRACE(t.name);
        const std::size_t before = Output().size();
        SetInput(t.input);
        const HVector v = t.direction ? read_vector() : read_point();
        EXPECT_EQ(v, t.expected);
        EXPECT_EQ(v.w(), t.expected.w());
        std::string messages;
        for (int i = 0; i < t.retries; ++i) {
            messages += kRetry;
        }
        EXPECT_EQ(Output().substr(before), messages);
        EXPECT_EQ(RemainingInput(), t.left_over);
    }
}

TEST_F(ReadersTest, MatrixModeReadsSilently)
{
    UseMatrixMode();
    SetInput("0 0 0\n3 0 4 7");
    EXPECT_EQ(read_point(), HVector(0, 0, 0, 1));
    EXPECT_EQ(read_vector(), HVector(0.6, 0, 0.8, 0));
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(RemainingInput(), " 7");
}

struct FatalCase {
    const char* name;
    bool direction;
    const char* input;
    int status;
    const char* message;
};

TEST_F(ReadersDeathTest, MatrixModeEndsWithStatusAndMessage)
{
    const FatalCase cases[] = {
        {"point malformed", false, "1 x 3", 2, "^Erro na leitura de um ponto!\n$"},
        {"point cut short", false, "1 2", 2, "^Erro na leitura de um ponto!\n$"},
        {"point missing", false, "", 2, "^Erro na leitura de um ponto!\n$"},
        {"point overflow", false, "1 2 -1e999", 2, "^Erro na leitura de um ponto!\n$"},
        {"direction malformed", true, "1 0 y", 2, "^Erro na leitura de um vetor!\n$"},
        {"direction cut short", true, "1", 2, "^Erro na leitura de um vetor!\n$"},
        {"zero direction", true, "0 0 0", 3, "^Erro: leitura de vetor degenerado!\n$"},
        {"signed zero direction", true, "0.0 -0.0 0", 3, "^Erro: leitura de vetor degenerado!\n$"},
    };
    for (const FatalCase& t : cases) {
        SCOPED_TRACE(t.name);
        UseMatrixMode();
        SetInput(t.input);
        EXPECT_EXIT(t.direction ? read_vector() : read_point(), testing::ExitedWithCode(t.status),
                    t.message);
    }
}

TEST_F(ReadersDeathTest, InteractiveEndOfInputEndsLikeTypeZero)
{
    const char* inputs[] = {"", "1 2", "x", "0 0 0"};
    for (const char* input : inputs) {
        SCOPED_TRACE(input);
        SetInput(input);
        EXPECT_EXIT(read_vector(), testing::ExitedWithCode(0), "^$");
    }
}

TEST_F(ReadersDeathTest, ReadErrorEndsWithStatusFiveInBothModes)
{
    struct ReadErrorCase {
        const char* name;
        bool interactive;
        bool direction;
        const char* input; // then the read error
    };
    const ReadErrorCase cases[] = {
        {"interactive, before any number", true, false, ""},
        {"interactive, inside a number", true, true, "1 0 5"},
        {"interactive, while discarding a bad line", true, false, "1 x 2"},
        {"matrix mode, point", false, false, "1 2"},
        {"matrix mode, direction", false, true, "1 0"},
    };
    for (const ReadErrorCase& t : cases) {
        SCOPED_TRACE(t.name);
        interactive_mode = t.interactive;
        test::TextSource source(t.input, true);
        std::cin.rdbuf(&source);
        EXPECT_EXIT(t.direction ? read_vector() : read_point(), testing::ExitedWithCode(5),
                    "^Erro na leitura da entrada padrao!\n$");
    }
}

// Standard output that takes nothing, and bad answers that never end: the
// retries must stop at the first message that cannot be written.
class DeadOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    int sync() override { return -1; }
};

class EndlessBadAnswers : public std::streambuf {
protected:
    int_type underflow() override
    {
        if (++refills_ > 10000) {
            std::_Exit(99); // still retrying
        }
        setg(answer_, answer_, answer_ + 2);
        return traits_type::to_int_type(answer_[0]);
    }

private:
    char answer_[2] = {'x', '\n'};
    int refills_ = 0;
};

TEST_F(ReadersDeathTest, DeadOutputEndsTheRetriesWithStatusFour)
{
    DeadOutput output;
    EndlessBadAnswers input;
    std::cout.rdbuf(&output);
    std::cin.rdbuf(&input);
    EXPECT_EXIT(read_point(), testing::ExitedWithCode(4), "^Erro na escrita da saida padrao!\n$");
}

} // namespace
} // namespace revareza
