# Warnings and floating-point rules shared by every target of the project.
# -ffp-contract=off: a fused multiply-add would change the last bits of the results.
add_library(strs_options INTERFACE)
target_compile_options(strs_options INTERFACE
  -Wall -Wextra -Wpedantic
  -ffp-contract=off)
target_compile_definitions(strs_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
target_include_directories(strs_options INTERFACE ${PROJECT_SOURCE_DIR})

# Sanitizer builds (the asan preset) set STRS_SANITIZE.
option(STRS_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(STRS_SANITIZE)
  target_compile_options(strs_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(strs_options INTERFACE -fsanitize=address,undefined)
endif()
