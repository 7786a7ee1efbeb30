#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when
# they are missing, without recommended packages. The program carries its own
# faces; the common desktop fonts below are installed so that the tests run
# where other fonts answer to the same names (an older Liberation, the URW
# Courier, DejaVu), as on users' machines. clang-format-14 keeps the layout
# (tools/check-format.sh). rsvg-convert (librsvg2-bin) draws
# the icons at build time; file, desktop-file-utils, appstream, lintian, man-db
# and python3 serve the package's checks; weston and qt6-wayland the window under Wayland.
# qt6-l10n-tools and qt6-tools-dev compile the translations (lrelease) and
# bring them up to date (lupdate); qt6-translations-l10n translates the
# toolkit's own dialog texts. With
# --bench it also installs the optional tools of make bench-startup (Xlib
# headers, bc, gperiodic to compare).
set -eu
packages=(build-essential cmake ninja-build clang-format-14 qt6-base-dev qt6-svg-dev libfontconfig-dev libgtest-dev libbenchmark-dev
          xvfb xauth xdotool x11-apps x11-utils x11-xserver-utils openbox imagemagick poppler-utils
          fonts-liberation fonts-urw-base35 fonts-dejavu-core cups dbus at-spi2-core python3-pyatspi
          librsvg2-bin file desktop-file-utils appstream lintian man-db python3 weston qt6-wayland
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
[ "${1:-}" = "--bench" ] && packages+=(libx11-dev bc dbus gperiodic)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
