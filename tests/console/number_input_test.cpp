#include "console/number_input.hpp"

#include "support/test_support.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace revareza {
namespace {

using test::Random;

std::uint64_t Bits(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// Reads the text with four chained extractions through the stream and
// through extract_double, and compares every value (bit for bit), every
// error state and the characters left over.
void ExpectSameAsStream(const std::string& text, int& mismatches)
{
    std::istringstream expected_in(text);
    std::istringstream actual_in(text);
    for (int i = 0; i < 4; ++i) {
        double expected = -123.25; // the value a failed sentry leaves alone
        double actual = -123.25;
        expected_in >> expected;
        extract_double(actual_in, actual);
        if (Bits(expected) != Bits(actual) || expected_in.rdstate() != actual_in.rdstate()) {
            if (++mismatches <= 10) {
                ADD_FAILURE() << "text '" << text << "', extraction " << i << ": stream " << expected
                              << " state " << expected_in.rdstate() << ", ours " << actual << " state "
                              << actual_in.rdstate();
            }
            return;
        }
    }
    expected_in.clear();
    actual_in.clear();
    std::string expected_rest;
    std::string actual_rest;
    std::getline(expected_in, expected_rest, '\0');
    std::getline(actual_in, actual_rest, '\0');
    if (expected_rest != actual_rest && ++mismatches <= 10) {
        ADD_FAILURE() << "text '" << text << "': left over '" << expected_rest << "' against '" << actual_rest << "'";
    }
}

std::string Digits(Random& random, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i) {
        s.push_back(static_cast<char>('0' + random.Below(10)));
    }
    return s;
}

// A plausible number: sign, digits, point, exponent, each part optional.
std::string NumberLike(Random& random)
{
    std::string s;
    const char* signs[] = {"", "", "", "-", "+"};
    s += signs[random.Below(5)];
    if (random.Below(4) == 0) {
        s += std::string(static_cast<std::size_t>(random.Below(4)), '0');
    }
    s += Digits(random, random.Below(4) == 0 ? random.Below(40) : random.Below(6));
    if (random.Below(2)) {
        s += '.';
        s += Digits(random, random.Below(4) == 0 ? random.Below(40) : random.Below(6));
    }
    if (random.Below(3) == 0) {
        s += random.Below(2) ? 'e' : 'E';
        s += signs[random.Below(5)];
        s += Digits(random, random.Below(5));
    }
    return s;
}

// Arbitrary bytes, weighted towards those that matter to a number.
std::string Garbage(Random& random)
{
    static const char alphabet[] = "0123456789012345678901234567890123456789..eE+-+- \n\t\r\v\fxXaAnNiIfF,;\x80\xff";
    std::string s;
    const int length = random.Below(16);
    for (int i = 0; i < length; ++i) {
        s.push_back(random.Below(50) == 0 ? '\0' : alphabet[random.Below(sizeof alphabet - 1)]);
    }
    return s;
}

TEST(NumberInput, GeneratedTokensAsTheStreamReadsThem)
{
    Random random;
    const char* separators[] = {" ", "\n", "\r\n", "\t", "", "  \v\f"};
    int mismatches = 0;
    for (int i = 0; i < 300000; ++i) {
        std::string text;
        const int parts = 1 + random.Below(4);
        for (int p = 0; p < parts; ++p) {
            text += random.Below(3) ? NumberLike(random) : Garbage(random);
            text += separators[random.Below(6)];
        }
        ExpectSameAsStream(text, mismatches);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(NumberInput, EdgesOfTheGrammarAndOfTheRange)
{
    const std::vector<std::string> texts = {
        "", " ", "\n\n", "0", "-0", "+0", "00012", "-000", "0.", ".5", "-.5", "+.5", ".", "-.", "+", "-", "+-1",
        "-+1", "1e", "1e+", "1e-", "1E5", "1e+5x", "e5", ".e5", "1.2.3", "1e5e5", "1e5.5", "0x1p3", "0X10",
        "nan", "inf", "-inf", "infinity", "1,5", "1e400", "-1e400", "1e-400", "-1e-400", "1e-310", "4.9e-324",
        "2.4e-324", "2.5e-324", "1.7976931348623157e308", "1.7976931348623159e308", "1.7976931348623158e308",
        "9007199254740993", "0.1 0.2 0.3", "1\r\n2\r\n3\r\n", std::string("1\0 2", 4), "\x80" "1", "1\xff",
        std::string(400, '9'), "0." + std::string(400, '0') + "1", "1" + std::string(350, '0') + "e-350",
        "2.4703282292062327208828439643411068618252990130716238221279284125033775363510437593264991818081799"
        "618989828234772285886546332835517796989819938739800539093906315035659515570226392290858392449105184"
        "435931802849936536152500319370457678249219365623669863658480757001585769269903706311928279558551332"
        "927834338409351978015531246597263579574622766465272827220056374006485499977096599470454020828166226"
        "237857393450736339007967761930577506740176324673600968951340535537458516661134223766678604162159680"
        "461914467291840300530057530849048765391711386591646239524912623653881879636239373280423891018672348"
        "497668235089863388587925628302755995657524455507255189313690836254779186948667994968324049705821028"
        "513185451396213837722826145437693412532098591327667236328125e-324",
    };
    int mismatches = 0;
    for (const std::string& text : texts) {
        ExpectSameAsStream(text, mismatches);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(NumberInput, LongNumbers)
{
    Random random;
    int mismatches = 0;
    for (int i = 0; i < 2000; ++i) {
        const int length = 50 + random.Below(1500);
        std::string text = random.Below(2) ? "-" : "";
        text += Digits(random, length / 2) + "." + Digits(random, length / 2);
        if (random.Below(2)) {
            text += "e-" + std::to_string(random.Below(700));
        }
        ExpectSameAsStream(text + " 7", mismatches);
    }
    EXPECT_EQ(mismatches, 0);
}

// A prompt must be out before the read waits for input.
TEST(NumberInput, FlushesTheTiedStreamFirst)
{
    test::FlushRecorder counter;
    std::ostream prompt(&counter);
    std::istringstream in("5");
    in.tie(&prompt);
    double v = 0;
    extract_double(in, v);
    EXPECT_EQ(v, 5.0);
    EXPECT_EQ(counter.flushes(), 1);
}

} // namespace
} // namespace revareza
