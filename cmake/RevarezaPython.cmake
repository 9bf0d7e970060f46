# Whether to build the Python module, and for which Python. The interpreter
# is named, not taken from PATH: Debian's python3-numpy and pybind11-dev
# serve /usr/bin/python3, and a python3 first on PATH may be another one.
set(REVAREZA_PYTHON "/usr/bin/python3" CACHE FILEPATH "The Python the module is built for and tested with")

# On by default when revareza is the top-level project and pybind11 and
# Python's development files are there; never for a 32-bit or instrumented
# build, whose module this Python could not load.
set(revareza_python_default OFF)
if(PROJECT_IS_TOP_LEVEL AND NOT CMAKE_CROSSCOMPILING AND NOT REVAREZA_SANITIZE AND NOT REVAREZA_FUZZ)
  set(Python_EXECUTABLE "${REVAREZA_PYTHON}")
  find_package(Python 3.7 QUIET COMPONENTS Interpreter Development.Module)
  if(Python_FOUND)
    find_package(pybind11 2.6 CONFIG QUIET)
  endif()
  if(Python_FOUND AND pybind11_FOUND)
    set(revareza_python_default ON)
  else()
    message(STATUS "revareza: no Python module: it needs pybind11 (pybind11-dev) and the development files (python3-dev) of ${REVAREZA_PYTHON}")
    set(REVAREZA_PYTHON_MISSING pybind11-dev python3-dev)
  endif()
  # What the module's tests import besides the module, each with the
  # Debian package that brings it: the tests that need a missing one are
  # skipped and say so. Debian's venv module makes venvs with pip and
  # setuptools only with ensurepip, from python3-venv; setuptools builds a
  # wheel only with python3-wheel.
  if(REVAREZA_BUILD_TESTS)
    foreach(module_package numpy:python3-numpy pytest:python3-pytest matplotlib:python3-matplotlib
                           dask.array:python3-dask distributed:python3-distributed zarr:python3-zarr mypy:mypy
                           ensurepip:python3-venv setuptools:python3-setuptools wheel:python3-wheel)
      string(REPLACE ":" ";" module_package "${module_package}")
      list(GET module_package 0 module)
      list(GET module_package 1 package)
      execute_process(COMMAND "${REVAREZA_PYTHON}" -c "import ${module}"
        RESULT_VARIABLE import_failed OUTPUT_QUIET ERROR_QUIET)
      if(import_failed)
        list(APPEND REVAREZA_PYTHON_MISSING ${package})
      endif()
    endforeach()
  endif()
endif()
option(REVAREZA_BUILD_PYTHON "Build the Python module revareza (pybind11)" ${revareza_python_default})

if(REVAREZA_BUILD_PYTHON)
  set(Python_EXECUTABLE "${REVAREZA_PYTHON}")
  find_package(Python 3.7 REQUIRED COMPONENTS Interpreter Development.Module)
  find_package(pybind11 2.6 CONFIG REQUIRED)
  # Where that Python looks for packages under the install prefix, decided
  # anew at each configure (make install PREFIX=... configures again):
  # lib/python3/dist-packages under /usr for Debian's, lib/python3.X/...
  # under /usr/local, a venv's own site-packages under the venv.
  set(REVAREZA_PYTHON_SITE_DIR "" CACHE STRING
    "Where the Python package goes, relative to the install prefix (empty: where the Python searches)")
  set(revareza_python_site_dir "${REVAREZA_PYTHON_SITE_DIR}")
  if(NOT revareza_python_site_dir)
    execute_process(
      COMMAND "${Python_EXECUTABLE}" "${PROJECT_SOURCE_DIR}/cmake/python_site_dir.py" "${CMAKE_INSTALL_PREFIX}"
      OUTPUT_VARIABLE revareza_python_site_dir ERROR_VARIABLE note
      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(note)
      message(STATUS "revareza: ${note}")
    endif()
  endif()
  message(STATUS "revareza: Python module for ${Python_EXECUTABLE} (${Python_VERSION}), installed to ${CMAKE_INSTALL_PREFIX}/${revareza_python_site_dir}")
endif()
