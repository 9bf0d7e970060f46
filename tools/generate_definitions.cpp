// Writes a reproducible stream of definitions, ended by 0
// (tools/definition_generator.hpp tells what they are).
//
//   generate_definitions COUNT SEED [integers|mixed|wild] [interactive]
//
// For interactive mode only definitions the program answers at once: one
// it would ask again for a vector of (a Y parallel to X, a direction along
// the plane, a centre in it) would make it read the next request's numbers
// as the answer, and the rest of the stream would mean something else.
#include "tools/definition_generator.hpp"

#include <revareza/definition/definition.hpp>
#include <revareza/text/number_input.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Whether interactive mode answers the request at once: type, point, O, X,
// Y and D or C as the generator writes them.
bool answered_at_once(const std::string& line)
{
    using namespace revareza;
    double v[16] = {};
    std::size_t start = 0;
    for (double& value : v) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (!read_number(std::string_view(line).substr(start, end - start), value)) {
            return false;
        }
        start = end + 1;
    }
    Definition d;
    d.type = v[0] == 1 ? ProjectionType::PARALLEL : ProjectionType::PERSPECTIVE;
    d.origin = HVector(v[4], v[5], v[6], 1.0);
    d.x = HVector(v[7], v[8], v[9], 0.0);
    d.y = HVector(v[10], v[11], v[12], 0.0);
    (d.type == ProjectionType::PARALLEL ? d.direction : d.centre) =
        HVector(v[13], v[14], v[15], d.type == ProjectionType::PARALLEL ? 0.0 : 1.0);
    const Problem problem = check(d);
    return problem == Problem::NONE || problem == Problem::NOT_FINITE;
}

} // namespace

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
                                                               std::strtoull(argv[2], nullptr, 10), kind, interactive,
                                                               interactive ? answered_at_once : nullptr);
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
