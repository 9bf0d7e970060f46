// A reproducible stream of definitions, ended by 0, as matrix mode (or,
// with the point to project, interactive mode) reads them: the input of
// the cross-build comparisons, the web module's differential test and the
// unit tests that hold the library to the same definitions.
//
// integers: every number a small integer. mixed: integers and decimals with
// up to three places. wild: besides those, decimals of up to 17 digits at
// any exponent from 1e-320 to 1e300 (squares that overflow or underflow
// included), and components of 1e-1 to 1e-18 that turn directions a hair
// off an axis. Types are mostly 1 and 2, with some that run nothing; some
// Y are parallel to X, so that NaN shows up too. interactive: each request
// also gives the point to project, after the type, as interactive mode
// reads it. Only integer arithmetic is used, so every build writes the
// same bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace revareza {
namespace tools {

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

inline std::string text(const Number& n)
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
inline Number wild_number(Random& random)
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
    const int exponent = random.below(12) == 0 ? random.below(621) - 320 : random.below(41) - 20;
    return {1, t + "e" + std::to_string(exponent)};
}

inline Number number(Random& random, Kind kind)
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

inline Triple triple(Random& random, Kind kind, bool nonzero)
{
    for (;;) {
        Triple t{{number(random, kind), number(random, kind), number(random, kind)}};
        if (!nonzero || t.v[0].scaled != 0 || t.v[1].scaled != 0 || t.v[2].scaled != 0) {
            return t;
        }
    }
}

inline void put(std::string& out, const Triple& t)
{
    for (const Number& n : t.v) {
        out += ' ';
        out += text(n);
    }
}

/// COUNT definitions from SEED, one a line, then the line "0". With keep,
/// a definition whose line (without its newline) keep refuses is drawn
/// again.
inline std::string definitions_text(long count, std::uint64_t seed, Kind kind, bool interactive,
                                    bool (*keep)(const std::string& line) = nullptr)
{
    std::string out;
    Random random(seed);
    for (long i = 0; i < count; ++i) {
        const int choice = random.below(20);
        if (choice == 19) {
            out += random.below(2) ? "7\n" : "-1\n"; // a type that runs nothing
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
        std::string line(1, static_cast<char>('0' + type));
        if (interactive) {
            put(line, triple(random, kind, false));
        }
        put(line, origin);
        put(line, x);
        put(line, y);
        put(line, last);
        if (keep != nullptr && !keep(line)) {
            --i;
            continue;
        }
        out += line;
        out += '\n';
    }
    out += "0\n";
    return out;
}

} // namespace tools
} // namespace revareza
