#include "console/readers.hpp"

#include <revareza/definition/projection_types.hpp>
#include <revareza/definition/text_set.hpp>
#include <revareza/text/number_input.hpp>

#include <istream>
#include <ostream>

namespace revareza {
namespace {

// Three numbers in one chained extraction: after a failure the rest fail
// too, and the partial values are not used.
bool read_three(std::istream& in, double (&v)[3])
{
    extract_double(in, v[0]);
    extract_double(in, v[1]);
    extract_double(in, v[2]);
    return !in.fail();
}

bool all_zero(const double (&v)[3])
{
    return is_zero_vector(v[0], v[1], v[2]);
}

Reading read(Console& console, bool direction)
{
    double v[3] = {0.0, 0.0, 0.0};
    if (console.mode == Mode::INTERACTIVE) {
        for (;;) {
            const Stop flushed = flush_prompt(console);
            if (flushed != Stop::NONE) {
                return {HVector(), flushed};
            }
            if (read_three(console.in, v) && !(direction && all_zero(v))) {
                break;
            }
            const Stop recovered = recover_input(console, portuguese_texts().retry);
            if (recovered != Stop::NONE) {
                return {HVector(), recovered};
            }
        }
    } else if (!read_three(console.in, v)) {
        return {HVector(), console.in.bad() ? Stop::READ_FAILED
                               : direction  ? Stop::UNREADABLE_VECTOR
                                            : Stop::UNREADABLE_POINT};
    } else if (direction && all_zero(v)) {
        return {HVector(), Stop::ZERO_DIRECTION};
    }
    return {HVector(v[0], v[1], v[2], direction ? 0.0 : 1.0), Stop::NONE};
}

} // namespace

Stop flush_prompt(Console& console)
{
    if (console.mode == Mode::INTERACTIVE) {
        // The read would flush it through the tie too, but only after
        // waiting for input, and without a word if it failed.
        console.out.flush();
        if (console.out.fail()) {
            return Stop::WRITE_FAILED;
        }
    }
    return Stop::NONE;
}

Stop recover_input(Console& console, const char* retry_message)
{
    if (console.in.bad()) {
        return Stop::READ_FAILED;
    }
    // Once the input has ended no retry can succeed.
    if (console.in.fail() && console.in.eof()) {
        return Stop::END_OF_INPUT;
    }
    console.in.clear();
    console.in.ignore(255, '\n');
    if (console.in.bad()) { // the discarding is a read too
        return Stop::READ_FAILED;
    }
    console.out << retry_message;
    return Stop::NONE;
}

Reading read_point(Console& console)
{
    return read(console, false);
}

Reading read_vector(Console& console)
{
    return read(console, true);
}

} // namespace revareza
