#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the tools need. Safe to run again:
# it does nothing when all packages are already present.
set -euo pipefail

packages=(
  # toolchain and test frameworks
  build-essential cmake ninja-build clang clang-tidy libclang-rt-14-dev googletest libgtest-dev libgmock-dev
  libbenchmark-dev pkg-config python3
  # viewer: Qt 6 Widgets, OpenGL, GLU, GLEW, EGL, FreeType, fontconfig, Boost headers
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6openglwidgets6 qt6-image-formats-plugins
  libgl-dev libglu1-mesa-dev libglew-dev libegl-dev libopengl-dev libfreetype-dev libfontconfig-dev
  libboost-dev libpng-dev
  # the display check before Qt starts: X and Wayland client libraries
  libxcb1-dev libwayland-dev
  # a decimal-comma locale for the preferences' locale test
  locales
  # fonts the labels resolve to
  fonts-liberation2 fonts-dejavu-core
  # headless GL tests
  xvfb xauth libgl1-mesa-dri libegl-mesa0 mesa-utils
  # the viewer on Wayland without X: Qt's Wayland platform, Weston's headless compositor
  qt6-wayland weston
  # desktop integration: icons rendered at build time; the install-layout test's MIME and entry checks
  librsvg2-bin desktop-file-utils xdg-utils libfile-mimeinfo-perl shared-mime-info
  # a real thumbnail service for the thumbnailer's ranking test
  tumbler dbus dbus-bin libglib2.0-bin
  # the Debian package: CPack's dependency scan, Debian's package checks
  file lintian
  # the Windows shell-extension DLL: mingw-w64 cross compilers, widl, windres; Wine to test it
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64 wine64
)

# Generated as root only; without them the comma-locale test and the Windows DLL's run under code
# page 932 skip themselves.
test_locales() {
  locale -a | grep -qx 'de_DE.utf8' || [ "$(id -u)" -ne 0 ] || localedef -i de_DE -f UTF-8 de_DE.UTF-8
  locale -a | grep -qx 'ja_JP.utf8' || [ "$(id -u)" -ne 0 ] || localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  test_locales
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${missing[*]}); run as root" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
test_locales
