#include "console/prompt.hpp"

#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace revareza {
namespace {

struct PromptCase {
    Mode mode;
    const char* expected;
    int flushes;
};

TEST(PromptStream, WritesAndFlushesOnlyInInteractiveMode)
{
    const PromptCase cases[] = {
        {Mode::INTERACTIVE, "Usando o vetor (0.00000,0.00000,1.00000)\nUsando o vetor (0.00000,1.00000,0.00000)\n", 2},
        {Mode::MATRICES, "", 0},
    };
    for (const PromptCase& t : cases) {
        test::FlushRecorder buffer;
        std::ostream out(&buffer);
        std::istringstream in;
        Console console{in, out, out, t.mode};
        PromptStream p(console);
        p << "Usando o vetor " << HVector(0, 0, 5, 0);
        EXPECT_EQ(buffer.flushes(), 0);
        p << prompt_end << echo(HVector(0, 3, 0, 0)) << prompt_end;
        EXPECT_EQ(buffer.str(), t.expected);
        EXPECT_EQ(buffer.flushes(), t.flushes);
        if (t.mode == Mode::MATRICES) {
            EXPECT_EQ(out.precision(), 6); // nothing touched the stream's formatting either
        }
    }
}

} // namespace
} // namespace revareza
