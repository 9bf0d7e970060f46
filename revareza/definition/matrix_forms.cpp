#include <revareza/definition/matrix_forms.hpp>

#include <revareza/text/number_output.hpp>

#include <sstream>

namespace revareza {
namespace {

// "1.5e-07" as LaTeX writes a power of ten: "1.5 \times 10^{-7}".
std::string latex_number(double v)
{
    const std::string text = significant_text(v);
    const std::size_t e = text.find('e');
    if (e == std::string::npos) {
        return text;
    }
    const int exponent = std::stoi(text.substr(e + 1));
    return text.substr(0, e) + " \\times 10^{" + std::to_string(exponent) + "}";
}

using NumberText = std::string (*)(double);

void numpy(std::ostream& out, const Matrix4& m, NumberText text)
{
    for (int r = 0; r < 4; ++r) {
        out << (r == 0 ? "np.array([[" : ",\n          [");
        for (int c = 0; c < 4; ++c) {
            out << (c == 0 ? "" : ", ") << text(m(r, c));
        }
        out << ']';
    }
    out << "])";
}

void latex(std::ostream& out, const Matrix4& m, NumberText text)
{
    out << "\\begin{pmatrix}\n";
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            out << (c == 0 ? "" : " & ") << text(m(r, c));
        }
        out << (r < 3 ? " \\\\\n" : "\n");
    }
    out << "\\end{pmatrix}";
}

} // namespace

std::string matrix_text(const Matrix4& m, MatrixForm form)
{
    std::ostringstream out;
    switch (form) {
    case MatrixForm::PROGRAM:
        print_matrix(m, out);
        break;
    case MatrixForm::NUMPY:
        numpy(out, m, significant_text);
        break;
    case MatrixForm::LATEX:
        latex(out, m, latex_number);
        break;
    case MatrixForm::DECIMALS:
        // print_matrix's fields of ten, each followed by a space.
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                const std::string text = decimal_text(m(r, c));
                out << std::string(text.size() < 10 ? 10 - text.size() : 0, ' ') << text << ' ';
            }
            out << '\n';
        }
        break;
    case MatrixForm::NUMPY_DECIMALS:
        numpy(out, m, decimal_text);
        break;
    case MatrixForm::LATEX_DECIMALS:
        latex(out, m, decimal_text);
        break;
    case MatrixForm::COLUMN_MAJOR:
        for (int i = 0; i < 16; ++i) {
            out << (i == 0 ? "[" : ", ") << significant_text(m(i % 4, i / 4));
        }
        out << ']';
        break;
    }
    return out.str();
}

} // namespace revareza
