// The input layer: the number extraction against the stream's own, and the
// readers with their retries and ends, in both modes.
#include "fuzz/harness.hpp"

#include "console/menu.hpp"
#include "console/mode.hpp"
#include "console/readers.hpp"
#include <revareza/text/number_input.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

using revareza::fuzz::BytesSource;
using revareza::fuzz::Console;
using revareza::fuzz::ProgramEnd;

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

// Calls the readers in turn until the program would end. In interactive
// mode that is the end of the input (status 0) or a read error (5); in
// matrix mode the first bad number (status 1, 2 or 3), the end of the
// input, or a read error.
void run_readers(const std::uint8_t* data, std::size_t size, bool interactive, bool read_error)
{
    Console console(data, size, read_error);
    revareza::interactive_mode = interactive;
    int status = -1;
    try {
        // Every successful read consumes input, so this ends within size rounds.
        for (std::size_t round = 0; round <= size; ++round) {
            revareza::read_projection_type();
            revareza::read_point();
            revareza::read_vector();
        }
        std::fprintf(stderr, "readers went on after the input had ended\n");
        std::abort();
    } catch (const ProgramEnd& end) {
        status = end.status;
    }
    const bool expected = read_error && interactive ? status == 5
        : read_error                                ? (status >= 1 && status <= 3) || status == 5
        : interactive                               ? status == 0
                                                    : status >= 1 && status <= 3;
    if (!expected) {
        std::fprintf(stderr, "status %d in %s mode%s\n", status, interactive ? "interactive" : "matrix",
                     read_error ? ", input ending in a read error" : "");
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const bool read_error : {false, true}) {
        compare_with_stream(data, size, read_error);
        run_readers(data, size, true, read_error);
        run_readers(data, size, false, read_error);
    }
    return 0;
}
