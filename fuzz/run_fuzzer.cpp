// Whole runs of the program: the first byte picks the command line and
// whether standard input ends or fails with a read error; the rest is
// standard input, cut wherever the fuzzer cuts it.
#include "fuzz/harness.hpp"

#include "console/program.hpp"

#include <cstdio>
#include <cstdlib>

namespace {

struct CommandLine {
    int argc;
    const char* argv[3];
    bool interactive;
    bool help;
};

const CommandLine kCommandLines[] = {
    {1, {"revareza", nullptr, nullptr}, true, false},
    {2, {"revareza", "--matrizes", nullptr}, false, false},
    {3, {"revareza", "outro", "--matrizes"}, true, false},
    {2, {"revareza", "-h", nullptr}, false, true},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const CommandLine& line = kCommandLines[data[0] % 4];
    const bool read_error = data[0] & 4;
    revareza::fuzz::Streams streams(data + 1, size - 1, read_error);
    const int status = revareza::run_program(line.argc, const_cast<char**>(line.argv), streams.in, streams.out,
                                             streams.err, revareza::LineEditing::NEVER);
    // Output never fails here, so: 0 for the usage; 0 in interactive mode
    // (or 5 when the input fails); in matrix mode 0 or an input error.
    const bool expected = line.help ? status == 0
        : line.interactive          ? status == 0 || (read_error && status == 5)
                                    : (status >= 0 && status <= 3) || (read_error && status == 5);
    if (!expected) {
        std::fprintf(stderr, "status %d\n", status);
        std::abort();
    }
    return 0;
}
