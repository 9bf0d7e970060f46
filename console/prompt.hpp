#pragma once

#include <revareza/geometry/hvector.hpp>

#include <iosfwd>
#include <string>

namespace revareza {

/// Output that exists only in interactive mode. Every operation asks
/// interactive_mode at the moment it is called; in matrix mode it writes
/// nothing and does not flush.
class PromptStream {
public:
    explicit PromptStream(std::ostream& out) noexcept : out_(&out) {}

    /// The stream the prompts go to.
    std::ostream& stream() const noexcept { return *out_; }

private:
    std::ostream* out_;
};

/// The end of a prompt line: its text, then a flush.
struct PromptEnd {
    const char* text;
};

/// Bound to standard output.
extern PromptStream prompt;
/// Holds "\n".
extern const PromptEnd prompt_end;

/// Writes the text, without flushing.
PromptStream& operator<<(PromptStream& p, const char* text);
/// Writes the string, without flushing.
PromptStream& operator<<(PromptStream& p, const std::string& text);
/// Writes the vector's text form "(x,y,z)".
PromptStream& operator<<(PromptStream& p, const HVector& v);
/// Writes the end's text, then flushes.
PromptStream& operator<<(PromptStream& p, const PromptEnd& end);

} // namespace revareza
