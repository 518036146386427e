# shellcheck shell=bash
# The Debian packages Morvane needs, listed here and nowhere else, and the helper that
# installs the missing ones. Sourced by the other scripts.

# Compiler, build system and the Qt 6 libraries the program links.
MORVANE_BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev)
# What the window needs at run time beyond the libraries: the platform plugins and fonts
# close to the window's designed face.
MORVANE_RUN_PACKAGES=(qt6-qpa-plugins fonts-open-sans fonts-noto-core)
# Test frameworks, the X server, a window manager and the key and clipboard tools for the
# window checks, the packaging validators and the resource compiler that checks the Windows
# version record, and the static analysers.
MORVANE_TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
  x11-utils openbox xdotool xclip desktop-file-utils appstream binutils-mingw-w64-x86-64
  dpkg-dev file clang-tidy cppcheck)
# Timing whole runs of the command-line program (scripts/bench-cli).
MORVANE_BENCH_PACKAGES=(hyperfine)
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
