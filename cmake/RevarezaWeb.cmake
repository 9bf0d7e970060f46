# The web page built beside a native build, for its tests: the same source
# tree compiled by Debian's emscripten into <build>/wasm, the page put
# together in <build>/web (make web does the same into build/web). On every
# build of the native tree, so that the page's tests always see this
# tree's library. Optimised for size: the page is downloaded, and no
# number changes with the optimisation (the module's test compares them).
#
# REVAREZA_WEB_MISSING: what the page's build lacks, as Debian packages or
# steps (empty when it is built). REVAREZA_WEB_MODULE: the library's
# module loader (revareza.mjs) with its revareza.wasm, as the tests load it.
find_program(REVAREZA_EMCMAKE emcmake)
find_program(REVAREZA_NODE node)
set(REVAREZA_WEB_DIR "${CMAKE_BINARY_DIR}/web")
set(REVAREZA_WEB_MISSING "")
if(NOT REVAREZA_EMCMAKE)
  list(APPEND REVAREZA_WEB_MISSING emscripten)
endif()
if(NOT REVAREZA_NODE)
  list(APPEND REVAREZA_WEB_MISSING nodejs)
endif()
if(NOT EXISTS "${PROJECT_SOURCE_DIR}/web/node_modules/three/package.json"
   OR NOT EXISTS "${PROJECT_SOURCE_DIR}/web/node_modules/esbuild/package.json")
  list(APPEND REVAREZA_WEB_MISSING "npm ci in web/")
endif()

if(NOT REVAREZA_WEB_MISSING)
  include(ExternalProject)
  # Debian's emscripten runs node on modules in /usr/share/nodejs, where a
  # node of another origin does not look by itself.
  set(revareza_web_env "${CMAKE_COMMAND}" -E env NODE_PATH=/usr/share/nodejs)
  # Under make, a make of the same generator that shares the jobs of the
  # one building this tree.
  if(CMAKE_GENERATOR MATCHES "Makefiles")
    set(revareza_web_build ${revareza_web_env} "$(MAKE)")
  else()
    set(revareza_web_build ${revareza_web_env} "${CMAKE_COMMAND}" --build <BINARY_DIR>)
  endif()
  ExternalProject_Add(revareza_web
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/wasm"
    CONFIGURE_COMMAND ${revareza_web_env} "${REVAREZA_EMCMAKE}" "${CMAKE_COMMAND}" -S <SOURCE_DIR> -B <BINARY_DIR>
      -G "${CMAKE_GENERATOR}" -DCMAKE_BUILD_TYPE=MinSizeRel "-DREVAREZA_WEB_DIR=${REVAREZA_WEB_DIR}"
    BUILD_COMMAND ${revareza_web_build}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  set(REVAREZA_WEB_MODULE "${CMAKE_BINARY_DIR}/wasm/web/revareza.mjs")
else()
  message(STATUS "revareza: no web page in this build: it needs ${REVAREZA_WEB_MISSING}")
endif()
