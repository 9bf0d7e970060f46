# GoogleTest is built from source with this project's own compiler and flags,
# so the same tests build for every target (32-bit, sanitizers). Debian's
# googletest package puts the sources in /usr/src/googletest; elsewhere an
# installed GoogleTest is used.
set(REVAREZA_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")

if(EXISTS "${REVAREZA_GTEST_SOURCE_DIR}/CMakeLists.txt")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory("${REVAREZA_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest REQUIRED)
endif()

include(GoogleTest)

# One test executable per subsystem; each test case is its own CTest test.
function(revareza_add_unit_tests target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}") # "tests/support/..."
  revareza_configure_target(${target})
  # A test passes on GoogleTest's own verdict, not on the exit status alone:
  # code under test that ends the process with status 0 (end of input does)
  # must not pass for a test that never finished.
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
    PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\.")
endfunction()
