#include <revareza/text/number_input.hpp>

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <istream>
#include <streambuf>
#include <limits>

namespace revareza {
namespace {

// Significant digits kept of a number's text. The value of a double is
// decided by at most 767 of them (the longest exact midpoint between two
// adjacent doubles has that many); a digit past the kept ones matters only
// as zero or not, and one more digit 1 stands for all the non-zero ones.
constexpr int KEPT_DIGITS = 800;

// The written exponent stops growing here; nothing read in a lifetime
// comes near it, so only numbers that are infinite or zero anyway reach it.
constexpr long long EXPONENT_SATURATION = 1'000'000'000'000'000;

// Beyond this decimal exponent every kept mantissa is an overflow or rounds
// to zero, so the text handed to the conversion stays short.
constexpr long long EXPONENT_CLAMP = 1000;

bool is_digit(int c) { return c >= '0' && c <= '9'; }

// A number as the stream's extraction collects it, held in constant space
// however long its text: the sign, the first KEPT_DIGITS significant digits,
// whether a non-zero digit was dropped after them, and the decimal exponent.
// The value is 0.d1d2...dn * 10^(point + exponent); leading zeros only move
// the point, and dropped integer digits move it too.
class NumberText {
public:
    void negate() { negative_ = true; }

    void mantissa_digit(char c, bool in_fraction)
    {
        has_mantissa_ = true;
        if (count_ == 0 && c == '0') {
            if (in_fraction) {
                --point_; // 0.000d: each zero after the point shifts d right
            }
            return;
        }
        if (count_ < KEPT_DIGITS) {
            digits_[count_++] = c;
        } else if (c != '0') {
            dropped_nonzero_ = true;
        }
        if (!in_fraction) {
            ++point_;
        }
    }

    bool has_mantissa() const { return has_mantissa_; }
    bool has_exponent() const { return has_exponent_; }

    void start_exponent() { has_exponent_ = true; }
    void negate_exponent() { exponent_negative_ = true; }

    void exponent_digit(char c)
    {
        has_exponent_digit_ = true;
        if (exponent_ < EXPONENT_SATURATION) {
            exponent_ = exponent_ * 10 + (c - '0');
        }
    }

    // What strtod would make of the whole collected text: false when it
    // would not take all of it (no mantissa digit, or an 'e' without digits).
    bool complete() const { return has_mantissa_ && (!has_exponent_ || has_exponent_digit_); }

