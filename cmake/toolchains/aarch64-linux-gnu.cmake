# Cross-compiling for 64-bit ARM Linux with Debian's cross compiler against Debian's own
# arm64 libraries, installed beside the host's by multiarch (dpkg --add-architecture arm64;
# scripts/arm64): they live under /usr with the triple in their paths.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(STRS_CROSS_TRIPLE aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${STRS_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${STRS_CROSS_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${STRS_CROSS_TRIPLE})

# Only the arm64 libraries and their .pc files; the host's programs (Qt's moc, rcc, uic
# and lrelease come from QT_HOST_PATH).
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/${STRS_CROSS_TRIPLE}/pkgconfig:/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
