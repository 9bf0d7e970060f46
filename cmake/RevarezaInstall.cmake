# What `cmake --install` puts under the prefix, and the packages CPack makes.
#
#   bin/revareza                          the program
#   share/man/man1/revareza.1             its manual
#   include/revareza/{geometry,projection}/*.hpp, lib/lib*.a
#   lib/cmake/revareza/                   find_package(revareza): the targets
#                                         revareza::geometry, revareza::projection

include(CMakePackageConfigHelpers)

install(TARGETS revareza RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES docs/revareza.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(TARGETS geometry projection
  EXPORT revarezaTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES geometry/hvector.hpp geometry/matrix4.hpp
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/revareza/geometry)
install(FILES projection/parallel_projection.hpp projection/perspective_projection.hpp
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/revareza/projection)

set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/revareza)
install(EXPORT revarezaTargets NAMESPACE revareza:: DESTINATION ${config_dir})
configure_package_config_file(cmake/revarezaConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/revarezaConfig.cmake
  INSTALL_DESTINATION ${config_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/revarezaConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/revarezaConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/revarezaConfigVersion.cmake
  DESTINATION ${config_dir})

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
