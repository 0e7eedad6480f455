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

# README.md marks what is not for Windows users (apt, the desktop's programs, SMTP, ~/.config...)
# as <!-- linux -->...<!-- /linux --> and what only they need as <!-- windows: TEXT -->; both are
# comments that Markdown does not show.
for_windows() {
    awk '
        # Where the next ending stands in text; the script fails when none follows.
        function closing(text, opening, ending,    end) {
            end = index(text, ending)
            if (end == 0) {
                print "README.md: " opening " without " ending > "/dev/stderr"
                exit 1
            }
            return end
        }
        function drop(text, opening, ending,    kept, at, rest) {
            kept = ""
            while ((at = index(text, opening)) > 0) {
                rest = substr(text, at + length(opening))
                kept = kept substr(text, 1, at - 1)
                text = substr(rest, closing(rest, opening, ending) + length(ending))
            }
            return kept text
        }
        function reveal(text, opening, ending,    kept, at, rest, end) {
            kept = ""
            while ((at = index(text, opening)) > 0) {
                rest = substr(text, at + length(opening))
                end = closing(rest, opening, ending)
                kept = kept substr(text, 1, at - 1) substr(rest, 1, end - 1)
                text = substr(rest, end + length(ending))
            }
            return kept text
        }
        { text = text $0 "\n" }
        END {
            text = drop(text, "<!-- linux -->", "<!-- /linux -->")
            printf "%s", reveal(text, "<!-- windows: ", " -->")
        }
    ' "$source/README.md"
}

readme() {
    for_windows | awk '
        # What was left out leaves lines of any length: each paragraph and list item is wrapped
        # anew at the width of README.md, the lines of a list item under its text; a table keeps
        # its rows.
        function flush(    n, word, i, line) {
            if (paragraph == "")
                return
            n = split(paragraph, word, " ")
            line = lead word[1]
            for (i = 2; i <= n; i++) {
                if (length(line) + 1 + length(word[i]) > 100) {
                    print line
                    line = hang word[i]
                } else {
                    line = line " " word[i]
                }
            }
            print line
            paragraph = ""
        }
        function underline(title, mark,    line) {
            flush()
            line = title
            gsub(/./, mark, line)
            print title
            print line
        }
        /^# / { keep = 1; underline(substr($0, 3), "="); next }
        /^## / {
            title = substr($0, 4)
            keep = title == "Windows" || title == "The overseer'\''s guide" || title == "Languages" ||
                   title == "Licence and contact"
            if (keep) underline(title, "=")
            else flush()
            next
        }
        !keep { next }
        /^!\[/ { next }
        /^### / { underline(substr($0, 5), "-"); next }
        { gsub(/\*\*/, ""); gsub(/`/, "") }
        /^[[:space:]]*$/ { flush(); print ""; next }
        /^    / && paragraph == "" { print; next }
        /^\|/ { flush(); print; next }
        /^- / { flush(); lead = "- "; hang = "  "; paragraph = substr($0, 3); next }
        /^[0-9]+\. / { flush(); lead = ""; hang = "   "; paragraph = $0; next }
        paragraph == "" { lead = ""; hang = ""; paragraph = $0; next }
        { paragraph = paragraph " " $0 }
        END { flush() }
    ' | cat -s
}

# The byte order mark tells every Notepad that the guide is UTF-8.
{ printf '\xef\xbb\xbf'; readme | crlf; } >"$output/README.txt"
# A mark written otherwise than above would show in the guide.
if grep -n -e '<!--' -e '-->' "$output/README.txt" >&2; then
    echo "README.md: a mark for the Windows guide is not <!-- linux -->, <!-- /linux --> or <!-- windows: TEXT -->" >&2
    exit 1
fi
cat "$source/packaging/windows/third-party.txt" "$source/LICENSE" | crlf >"$output/LICENSE.txt"
