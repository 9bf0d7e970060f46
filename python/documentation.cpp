#include "python/documentation.hpp"

namespace revareza::python {
namespace {

// What differs between a parallel and a perspective definition.
struct Words {
    const char* function;  // parallel_projection
    const char* argument;  // direction
    const char* summary;   // what the projection is
    const char* parameter; // the last argument's entry
    const char* returns;   // what the matrix gives
    const char* refused;   // the definitions with no projection of its own
    const char* steps;     // the steps after the rotations
};

const Words PARALLEL_WORDS = {
    "parallel_projection",
    "direction",
    "The parallel (oblique or orthogonal) projection along direction onto the\n"
    "plane through origin spanned by x and y.",
    "direction : array_like, shape (3,)\n"
    "    The direction of projection, made unit length.\n",
    "    The matrix that project applies: to a point p it gives, in x and y,\n"
    "    where the line through p along direction meets the plane, measured\n"
    "    from origin along x and y.\n",
    "a direction\n"
    "    parallel to the plane (each a sine of at most 2^-40)",
    "    translation (by -origin), rotation_y, rotation_z and rotation_x (that\n"
    "    lay x on the x axis and y on the y axis), and shear (along the\n"
    "    direction onto the plane).\n",
};

const Words PERSPECTIVE_WORDS = {
    "perspective_projection",
    "centre",
    "The perspective projection from the point centre onto the plane through\n"
    "origin spanned by x and y.",
    "centre : array_like, shape (3,)\n"
    "    The centre of projection, a point.\n",
    "    The matrix that project applies: with the division by the weight, it\n"
    "    gives for a point p, in x and y, where the line from centre through p\n"
    "    meets the plane, measured from origin along x and y.\n",
    "a centre in\n"
    "    the plane (within 2^-40 (|centre| + |origin|) of it)",
    "    translation (by -centre), rotation_y, rotation_z and rotation_x (that\n"
    "    lay x on the x axis and y on the y axis), shear (the plane's origin\n"
    "    onto the z axis) and perspective (the division by z / distance, the\n"
    "    distance from the centre to the plane).\n",
};

const Words& words(Projecting kind)
{
    return kind == Projecting::PARALLEL ? PARALLEL_WORDS : PERSPECTIVE_WORDS;
}

constexpr char TYPE_ERROR[] = "TypeError\n"
                              "    For an argument that does not hold numbers.";

// "Parameters" for the four arguments as the builder takes them.
std::string as_for(const Words& w)
{
    return std::string("Parameters\n----------\norigin, x, y, ") + w.argument + " : array_like, shape (3,)\n    As for "
           + w.function + ".\n\n";
}

std::string raises_as(const Words& w)
{
    return std::string("Raises\n------\nValueError, TypeError\n    As ") + w.function + ".";
}

} // namespace

std::string projection_doc(Projecting kind)
{
    const Words& w = words(kind);
    return std::string(w.summary)
           + "\n\nParameters\n----------\n"
             "origin : array_like, shape (3,)\n"
             "    A point of the plane, from which x and y are measured.\n"
             "x, y : array_like, shape (3,)\n"
             "    The plane's directions, made unit length; y is first made orthogonal\n"
             "    to x by orthogonal_y.\n"
           + w.parameter
           + "\nReturns\n-------\nnumpy.ndarray, shape (4, 4), float64\n" + w.returns
           + "    The numbers are those `revareza --matrizes` prints for the same\n"
             "    definition.\n\n"
             "Raises\n------\nValueError\n"
             "    For an argument that is not three finite numbers, a zero direction,\n"
             "    and a definition with no projection: a y parallel to x, "
           + w.refused
           + ",\n"
             "    or numbers so large that the matrix overflows. The message names\n"
             "    the argument.\n"
           + TYPE_ERROR;
}

std::string steps_doc(Projecting kind)
{
    const Words& w = words(kind);
    return std::string("The elementary steps of ") + w.function
           + "'s matrix, in the order they\napply.\n\n" + as_for(w) + "Returns\n-------\nlist of Step\n" + w.steps
           + "    Starting from the first step's matrix, each next step's matrix times\n"
             "    the product so far is, bit for bit, "
           + w.function
           + "'s matrix\n"
             "    when the products are summed in the order of k (as\n"
             "    functools.reduce with plain floats does).\n\n"
           + raises_as(w);
}

std::string classify_doc(Projecting kind)
{
    const Words& w = words(kind);
    const std::string returns =
        kind == Projecting::PARALLEL
            ? "    kind: \"ortogonal\" when direction is along the plane's normal (the\n"
              "    sine between them at most 2^-40), else \"obliqua\".\n"
              "    name: an orthogonal projection onto a plane whose normal is a world\n"
              "    axis is a principal view, \"frontal\" (y), \"superior\" (z) or \"lateral\"\n"
              "    (x); any other is \"isometrica\", \"dimetrica\" or \"trimetrica\" as all\n"
              "    three, two or none of the world axes shorten alike (each by the sine\n"
              "    between it and the normal). An oblique one is \"cavaleira\" for a\n"
              "    foreshortening of 1 (\"militar\" onto a horizontal plane), \"gabinete\"\n"
              "    for 1/2, and \"obliqua\" for any other; factors are alike within 2^-40\n"
              "    of the larger.\n"
              "    angle_degrees: the angle between direction and the plane, 90 for an\n"
              "    orthogonal projection.\n"
              "    foreshortening: the factor by which lengths along the plane's normal\n"
              "    shorten, the cotangent of that angle.\n"
              "    vanishing_points: [] (lines stay parallel).\n"
            : "    kind: \"perspectiva\".\n"
              "    name: \"perspectiva-1\", \"-2\" or \"-3\", by the count of vanishing points.\n"
              "    angle_degrees, foreshortening: None.\n"
              "    vanishing_points: a list of (axis, x, y), axis \"x\", \"y\" or \"z\" in that\n"
              "    order, for each world axis not parallel to the plane (its direction's\n"
              "    dot product with the plane's unit normal more than 2^-40): where the\n"
              "    lines along it meet in the plane's x and y, the matrix applied to the\n"
              "    axis's direction, (1, 0, 0, 0) for x, divided by its weight.\n";
    const std::string summary = kind == Projecting::PARALLEL
                                    ? "What the parallel projection along direction onto the plane through\n"
                                      "origin spanned by x and y is called, and why."
                                    : "What the perspective projection from centre onto the plane through\n"
                                      "origin spanned by x and y is called, and its vanishing points.";
    return summary + "\n\n" + as_for(w) + "Returns\n-------\ndict\n" + returns + "\n" + raises_as(w);
}

std::string orthogonal_y_doc()
{
    return std::string("The plane's Y direction made orthogonal to X, as the program makes it.\n\n"
                       "Parameters\n----------\n"
                       "x, y : array_like, shape (3,)\n"
                       "    Two directions, made unit length.\n\n"
                       "Returns\n-------\nnumpy.ndarray, shape (3,), float64\n"
                       "    y as given when |x . y| is at most 1e-7; otherwise the unit direction\n"
                       "    cross(cross(x, y), x), orthogonal to x in the plane of x and y. A y\n"
                       "    parallel to x (the sine of their angle at most 2^-40, which takes in\n"
                       "    every y parallel up to rounding) spans no plane with it and gives NaN.\n\n"
                       "Raises\n------\nValueError\n"
                       "    For a zero direction or an argument that is not three numbers.\n")
           + TYPE_ERROR;
}

std::string project_doc()
{
    return "The x and y of matrix @ (x, y, z, 1) for each point (x, y, z), divided by\n"
           "its weight: where each point falls on the plane of a projection matrix.\n\n"
           "Parameters\n----------\n"
           "matrix : array_like, shape (4, 4)\n"
           "    A matrix, such as parallel_projection or perspective_projection make.\n"
           "points : array_like, shape (3,) or (..., 3)\n"
           "    One point or any array of points. A float64 array is read where it\n"
           "    lies, whatever its layout (C or Fortran order, strided).\n"
           "out : numpy.ndarray, optional\n"
           "    A float64 array of the result's shape to write the result into.\n\n"
           "Returns\n-------\nnumpy.ndarray, shape (2,) or (..., 2), float64\n"
           "    The x and y of each point's image (out, when given). A point whose\n"
           "    image has weight 0 (at most 2^-40 times the sum of the weight's terms'\n"
           "    magnitudes) has no image on the plane (it lies in the plane through\n"
           "    the centre parallel to the projection plane): its x and y are NaN.\n"
           "    The others are bit for bit what the program prints in interactive\n"
           "    mode.\n\n"
           "Raises\n------\nValueError\n"
           "    For arrays of the wrong shape, or an out that is read-only.\n"
           "TypeError\n"
           "    For arguments that do not hold numbers, or an out that is not a\n"
           "    float64 array.\n\n"
           "Notes\n-----\n"
           "Only the result is allocated (nothing when out is given), the points are\n"
           "projected in SIMD lanes (the library's project_points), and the GIL is\n"
           "released meanwhile.";
}

std::string classical_projections_doc()
{
    return "The names of the classical projections, which classical_projection\n"
           "takes.\n\n"
           "Returns\n-------\nlist of str\n"
           "    \"frontal\", \"superior\", \"lateral\", \"isometrica\", \"dimetrica\",\n"
           "    \"cavaleira\", \"gabinete\", \"militar\", \"perspectiva-1\", \"perspectiva-2\"\n"
           "    and \"perspectiva-3\"; each is classified as its own name.";
}

std::string classical_projection_doc()
{
    return "A classical projection, framed for a cube of side 1 centred at the\n"
           "origin (z up, the front facing -y).\n\n"
           "Parameters\n----------\n"
           "name : str\n"
           "    One of classical_projections().\n"
           "angle : float, optional\n"
           "    For \"cavaleira\" and \"gabinete\" (whose receding axis is y) and\n"
           "    \"militar\" (z), the angle in degrees at which the receding axis is\n"
           "    drawn, counterclockwise from the plane's x; the others ignore it.\n\n"
           "Returns\n-------\ndict of str to list of float\n"
           "    The keyword arguments of parallel_projection (origin, x, y,\n"
           "    direction) or perspective_projection (origin, x, y, centre), x, y\n"
           "    and direction of unit length: parallel_projection(**arguments).\n\n"
           "Raises\n------\nValueError\n"
           "    For a name that is no classical projection, or an angle that is not\n"
           "    one finite number.\n"
           "TypeError\n"
           "    For a name that is not a str, or an angle that is not a number.";
}

const char* const STEP_DOC = "One elementary step of a projection matrix.";
const char* const STEP_NAME_DOC = "\"translation\", \"rotation_y\", \"rotation_z\", \"rotation_x\", \"shear\" or\n"
                                  "\"perspective\".";
const char* const STEP_PARAMETERS_DOC =
    "translation: x, y, z (the offset); a rotation: angle (radians); shear:\n"
    "a, b (x' = x + a z, y' = y + b z); perspective: distance.";
const char* const STEP_MATRIX_DOC = "The step's matrix, shape (4, 4).";

} // namespace revareza::python
