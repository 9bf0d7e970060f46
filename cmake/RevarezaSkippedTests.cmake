# A test this machine cannot run for want of a Debian package is not left
# out in silence: CTest reports it as skipped, its output names the
# packages, and make test ends with a line that sums them up.
set(REVAREZA_SKIPPED_DIR "${CMAKE_BINARY_DIR}/skipped")

# revareza_add_skipped_test(NAME PACKAGE...): the stand-in for test NAME.
function(revareza_add_skipped_test name)
  add_test(NAME ${name}
    COMMAND bash "${PROJECT_SOURCE_DIR}/tests/skipped_test.sh" "${REVAREZA_SKIPPED_DIR}" ${name} ${ARGN})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()
