#!/bin/bash
# Builds Kolekt for 64-bit Windows on Debian 12: installs the cross compiler, builds a static Qt
# from Debian's own qt6-base source once into a cache outside the clone, then kolekt.exe and
# kolekt-tool.exe (each one file with no DLLs beside it), the portable zip and the installer.
#
#   bash scripts/build-windows.sh            programs in build/windows/, packages in build/windows/dist/
#   bash scripts/build-windows.sh --tests    the test programs too (GoogleTest built for Windows)
#
# The cache is KOLEKT_WINDOWS_CACHE (default /var/cache/kolekt-windows as root, else
# ~/.cache/kolekt-windows).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
windows=$root/packaging/windows
jobs=$(nproc)
build=$root/build/windows

tests=OFF
for argument in "$@"; do
    case $argument in
    --tests) tests=ON ;;
    *)
        echo "usage: bash scripts/build-windows.sh [--tests]" >&2
        exit 2
        ;;
    esac
done

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
    # The tests run the programs under Wine on a private X display and read its clipboard.
    if [ "$tests" = ON ]; then
        packages+=(wine wine64 xvfb xdotool x11-utils xclip)
    fi
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

# GoogleTest for the Windows test programs, from Debian's googletest source, once into the cache.
build_googletest() {
    local version key work
    version=$(dpkg-query -W -f='${Version}' googletest)
    key=$( { echo "$version"; x86_64-w64-mingw32-g++-posix --version | head -1
             cat "$windows/mingw-toolchain.cmake"; } | sha256sum | cut -c1-12)
    googletest=$cache/googletest-${version%%-*}-$key
    exec 8>"$cache/googletest-$key.lock"
    flock 8
    if [ -f "$googletest/.complete" ]; then
        exec 8>&-
        return
    fi
    echo "== building GoogleTest $version for Windows into $googletest"
    work=$cache/work-googletest-$key
    rm -rf "$work" "$googletest"
    cmake -S /usr/src/googletest -B "$work" -G Ninja -Wno-dev \
          -DCMAKE_TOOLCHAIN_FILE="$windows/mingw-toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_INSTALL_PREFIX="$googletest" \
          -DCMAKE_CXX_FLAGS="-ffile-prefix-map=/usr/src/googletest=/googletest" >/dev/null
    cmake --build "$work" -j"$jobs" >/dev/null
    cmake --install "$work" >/dev/null
    touch "$googletest/.complete"
    rm -rf "$work"
    exec 8>&-
}

build_kolekt() {
    local test_options=()
    if [ "$tests" = ON ]; then
        test_options=(-DGTest_DIR="$googletest/lib/cmake/GTest" -DCMAKE_CROSSCOMPILING_EMULATOR=wine)
    fi
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
          -DCMAKE_BUILD_TYPE=Release \
          -DKOLEKT_WERROR=ON -DKOLEKT_BUILD_BENCH=OFF \
          -DKOLEKT_BUILD_TESTS="$tests" "${test_options[@]}" >/dev/null
    if [ "$tests" = ON ]; then
        cmake --build "$build" -j"$jobs"
    fi
    cmake --build "$build" -j"$jobs" --target kolekt_windows_packages
}

# Each program must run where only Windows' own DLLs are, and carry no path of the source tree.
check_programs() {
    local program dlls
    for program in "$build/src/app/kolekt.exe" "$build/tools/kolekt-tool.exe"; do
        dlls=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
        if grep -Eiq '^(lib.*|qt6.*|zlib.*)\.dll$' <<<"$dlls"; then
            echo "$program needs DLLs that Windows does not have:" $dlls >&2
            exit 1
        fi
        if x86_64-w64-mingw32-strings -a "$program" | grep -Fq "$root"; then
            echo "$program holds the path of the source tree $root" >&2
            exit 1
        fi
    done
}

install_packages
build_qt
if [ "$tests" = ON ]; then
    build_googletest
fi
build_kolekt
check_programs
echo "== built:"
ls -l "$build/src/app/kolekt.exe" "$build/tools/kolekt-tool.exe" "$build"/dist/*
