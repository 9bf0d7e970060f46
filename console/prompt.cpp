#include "console/prompt.hpp"

#include "console/mode.hpp"

#include <iostream>

namespace revareza {

// Binding the reference needs no constructed std::cout, so the order of
// static initialisation does not matter here.
PromptStream prompt(std::cout);
const PromptEnd prompt_end{"\n"};

PromptStream& operator<<(PromptStream& p, const char* text)
{
    if (interactive_mode) {
        p.stream() << text;
    }
    return p;
}

PromptStream& operator<<(PromptStream& p, const std::string& text)
{
    if (interactive_mode) {
        p.stream() << text;
    }
    return p;
}

PromptStream& operator<<(PromptStream& p, const HVector& v)
{
    if (interactive_mode) {
        p.stream() << v;
    }
    return p;
}

PromptStream& operator<<(PromptStream& p, const PromptEnd& end)
{
    if (interactive_mode) {
        p.stream() << end.text << std::flush;
    }
    return p;
}

} // namespace revareza
