#pragma once

#include "console/console.hpp"

#include <revareza/definition/messages.hpp>
#include <revareza/geometry/hvector.hpp>

#include <iosfwd>

namespace revareza {

/// Output that exists only in interactive mode: the questions, the notice
/// and the echoes. In matrix mode every operation writes nothing and does
/// not flush.
class PromptStream {
public:
    explicit PromptStream(const Console& console) noexcept
        : out_(&console.out), shown_(console.mode == Mode::INTERACTIVE)
    {
    }

    /// The stream the prompts go to.
    std::ostream& stream() const noexcept { return *out_; }

    /// Whether anything is written: only in interactive mode.
    bool shown() const noexcept { return shown_; }

private:
    std::ostream* out_;
    bool shown_;
};

/// The end of a prompt line: its text, then a flush.
struct PromptEnd {
    const char* text;
};

/// A newline, then a flush.
inline constexpr PromptEnd prompt_end{"\n"};

/// Writes the text, without flushing.
PromptStream& operator<<(PromptStream& p, const char* text);
/// Writes the vector's text form "(x,y,z)".
PromptStream& operator<<(PromptStream& p, const HVector& v);
/// Writes the echo "Usando o vetor (x,y,z)" (or Y's words).
PromptStream& operator<<(PromptStream& p, const Echo& e);
/// Writes the end's text, then flushes.
PromptStream& operator<<(PromptStream& p, const PromptEnd& end);

} // namespace revareza
