# Warnings and floating-point rules shared by every target of the project.
# -ffp-contract=off: a fused multiply-add would change the last bits of the results.
add_library(strs_options INTERFACE)
target_compile_options(strs_options INTERFACE
  -Wall -Wextra -Wpedantic
  -ffp-contract=off)
target_compile_definitions(strs_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
target_include_directories(strs_options INTERFACE ${PROJECT_SOURCE_DIR})
# The error guard catches what the computations throw; emscripten leaves C++ exceptions
# uncatchable unless asked (the program's link asks too: app/CMakeLists.txt).
# WebAssembly's vector instructions carry the software extended type's pairs of doubles
# (matematic/double_double.h), which are otherwise split into two lanes' scalar code;
# the page tells a browser without them (install/web/page.js).
if(EMSCRIPTEN)
  target_compile_options(strs_options INTERFACE -fexceptions -msimd128)
endif()

# Sanitizer builds (the asan preset) set STRS_SANITIZE.
option(STRS_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(STRS_SANITIZE)
  target_compile_options(strs_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(strs_options INTERFACE -fsanitize=address,undefined)
endif()

# The extended type: the x87 unit on x86, the software type elsewhere. ON on x86 checks
# the software type with the whole suite; the results are the same bits either way.
# Emscripten calls its target x86, but WebAssembly has no x87.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i.86)$" AND NOT EMSCRIPTEN)
  set(STRS_HAVE_X87 ON)
else()
  set(STRS_HAVE_X87 OFF)
endif()
if(STRS_HAVE_X87)
  option(STRS_SOFTWARE_EXTENDED "Compute the extended intermediates in software instead of the x87" OFF)
else()
  set(STRS_SOFTWARE_EXTENDED ON CACHE BOOL "No x87 unit here: the extended type is the software one" FORCE)
endif()
target_compile_definitions(strs_options INTERFACE STRS_SOFTWARE_EXTENDED=$<BOOL:${STRS_SOFTWARE_EXTENDED}>)
