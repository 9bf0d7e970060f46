// The input layer: the number extraction against the stream's own, and the
// readers with their retries and ends, in both modes.
#include "fuzz/harness.hpp"

#include "console/menu.hpp"
#include "console/readers.hpp"
#include <revareza/text/number_input.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using revareza::Console;
using revareza::Mode;
using revareza::Stop;
using revareza::fuzz::BytesSource;
using revareza::fuzz::Streams;

// extract_double must read exactly what `>>` reads: values bit for bit,
// error states and the characters left, whether the input ends or fails.
void compare_with_stream(const std::uint8_t* data, std::size_t size, bool read_error)
{
    BytesSource expected_source(data, size, read_error);
    BytesSource actual_source(data, size, read_error);
    std::istream expected_in(&expected_source);
    std::istream actual_in(&actual_source);
    for (int i = 0; i < 8; ++i) {
        double expected = -1.5;
        double actual = -1.5;
        expected_in >> expected;
        revareza::extract_double(actual_in, actual);
        if (std::memcmp(&expected, &actual, sizeof expected) != 0 || expected_in.rdstate() != actual_in.rdstate()) {
            std::fprintf(stderr, "extraction %d differs: %a state %d, ours %a state %d\n", i, expected,
                         static_cast<int>(expected_in.rdstate()), actual, static_cast<int>(actual_in.rdstate()));
            std::abort();
        }
    }
    if (expected_source.in_avail() != actual_source.in_avail()) {
        std::fprintf(stderr, "extraction stops at another position\n");
        std::abort();
    }
}

// Calls the readers in turn until one says the run must stop. In
// interactive mode that is the end of the input or a read error; in matrix
// mode the first bad number, the end of the input, or a read error.
void run_readers(const std::uint8_t* data, std::size_t size, Mode mode, bool read_error)
{
    Streams streams(data, size, read_error);
    Console console{streams.in, streams.out, streams.err, mode};
    Stop stop = Stop::NONE;
    // Every successful read consumes input, so this ends within size rounds.
    for (std::size_t round = 0; round <= size && stop == Stop::NONE; ++round) {
        if ((stop = revareza::read_projection_type(console).stop) == Stop::NONE
            && (stop = revareza::read_point(console).stop) == Stop::NONE) {
            stop = revareza::read_vector(console).stop;
        }
    }
    const bool interactive = mode == Mode::INTERACTIVE;
    const bool bad_input = stop == Stop::UNREADABLE_TYPE || stop == Stop::UNREADABLE_POINT
        || stop == Stop::UNREADABLE_VECTOR || stop == Stop::ZERO_DIRECTION;
    const bool expected = interactive ? stop == (read_error ? Stop::READ_FAILED : Stop::END_OF_INPUT)
                                      : bad_input || (read_error && stop == Stop::READ_FAILED);
    if (!expected) {
        std::fprintf(stderr, "readers %s with stop %d in %s mode%s\n",
                     stop == Stop::NONE ? "went on after the input had ended" : "ended",
                     static_cast<int>(stop), interactive ? "interactive" : "matrix",
                     read_error ? ", input ending in a read error" : "");
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const bool read_error : {false, true}) {
        compare_with_stream(data, size, read_error);
        run_readers(data, size, Mode::INTERACTIVE, read_error);
        run_readers(data, size, Mode::MATRICES, read_error);
    }
    return 0;
}
