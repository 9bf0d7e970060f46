// A matrix written for where it is taken next: as the program prints it;
// every entry with 17 significant digits (significant_text), as a numpy
// array, as LaTeX, or in column-major order for WebGL and three.js; or with
// the program's five decimals and no negative zero (decimal_text), in the
// program's layout, as numpy or as LaTeX, for a page or a handout.
//
//   #include <revareza/definition/matrix_forms.hpp>
//
//   const revareza::Matrix4 m;  // the identity
//   revareza::matrix_text(m, revareza::MatrixForm::COLUMN_MAJOR);
//   // "[1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1]"
#pragma once

#include <revareza/geometry/matrix4.hpp>

#include <string>

namespace revareza {

/// The forms a matrix is written in.
enum class MatrixForm {
    /// print_matrix's four lines: five decimals in fields of ten.
    PROGRAM,
    /// numpy: "np.array([[a, b, c, d],\n          [e, ...]])", row by row.
    NUMPY,
    /// LaTeX: a pmatrix, rows ended by \\, powers of ten as \times 10^{n}.
    LATEX,
    /// "[m00, m10, m20, m30, m01, ...]": column after column, as WebGL's
    /// uniformMatrix4fv and three.js's Matrix4.fromArray take it.
    COLUMN_MAJOR,
    /// PROGRAM's layout with decimal_text's entries: "   0.00000" where
    /// the program prints "  -0.00000".
    DECIMALS,
    /// NUMPY and LATEX with decimal_text's entries, for a handout.
    NUMPY_DECIMALS,
    LATEX_DECIMALS,
};

/// The matrix written in the form. Meant for finite matrices: a NaN or an
/// infinite entry is written as the stream writes it.
std::string matrix_text(const Matrix4& m, MatrixForm form);

} // namespace revareza
