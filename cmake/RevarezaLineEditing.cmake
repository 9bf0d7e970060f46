# Line editing and history for the answers typed on a terminal, with
# libedit (BSD-licensed; Debian's libedit-dev). On by default where libedit
# is found; without it the program reads a terminal as any other input, as
# the 32-bit build does (there is no 32-bit libedit to link).
option(REVAREZA_LINE_EDITING "Edit and recall the answers typed on a terminal (libedit)" ON)

set(REVAREZA_HAS_LINE_EDITING OFF)
if(REVAREZA_LINE_EDITING)
  find_path(REVAREZA_LIBEDIT_INCLUDE_DIR histedit.h)
  find_library(REVAREZA_LIBEDIT_LIBRARY edit)
  if(REVAREZA_LIBEDIT_INCLUDE_DIR AND REVAREZA_LIBEDIT_LIBRARY)
    set(REVAREZA_HAS_LINE_EDITING ON)
  else()
    message(STATUS "revareza: no line editing on terminals: no libedit for this build (libedit-dev)")
  endif()
endif()
