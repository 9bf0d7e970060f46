# What `cmake --install` puts under the prefix, and the packages CPack makes.
#
#   bin/revareza                          the program
#   share/man/man1/revareza.1             its manual
#   include/revareza/...                  the library's headers, as declared
#                                         in the targets' HEADERS file sets
#   lib/librevareza_{geometry,projection}.a (or .so with BUILD_SHARED_LIBS)
#   lib/cmake/revareza/                   find_package(revareza COMPONENTS ...):
#                                         revareza::geometry, ::projection,
#                                         ::revareza
#   lib/pkgconfig/revareza.pc             pkg-config --cflags --libs revareza

include(CMakePackageConfigHelpers)

install(TARGETS revareza RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(FILES "${PROJECT_BINARY_DIR}/docs/revareza.1"
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)

install(TARGETS revareza_geometry revareza_projection revareza_library
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

# make package: a Debian package and a tarball of the same install tree.
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_PACKAGE_NAME revareza)
set(CPACK_PACKAGE_VENDOR "revareza")
set(CPACK_PACKAGE_CONTACT "revareza <revareza@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planar projections of 3D points as homogeneous matrices")
set(CPACK_PACKAGE_DESCRIPTION
  "revareza computes parallel (oblique or orthogonal) and perspective projections of\n\
points onto a plane given by an origin and two directions, as 4x4 homogeneous\n\
matrices. Interactive mode in Portuguese, or a filter from definitions to\n\
matrices (--matrizes). Includes the geometry and projection C++ library.")
set(CPACK_PACKAGE_FILE_NAME "revareza-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_STRIP_FILES bin/revareza)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
