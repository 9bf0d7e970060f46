#include <revareza/text/number_output.hpp>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace revareza {
namespace {

// The part of the scale under which readable_text's scientific notation
// writes 0.
constexpr double RELATIVE_ZERO = 5e-6;

// printf's text for v in the C locale: printf writes the locale's decimal
// point, and ours is always a point. "%.5f" of the largest double has 309
// digits before the point.
std::string printed(const char* format, double v)
{
    char text[400];
    const int length = std::snprintf(text, sizeof text, format, v);
    std::string out(text, length > 0 ? static_cast<std::size_t>(length) : 0);
    const char* point = std::localeconv()->decimal_point;
    if (std::strcmp(point, ".") != 0) {
        const std::size_t at = out.find(point);
        if (at != std::string::npos) {
            out.replace(at, std::strlen(point), ".");
        }
    }
    return out;
}

// The text without its minus where every digit in it is 0.
std::string unsigned_zero(std::string text)
{
    if (!text.empty() && text[0] == '-') {
        const std::size_t end = text.find('e');
        if (text.find_first_not_of("0.", 1) >= end) {
            text.erase(0, 1);
        }
    }
    return text;
}

} // namespace

std::string significant_text(double v)
{
    return printed("%.17g", v);
}

std::string decimal_text(double v)
{
    return unsigned_zero(printed("%.5f", v));
}

std::string readable_text(double v, double scale)
{
    const double size = std::fabs(scale);
    if (size == 0.0 || (size >= DECIMAL_TEXT_FLOOR && size < DECIMAL_TEXT_CEILING)) {
        return decimal_text(v);
    }
    // As five decimals show a value under 5e-6 beside numbers of 1 as 0.
    return std::fabs(v) < RELATIVE_ZERO * size ? printed("%.5e", 0.0) : unsigned_zero(printed("%.5e", v));
}

} // namespace revareza
