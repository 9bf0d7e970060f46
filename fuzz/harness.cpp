#include "fuzz/harness.hpp"

#include <cstdio>
#include <cstdlib>

namespace revareza {
namespace fuzz {

BytesSource::int_type BytesSource::underflow()
{
    if (read_error_) {
        throw std::ios_base::failure("read error");
    }
    return traits_type::eof();
}

void CountingSink::add(std::size_t n)
{
    written_ += n;
    if (written_ > limit_) {
        std::fprintf(stderr, "more than %zu bytes of output: printing without bound\n", limit_);
        std::abort();
    }
}

// Every retry, prompt or matrix line answers at least one byte of input;
// the most text per byte is a prompt or retry message for a one-byte
// answer and its newline, about 20 bytes each.
Streams::Streams(const std::uint8_t* data, std::size_t size, bool read_error_at_end)
    : in_buffer_(data, size, read_error_at_end),
      out_buffer_(4096 + 64 * size),
      err_buffer_(4096 + 64 * size),
      in(&in_buffer_),
      out(&out_buffer_),
      err(&err_buffer_)
{
    in.tie(&out);
}

} // namespace fuzz
} // namespace revareza
