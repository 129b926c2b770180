#!/usr/bin/env bash
# Installs what the game needs to build, run and test, when it is missing.
# Debian 12 packages only; uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build clang-format ccache
    qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev
    libqt6multimedia6 qt6-qpa-plugins
    tzdata xvfb xauth
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n gettext gettext-base
    desktop-file-utils appstream
    fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji fonts-dejavu-core fonts-liberation2
    xdotool imagemagick python3-pil
    dpkg-dev debhelper fakeroot file lintian devscripts
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
