#include <revareza/geometry/fixed_field.hpp>

#include <charconv>
#include <cstring>

namespace revareza {

char* put_fixed_field(char* out, double v) noexcept
{
    // std::to_chars with a precision gives exactly the digits of printf's
    // "%.5f" (correct rounding, ties to even), which is what the stream
    // uses, without the locale and stream machinery around it.
    char digits[FIXED_FIELD_MAX];
    const std::to_chars_result result =
        std::to_chars(digits, digits + sizeof digits, v, std::chars_format::fixed, 5);
    const std::size_t length = static_cast<std::size_t>(result.ptr - digits);
    for (std::size_t pad = length; pad < 10; ++pad) {
        *out++ = ' ';
    }
    std::memcpy(out, digits, length);
    return out + length;
}

} // namespace revareza
