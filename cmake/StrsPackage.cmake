# The Debian package, built by CPack from the install rules (scripts/package, and
# scripts/arm64 for arm64): strs-workbench_<version>_<architecture>.deb. The libraries it needs are read off the
# executables by dpkg-shlibdeps; what they load only at run time is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME strs-workbench)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "STRS Workbench developers")
set(CPACK_PACKAGE_CONTACT
    "STRS Workbench developers <maintainers@users.noreply.c-seed-8869894e.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "lab workbench for the statistical theory of radio-engineering systems")
set(CPACK_PACKAGE_DESCRIPTION
"A desktop workbench for the university course 'Statistical theory of
radio-engineering systems' (in Russian): random variables of five
distribution laws, autoregressive sequences, a scalar Kalman filter and a
block Wiener filter, one tab each, with charts and numbers.
.
The random generator starts from the same state at every start, so the same
presses give the same numbers. strs-replay drives the window from a script
and prints the results as JSON, for answer keys.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "aarch64")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
else()
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(NOT STRS_HOMEPAGE STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${STRS_HOMEPAGE})
endif()
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window asks for Liberation Sans and the charts for DejaVu Sans, by name
# (shell/ui_texts.cpp, shell/chart_widget.cpp); each is the other's fallback.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2, fonts-dejavu-core")
# Russian texts of the toolkit's own dialogs (buttons of the save dialog, the error box).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
