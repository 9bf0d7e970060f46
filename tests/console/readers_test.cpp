#include "console/readers.hpp"

#include "tests/console/console_fixture.hpp"
#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <string>

namespace revareza {
namespace {

using test::TestConsole;

const std::string kRetry = "Dados invalidos, tente novamente: ";

Reading Read(Console& console, bool direction)
{
    return direction ? read_vector(console) : read_point(console);
}

struct ReadCase {
    const char* name;
    bool direction;
    std::string input;
    HVector expected;
    int retries;
    std::string left_over;
};

TEST(Readers, InteractiveReadsRetriesAndLeavesTheRest)
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
        TestConsole c(t.input);
        const Reading r = Read(c.console, t.direction);
        EXPECT_EQ(r.stop, Stop::NONE);
        EXPECT_EQ(r.vector, t.expected);
        EXPECT_EQ(r.vector.w(), t.expected.w());
        std::string messages;
        for (int i = 0; i < t.retries; ++i) {
            messages += kRetry;
        }
        EXPECT_EQ(c.out.str(), messages);
        EXPECT_EQ(c.RemainingInput(), t.left_over);
    }
}

TEST(Readers, MatrixModeReadsSilently)
{
    TestConsole c("0 0 0\n3 0 4 7", Mode::MATRICES);
    EXPECT_EQ(read_point(c.console).vector, HVector(0, 0, 0, 1));
    EXPECT_EQ(read_vector(c.console).vector, HVector(0.6, 0, 0.8, 0));
    EXPECT_EQ(c.out.str(), "");
    EXPECT_EQ(c.RemainingInput(), " 7");
}

struct StopCase {
    const char* name;
    Mode mode;
    bool direction;
    const char* input;
    Stop stop;
};

TEST(Readers, SayWhyTheyReadNothing)
{
    const StopCase cases[] = {
        {"point malformed", Mode::MATRICES, false, "1 x 3", Stop::UNREADABLE_POINT},
        {"point cut short", Mode::MATRICES, false, "1 2", Stop::UNREADABLE_POINT},
        {"point missing", Mode::MATRICES, false, "", Stop::UNREADABLE_POINT},
        {"point overflow", Mode::MATRICES, false, "1 2 -1e999", Stop::UNREADABLE_POINT},
        {"direction malformed", Mode::MATRICES, true, "1 0 y", Stop::UNREADABLE_VECTOR},
        {"direction cut short", Mode::MATRICES, true, "1", Stop::UNREADABLE_VECTOR},
        {"zero direction", Mode::MATRICES, true, "0 0 0", Stop::ZERO_DIRECTION},
        {"signed zero direction", Mode::MATRICES, true, "0.0 -0.0 0", Stop::ZERO_DIRECTION},
        // Interactive mode retries until the input ends.
        {"interactive, nothing", Mode::INTERACTIVE, true, "", Stop::END_OF_INPUT},
        {"interactive, cut short", Mode::INTERACTIVE, true, "1 2", Stop::END_OF_INPUT},
        {"interactive, bad token last", Mode::INTERACTIVE, false, "x", Stop::END_OF_INPUT},
        {"interactive, zero direction last", Mode::INTERACTIVE, true, "0 0 0", Stop::END_OF_INPUT},
    };
    for (const StopCase& t : cases) {
        SCOPED_TRACE(t.name);
        TestConsole c(t.input, t.mode);
        EXPECT_EQ(Read(c.console, t.direction).stop, t.stop);
        if (t.mode == Mode::MATRICES) {
            EXPECT_EQ(c.out.str(), "");
        }
    }
}

TEST(Readers, ReadErrorStopsInBothModes)
{
    struct ReadErrorCase {
        const char* name;
        Mode mode;
        bool direction;
        const char* input; // then the read error
    };
    const ReadErrorCase cases[] = {
        {"interactive, before any number", Mode::INTERACTIVE, false, ""},
        {"interactive, inside a number", Mode::INTERACTIVE, true, "1 0 5"},
        {"interactive, while discarding a bad line", Mode::INTERACTIVE, false, "1 x 2"},
        {"matrix mode, point", Mode::MATRICES, false, "1 2"},
        {"matrix mode, direction", Mode::MATRICES, true, "1 0"},
    };
    for (const ReadErrorCase& t : cases) {
        SCOPED_TRACE(t.name);
        test::TextSource source(t.input, true);
        std::istream in(&source);
        std::ostringstream out;
        Console console{in, out, out, t.mode};
        EXPECT_EQ(Read(console, t.direction).stop, Stop::READ_FAILED);
    }
}

// Output that takes nothing, and bad answers that never end: the retries
// must stop at the first message that cannot be written.
class DeadOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    int sync() override { return -1; }
};

class EndlessBadAnswers : public std::streambuf {
public:
    int refills = 0;

protected:
    int_type underflow() override
    {
        ++refills;
        setg(answer_, answer_, answer_ + 2);
        return traits_type::to_int_type(answer_[0]);
    }

private:
    char answer_[2] = {'x', '\n'};
};

TEST(Readers, DeadOutputEndsTheRetries)
{
    DeadOutput output;
    EndlessBadAnswers input;
    std::istream in(&input);
    std::ostream out(&output);
    std::ostringstream err;
    Console console{in, out, err, Mode::INTERACTIVE};
    EXPECT_EQ(read_point(console).stop, Stop::WRITE_FAILED);
    EXPECT_LE(input.refills, 2);
}

} // namespace
} // namespace revareza
