// The program's texts in English. Its reasons are worded as predicates of
// the vector (or vectors) they blame, so that a caller can name it first:
// "y is parallel to x and spans no plane with it".
#include <revareza/definition/text_set.hpp>

namespace revareza {

const TextSet& english_texts() noexcept
{
    static constexpr TextSet TEXTS = {
        "Usage: revareza [options]\n"
        "Options: --matrizes       Reads projection definitions on standard input and writes\n"
        "                          their matrices on standard output.\n"
        "         --version        Writes the program's version and ends.\n"
        "By default the program runs interactively, projecting points.\n",
        "Note: Before running this program, read its instructions\n",
        "Unknown option ignored: ",
        " (see revareza --help)",

        {"Compute a parallel projection", "Compute a perspective projection"},
        "Leave the program",
        "Enter your choice: ",
        "Invalid answer, try again: ",

        {"Enter the point to project: ", "Enter the origin of the projection plane: ",
         "Enter the direction X in the projection plane: ", "Enter the direction Y in the projection plane: ",
         "Enter the direction of projection: ", "Enter the centre of projection: "},
        {"point", "origin", "x", "y", "direction", "centre"},
        "Invalid input, try again: ",
        "Using the vector ",
        "The vector given is not orthogonal to X, using ",
        "The projection is: ",
        "The point has no projection on the plane: it lies in the plane through the centre parallel to it.",
        "The point lies behind the centre of projection: the line through it and the centre meets the plane on "
        "the centre's other side.",

        {
            "is not a number",
            "is not a number",
            "is (0, 0, 0), which is no direction",
            "is parallel to x and spans no plane with it",
            "is parallel to the plane and never crosses it",
            "lies in the plane and projects no point onto it",
            "are too large: the projection has no finite result",
        },
        {"empty field", "not a number", "text after the number", "number too large", "more than 1000 characters"},
        {
            {"orthographic", "oblique", "perspective"},
            {"oblique", "cavalier", "cabinet", "military", "front", "top", "side", "isometric", "dimetric", "trimetric",
             "1 vanishing point", "2 vanishing points", "3 vanishing points"},
        },

        "Error reading the projection type!",
        "Error reading standard input!",
        "Error writing standard output!",
    };
    return TEXTS;
}

} // namespace revareza
