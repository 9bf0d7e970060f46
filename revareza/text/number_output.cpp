#include <revareza/text/number_output.hpp>

#include <clocale>
#include <cstdio>
#include <cstring>

namespace revareza {

std::string significant_text(double v)
{
    // "-1.2345678901234567e-308" and its NUL fit with room to spare.
    char text[48];
    const int length = std::snprintf(text, sizeof text, "%.17g", v);
    std::string out(text, length > 0 ? static_cast<std::size_t>(length) : 0);
    // printf writes the locale's decimal point; ours is always a point.
    const char* point = std::localeconv()->decimal_point;
    if (std::strcmp(point, ".") != 0) {
        const std::size_t at = out.find(point);
        if (at != std::string::npos) {
            out.replace(at, std::strlen(point), ".");
        }
    }
    return out;
}

} // namespace revareza
