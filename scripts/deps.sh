# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages Morvane needs, listed here and nowhere else, and the helper that
# installs the missing ones. Sourced by the other scripts.

# Compiler, build system and the Qt 6 libraries the program links, Qt's translation tools
# (lupdate and lrelease, and their CMake package) that compile the window's translations, and
# help2man, which writes morvane-cli's manual page from its --help.
MORVANE_BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev
  qt6-tools-dev qt6-l10n-tools help2man)
# What the window needs at run time beyond the libraries: the X11 and Wayland platform
# plugins, Qt's own translations and fonts close to the window's designed face.
MORVANE_RUN_PACKAGES=(qt6-qpa-plugins fonts-open-sans fonts-noto-core
  qt6-wayland qt6-translations-l10n)
# Test frameworks, the X server, a window manager and the key and clipboard tools for the
# window checks, the packaging validators and the resource compiler that checks the Windows
# version record, and the static analysers; the Wayland compositor, the D-Bus session and
# accessibility bus with the Python binding a screen reader uses, for reading the window as a
# screen reader does; Debian's package checker and the manual page reader for the package and
# its pages, and GNU time for morvane-cli's peak memory.
MORVANE_TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
  x11-utils openbox xdotool xclip desktop-file-utils appstream binutils-mingw-w64-x86-64
  dpkg-dev file clang-tidy cppcheck
  weston dbus at-spi2-core python3-pyatspi
  lintian man-db groff-base time)
# Timing whole runs of the command-line program (scripts/bench-cli).
MORVANE_BENCH_PACKAGES=(hyperfine)
# The web page: Emscripten (with cmake and ninja-build, the build system), node with Debian's
# acorn for Emscripten's optimizer and for running the module, python3 for the page's
# translations (written from the window's) and the local server, and the headless browser with
# its WebDriver and Selenium's Python binding that drives it for the page's tests (scripts/web,
# scripts/test).
MORVANE_WEB_PACKAGES=(cmake ninja-build emscripten nodejs node-acorn python3 chromium
  chromium-driver python3-selenium)
# The Windows programs (scripts/windows): the MinGW-w64 cross compiler with posix threads and
# its binutils, GoogleTest's sources to build it for Windows, Wine to run the programs and
# their tests, NSIS and zip for the installer and the archive, icoutils to read the resources
# back, python3 for the string tables (written from the Qt window's translations) and the
# checks.
MORVANE_WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  googletest wine wine64 nsis zip icoutils python3)
# The compiler and the runtime libraries of libFuzzer and the sanitizers (scripts/fuzz).
MORVANE_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Installs every named package that is not installed yet; uses sudo when not root.
ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}" >&2
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >&2
}
