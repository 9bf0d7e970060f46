#include <revareza/geometry/detail/fixed_field.hpp>

#include <charconv>
#include <cstdio>
#include <cstring>

namespace revareza {

char* put_fixed_field(char* out, double v) noexcept
{
    char digits[FIXED_FIELD_MAX];
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
    // libc++ before 14 (emscripten's) has no floating-point to_chars. Its C
    // library's "%.5f" is what its stream writes a double with, and it
    // rounds correctly too (the web build's tests compare it with this
    // program's text).
    const std::size_t length = static_cast<std::size_t>(std::snprintf(digits, sizeof digits, "%.5f", v));
#else
    // std::to_chars with a precision gives exactly the digits of printf's
    // "%.5f" (correct rounding, ties to even), which is what the stream
    // uses, without the locale and stream machinery around it.
    const std::to_chars_result result =
        std::to_chars(digits, digits + sizeof digits, v, std::chars_format::fixed, 5);
    const std::size_t length = static_cast<std::size_t>(result.ptr - digits);
#endif
    for (std::size_t pad = length; pad < 10; ++pad) {
        *out++ = ' ';
    }
    std::memcpy(out, digits, length);
    return out + length;
}

} // namespace revareza
