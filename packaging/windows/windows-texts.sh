#!/bin/bash
# Writes README.txt and LICENSE.txt for the Windows packages as plain text with CRLF line ends,
# for Notepad: README.txt holds the overseer's guide and the Windows and licence sections of
# README.md, without the Markdown marks and pictures; LICENSE.txt names the parts that the
# programs hold besides Kolekt before the licence's text.
#   windows-texts.sh SOURCE_DIR OUTPUT_DIR
set -euo pipefail
source=$1
output=$2

crlf() {
    sed 's/\r*$/\r/'
}

readme() {
    awk '
        function underline(title, mark,    line) {
            line = title
            gsub(/./, mark, line)
            print title
            print line
        }
        /^# / { keep = 1; underline(substr($0, 3), "="); next }
        /^## / {
            title = substr($0, 4)
            keep = title == "Windows" || title == "The overseer'\''s guide" || title == "Licence and contact"
            if (keep) underline(title, "=")
            next
        }
        !keep { next }
        /^!\[/ { next }
        /^### / { underline(substr($0, 5), "-"); next }
        { gsub(/\*\*/, ""); gsub(/`/, ""); print }
    ' "$source/README.md" | cat -s
}

# The byte order mark tells every Notepad that the guide is UTF-8.
{ printf '\xef\xbb\xbf'; readme | crlf; } >"$output/README.txt"
cat "$source/packaging/windows/third-party.txt" "$source/LICENSE" | crlf >"$output/LICENSE.txt"
