#pragma once

// Runs the program's console code in-process on a fuzzer's bytes: standard
// input reads the bytes, standard output and error go to counting sinks, and
// the program's exits come back to the harness instead of ending the process.

#include <cstddef>
#include <cstdint>
#include <streambuf>

namespace revareza {
namespace fuzz {

/// Thrown by the harness's exit_process. Only the harness throws; the
/// program itself has no exceptions, and nothing of its own is between the
/// throw and the catch but plain functions.
struct ProgramEnd {
    int status;
};

/// Discards what is written and counts it; aborts (a crash for the fuzzer)
/// as soon as the count passes the limit: the program is printing without
/// bound.
class CountingSink : public std::streambuf {
public:
    std::size_t written = 0;
    std::size_t limit = 0;

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

/// Points the standard streams at input and the sinks, resets their state
/// and the mode flags to what a fresh process has; restores on destruction.
class Console {
public:
    Console(const std::uint8_t* data, std::size_t size, bool read_error_at_end = false);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

private:
    BytesSource in_;
    CountingSink out_;
    CountingSink err_;
    std::streambuf* saved_in_;
    std::streambuf* saved_out_;
    std::streambuf* saved_err_;
};

} // namespace fuzz
} // namespace revareza
