#include "console/prompt.hpp"

#include <ostream>

namespace revareza {
namespace {

template <typename T>
PromptStream& write(PromptStream& p, const T& value)
{
    if (p.shown()) {
        p.stream() << value;
    }
    return p;
}

} // namespace

PromptStream& operator<<(PromptStream& p, const char* text)
{
    return write(p, text);
}

PromptStream& operator<<(PromptStream& p, const HVector& v)
{
    return write(p, v);
}

PromptStream& operator<<(PromptStream& p, const Echo& e)
{
    return write(p, e);
}

PromptStream& operator<<(PromptStream& p, const PromptEnd& end)
{
    if (p.shown()) {
        p.stream() << end.text << std::flush;
    }
    return p;
}

} // namespace revareza
