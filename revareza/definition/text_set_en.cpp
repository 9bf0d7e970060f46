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
                "Classical projections",
                "none: the definition in the fields",
                "Angle of the receding axis, in degrees",
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
                "the world's axes x, y and z and the ground z = 0",
                "The plane seen face on: O at the origin, X to the right, Y up, the image P' with its measures x and y",
                "revareza: the plane seen face on; {result}",
                "image of a point behind the centre",
                "V: vanishing point",
                "V{axis}",
                "download SVG",
            },
            {
                "Classification",
                "angle between D and the plane: {angle} degrees",
                "foreshortening: {factor}",
                "vanishing point of {axis}: ({x}, {y})",
            },
            {
                "How the matrix is made",
                "The library's steps, in the order they act: each multiplies the product of those before it on the "
                "left, and the product of all is the matrix.",
                "Translation by -O",
                "Translation by -C",
                "Rotation about y",
                "Rotation about z",
                "Rotation about x",
                "Shear along z",
                "Perspective",
                "Takes the plane's origin O to the origin of space, so that the next rotations, which turn about the "
                "origin, turn the plane about O.",
                "Takes the centre C to the origin of space: the next rotations turn about it, and the perspective "
                "divides by the distance from it.",
                "Turns everything about the y axis until X lies in the xy plane (its z coordinate goes to 0), so "
                "that the next rotation lays it on the x axis.",
                "Turns everything about the z axis until X, already in the xy plane, lies along the x axis.",
                "Turns everything about the x axis, where X now lies, until Y lies along the y axis: the plane is "
                "parallel to the xy plane, with the normal X x Y along z.",
                "Slides each point parallel to the xy plane, the more the higher it is, until the direction D lies "
                "along z: each point's image is right below or above it, on the plane z = 0, at (x, y).",
                "Slides each point parallel to the xy plane, in proportion to its height z, until the plane's origin "
                "O lies on the z axis, straight above or below the centre: x and y are now measured from O.",
                "Gives each point the weight z/d, with d the distance from the centre to the plane: divided by it, "
                "each point goes where the line from it to the centre meets the plane z = d, and P' is at (x, y, d).",
                "offset",
                "angle",
                "slant in x",
                "slant in y",
                "distance",
                "rad",
                "degrees",
                "negative: the plane lies on the side of the centre the normal X x Y does not point to (z < 0 after "
                "the rotations)",
                "Step",
                "Watch the matrix being made: the 3D view shows the plane, O, X, Y, D or C, the point and the object "
                "moved by the product of the first steps, and the world's axes standing still. After the last, the "
                "plane is parallel to the xy plane (z = 0 for a parallel projection, z = d for a perspective) and P' "
                "is at (x, y).",
                "0 of {count}: the scene as defined",
                "{step} of {count}: {title}",
                "Coordinates after the steps taken",
                "vector",
                "no position: the weight is 0",
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
                "numpy, 5 decimals",
                "LaTeX, 5 decimals",
                "With the program's five decimals, for a handout",
                "The text copied",
            },
        },
    };
    return TEXTS;
}

} // namespace revareza
