# How tests are registered: each folder's CMakeLists.txt names its test files.
include(GoogleTest)
find_package(GTest REQUIRED)

# GoogleTest for Qt-free code: the sources form one executable.
#   strs_add_gtest(NAME SOURCES file... LIBS target...)
function(strs_add_gtest name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gtest_main strs_options)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

# Under qemu-user an emulated program cannot start another (its fork fails): a test
# leaves what needs a process of its own to the answer keys, which CTest runs through
# the emulator. Wine starts Windows programs by itself.
function(strs_tell_emulation target)
  if(CMAKE_CROSSCOMPILING_EMULATOR AND NOT WIN32)
    target_compile_definitions(${target} PRIVATE STRS_UNDER_QEMU_USER)
  endif()
endfunction()

# Qt Test for widgets: each source is its own executable and test, named after the file,
# run offscreen with a timeout so that a stray modal box fails fast instead of hanging.
#   strs_add_qt_tests(SOURCES tst_x.cpp... LIBS target...)
function(strs_add_qt_tests)
  if(NOT STRS_BUILD_GUI)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "SOURCES;LIBS")
  foreach(src IN LISTS arg_SOURCES)
    get_filename_component(target ${src} NAME_WE)
    add_executable(${target} ${src})
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE ${arg_LIBS} Qt6::Test strs_test_support)
    strs_tell_emulation(${target})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 120
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;STRS_LANGUAGE=")
  endforeach()
endfunction()

# Readers shared by the tests (tests/support/).
add_library(strs_test_support INTERFACE)
target_include_directories(strs_test_support INTERFACE ${PROJECT_SOURCE_DIR}/tests)

# MPFR, the oracle of the correctly rounded logarithm and exponential: tests only, never
# linked into the programs. A cross-build has it where the target's own MPFR is installed
# (STRS_CROSS_MPFR, arm64 by multiarch); the others compare their results' hashes with the
# native build's instead (elementary_digest_test.cpp).
option(STRS_CROSS_MPFR "A cross-build's tests use the target's MPFR" OFF)
if(NOT CMAKE_CROSSCOMPILING OR STRS_CROSS_MPFR)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(MPFR REQUIRED IMPORTED_TARGET mpfr)
  add_library(strs_mpfr_oracle INTERFACE)
  target_link_libraries(strs_mpfr_oracle INTERFACE PkgConfig::MPFR strs_test_support)
endif()
