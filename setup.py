"""Builds revareza._revareza, the compiled part of the Python package, with
the project's own CMake for the Python that runs this build. The metadata
is in pyproject.toml; the version is the one project() in CMakeLists.txt
declares. Build output stays under build/python/."""

import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

SOURCE = Path(__file__).resolve().parent
BUILD = SOURCE / "build" / "python"


def version():
    text = (SOURCE / "CMakeLists.txt").read_text()
    return re.search(r"^project\(revareza\s+VERSION\s+(\S+)", text, re.MULTILINE).group(1)


class CMakeBuild(build_ext):
    """Configures the project for this Python, builds the module's target
    only, and copies the module and the type stub the build writes from it
    to where setuptools packs them."""

    def build_extension(self, ext):
        build = Path(self.build_temp).resolve() / "cmake"
        options = [f"-DREVAREZA_PYTHON={sys.executable}", "-DREVAREZA_BUILD_PYTHON=ON",
                   "-DREVAREZA_BUILD_TESTS=OFF", "-DREVAREZA_BUILD_TOOLS=OFF", "-DREVAREZA_INSTALL=OFF",
                   "-DCMAKE_BUILD_TYPE=Release"]
        try:
            import pybind11  # from the package index, in an isolated build
            options.append(f"-Dpybind11_DIR={pybind11.get_cmake_dir()}")
        except ImportError:
            pass  # Debian's pybind11-dev, which CMake finds where it lies
        cmake = shutil.which("cmake") or "cmake"
        subprocess.run([cmake, "-S", str(SOURCE), "-B", str(build), *options], check=True)
        jobs = str(self.parallel or os.cpu_count() or 1)
        subprocess.run([cmake, "--build", str(build), "--target", "revareza_python", "--parallel", jobs], check=True)
        package = build / "python" / "revareza"
        (module,) = package.glob("_revareza.*")
        target = Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(module, target)
        shutil.copyfile(package / "__init__.pyi", target.parent / "__init__.pyi")


BUILD.mkdir(parents=True, exist_ok=True)
setup(
    version=version(),
    packages=["revareza"],
    package_dir={"": "python"},
    package_data={"revareza": ["py.typed"]},
    ext_modules=[Extension("revareza._revareza", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    options={"build": {"build_base": str(BUILD)}, "egg_info": {"egg_base": str(BUILD)}},
)
