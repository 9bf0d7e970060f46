"""Every text of the program's Portuguese set is written once in the code:
in revareza/definition/text_set_pt.cpp, and in no other source file of the
library, the console, the Python module or the web page (tests, docs and
comments aside, and the other languages' sets, text_set_*.cpp, which may
write a word as Portuguese does). Each text is looked for in pieces, cut at the {name} the page or
its binding puts in and at line ends, every piece of two words or more;
and no text of the page's frame (index.html, its elements' text and
titles) may be one of the set's, single words included.
  texts_written_once.py SOURCE_DIR"""
import html
import pathlib
import re
import sys

SOURCE = pathlib.Path(sys.argv[1])
SET = SOURCE / "revareza/definition/text_set_pt.cpp"
CODE_DIRS = ["revareza", "console", "python", "web", "tools", "cmake", "fuzz", "bench"]
CODE_ENDINGS = {".cpp", ".hpp", ".h", ".c", ".in", ".js", ".mjs", ".html", ".css", ".py", ".pyi", ".sh", ".cmake"}
# A piece shorter than this is too common a run of words to blame.
SHORTEST_PIECE = 10

set_text = SET.read_text(encoding="utf-8")
literals = [
    bytes(m, "ascii").decode("unicode_escape")
    for m in re.findall(r'"((?:[^"\\\n]|\\.)*)"', set_text)
    if not m.endswith(".hpp")
]
# A text split over lines of C++ is its literals joined: "a " "b" reads
# "a b"; each literal is looked for, as the texts are written.
pieces = sorted({
    piece
    for literal in literals
    for piece in re.split(r"\{\w+\}|\n", literal)
    if len(piece.strip()) >= SHORTEST_PIECE and " " in piece.strip()
})

files = [
    path
    for directory in CODE_DIRS
    for path in sorted((SOURCE / directory).rglob("*"))
    if path.is_file() and path.suffix in CODE_ENDINGS and "node_modules" not in path.parts
    and not path.name.startswith("text_set_")
]


def code_of(path):
    """The file's text less its comments, which may quote a text."""
    text = path.read_text(encoding="utf-8", errors="replace")
    if path.suffix in {".py", ".pyi", ".sh", ".cmake"}:
        return re.sub(r"^\s*#.*$", "", text, flags=re.M)
    if path.suffix == ".html":
        return re.sub(r"<!--.*?-->", "", text, flags=re.S)
    return re.sub(r"/\*.*?\*/|^\s*//.*$|(?<=[;,{}()\]]) +//.*$", "", text, flags=re.S | re.M)


contents = {path: code_of(path) for path in files}

failures = []
for piece in pieces:
    found = [str(path.relative_to(SOURCE)) for path, text in contents.items() if piece.strip() in text]
    if found:
        failures.append(f"{piece.strip()!r} written again in {', '.join(found)}")

# The frame's texts: what stands between its tags (comments aside) and its
# titles and labels.
frame = re.sub(r"<!--.*?-->", "", (SOURCE / "web/index.html").read_text(encoding="utf-8"), flags=re.S)
frame_texts = [html.unescape(t).strip() for t in re.findall(r">([^<>]+)<", frame)]
frame_texts += [html.unescape(t).strip() for t in re.findall(r'(?:title|aria-label|alt)="([^"]*)"', frame)]
whole_texts = {literal.strip() for literal in literals if literal.strip()}
for text in frame_texts:
    if text in whole_texts:
        failures.append(f"{text!r} in web/index.html")

for failure in failures:
    print(f"FAILED: {failure}")
print(f"{len(pieces)} pieces of {len(literals)} texts looked for in {len(files)} files: {len(failures)} written again")
sys.exit(1 if failures else 0)
