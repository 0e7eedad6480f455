#!/bin/bash
# Prepares the Windows build on Debian 12: installs the cross compiler and builds a static Qt
# from Debian's own qt6-base source, once, into a cache outside the clone.
#
#   bash scripts/build-windows.sh
#
# The cache is KOLEKT_WINDOWS_CACHE (default /var/cache/kolekt-windows as root, else
# ~/.cache/kolekt-windows).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
windows=$root/packaging/windows
jobs=$(nproc)

if [ "$(id -u)" -eq 0 ]; then
    cache=${KOLEKT_WINDOWS_CACHE:-/var/cache/kolekt-windows}
else
    cache=${KOLEKT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kolekt-windows}
fi

install_packages() {
    local packages=(
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n libwine-dev dpkg-dev
        cmake ninja-build nsis zip unzip googletest
    )
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}; run this script as root to install them." >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Qt's cross build needs host tools of its own version, so the source is the version of
# Debian's qt6-base-dev-tools, fetched through a deb-src entry that only these apt calls see.
fetch_qt_source() {
    local version=$1 dest=$2 apt=$cache/apt
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial"
    cat >"$apt/sources.list.d/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/sources.list.d"
                   -o "Dir::State::Lists=$apt/lists")
    apt-get "${options[@]}" update -qq
    mkdir -p "$dest"
    (cd "$dest" && apt-get "${options[@]}" source -qq "qt6-base=$version" >/dev/null 2>&1)
}

build_qt() {
    local version key source build
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
    # The key covers everything that shapes the build, so that a change builds afresh.
    key=$( { echo "$version"; x86_64-w64-mingw32-g++-posix --version | head -1
             cat "$windows/qt-configure-options.txt" "$windows/qt-mends.sh" \
                 "$windows/mingw-toolchain.cmake"; } | sha256sum | cut -c1-12)
    qt=$cache/qt-${version%%+*}-$key
    # A second run of this script waits for the first one's build instead of wiping its work.
    mkdir -p "$cache"
    exec 9>"$cache/qt-$key.lock"
    flock 9
    if [ -f "$qt/.complete" ]; then
        exec 9>&-
        return
    fi
    echo "== building Qt $version for Windows into $qt (once; about 25 minutes on two cores)"
    local work=$cache/work-$key
    rm -rf "$work" "$qt"
    # Qt's toolchain file refers to ours by its path, so ours lives beside the Qt it built.
    mkdir -p "$qt"
    cp "$windows/mingw-toolchain.cmake" "$qt/mingw-toolchain.cmake"
    fetch_qt_source "$version" "$work/src"
    source=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    (cd "$source" && bash "$windows/qt-mends.sh")
    build=$work/build
    local map="-ffile-prefix-map=$source=/qt6-base -ffile-prefix-map=$build=/qt6-base-build"
    mapfile -t options <"$windows/qt-configure-options.txt"
    cmake -S "$source" -B "$build" -G Ninja -Wno-dev \
          -DCMAKE_TOOLCHAIN_FILE="$qt/mingw-toolchain.cmake" \
          -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
          -DCMAKE_INSTALL_PREFIX="$qt" -DCMAKE_C_FLAGS="$map" -DCMAKE_CXX_FLAGS="$map" \
          "${options[@]}" >"$work/configure.log"
    cmake --build "$build" -j"$jobs" >"$work/build.log"
    cmake --install "$build" >/dev/null
    touch "$qt/.complete"
    rm -rf "$work"
    exec 9>&-
}

install_packages
build_qt
