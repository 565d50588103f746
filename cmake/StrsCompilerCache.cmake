# Compiles through ccache where it is installed (STRS_COMPILER_CACHE=OFF turns it off).
# The builds of one machine share it: paths are taken relative to the source tree and the
# build folder is left out of the key, so a build that differs only in a definition some
# files never read (the x87 and the software extended type, for one) compiles just the
# files that read it, and a fresh build folder starts from what an earlier one compiled.
option(STRS_COMPILER_CACHE "Compile through ccache when it is installed" ON)
find_program(STRS_CCACHE ccache)
# Emscripten's compilers are scripts that ccache does not know.
if(STRS_COMPILER_CACHE AND STRS_CCACHE AND NOT EMSCRIPTEN)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      "${CMAKE_COMMAND}" -E env "CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}" CCACHE_NOHASHDIR=true
      "${STRS_CCACHE}")
endif()
