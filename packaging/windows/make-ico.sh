#!/bin/bash
# Writes a Windows icon file holding the given PNG images, each stored as PNG (which Windows
# reads from Vista on), so the executable carries every size the desktop may draw it at.
#   make-ico.sh OUTPUT.ico IMAGE.png...
set -euo pipefail
output=$1
shift

# Little-endian integers as the icon directory stores them.
bytes() {
    local value=$1 count=$2 i
    for ((i = 0; i < count; i++)); do
        printf "\\x$(printf %02x $((value >> (8 * i) & 255)))"
    done
}

# A PNG's width and height, from its IHDR chunk.
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    if [ "$signature" != 89504e470d0a1a0a ]; then
        echo "$1 is not a PNG image" >&2
        exit 1
    fi
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4,
                                              $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

temporary=$(mktemp "$output.XXXXXX")
trap 'rm -f "$temporary"' EXIT
{
    bytes 0 2
    bytes 1 2
    bytes $# 2
    offset=$((6 + 16 * $#))
    for image in "$@"; do
        dimensions=$(png_size "$image")
        read -r width height <<<"$dimensions"
        if ((width < 1 || width > 256 || height < 1 || height > 256)); then
            echo "$image is ${width}x${height}; an icon image is 1 to 256 pixels a side" >&2
            exit 1
        fi
        size=$(stat -c %s "$image")
        # 256 is written as 0 in the one byte the directory has for it.
        bytes $((width % 256)) 1
        bytes $((height % 256)) 1
        bytes 0 2
        bytes 1 2
        bytes 32 2
        bytes "$size" 4
        bytes "$offset" 4
        offset=$((offset + size))
    done
    cat "$@"
} >"$temporary"
mv "$temporary" "$output"
trap - EXIT
