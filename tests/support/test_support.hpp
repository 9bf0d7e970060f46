#pragma once

// Helpers shared by the unit tests.

#include <cstddef>
#include <cstdint>
#include <ios>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

namespace revareza {
namespace test {

/// A string buffer that records where each flush happened (the length of
/// the text at that moment), to check that a line is flushed when written.
class FlushRecorder : public std::stringbuf {
public:
    std::vector<std::size_t> flushed_at;

    std::size_t flushes() const { return flushed_at.size(); }

protected:
    int sync() override
    {
        flushed_at.push_back(str().size());
        return 0;
    }
};

/// Serves a text, then ends as a file does: at its end, or with a read
/// error, which a file's buffer reports by throwing from underflow and a
/// stream turns into badbit.
class TextSource : public std::streambuf {
public:
    TextSource(std::string text, bool read_error_at_end) : text_(std::move(text)), read_error_(read_error_at_end)
    {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

    /// How many characters were taken.
    std::size_t used() const { return static_cast<std::size_t>(gptr() - eback()); }

protected:
    int_type underflow() override
    {
        if (read_error_) {
            throw std::ios_base::failure("read error");
        }
        return traits_type::eof();
    }

private:
    std::string text_;
    bool read_error_;
};

/// xorshift64*: reproducible test data, the same on every build.
class Random {
public:
    explicit Random(std::uint64_t seed = 0x9E3779B97F4A7C15u) : state_(seed) {}

    std::uint64_t Next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Du;
    }

    /// In [0, n).
    int Below(int n) { return static_cast<int>((Next() >> 33) % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

} // namespace test
} // namespace revareza
