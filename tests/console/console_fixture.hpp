#pragma once

// Console code run on streams of the test's own.

#include "console/console.hpp"

#include <iostream>
#include <sstream>
#include <string>

namespace revareza {
namespace test {

/// A console on an in-memory input and output.
struct TestConsole {
    explicit TestConsole(const std::string& input, Mode mode = Mode::INTERACTIVE) : in(input), console{in, out, err, mode}
    {
        in.tie(&out);
    }

    /// What is left of the input after the code under test read from it.
    std::string RemainingInput()
    {
        in.clear();
        std::string rest;
        std::getline(in, rest, '\0');
        return rest;
    }

    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    Console console;
};

} // namespace test
} // namespace revareza
