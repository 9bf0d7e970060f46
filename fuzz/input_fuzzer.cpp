// The input layer: the number extraction against the stream's own, and the
// readers with their retries and ends, in both modes.
#include "harness.hpp"

#include "console/menu.hpp"
#include "console/mode.hpp"
#include "console/number_input.hpp"
#include "console/readers.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using revareza::fuzz::Console;
using revareza::fuzz::ProgramEnd;

// extract_double must read exactly what `>>` reads: values bit for bit,
// error states and the characters left.
void compare_with_stream(const std::string& text)
{
    std::istringstream expected_in(text);
    std::istringstream actual_in(text);
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
    expected_in.clear();
    actual_in.clear();
    if (expected_in.tellg() != actual_in.tellg()) {
        std::fprintf(stderr, "extraction stops at another position\n");
        std::abort();
    }
}

// Calls the readers in turn until the program would end. In interactive
// mode that is the end of the input (status 0); in matrix mode the first
// bad number (status 1, 2 or 3) or the end of the input.
void run_readers(const std::uint8_t* data, std::size_t size, bool interactive)
{
    Console console(data, size);
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
    const bool expected = interactive ? status == 0 : status >= 1 && status <= 3;
    if (!expected) {
        std::fprintf(stderr, "status %d in %s mode\n", status, interactive ? "interactive" : "matrix");
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    compare_with_stream(std::string(reinterpret_cast<const char*>(data), size));
    run_readers(data, size, true);
    run_readers(data, size, false);
    return 0;
}
