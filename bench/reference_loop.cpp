// What matrix mode costs at the least: it reads the same definitions, builds
// the same matrices, and makes the same five writes per definition (four
// matrix lines and the empty line, each written to standard output at once),
// but parses with std::from_chars and formats with std::to_chars.
//
// Not a second implementation of the program: no prompts, no error
// messages, no retries. A malformed definition just ends the loop.
#include <revareza/revareza.hpp>

#include <unistd.h>

#include <charconv>
#include <cstring>

namespace {

using revareza::HVector;
using revareza::Matrix4;

class Input {
public:
    // Next white-space-separated token, or false at the end of the input.
    bool token(const char*& begin, const char*& end)
    {
        for (;;) {
            while (pos_ < size_ && is_space(buffer_[pos_])) {
                ++pos_;
            }
            if (pos_ < size_) {
                break;
            }
            if (!refill(size_)) {
                return false;
            }
        }
        std::size_t start = pos_;
        for (;;) {
            while (pos_ < size_ && !is_space(buffer_[pos_])) {
                ++pos_;
            }
            if (pos_ < size_) {
                break;
            }
            // The token runs past the buffer: keep it, read on after it.
            const bool more = refill(start);
            start = 0;
            if (!more) {
                break;
            }
        }
        begin = buffer_ + start;
        end = buffer_ + pos_;
        return true;
    }

    template <typename T>
    bool number(T& value)
    {
        const char* begin = nullptr;
        const char* end = nullptr;
        return token(begin, end) && std::from_chars(begin, end, value).ptr == end;
    }

private:
    static bool is_space(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }

    // Moves the bytes from keep_from on to the front and reads more after them.
    bool refill(std::size_t keep_from)
    {
        const std::size_t kept = size_ - keep_from;
        std::memmove(buffer_, buffer_ + keep_from, kept);
        size_ = kept;
        pos_ = kept;
        const ssize_t n = ::read(0, buffer_ + kept, sizeof buffer_ - kept);
        if (n <= 0) {
            return false;
        }
        size_ += static_cast<std::size_t>(n);
        return true;
    }

    char buffer_[1 << 16];
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
};

bool read_triple(Input& in, double (&v)[3])
{
    return in.number(v[0]) && in.number(v[1]) && in.number(v[2]);
}

void write_all(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(1, data, size);
        if (n <= 0) {
            _exit(4);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void print(const Matrix4& m)
{
    for (int r = 0; r < 4; ++r) {
        char line[4 * 64 + 1];
        char* out = line;
        for (int c = 0; c < 4; ++c) {
            char digits[48];
            const auto result = std::to_chars(digits, digits + sizeof digits, m(r, c), std::chars_format::fixed, 5);
            const std::size_t n = static_cast<std::size_t>(result.ptr - digits);
            for (std::size_t pad = n; pad < 10; ++pad) {
                *out++ = ' ';
            }
            std::memcpy(out, digits, n);
            out += n;
            *out++ = ' ';
        }
        *out++ = '\n';
        write_all(line, static_cast<std::size_t>(out - line));
    }
    write_all("\n", 1);
}

} // namespace

int main()
{
    static Input in;
    int type = 0;
    while (in.number(type) && type != 0) {
        if (type != 1 && type != 2) {
            continue;
        }
        double o[3], x[3], y[3], last[3];
        if (!read_triple(in, o) || !read_triple(in, x) || !read_triple(in, y) || !read_triple(in, last)) {
            return 1;
        }
        const HVector origin(o[0], o[1], o[2], 1.0);
        const HVector x_axis(x[0], x[1], x[2], 0.0);
        const HVector y_axis = revareza::orthogonal_y(x_axis, HVector(y[0], y[1], y[2], 0.0));
        const Matrix4 m = type == 1
            ? revareza::build_parallel_projection(origin, x_axis, y_axis, HVector(last[0], last[1], last[2], 0.0))
            : revareza::build_perspective_projection(origin, x_axis, y_axis, HVector(last[0], last[1], last[2], 1.0));
        print(m);
    }
    return 0;
}
