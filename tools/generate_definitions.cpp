// Writes a reproducible stream of definitions, ended by 0.
//
//   generate_definitions COUNT SEED [integers|mixed|wild] [interactive]
//
// integers: every number a small integer. mixed: integers and decimals with
// up to three places. wild: besides those, decimals of up to 17 digits at
// any exponent from 1e-320 to 1e150 (squares stay finite), and components of 1e-1 to 1e-18 that
// turn directions a hair off an axis. Types are mostly 1 and 2, with some
// that run nothing; some Y are parallel to X, so that NaN shows up too.
// interactive: each request also gives the point to project, after the
// type, as interactive mode reads it. Only integer arithmetic is used, so
// every build writes the same bytes.
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
    long long scaled; // value * 1000, for integers and decimals
    std::string wild; // the text of a wild number, when not empty
};

std::string text(const Number& n)
{
    if (!n.wild.empty()) {
        return n.wild;
    }
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

enum class Kind { INTEGERS, MIXED, WILD };

// A decimal of up to 17 digits, or a power of ten that tilts a direction
// off an axis; never zero.
Number wild_number(Random& random)
{
    std::string t = random.below(2) ? "-" : "";
    if (random.below(3) == 0) {
        return {1, t + std::to_string(1 + random.below(9)) + "e-" + std::to_string(1 + random.below(18))};
    }
    t += std::to_string(1 + random.below(9));
    const int digits = random.below(17);
    if (digits > 0) {
        t += '.';
        for (int i = 0; i < digits; ++i) {
            t += static_cast<char>('0' + random.below(10));
        }
    }
    const int exponent = random.below(12) == 0 ? random.below(471) - 320 : random.below(41) - 20;
    return {1, t + "e" + std::to_string(exponent)};
}

Number number(Random& random, Kind kind)
{
    if (kind == Kind::WILD && random.below(2) == 0) {
        return wild_number(random);
    }
    if (kind == Kind::INTEGERS || random.below(2) == 0) {
        return {1000LL * (random.below(19) - 9), {}};
    }
    return {random.below(40001) - 20000, {}};
}

struct Triple {
    Number v[3];
};

Triple triple(Random& random, Kind kind, bool nonzero)
{
    for (;;) {
        Triple t{{number(random, kind), number(random, kind), number(random, kind)}};
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
    const auto is = [&](int i, const char* word) { return argc > i && std::strcmp(argv[i], word) == 0; };
    const bool interactive = is(argc - 1, "interactive") && argc > 3;
    const int words = argc - (interactive ? 1 : 0);
    if (words < 3 || words > 4 || (words == 4 && !is(3, "integers") && !is(3, "mixed") && !is(3, "wild"))) {
        std::fprintf(stderr, "usage: generate_definitions COUNT SEED [integers|mixed|wild] [interactive]\n");
        return 2;
    }
    const long count = std::strtol(argv[1], nullptr, 10);
    Random random(std::strtoull(argv[2], nullptr, 10));
    const Kind kind = is(3, "integers") ? Kind::INTEGERS : is(3, "wild") ? Kind::WILD : Kind::MIXED;

    for (long i = 0; i < count; ++i) {
        const int choice = random.below(20);
        if (choice == 19) {
            std::printf("%d\n", random.below(2) ? 7 : -1); // a type that runs nothing
            continue;
        }
        const int type = choice < 9 ? 1 : 2;
        const Triple origin = triple(random, kind, false);
        const Triple x = triple(random, kind, true);
        Triple y = triple(random, kind, true);
        if (random.below(25) == 0) {
            y = x; // parallel: NaN all through
        }
        // D must not be zero; a centre may be anywhere.
        const Triple last = triple(random, kind, type == 1);
        std::printf("%d", type);
        if (interactive) {
            put(triple(random, kind, false));
        }
        put(origin);
        put(x);
        put(y);
        put(last);
        std::printf("\n");
    }
    std::printf("0\n");
    return std::fflush(stdout) == 0 ? 0 : 1;
}
