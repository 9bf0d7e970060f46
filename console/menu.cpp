#include "console/menu.hpp"

#include "console/line_editing.hpp"
#include "console/readers.hpp"

#include <revareza/definition/text_set.hpp>

#include <istream>
#include <ostream>

namespace revareza {

void print_usage(std::ostream& out)
{
    out << portuguese_texts().usage;
}

TypeReading read_projection_type(Console& console)
{
    TypeReading reading;
    if (console.mode == Mode::MATRICES) {
        if (!(console.in >> reading.type)) {
            reading.stop = console.in.bad() ? Stop::READ_FAILED : Stop::UNREADABLE_TYPE;
        }
        return reading;
    }

    // Each line flushed as it is written: an empty line, an entry per type,
    // an empty line, the entry of 0, an empty line.
    const TextSet& texts = portuguese_texts();
    console.out << std::endl;
    for (int i = 0; i < PROJECTION_TYPE_COUNT; ++i) {
        console.out << '[' << projection_type_at(i).number << "] " << texts.menu_entries[i] << std::endl;
    }
    console.out << std::endl << "[0] " << texts.menu_end << std::endl << std::endl;
    answering(console, Question::MENU);
    for (;;) {
        console.out << texts.menu_question;
        reading.stop = flush_prompt(console);
        while (reading.stop == Stop::NONE && !(console.in >> reading.type)) {
            reading.stop = recover_input(console, texts.menu_retry);
            if (reading.stop == Stop::NONE) {
                reading.stop = flush_prompt(console);
            }
        }
        ProjectionType type;
        if (reading.stop != Stop::NONE || reading.type == 0 || type_of_number(reading.type, type)) {
            return reading;
        }
    }
}

} // namespace revareza
