#include "fuzz/harness.hpp"

#include "console/mode.hpp"
#include "console/program_exit.hpp"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace revareza {

// Replaces the program's own exit_process (console/process_exit.cpp), which
// the linker then leaves out of the console library.
void exit_process(int status)
{
    throw fuzz::ProgramEnd{status};
}

namespace fuzz {
namespace {

// The program unsynchronises the standard streams, and the first such call
// gives them new buffers: make it before any redirection, or the first run
// would write to the real standard output.
[[maybe_unused]] const bool unsynchronised = (std::ios::sync_with_stdio(false), true);

} // namespace

BytesSource::int_type BytesSource::underflow()
{
    if (read_error_) {
        throw std::ios_base::failure("read error");
    }
    return traits_type::eof();
}

Console::Console(const std::uint8_t* data, std::size_t size, bool read_error_at_end)
    : in_(data, size, read_error_at_end),
      saved_in_(std::cin.rdbuf(&in_)),
      saved_out_(std::cout.rdbuf(&out_)),
      saved_err_(std::cerr.rdbuf(&err_))
{
    // Every retry, prompt or matrix line answers at least one byte of input;
    // the most text per byte is a prompt or retry message for a one-byte
    // answer and its newline, about 20 bytes each.
    out_.limit = err_.limit = 4096 + 64 * size;
    interactive_mode = true;
    print_projected_point = true;
    for (std::ios* stream : {static_cast<std::ios*>(&std::cin), static_cast<std::ios*>(&std::cout)}) {
        stream->clear();
        stream->flags(std::ios::skipws | std::ios::dec);
        stream->precision(6);
        stream->width(0);
    }
    std::cin.tie(&std::cout);
}

Console::~Console()
{
    std::cin.rdbuf(saved_in_);
    std::cout.rdbuf(saved_out_);
    std::cerr.rdbuf(saved_err_);
    std::cin.clear();
    std::cout.clear();
}

void CountingSink::add(std::size_t n)
{
    written += n;
    if (written > limit) {
        std::fprintf(stderr, "more than %zu bytes of output: printing without bound\n", limit);
        std::abort();
    }
}

} // namespace fuzz
} // namespace revareza
