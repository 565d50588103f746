# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(STRS_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${STRS_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${STRS_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${STRS_MINGW_TRIPLE}-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)

# The cross-built libraries (scripts/windows-deps --prefixes), as a ':'-separated list.
set(CMAKE_FIND_ROOT_PATH /usr/${STRS_MINGW_TRIPLE})
if(DEFINED ENV{STRS_WINDOWS_PREFIXES})
  string(REPLACE ":" ";" _strs_prefixes "$ENV{STRS_WINDOWS_PREFIXES}")
  list(APPEND CMAKE_FIND_ROOT_PATH ${_strs_prefixes})
  list(APPEND CMAKE_PREFIX_PATH ${_strs_prefixes})
  set(QT_ADDITIONAL_PACKAGES_PREFIX_PATH ${_strs_prefixes} CACHE STRING "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
