#include <revareza/text/number_input.hpp>

#include "tests/support/test_support.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
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
// error state and how much of the text was used. Twice: with the text
// ending as a file ends, and ending in a read error.
void ExpectSameAsStream(const std::string& text, int& mismatches)
{
    for (const bool read_error : {false, true}) {
        test::TextSource expected_source(text, read_error);
        test::TextSource actual_source(text, read_error);
        std::istream expected_in(&expected_source);
        std::istream actual_in(&actual_source);
        for (int i = 0; i < 4; ++i) {
            double expected = -123.25; // the value a failed sentry leaves alone
            double actual = -123.25;
            expected_in >> expected;
            extract_double(actual_in, actual);
            if (Bits(expected) != Bits(actual) || expected_in.rdstate() != actual_in.rdstate()) {
                if (++mismatches <= 10) {
                    ADD_FAILURE() << "text '" << text << "'" << (read_error ? " then a read error" : "")
                                  << ", extraction " << i << ": stream " << expected << " state "
                                  << expected_in.rdstate() << ", ours " << actual << " state " << actual_in.rdstate();
                }
                return;
            }
        }
        if (expected_source.used() != actual_source.used() && ++mismatches <= 10) {
            ADD_FAILURE() << "text '" << text << "': the stream used " << expected_source.used()
                          << " characters, ours " << actual_source.used();
        }
    }
}

// What read_number_text says the text holds, against what the stream finds
// reading one number and then white space: a failure is an overflow when
// it leaves the largest double, the text is blank when it holds only white
// space, and a number is alone when the white space after it ends the text.
void ExpectSameContent(const std::string& text, int& mismatches)
{
    std::istringstream in(text);
    double v = 0.0;
    in >> v;
    NumberContent expected = NumberContent::ONE_NUMBER;
    if (in.fail()) {
        bool blank = true;
        for (const char c : text) {
            blank = blank && std::isspace(static_cast<unsigned char>(c));
        }
        expected = blank                                             ? NumberContent::BLANK
                   : std::fabs(v) == std::numeric_limits<double>::max() ? NumberContent::OUT_OF_RANGE
                                                                    : NumberContent::NO_NUMBER;
    } else if (!(in >> std::ws).eof()) {
        expected = NumberContent::TEXT_AFTER_NUMBER;
    }
    double value = -123.25;
    const NumberContent content = read_number_text(text, value);
    const bool value_ok = content == NumberContent::ONE_NUMBER ? Bits(value) == Bits(v) : value == -123.25;
    if ((content != expected || !value_ok) && ++mismatches <= 10) {
        ADD_FAILURE() << "text '" << text << "': content " << static_cast<int>(content) << ", the stream's "
                      << static_cast<int>(expected) << ", value " << value;
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
        ExpectSameContent(text, mismatches);
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
        ExpectSameContent(text, mismatches);
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

// Decimal digits of n * factor, n given as decimal digits.
std::string Times(const std::string& n, int factor)
{
    std::string product(n.size(), '0');
    int carry = 0;
    for (std::size_t i = n.size(); i-- > 0;) {
        const int d = (n[i] - '0') * factor + carry;
        product[i] = static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    return carry ? std::to_string(carry) + product : product;
}

// Exact midpoints between adjacent doubles, as decimal digits D with an
// exponent E (value D * 10^E), then written with far more than the 800
// digits the reader keeps: zeros padded on either side of the point, and a
// non-zero digit after them or not. Past the kept digits only "was anything
// dropped non-zero" decides the rounding, so this is where a reader that
// forgets it rounds a tie the wrong way.
TEST(NumberInput, LongTokensAroundRoundingTies)
{
    std::vector<std::pair<std::string, int>> midpoints;
    // (2j + 1) * 2^-1075 = (2j + 1) * 5^1075 * 10^-1075: between subnormals,
    // 751 significant digits each.
    std::string five_power = "1";
    for (int i = 0; i < 1075; ++i) {
        five_power = Times(five_power, 5);
    }
    for (int odd : {1, 3, 7, 255}) {
        midpoints.emplace_back(Times(five_power, odd), -1075);
    }
    // (2^53 + 2j + 1) * 2^k: between the large doubles of magnitude 2^(53+k).
    for (int k : {0, 1, 100, 700, 970}) {
        std::string n = "9007199254740993"; // 2^53 + 1
        for (int i = 0; i < k; ++i) {
            n = Times(n, 2);
        }
        midpoints.emplace_back(n, 0);
    }
    int mismatches = 0;
    for (const auto& [digits, exponent] : midpoints) {
        for (int zeros : {0, 60, 900}) {
            for (const char* tail : {"", "1", "0000001"}) {
                const std::string mantissa = digits + std::string(static_cast<std::size_t>(zeros), '0') + tail;
                const int tail_length = static_cast<int>(std::strlen(tail));
                // The same value with the point after the first digit, in
                // the middle, and behind 300 zeros after it.
                const int scale = exponent - zeros - tail_length;
                const std::size_t size = mantissa.size();
                for (std::size_t point : {std::size_t{1}, size / 2}) {
                    const std::string text = mantissa.substr(0, point) + "." + mantissa.substr(point) + "e"
                        + std::to_string(scale + static_cast<int>(size - point));
                    ExpectSameAsStream(text + " 5", mismatches);
                    ExpectSameAsStream("-" + text, mismatches);
                }
                ExpectSameAsStream("0." + std::string(300, '0') + mantissa + "e"
                                       + std::to_string(scale + static_cast<int>(size) + 300),
                                   mismatches);
                // Integer digits dropped past the kept ones count into the exponent.
                ExpectSameAsStream(std::string(1000, '0') + mantissa + "e" + std::to_string(scale), mismatches);
            }
        }
    }
    // Exponents far past any double, written with many digits, and the
    // extremes of the reader's own exponent arithmetic.
    const std::vector<std::string> texts = {
        "1e" + std::string(5000, '0') + "7",
        "1e-" + std::string(5000, '9'),
        "1e" + std::string(5000, '9'),
        "0." + std::string(5000, '0') + "1e5020",
        "1" + std::string(5000, '0') + "e-5000",
        "1" + std::string(5000, '0') + "e-" + std::string(30, '9'),
        "0." + std::string(400, '0') + "e" + std::string(30, '9'),
    };
    for (const std::string& text : texts) {
        ExpectSameAsStream(text, mismatches);
        ExpectSameContent(text, mismatches);
    }
    EXPECT_EQ(mismatches, 0);
}

// A known difference from the C library. (2^54 - 5) * 2^-1076, written out
// exactly (769 significant digits), lies a quarter of a step below the
// largest subnormal, (2^52 - 1) * 2^-1074, which is therefore its correctly
// rounded value. glibc 2.36's strtod, and so the stream, gives the subnormal
// below that one, three quarters of a step away.
TEST(NumberInput, CorrectlyRoundedWhereTheCLibraryIsNot)
{
    std::string digits = "18014398509481979"; // 2^54 - 5
    for (int i = 0; i < 1076; ++i) {
        digits = Times(digits, 5);
    }
    ASSERT_EQ(digits.size(), 769u);
    const std::string text = digits.substr(0, 1) + "." + digits.substr(1) + "e-308 7";
    std::istringstream stream_in(text);
    std::istringstream in(text);
    double from_stream = 0.0;
    double value = 0.0;
    stream_in >> from_stream;
    extract_double(in, value);
    EXPECT_EQ(Bits(value), Bits(std::ldexp(4503599627370495.0, -1074)));
    EXPECT_EQ(in.rdstate(), stream_in.rdstate());
    EXPECT_EQ(in.tellg(), stream_in.tellg());
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
