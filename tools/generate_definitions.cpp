// Writes a reproducible stream of matrix-mode definitions, ended by 0.
//
//   generate_definitions COUNT SEED [integers|mixed]
//
// integers: every number a small integer. mixed: integers and decimals with
// up to three places. Types are mostly 1 and 2, with some that run nothing;
// some Y are parallel to X, so that NaN shows up too. Only integer
// arithmetic is used, so every build writes the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// xorshift64*: small, fast and the same everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15u) {}

    std::uint64_t next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Du;
    }

    // Uniform enough in [0, n) for test data.
    int below(int n) { return static_cast<int>((next() >> 33) % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

struct Number {
    long long scaled; // value * 1000
};

std::string text(Number n)
{
    char buffer[32];
    const long long magnitude = n.scaled < 0 ? -n.scaled : n.scaled;
    const char* sign = n.scaled < 0 ? "-" : "";
    if (magnitude % 1000 == 0) {
        std::snprintf(buffer, sizeof buffer, "%s%lld", sign, magnitude / 1000);
    } else {
        std::snprintf(buffer, sizeof buffer, "%s%lld.%03lld", sign, magnitude / 1000, magnitude % 1000);
        std::string s(buffer);
        while (s.back() == '0') {
            s.pop_back();
        }
        return s;
    }
    return buffer;
}

Number number(Random& random, bool integers)
{
    if (integers || random.below(2) == 0) {
        return {1000LL * (random.below(19) - 9)};
    }
    return {random.below(40001) - 20000};
}

struct Triple {
    Number v[3];
};

Triple triple(Random& random, bool integers, bool nonzero)
{
    for (;;) {
        Triple t{{number(random, integers), number(random, integers), number(random, integers)}};
        if (!nonzero || t.v[0].scaled != 0 || t.v[1].scaled != 0 || t.v[2].scaled != 0) {
            return t;
        }
    }
}

void put(const Triple& t)
{
    std::printf(" %s %s %s", text(t.v[0]).c_str(), text(t.v[1]).c_str(), text(t.v[2]).c_str());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3 || (argc > 3 && std::strcmp(argv[3], "integers") != 0 && std::strcmp(argv[3], "mixed") != 0)) {
        std::fprintf(stderr, "usage: generate_definitions COUNT SEED [integers|mixed]\n");
        return 2;
    }
    const long count = std::strtol(argv[1], nullptr, 10);
    Random random(std::strtoull(argv[2], nullptr, 10));
    const bool integers = argc > 3 && std::strcmp(argv[3], "integers") == 0;

    for (long i = 0; i < count; ++i) {
        const int kind = random.below(20);
        if (kind == 19) {
            std::printf("%d\n", random.below(2) ? 7 : -1); // a type that runs nothing
            continue;
        }
        const int type = kind < 9 ? 1 : 2;
        const Triple origin = triple(random, integers, false);
        const Triple x = triple(random, integers, true);
        Triple y = triple(random, integers, true);
        if (random.below(25) == 0) {
            y = x; // parallel: NaN all through
        }
        // D must not be zero; a centre may be anywhere.
        const Triple last = triple(random, integers, type == 1);
        std::printf("%d", type);
        put(origin);
        put(x);
        put(y);
        put(last);
        std::printf("\n");
    }
    std::printf("0\n");
    return std::fflush(stdout) == 0 ? 0 : 1;
}
