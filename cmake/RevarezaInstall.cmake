# What `cmake --install` puts under the prefix, and the packages CPack makes.
#
#   bin/revareza                          the program
#   share/man/man1/revareza.1.gz          its manual
#   share/doc/{revareza,librevareza-dev}/ copyright and changelog
#   include/revareza/...                  the library's headers, as declared
#                                         in the targets' HEADERS file sets
#   lib/librevareza_{geometry,projection,text,definition}.a
#                                         (or .so with BUILD_SHARED_LIBS)
#   lib/cmake/revareza/                   find_package(revareza COMPONENTS ...):
#                                         revareza::geometry, ::projection,
#                                         ::text, ::definition, ::revareza
#   lib/pkgconfig/revareza.pc             pkg-config --cflags --libs revareza

include(CMakePackageConfigHelpers)

# Debian ships manuals and changelogs compressed, with -n so that the files
# do not change with the time they were made. Their sources are configured
# files, so this happens at configure time too.
find_program(REVAREZA_GZIP gzip REQUIRED)
function(revareza_gzip input output)
  execute_process(COMMAND "${REVAREZA_GZIP}" -9nc "${input}" OUTPUT_FILE "${output}"
    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
revareza_gzip("${PROJECT_BINARY_DIR}/docs/revareza.1" "${PROJECT_BINARY_DIR}/docs/revareza.1.gz")
configure_file(cmake/debian/changelog.in "${PROJECT_BINARY_DIR}/packaging/changelog" @ONLY)
revareza_gzip("${PROJECT_BINARY_DIR}/packaging/changelog" "${PROJECT_BINARY_DIR}/packaging/changelog.gz")

install(TARGETS revareza RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(FILES "${PROJECT_BINARY_DIR}/docs/revareza.1.gz"
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)

# Each package carries the copyright notice and the changelog in its own
# documentation directory.
set(revareza_package_of_program revareza)
set(revareza_package_of_development librevareza-dev)
set(revareza_package_of_python python3-revareza)
set(revareza_components program development)
if(REVAREZA_BUILD_PYTHON)
  list(APPEND revareza_components python)
endif()
foreach(component IN LISTS revareza_components)
  set(package ${revareza_package_of_${component}})
  install(FILES cmake/debian/copyright "${PROJECT_BINARY_DIR}/packaging/changelog.gz"
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
endforeach()

install(TARGETS revareza_geometry revareza_projection revareza_text revareza_definition revareza_library
  EXPORT revarezaTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT development
  FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development
  FILE_SET generated_headers DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)

set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/revareza)
install(EXPORT revarezaTargets NAMESPACE revareza:: DESTINATION ${config_dir} COMPONENT development)
configure_package_config_file(cmake/revarezaConfig.cmake.in
  "${PROJECT_BINARY_DIR}/revarezaConfig.cmake"
  INSTALL_DESTINATION ${config_dir})
write_basic_package_version_file("${PROJECT_BINARY_DIR}/revarezaConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES
  "${PROJECT_BINARY_DIR}/revarezaConfig.cmake"
  "${PROJECT_BINARY_DIR}/revarezaConfigVersion.cmake"
  DESTINATION ${config_dir} COMPONENT development)

# The .pc file finds the prefix from where it lies, so that the tree can be
# installed under any prefix (cmake --install --prefix) and still work.
file(RELATIVE_PATH REVAREZA_PC_TO_PREFIX
  "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
string(REGEX REPLACE "/$" "" REVAREZA_PC_TO_PREFIX "${REVAREZA_PC_TO_PREFIX}")
configure_file(cmake/revareza.pc.in "${PROJECT_BINARY_DIR}/revareza.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/revareza.pc"
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

# make package: two Debian packages, the program (revareza) and the library
# for developers (librevareza-dev), and one tarball of everything.
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_PACKAGE_NAME revareza)
set(CPACK_PACKAGE_VENDOR "The revareza developers")
set(CPACK_PACKAGE_CONTACT "The revareza developers <maintainers@revareza.dev>")
set(CPACK_PACKAGE_FILE_NAME "revareza-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES TRUE) # the program and the Python module; static libraries keep their symbols
set(CPACK_COMPONENTS_ALL ${revareza_components})
# Each package has its own synopsis, the first line of its description
# below; without this CPack puts the project's description above it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY IGNORE)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME ${revareza_package_of_program})
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION math)
# The first line is the synopsis; the others, at most 79 characters, the
# extended description.
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "planar projections of 3D points as homogeneous matrices
revareza computes parallel (oblique or orthogonal) and perspective
projections of points onto a plane given by an origin and two directions,
as 4x4 homogeneous matrices, and gives the projected point in the plane's
own frame. It asks for every value in Portuguese, or works as a filter
that turns a stream of definitions into matrices (--matrizes).")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME ${revareza_package_of_development})
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "C++ library for planar projections of 3D points as matrices
The geometry and projection library behind revareza: homogeneous points
and directions, 4x4 transforms, and the parallel and perspective
projection onto an arbitrary plane as one matrix in the plane's own frame.
This package holds the C++17 headers, the static libraries, and the files
for CMake (find_package) and pkg-config.")
if(REVAREZA_BUILD_PYTHON)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME ${revareza_package_of_python})
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  # The module is built for one Python's ABI; numpy is imported at run time.
  math(EXPR revareza_python_next_minor "${Python_VERSION_MINOR} + 1")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}~), python3 (<< ${Python_VERSION_MAJOR}.${revareza_python_next_minor}), python3-numpy")
  set(CPACK_DEBIAN_PYTHON_DESCRIPTION "planar projections of 3D points as matrices for Python and numpy
The revareza library as a Python module: the parallel and perspective
projection onto an arbitrary plane as a 4x4 numpy array, bit for bit the
matrix the revareza program prints, the rule that makes the plane's Y
orthogonal to X, and the projection of many points at once, faster than
the numpy expression of the same computation.")
  # Byte code made on install and removed on removal, as by dh_python3.
  set(revareza_python_package_dir "${CMAKE_INSTALL_PREFIX}/${revareza_python_site_dir}/revareza")
  foreach(script postinst prerm)
    configure_file(cmake/debian/python3-revareza.${script}.in "${PROJECT_BINARY_DIR}/packaging/python/${script}" @ONLY)
    list(APPEND CPACK_DEBIAN_PYTHON_PACKAGE_CONTROL_EXTRA "${PROJECT_BINARY_DIR}/packaging/python/${script}")
  endforeach()
  set(CPACK_DEBIAN_PYTHON_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
endif()
include(CPack)
