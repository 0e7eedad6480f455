#!/bin/bash
# Installs every Debian package that building, running and testing Kolekt needs.
# Idempotent and quiet when everything is already there. Run as root.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev libgl-dev libcurl4-openssl-dev libcups2-dev
    # the mail password in the desktop's keyring (optional at configure time)
    qtkeychain-qt6-dev
    # lrelease compiles the catalogues; Qt's own dialogs in the user's language
    qt6-l10n-tools qt6-translations-l10n
    # the fonts the package depends on, with every letter of the secretary's code pages
    fonts-liberation2 fonts-dejavu-core
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool poppler-utils python3
    # the sticks' file systems through FUSE: FAT and exFAT images and their makers
    fuse3 fusefat exfat-fuse exfatprogs dosfstools
    # the Windows programs' tests (the cross build installs its own tools)
    wine wine64
    # printing: the print test's own cupsd
    cups printer-driver-cups-pdf
    # packaging checks and the fuzz target
    dpkg-dev file desktop-file-utils appstream shared-mime-info libx11-dev
    clang libclang-rt-14-dev
    # the formatting check
    clang-format
    python3-aiosmtpd
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root (or with sudo) to install them." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
