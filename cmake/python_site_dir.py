"""Prints the directory, relative to PREFIX, where a package for the Python
running this script goes when installed under PREFIX: the first directory
this Python searches for packages (site.getsitepackages() and the user's
own; those on sys.path first, then those that do not exist yet) that lies
in PREFIX's lib directory.
Debian's python3 thus gets lib/python3/dist-packages under /usr and
lib/python3.X/dist-packages under /usr/local. A prefix it does not search
(a venv's, a private tree) gets lib/python3.X/site-packages, where a venv
of this Python looks; a note on standard error says so.

    python3 python_site_dir.py PREFIX
"""

import os
import site
import sys
import sysconfig

prefix = os.path.abspath(sys.argv[1])
searched = site.getsitepackages() + ([site.getusersitepackages()] if site.ENABLE_USER_SITE else [])
for directory in [d for d in sys.path if d in searched] + searched:
    relative = os.path.relpath(directory, prefix)
    if relative.split(os.sep)[0] in ("lib", sys.platlibdir):
        break
else:
    paths = sysconfig.get_paths("posix_prefix", vars={"base": prefix, "platbase": prefix})
    relative = os.path.relpath(paths["platlib"], prefix)
    print(f"{sys.executable} does not search {prefix}: a venv there does, or PYTHONPATH={prefix}/{relative}",
          file=sys.stderr)
print(relative)
