"""Writes the METADATA of the revareza package as make install and the
Debian package install it, for pip list and importlib.metadata: the fields
of [project] in pyproject.toml, with the version given (project()'s in
CMakeLists.txt), as the wheel's own METADATA has them.

    python3 python_metadata.py PYPROJECT VERSION OUTPUT
"""

import ast
import re
import sys

pyproject, version, output = sys.argv[1:]
with open(pyproject, encoding="utf-8") as file:
    text = file.read()
try:
    import tomllib

    project = tomllib.loads(text)["project"]
except ModuleNotFoundError:  # before Python 3.11: the keys read as pyproject.toml writes them

    def value(key):
        return ast.literal_eval(re.search(rf"^{key} = (.*?)( #.*)?$", text, re.MULTILINE).group(1))

    project = {key: value(key) for key in ("name", "description", "requires-python", "dependencies")}
    project["license"] = {"text": re.search(r'^license = \{text = "(.*)"\}', text, re.MULTILINE).group(1)}

fields = [("Metadata-Version", "2.1"), ("Name", project["name"]), ("Version", version),
          ("Summary", project["description"]), ("License", project["license"]["text"]),
          ("Requires-Python", project["requires-python"])]
fields += [("Requires-Dist", requirement) for requirement in project["dependencies"]]
with open(output, "w", encoding="utf-8") as file:
    file.writelines(f"{name}: {value}\n" for name, value in fields)
