# shellcheck shell=bash
# The Debian packages each build needs, in one place: the scripts install their own list
# (install_missing), and scripts/ci-packages installs every list in one apt run.

# The native build, the program and its tests (scripts/install-deps).
strs_packages_native=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth xdotool imagemagick x11-utils librsvg2-bin
  clang libclang-rt-14-dev poppler-utils unzip
)
# What only the tests need: LibreOffice opens the reports' ODT as a student's office suite
# does (scripts/test, scripts/e2e).
strs_packages_tests=(libreoffice-writer-nogui)
# Cross-building for Windows, Qt from Debian's sources, and checking under Wine.
strs_packages_windows=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nasm nsis
  dpkg-dev ccache perl fonts-dejavu-core fonts-liberation qt6-translations-l10n
)
# Cross-building for arm64 against Debian's own arm64 libraries, checked under qemu-user.
strs_packages_arm64=(
  g++-aarch64-linux-gnu qemu-user dpkg-dev fakeroot
  libc6-dev:arm64 qt6-base-dev:arm64 qt6-tools-dev:arm64 qt6-svg-dev:arm64 libgl-dev:arm64
  libjpeg62-turbo-dev:arm64 libgtest-dev:arm64 libgmock-dev:arm64 libmpfr-dev:arm64
)
# The browser edition: Debian's emscripten, Qt from Debian's sources, headless Chromium, and
# what lays out its site (the icons drawn from the SVG, the manual from the README).
strs_packages_web=(emscripten node-acorn binaryen dpkg-dev ccache perl chromium librsvg2-bin cmark-gfm)
# The Debian package's checks (scripts/package).
strs_packages_package=(dpkg-dev fakeroot lintian appstream desktop-file-utils debootstrap)

# Installs those of the packages named that are not installed yet; a name ending in
# ":arm64" adds that architecture beside the host's first.
install_missing() {
  local missing=() sudo="" p
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if printf '%s\n' "${missing[@]}" | grep -q ':arm64$' && ! dpkg --print-foreign-architectures | grep -qx arm64; then
    $sudo dpkg --add-architecture arm64
  fi
  $sudo apt-get update -qq
  # --no-remove: a conflict must fail here, not take installed packages away.
  $sudo apt-get install -y -qq --no-install-recommends --no-remove "${missing[@]}"
}
