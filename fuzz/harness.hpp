#pragma once

// Runs the program's console code in-process on a fuzzer's bytes: its input
// stream reads the bytes, its output and error streams go to counting
// sinks.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <streambuf>

namespace revareza {
namespace fuzz {

/// Discards what is written and counts it; aborts (a crash for the fuzzer)
/// as soon as the count passes the limit: the program is printing without
/// bound.
class CountingSink : public std::streambuf {
public:
    explicit CountingSink(std::size_t limit) : limit_(limit) {}

protected:
    int_type overflow(int_type c) override
    {
        add(1);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        add(static_cast<std::size_t>(n));
        return n;
    }

private:
    void add(std::size_t n);

    std::size_t written_ = 0;
    std::size_t limit_;
};

/// Reads a fixed block of bytes, then ends as a file does: at its end, or
/// with a read error, which a file's buffer reports by throwing from
/// underflow (a stream turns that into badbit).
class BytesSource : public std::streambuf {
public:
    BytesSource(const std::uint8_t* data, std::size_t size, bool read_error_at_end = false)
        : read_error_(read_error_at_end)
    {
        char* begin = const_cast<char*>(reinterpret_cast<const char*>(data));
        setg(begin, begin, begin + size);
    }

protected:
    int_type underflow() override;

private:
    bool read_error_;
};

/// The standard streams of one run: the bytes as input, sinks for output
/// and errors, the input tied to the output as the program ties them.
class Streams {
    // The buffers first: the streams are made on them.
    BytesSource in_buffer_;
    CountingSink out_buffer_;
    CountingSink err_buffer_;

public:
    Streams(const std::uint8_t* data, std::size_t size, bool read_error_at_end = false);

    std::istream in;
    std::ostream out;
    std::ostream err;
};

} // namespace fuzz
} // namespace revareza
