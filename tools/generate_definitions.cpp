// Writes a reproducible stream of definitions, ended by 0
// (tools/definition_generator.hpp tells what they are).
//
//   generate_definitions COUNT SEED [integers|mixed|wild] [interactive]
#include "tools/definition_generator.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    using revareza::tools::Kind;
    const auto is = [&](int i, const char* word) { return argc > i && std::strcmp(argv[i], word) == 0; };
    const bool interactive = is(argc - 1, "interactive") && argc > 3;
    const int words = argc - (interactive ? 1 : 0);
    if (words < 3 || words > 4 || (words == 4 && !is(3, "integers") && !is(3, "mixed") && !is(3, "wild"))) {
        std::fprintf(stderr, "usage: generate_definitions COUNT SEED [integers|mixed|wild] [interactive]\n");
        return 2;
    }
    const Kind kind = is(3, "integers") ? Kind::INTEGERS : is(3, "wild") ? Kind::WILD : Kind::MIXED;
    const std::string text = revareza::tools::definitions_text(std::strtol(argv[1], nullptr, 10),
                                                               std::strtoull(argv[2], nullptr, 10), kind, interactive);
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
