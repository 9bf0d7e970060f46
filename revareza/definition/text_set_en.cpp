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

        {
            "a laboratory of planar projections",
            {
                "Type of projection",
                {"parallel", "perspective"},
                "Make it orthogonal",
                "Parallel, with D = X x Y as the library computes it",
                "Recentre the view",
                "The Home key (or R) on the 3D view",
            },
            {
                "Object",
                "none, only the point",
                "cube",
                "tetrahedron",
                "house",
                "list of points",
                "The object's centre and size:",
                "centre",
                "size",
                "Points, ",
                " a line",
                "Edges, two point numbers a line (optional)",
                "The object's points and their images",
                "point",
                "result",
                "the size must be greater than 0",
                "Points",
                "Edges",
                "{list}: {reason}",
                "{list}, line {line}: {reason}",
                "expected 3 numbers (x y z)",
                "expected 2 point numbers",
                "there is no point of that number",
                "list too long (at most {limit} characters)",
                "too many points (at most {limit})",
                "too many edges (at most {limit})",
            },
            {
                "Result",
                "The address holds a type that is neither 1 nor 2: choose one.",
                "Choose the type of projection.",
                "the address holds {count} {numbers}, not 3",
                "The address holds {count} {numbers} for {letter}, not 3.",
                "number",
                "numbers",
                "Mend the vector marked.",
                "Mend the field marked.",
                "The library failed ({error}); reload the page.",
                "No result: the library failed.",
            },
            {
                "3D view: the plane with O, X and Y, the point P, the projector, the image P' and the object with its "
                "images. Drag, or use Shift and the arrows, to turn it; the arrows move it; Home or R recentres it.",
                "This browser does not draw in 3D (WebGL).",
                "Nothing to draw: the numbers are beyond what the drawing reaches.",
                "plane",
                "projector",
                "object",
                "its image",
                "behind the centre",
                "The plane seen face on: O at the origin, X to the right, Y up, the image P' with its measures x and y",
                "revareza: the plane seen face on; {result}",
                "image of a point behind the centre",
                "download SVG",
            },
            {
                "How the matrix is made",
                "The library's steps, in the order they act: each multiplies the product of those before it on the "
                "left, and the product of all is the matrix.",
                "Translation by -O: the plane's origin goes to the origin",
                "Translation by -C: the centre goes to the origin",
                "Rotation about y",
                "Rotation about z: X goes to the x axis",
                "Rotation about x: Y goes to the y axis",
                "Shear along z: the direction of projection (or the line from the centre to O) lies along z",
                "Perspective: divides by the distance to the centre",
                "rad",
                "degrees",
            },
            {
                "Matrix",
                "(revareza --matrizes)",
                "Copy:",
                "as the program",
                "numpy",
                "LaTeX",
                "WebGL",
                "By columns, for WebGL and three.js's Matrix4.fromArray",
                "The text copied",
            },
        },
    };
    return TEXTS;
}

} // namespace revareza
