#pragma once

// Runs console code against in-memory standard input and output.

#include "console/mode.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

namespace revareza {
namespace test {

class ConsoleTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved_in_ = std::cin.rdbuf(input_.rdbuf());
        saved_out_ = std::cout.rdbuf(output_.rdbuf());
    }

    void TearDown() override
    {
        std::cin.rdbuf(saved_in_);
        std::cout.rdbuf(saved_out_);
        std::cin.clear();
        std::cout.clear();
        interactive_mode = true;
        print_projected_point = true;
    }

    // A fresh input, and standard input's state cleared of the last one's end.
    void SetInput(const std::string& text)
    {
        input_.str(text);
        std::cin.clear();
    }

    static void UseMatrixMode()
    {
        interactive_mode = false;
        print_projected_point = false;
    }

    std::string Output() const { return output_.str(); }

    // What is left of the input after the code under test read from it.
    std::string RemainingInput()
    {
        std::cin.clear();
        std::string rest;
        std::getline(std::cin, rest, '\0');
        return rest;
    }

private:
    std::istringstream input_;
    std::ostringstream output_;
    std::streambuf* saved_in_ = nullptr;
    std::streambuf* saved_out_ = nullptr;
};

} // namespace test
} // namespace revareza
