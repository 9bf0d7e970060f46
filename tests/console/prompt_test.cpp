#include "console/prompt.hpp"

#include "console/mode.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace revareza {
namespace {

class PromptStreamTest : public testing::Test {
protected:
    void TearDown() override { interactive_mode = true; }

    test::FlushRecorder buffer;
    std::ostream out{&buffer};
    PromptStream p{out};
};

TEST_F(PromptStreamTest, InteractiveWritesTextVectorAndFlushesOnlyAtTheEnd)
{
    p << "Usando o vetor " << HVector(0, 0, 5, 0);
    EXPECT_EQ(buffer.flushes(), 0);
    p << prompt_end;
    EXPECT_EQ(buffer.str(), "Usando o vetor (0.00000,0.00000,1.00000)\n");
    EXPECT_EQ(buffer.flushes(), 1);
    p << std::string("texto");
    EXPECT_EQ(buffer.str(), "Usando o vetor (0.00000,0.00000,1.00000)\ntexto");
}

TEST_F(PromptStreamTest, MatrixModeWritesNothingAndNeverFlushes)
{
    interactive_mode = false;
    p << "Entre com a sua opcao: " << HVector(1, 2, 3, 1) << std::string("x") << prompt_end;
    EXPECT_EQ(buffer.str(), "");
    EXPECT_EQ(buffer.flushes(), 0);
    // Nothing touched the stream's formatting either.
    EXPECT_EQ(out.precision(), 6);
}

TEST_F(PromptStreamTest, ModeIsAskedAtEachCall)
{
    p << "a";
    interactive_mode = false;
    p << "b";
    interactive_mode = true;
    p << "c";
    EXPECT_EQ(buffer.str(), "ac");
}

TEST(PromptStream, GlobalPromptGoesToStandardOutputAndEndsWithNewline)
{
    EXPECT_EQ(&prompt.stream(), &std::cout);
    EXPECT_EQ(std::string(prompt_end.text), "\n");
}

} // namespace
} // namespace revareza
