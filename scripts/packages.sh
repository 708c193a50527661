# Installs the Debian packages the build needs, only when one is missing.
# Usage: . scripts/packages.sh; ensure_packages pkg...
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake g++ make pkg-config libsdl2-dev libepoxy-dev libpng-dev zlib1g-dev
  libjpeg-dev libx11-dev libgl1-mesa-dri libegl1)
TEST_PACKAGES=(libgtest-dev libgmock-dev libfreetype-dev fonts-dejavu-core xvfb xauth xdotool
  jwm clang libclang-rt-14-dev xscreensaver)
# Only for CI's package check (.ci/package), not needed by ./test.sh.
PACKAGE_CHECK_PACKAGES=(dpkg-dev file lintian man-db)
