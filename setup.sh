#!/usr/bin/env bash
# Installs what Kartella needs on Debian 12 and builds it into build/; the ready program
# directory (the program and its table files) is build/program.
set -euo pipefail
cd "$(dirname "$0")"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
          libsqlite3-dev iso-codes fonts-liberation poppler-utils locales xvfb xauth)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The Hungarian regional settings, whose short date format the program and its tests use.
if ! locale -a 2>/dev/null | grep -qi '^hu_HU\.utf-\?8$'; then
    grep -q '^hu_HU.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'hu_HU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
