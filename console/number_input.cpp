#include "console/number_input.hpp"

#include <charconv>
#include <cstdlib>
#include <istream>
#include <limits>
#include <string>

namespace revareza {
namespace {

// The characters of a number, as the stream's extraction collects them.
// Short texts stay on the stack; a longer one (a number of a thousand
// digits, say) moves to a string, as the stream's own text does.
class NumberText {
public:
    void push(char c)
    {
        if (size_ < sizeof small_ - 1) {
            small_[size_++] = c;
        } else {
            if (large_.empty()) {
                large_.assign(small_, size_);
            }
            large_.push_back(c);
            ++size_;
        }
    }

    // NUL-terminated text and its length.
    const char* data()
    {
        if (large_.empty()) {
            small_[size_] = '\0';
            return small_;
        }
        return large_.c_str();
    }

    std::size_t size() const { return size_; }

private:
    char small_[64];
    std::size_t size_ = 0;
    std::string large_;
};

bool is_digit(int c) { return c >= '0' && c <= '9'; }

// Collects what the stream's extraction of a floating-point number accepts:
// a sign; digits with at most one point, which may not follow the exponent; an 'e' or 'E' once some digit was seen,
// directly followed by an optional sign; then digits again. Stops at the
// first character that does not fit, without consuming it. Returns whether
// the end of the input was reached.
bool collect(std::streambuf& buffer, NumberText& text)
{
    using traits = std::char_traits<char>;
    int c = buffer.sgetc();
    if (c == '+' || c == '-') {
        text.push(static_cast<char>(c));
        c = buffer.snextc();
    }
    bool found_mantissa = false;
    bool found_point = false;
    bool found_exponent = false;
    while (!traits::eq_int_type(c, traits::eof())) {
        if (is_digit(c)) {
            text.push(static_cast<char>(c));
            found_mantissa = true;
        } else if (c == '.' && !found_point && !found_exponent) {
            text.push('.');
            found_point = true;
        } else if ((c == 'e' || c == 'E') && !found_exponent && found_mantissa) {
            text.push('e');
            found_exponent = true;
            c = buffer.snextc();
            if (c == '+' || c == '-') {
                text.push(static_cast<char>(c));
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
bool convert(NumberText& text, double& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    // from_chars is correctly rounded like strtod and much cheaper; it
    // answers alone only when it takes the whole text without a range
    // error. It knows no '+' sign, which the text may start with.
    const char* digits = begin != end && *begin == '+' ? begin + 1 : begin;
    double parsed = 0.0;
    const std::from_chars_result fast = std::from_chars(digits, end, parsed);
    if (fast.ec == std::errc() && fast.ptr == end) {
        value = parsed;
        return true;
    }
    char* stop = nullptr;
    parsed = std::strtod(begin, &stop);
    if (stop == begin || *stop != '\0') {
        value = 0.0;
        return false;
    }
    if (parsed == std::numeric_limits<double>::infinity()) {
        value = std::numeric_limits<double>::max();
        return false;
    }
    if (parsed == -std::numeric_limits<double>::infinity()) {
        value = -std::numeric_limits<double>::max();
        return false;
    }
    value = parsed;
    return true;
}

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
    const bool at_end = collect(*in.rdbuf(), text);
    std::ios::iostate state = convert(text, value) ? std::ios::goodbit : std::ios::failbit;
    if (at_end) {
        state |= std::ios::eofbit;
    }
    if (state != std::ios::goodbit) {
        in.setstate(state);
    }
    return in;
}

} // namespace revareza
