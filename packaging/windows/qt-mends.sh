#!/bin/bash
# Two mends that Debian's qt6-base source needs before it cross-builds for Windows.
# Run inside the unpacked source tree; WINE_INCLUDE names Wine's Windows headers.
set -euo pipefail
wine_include=${WINE_INCLUDE:-/usr/include/wine/wine/windows}

# Debian's tarball leaves out src/3rdparty/wintab (the tablet headers). Wine's LGPL copies
# serve, behind a wrapper for the macros that Wine's own headers would define: the names
# without A or W are the wide ones in a Unicode build (Qt's tablet support uses LPLOGCONTEXT).
mkdir -p src/3rdparty/wintab
for header in wintab.h pktdef.h; do
    cp "$wine_include/$header" "src/3rdparty/wintab/wine-$header"
    {
        echo "#pragma once"
        echo "#ifndef WINELIB_NAME_AW"
        echo "#ifdef UNICODE"
        echo "#define WINELIB_NAME_AW(name) name##W"
        echo "#else"
        echo "#define WINELIB_NAME_AW(name) name##A"
        echo "#endif"
        echo "#endif"
        echo "#ifndef DECL_WINELIB_TYPE_AW"
        echo "#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;"
        echo "#endif"
        echo "#ifndef API"
        echo "#define API WINAPI"
        echo "#endif"
        echo "#include \"wine-$header\""
    } >"src/3rdparty/wintab/$header"
done

# Without OpenGL, isSoftwareGl() must not reach for the OpenGL context it then lacks.
window=src/plugins/platforms/windows/qwindowswindow.cpp
sed -i '/^static inline bool isSoftwareGl()/,/^}/ s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$window"
grep -A2 '^static inline bool isSoftwareGl()' "$window" | grep -q 'QT_CONFIG(opengl)'