    // The same value in a short canonical text, "-0.ddd[1]e-12": NUL-ended,
    // in out, which has room for TEXT_MAX characters; returns its end.
    static constexpr int TEXT_MAX = KEPT_DIGITS + 32;
    char* canonical(char* out) const
    {
        if (negative_) {
            *out++ = '-';
        }
        *out++ = '0';
        if (count_ > 0) {
            *out++ = '.';
            for (int i = 0; i < count_; ++i) {
                *out++ = digits_[i];
            }
            if (dropped_nonzero_) {
                *out++ = '1';
            }
            long long e = point_ + (exponent_negative_ ? -exponent_ : exponent_);
            e = e > EXPONENT_CLAMP ? EXPONENT_CLAMP : e < -EXPONENT_CLAMP ? -EXPONENT_CLAMP : e;
            *out++ = 'e';
            out = std::to_chars(out, out + 8, e).ptr;
        }
        *out = '\0';
        return out;
    }

private:
    char digits_[KEPT_DIGITS];
    int count_ = 0;
    bool dropped_nonzero_ = false;
    bool negative_ = false;
    bool has_mantissa_ = false;
    bool has_exponent_ = false;
    bool has_exponent_digit_ = false;
    bool exponent_negative_ = false;
    // Bounded by the number of characters read, so it cannot overflow.
    long long point_ = 0;
    long long exponent_ = 0;
};

// Collects what the stream's extraction of a floating-point number accepts:
// a sign; digits with at most one point, which may not follow the exponent;
// an 'e' or 'E' once some digit was seen, directly followed by an optional
// sign; then digits again. Stops at the first character that does not fit,
// without consuming it. Returns whether the end of the input was reached.
bool collect(std::streambuf& buffer, NumberText& text)
{
    using traits = std::char_traits<char>;
    int c = buffer.sgetc();
    if (c == '+' || c == '-') {
        if (c == '-') {
            text.negate();
        }
        c = buffer.snextc();
    }
    bool found_point = false;
    while (!traits::eq_int_type(c, traits::eof())) {
        if (is_digit(c)) {
            if (text.has_exponent()) {
                text.exponent_digit(static_cast<char>(c));
            } else {
                text.mantissa_digit(static_cast<char>(c), found_point);
            }
        } else if (c == '.' && !found_point && !text.has_exponent()) {
            found_point = true;
        } else if ((c == 'e' || c == 'E') && !text.has_exponent() && text.has_mantissa()) {
            text.start_exponent();
            c = buffer.snextc();
            if (c == '+' || c == '-') {
                if (c == '-') {
                    text.negate_exponent();
                }
            } else {
                continue; // look at this character again as a digit
            }
        } else {
            break;
        }
        c = buffer.snextc();
    }
    return traits::eq_int_type(c, traits::eof());
}

// The stream's conversion of the collected text: strtod in the C locale,
// failure (value 0) unless all of the text is used, and failure with the
// largest finite value of the sign on overflow.
bool convert(const NumberText& text, double& value)
{
    if (!text.complete()) {
        value = 0.0;
        return false;
    }
    char canonical[NumberText::TEXT_MAX];
    double parsed = 0.0;
#ifdef __cpp_lib_to_chars
    const char* const end = text.canonical(canonical);
    // from_chars is correctly rounded like strtod and much cheaper; it
    // answers alone unless the value is out of range. (A standard library
    // without it, such as emscripten's libc++, goes to strtod directly.)
    const std::from_chars_result fast = std::from_chars(canonical, end, parsed);
    if (fast.ec == std::errc() && fast.ptr == end) {
        value = parsed;
        return true;
    }
#else
    text.canonical(canonical);
#endif
    parsed = std::strtod(canonical, nullptr);
    if (parsed == std::numeric_limits<double>::infinity()) {
        value = std::numeric_limits<double>::max();
        return false;
    }
    if (parsed == -std::numeric_limits<double>::infinity()) {
        value = -std::numeric_limits<double>::max();
        return false;
    }
    value = parsed; // an underflow is no failure for the stream
    return true;
}

// A text as a stream's source, read in place.
class TextSource : public std::streambuf {
public:
    explicit TextSource(std::string_view text)
    {
        char* begin = const_cast<char*>(text.data()); // only ever read
        setg(begin, begin, begin + text.size());
    }
};

} // namespace

std::istream& extract_double(std::istream& in, double& value)
{
    // The sentry does what it does for `in >> value`: flushes the tied
    // stream, skips white space, and fails at the end of the input.
    const std::istream::sentry ready(in);
    if (!ready) {
        return in;
    }
    NumberText text;
    bool at_end = false;
    // A buffer reports a read error (EIO, EISDIR, EBADF...) by throwing from
    // underflow. The stream's own extraction turns that into badbit and
    // leaves the value alone; so does this one, and nothing escapes.
    try {
        at_end = collect(*in.rdbuf(), text);
    } catch (...) {
        in.setstate(std::ios::badbit);
        return in;
    }
    std::ios::iostate state = convert(text, value) ? std::ios::goodbit : std::ios::failbit;
    if (at_end) {
        state |= std::ios::eofbit;
    }
    if (state != std::ios::goodbit) {
        in.setstate(state);
    }
    return in;
}

NumberContent read_number_text(std::string_view text, double& value)
{
    TextSource source(text);
    std::istream in(&source);
    double v = 0.0;
    extract_double(in, v);
    if (in.fail()) {
        if (in.eof() && !in.bad() && v == 0.0) {
            // The sentry met the end: either the text is blank or its last
            // characters started a number and stopped short.
            for (const char c : text) {
                if (!std::isspace(static_cast<unsigned char>(c))) {
                    return NumberContent::NO_NUMBER;
                }
            }
            return NumberContent::BLANK;
        }
        // An overflow fails with the largest double of its sign.
        return v == std::numeric_limits<double>::max() || v == -std::numeric_limits<double>::max()
                   ? NumberContent::OUT_OF_RANGE
                   : NumberContent::NO_NUMBER;
    }
    in >> std::ws;
    if (!in.eof()) {
        return NumberContent::TEXT_AFTER_NUMBER;
    }
    value = v;
    return NumberContent::ONE_NUMBER;
}

bool read_number(std::string_view text, double& value)
{
    return read_number_text(text, value) == NumberContent::ONE_NUMBER;
}

} // namespace revareza
